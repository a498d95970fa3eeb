// A mock exam that cannot start: from the exam-set card through the login, the candidate is told
// why and is left on the home screen alone, however long the screen then stands.
#include <QDir>
#include <QFile>

#include "drill/exam_clock.h"
#include "drill/frm_logon.h"
#include "home_fixture.h"
#include "platform/msgbox.h"
#include "support/child.h"

using namespace hometest;
using home::FrmFengmian;
using platform::Forms;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class ExamStart : public HomeTest {
protected:
    void SetUp() override
    {
        HomeTest::SetUp();
        QString codes;
        for (int q = 0; q < 40; ++q)
            codes += QStringLiteral("0001");
        Installation::write(inst.bank("288891.rar"), {"0203", "030204", codes, codes});
        // The set built at an earlier login.
        Installation::write(inst.bank("288800.rar"), {"old steps"});
        Installation::write(inst.bank("288850.rar"), {"old list"});
    }

    // Exam set 1's card, the login and the message answered; then fifteen seconds pass.
    // 0: only the home screen is there, and the message was shown once, naming `says`; otherwise
    // the first thing that was wrong. (A number, so that a forked child can report it.)
    int loginThatFails(const QString& says)
    {
        const qsizetype before = boxes.seen().size();
        boxes.expect(platform::vbOK);
        FrmFengmian& h = home();
        testkit::click(h.LblKaCH);
        testkit::click(h.LblStartKs(0));
        drill::FrmLogon& login = Forms::instance<drill::FrmLogon>();
        if (!login.isLoaded() || !login.Visible()) return 1;
        time.advance(100);
        testkit::click(login.CmdLog);
        time.advance(15000);
        if (boxes.seen().size() != before + 1) return 2;
        const QString prompt = boxes.seen().last().prompt;
        if (!prompt.contains(says) || !prompt.contains(QStringLiteral("无法开始考试"))) return 3;
        // No login, panel, desktop or demonstration: every form but the home screen is gone.
        for (const platform::Form* f : Forms::all())
            if (f->isLoaded() != (f->Name() == QLatin1String("FrmFengmian"))) return 4;
        if (!home().Visible()) return 5;
        if (drill::examRunning()) return 6;
        return 0;
    }

    void expectTheOldSetAndNoLogin()
    {
        EXPECT_EQ(bytesOf(inst.bank("288800.rar")), "old steps\r\n");
        EXPECT_EQ(bytesOf(inst.bank("288850.rar")), "old list\r\n");
        EXPECT_EQ(bytesOf(inst.bank("288894.rar")), "<missing>");
    }
};

} // namespace

TEST_F(ExamStart, AFullDiskLeavesOnlyTheHomeScreen)
{
    start();
    // The candidate tries twice; the set's files cannot be written either time.
    const int result = testkit::onAFullDisk([&] {
        for (int attempt = 0; attempt < 2; ++attempt)
            if (const int r = loginThatFails(QStringLiteral("288800.rar"))) return 10 * attempt + r;
        return 0;
    });
    EXPECT_EQ(result, 0);
    expectTheOldSetAndNoLogin();
}

TEST_F(ExamStart, ABankThatCannotGiveTheSetLeavesOnlyTheHomeScreen)
{
    struct Case {
        const char* what;
        QString file; // the bank file damaged, put back after the case
        std::function<void(const QString&)> damage;
        QString says;
    };
    const Case cases[] = {
        {"the list cannot be written after the step file was", inst.bank("288850.rar"),
         [](const QString& f) {
             QFile::remove(f);
             QDir().mkpath(f);
         },
         QStringLiteral("288850.rar")},
        {"a unit's question list missing", inst.bank("288870.rar"),
         [](const QString& f) { QFile::remove(f); }, QStringLiteral("288870.rar")},
        {"no line for the set in the set table", inst.bank("288891.rar"),
         [](const QString& f) {
             Installation::write(f, {"0203", "030204"});
         },
         QStringLiteral("没有第1套试题")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray kept = bytesOf(c.file);
        c.damage(c.file);
        start();
        for (int attempt = 0; attempt < 2; ++attempt)
            EXPECT_EQ(loginThatFails(c.says), 0) << "attempt " << attempt + 1;
        EXPECT_EQ(bytesOf(inst.bank("288800.rar")), "old steps\r\n"); // put back as it was
        EXPECT_EQ(bytesOf(inst.bank("288894.rar")), "<missing>");
        Forms::destroyAll();
        platform::app::releaseInstanceLock();
        QDir(c.file).removeRecursively();
        QFile f(c.file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(kept) == kept.size());
    }
}
