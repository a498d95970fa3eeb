#pragma once
// The update checker's fixture: a program folder with "ver.txt" and the question bank's version
// file, a version page served on loopback by the test itself, the real web fetcher, manual time
// for the form's timers, scripted message boxes and an intercepted program end.
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "common/text_file.h"
#include "home/km_info.h"
#include "platform/app.h"
#include "platform/services_fake.h"
#include "support/kit.h"
#include "support/script.h"
#include "updater/frm_tessaly1.h"
#include "updater/version_page.h"

namespace updatertest {

// What the server answers for every request.
struct Answer {
    QByteArray status = "200 OK";
    QByteArray headers = "Content-Type: text/plain\r\n";
    QByteArray body;
    bool withLength = true; // a Content-Length header; else the body ends with the connection
    int delayMs = 0;        // real time before the answer
    bool never = false;     // no answer at all
};

class PageServer {
public:
    PageServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
                    if (!socket->property("answered").toBool()) ++droppedByClient;
                    socket->deleteLater();
                });
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
            }
        });
    }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }

    Answer answer;
    QList<QByteArray> paths; // the paths asked for, in order
    int answered = 0;        // answers written whole
    int droppedByClient = 0; // connections the client closed before an answer
    QTcpServer server;

private:
    void read(QTcpSocket* socket)
    {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n") || socket->property("seen").toBool()) return;
        socket->setProperty("seen", true);
        paths += request.split(' ').value(1);
        if (answer.never) return;
        const Answer a = answer;
        QPointer<QTcpSocket> s(socket);
        QTimer::singleShot(a.delayMs, socket, [this, s, a] {
            if (!s || s->state() != QAbstractSocket::ConnectedState) return;
            QByteArray head = "HTTP/1.1 " + a.status + "\r\n" + a.headers;
            if (a.withLength) head += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
            s->setProperty("answered", true);
            s->write(head + "Connection: close\r\n\r\n" + a.body);
            s->disconnectFromHost();
            ++answered;
        });
    }
};

// Message boxes that stay open while whileOpen runs (time goes on, the network has its chance),
// then take the answer of the service installed before (the fixture's script).
class WaitingBoxes final : public platform::MessageBoxService {
public:
    explicit WaitingBoxes(std::function<void()> whileOpen)
        : previous_(platform::messageBoxService())
        , whileOpen_(std::move(whileOpen))
    {
        platform::setMessageBoxService(this);
    }
    ~WaitingBoxes() override { platform::setMessageBoxService(previous_); }
    WaitingBoxes(const WaitingBoxes&) = delete;
    WaitingBoxes& operator=(const WaitingBoxes&) = delete;

    int ask(const platform::MsgBoxRequest& request) override
    {
        ++shown;
        whileOpen_();
        return previous_->ask(request);
    }
    int shown = 0;

private:
    platform::MessageBoxService* previous_;
    std::function<void()> whileOpen_;
};

// The real fetcher, with the latest fetch it started in view: a test waits in real time until that
// fetch has ended (its answer read, or the connection refused) before it ticks the form on.
class WatchedFetcher final : public platform::WebFetcher {
public:
    std::unique_ptr<platform::WebReply> start(const QString& address, qint64 maxBytes) override
    {
        auto reply = std::make_unique<Watched>(net.start(address, maxBytes), this);
        latest = reply.get();
        return reply;
    }
    std::optional<QString> fetchText(const QString& address, int timeoutMs) override
    {
        return net.fetchText(address, timeoutMs);
    }
    // Whether a fetch was started and has ended; one dropped by the form has ended too.
    bool latestEnded() const
    {
        return latest ? latest->state() != platform::WebReply::State::Pending : latestDropped;
    }

private:
    class Watched final : public platform::WebReply {
    public:
        Watched(std::unique_ptr<platform::WebReply> inner, WatchedFetcher* owner)
            : inner_(std::move(inner))
            , owner_(owner)
        {
            owner_->latestDropped = false;
        }
        ~Watched() override
        {
            if (owner_->latest != this) return;
            owner_->latest = nullptr;
            owner_->latestDropped = true;
        }
        State state() const override { return inner_->state(); }
        QString text() const override { return inner_->text(); }

    private:
        std::unique_ptr<platform::WebReply> inner_;
        WatchedFetcher* owner_;
    };
    platform::NetWebFetcher net;
    const Watched* latest = nullptr;
    bool latestDropped = false;
};

class CheckerTest : public testing::Test {
protected:
    void SetUp() override
    {
        platform::app::releaseInstanceLock();
        platform::app::setExeName(QStringLiteral("tessaly-test-%1").arg(QCoreApplication::applicationPid()));
        platform::app::setEndHandler([this] {
            ++ends;
            endCode = platform::app::lastEndCode();
        });
        platform::setWebFetcher(&net);
        fakes.settings.write(updater::SiteKey, QStringLiteral("Host"), server.host());
        fakes.settings.write(updater::SiteKey, QStringLiteral("PagePrefix"), QStringLiteral("123456789"));
        writeVer({QStringLiteral("XP"), QStringLiteral("Windows XP 操作系统"), QStringLiteral("tiku"),
                  QStringLiteral("7")});
        writeBankVersion(QStringLiteral("2024.06.01"));
    }
    void TearDown() override
    {
        platform::Forms::destroyAll();
        testkit::settle();
        platform::setWebFetcher(&fakes.web);
        platform::app::setEndHandler({});
        platform::app::releaseInstanceLock();
        platform::app::setExeName({});
    }

    void writeVer(const QStringList& lines)
    {
        QStringList packed;
        for (const QString& l : lines)
            packed += home::packInfoLine(l).value();
        common::writeTextFile(folder.file(QStringLiteral("ver.txt")), packed);
    }
    void writeBankVersion(const QString& version)
    {
        QDir().mkpath(folder.file(QStringLiteral("tiku")));
        common::writeTextFile(folder.file(QStringLiteral("tiku/288895.rar")), {version});
    }
    void serve(const QByteArray& body) { server.answer.body = body; }

    updater::FrmTessaly1& start()
    {
        updater::FrmTessaly1& f = platform::Forms::instance<updater::FrmTessaly1>();
        f.Show();
        return f;
    }
    updater::FrmTessaly1& form() { return platform::Forms::instance<updater::FrmTessaly1>(); }

    // One tick of the form's clock, with the network given a moment of real time first.
    void tick()
    {
        QTest::qWait(5);
        time.advance(100);
    }
    // Ticks until the check has an outcome (the status line no longer says it is checking), at
    // most as long as the form's own limit and a little more.
    // Each tick first gives the loopback fetch up to 50 ms of real time, so that on a busy machine
    // the form's limit on the test clock does not run out before the answer could arrive.
    void tickUntilChecked()
    {
        const auto checked = [this] {
            return !platform::Forms::isLoaded<updater::FrmTessaly1>() ||
                   (pollCountSeen() > 0 && form().Label1.Caption() != updater::FrmTessaly1::Checking);
        };
        for (int i = 0; i < updater::FrmTessaly1::PollLimit + 5; ++i) {
            (void)QTest::qWaitFor(checked, 50);
            tick();
            if (checked()) return;
        }
    }
    int pollCountSeen() { return form().pollCount; }
    // Waits in real time for the server's answer to be written.
    bool waitForAnswer(int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return server.answered > 0; }, timeoutMs);
    }
    // Waits in real time until the form's fetch has ended: its answer read, or refused.
    bool waitForFetchEnd(int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return net.latestEnded(); }, timeoutMs);
    }

    testkit::TempProgramFolder folder;
    platform::FakeServices fakes;
    WatchedFetcher net;
    PageServer server;
    testkit::ManualTime time;
    testkit::ScriptedMessageBoxes boxes;
    int ends = 0;
    int endCode = -1;
};

} // namespace updatertest
