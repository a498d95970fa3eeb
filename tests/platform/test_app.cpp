// The application object: folder, names, title, the one-copy lock and the ending.
#include "platform/app.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/child.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>

using namespace platform;

namespace {

// Some tests run this test program again as a second process that acts as another copy of a
// program; AppChild.Run is that process's part, chosen by BRANNOCK_APP_CHILD.
void startChild(QProcess& child, const QString& mode, const QString& exe,
                const QString& runtimeDir = QString(), const QString& raceDir = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!runtimeDir.isEmpty()) env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    if (!raceDir.isEmpty()) env.insert(QStringLiteral("BRANNOCK_APP_RACE"), raceDir);
    env.insert(QStringLiteral("BRANNOCK_APP_CHILD"), mode);
    env.insert(QStringLiteral("BRANNOCK_APP_CHILD_EXE"), exe);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=AppChild.Run")});
}

int resultOf(QProcess& child)
{
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
}

int runChild(const QString& mode, const QString& exe, const QString& runtimeDir = QString())
{
    QProcess child;
    startChild(child, mode, exe, runtimeDir);
    return resultOf(child);
}

// Waits until the file exists; false after 30 seconds.
bool waitFor(const QString& file)
{
    for (int i = 0; i < 150000; ++i) {
        if (QFileInfo::exists(file)) return true;
        ::usleep(200);
    }
    return false;
}

void touch(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) std::_Exit(8);
}

qint64 writeBytes(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) ? f.write(bytes) : -1;
}

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A program name of our own, so that no other run of these tests on the machine shares the lock.
QString uniqueExeName()
{
    return QStringLiteral("brannock-apptest-%1").arg(QCoreApplication::applicationPid());
}

struct ExeNameGuard {
    explicit ExeNameGuard(const QString& name)
    {
        app::releaseInstanceLock();
        app::setExeName(name);
    }
    ~ExeNameGuard()
    {
        app::releaseInstanceLock();
        app::setExeName(QString());
    }
};

} // namespace

TEST(AppChild, Run)
{
    const QString mode = qEnvironmentVariable("BRANNOCK_APP_CHILD");
    if (mode.isEmpty()) GTEST_SKIP() << "only run as the second process of another test";
    app::setExeName(qEnvironmentVariable("BRANNOCK_APP_CHILD_EXE"));
    if (mode == QLatin1String("prev")) // 3: another copy runs; 4: this is the only one
        std::_Exit(app::prevInstance() ? 3 : 4);
    if (mode == QLatin1String("die-holding")) { // takes the lock and dies without letting it go
        if (app::prevInstance()) std::_Exit(3);
        std::_Exit(5);
    }
    if (mode == QLatin1String("end")) { // takes the lock and ends the program at once
        if (app::prevInstance()) std::_Exit(3);
        app::endNow();
    }
    if (mode == QLatin1String("end-failed")) app::end(7); // a program that could not do its work
    if (mode == QLatin1String("race")) { // asks when told to, with another copy asking at once
        const QString dir = qEnvironmentVariable("BRANNOCK_APP_RACE");
        const QString me = QString::number(QCoreApplication::applicationPid());
        touch(dir + QStringLiteral("/ready-") + me);
        if (!waitFor(dir + QStringLiteral("/go"))) std::_Exit(8);
        const bool another = app::prevInstance();
        touch(dir + QStringLiteral("/decided-") + me);
        // Running on, holding the lock or not, until the other copy has decided too.
        if (!waitFor(dir + QStringLiteral("/finish"))) std::_Exit(8);
        std::_Exit(another ? 3 : 4);
    }
    std::_Exit(9);
}

TEST(App, PathDefaultsToTheExecutablesFolder)
{
    EXPECT_EQ(app::path(), QCoreApplication::applicationDirPath());
    app::setPath(QStringLiteral("/opt/trainer/"));
    EXPECT_EQ(app::path(), QStringLiteral("/opt/trainer"));
    app::setPath(QStringLiteral("/opt/trainer"));
    EXPECT_EQ(app::path(), QStringLiteral("/opt/trainer"));
    app::setPath(QString());
    EXPECT_EQ(app::path(), QCoreApplication::applicationDirPath());
}

TEST(App, ExeNameIsTheExecutableWithoutFolderOrExtension)
{
    EXPECT_EQ(app::exeName(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    EXPECT_FALSE(app::exeName().contains(QLatin1Char('/')));
    app::setExeName(QStringLiteral("brannock"));
    EXPECT_EQ(app::exeName(), QStringLiteral("brannock"));
    app::setExeName(QString());
    EXPECT_EQ(app::exeName(), QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

TEST(App, TitleDefaultsToTheExeName)
{
    app::setExeName(QStringLiteral("brannock"));
    EXPECT_EQ(app::title(), QStringLiteral("brannock"));
    app::setTitle(QStringLiteral("QuenmarMerovan Word模块"));
    EXPECT_EQ(app::title(), QStringLiteral("QuenmarMerovan Word模块"));
    app::setTitle(QString());
    EXPECT_EQ(app::title(), QStringLiteral("brannock"));
    app::setExeName(QString());
}

TEST(App, VersionIsTwoZeroOne)
{
    EXPECT_EQ(app::Major, 2);
    EXPECT_EQ(app::Minor, 0);
    EXPECT_EQ(app::Revision, 1);
}

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstLetsGo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    app::InstanceLock first(QStringLiteral("brannock"), dir.path());
    app::InstanceLock second(QStringLiteral("brannock"), dir.path());
    app::InstanceLock other(QStringLiteral("tessaly"), dir.path());

    EXPECT_TRUE(first.tryLock());
    EXPECT_TRUE(first.tryLock()); // asking again keeps it
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.isLocked());
    EXPECT_TRUE(other.tryLock()); // another program has a lock of its own

    first.unlock();
    EXPECT_TRUE(second.tryLock());
    EXPECT_FALSE(first.tryLock());
}

TEST(InstanceLock, FileNameCarriesProgramAndUser)
{
    QTemporaryDir dir;
    app::InstanceLock lock(QStringLiteral("brannock"), dir.path());
    EXPECT_EQ(lock.fileName(), dir.path() + QStringLiteral("/brannock-%1.lock").arg(::getuid()));

    app::InstanceLock odd(QStringLiteral("../x/y"), dir.path());
    EXPECT_EQ(QFileInfo(odd.fileName()).absolutePath(), dir.path());

    app::InstanceLock byDefault(QStringLiteral("brannock"));
    EXPECT_EQ(QFileInfo(byDefault.fileName()).absolutePath(), app::InstanceLock::defaultFolder());
    EXPECT_TRUE(QFileInfo(app::InstanceLock::defaultFolder()).isDir());
}

TEST(InstanceLock, DestructionLetsGo)
{
    QTemporaryDir dir;
    {
        app::InstanceLock first(QStringLiteral("brannock"), dir.path());
        ASSERT_TRUE(first.tryLock());
    }
    app::InstanceLock second(QStringLiteral("brannock"), dir.path());
    EXPECT_TRUE(second.tryLock());
}

TEST(PrevInstance, AnotherProcessSeesTheRunningCopy)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);

    EXPECT_EQ(runChild(QStringLiteral("prev"), exe), 4); // nobody holds it yet

    EXPECT_FALSE(app::prevInstance()); // this process is the first copy
    EXPECT_FALSE(app::prevInstance()); // and stays it
    EXPECT_EQ(runChild(QStringLiteral("prev"), exe), 3);

    app::releaseInstanceLock();
    EXPECT_EQ(runChild(QStringLiteral("prev"), exe), 4);
}

TEST(PrevInstance, CopiesStartedWithDifferentEnvironmentsMeetInTheProgramFolder)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    QTemporaryDir mine, theirs;
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", mine.path().toLocal8Bit());
    EXPECT_FALSE(app::prevInstance());
    EXPECT_EQ(QFileInfo(app::InstanceLock(exe).fileName()).path(), app::path());
    EXPECT_EQ(runChild(QStringLiteral("prev"), exe, theirs.path()), 3);
    if (before.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", before);
}

TEST(PrevInstance, ThisProcessSeesTheCopyOfAnother)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    app::InstanceLock running(exe); // as another copy would hold it
    ASSERT_TRUE(running.tryLock());
    EXPECT_TRUE(app::prevInstance());
    running.unlock();
    EXPECT_TRUE(app::prevInstance()); // the answer of the first call stands
    app::releaseInstanceLock();
    EXPECT_FALSE(app::prevInstance());
}

TEST(PrevInstance, ALockLeftByADeadCopyDoesNotBlock)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    EXPECT_EQ(runChild(QStringLiteral("die-holding"), exe), 5);
    EXPECT_TRUE(QFileInfo::exists(app::InstanceLock(exe).fileName())); // left behind
    EXPECT_FALSE(app::prevInstance());
}

TEST(PrevInstance, OnAFullDiskTheCopyRunsAndStillHoldsTheLock)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    // The lock file cannot take this process's number: the program runs, and a second copy is
    // refused all the same.
    EXPECT_EQ(testkit::onAFullDisk(
                  [&] {
                      if (app::prevInstance()) return 1;
                      app::InstanceLock second(exe);
                      if (second.tryLock() || !second.heldByAnother()) return 2;
                      return 0;
                  },
                  0),
              0);
    // The empty lock file that copy left is no copy's.
    EXPECT_FALSE(app::prevInstance());
    app::releaseInstanceLock();
    // A running copy still is one.
    app::InstanceLock running(exe);
    ASSERT_TRUE(running.tryLock());
    EXPECT_TRUE(app::prevInstance());
}

TEST(PrevInstance, AStaleLockIsTakenOverAndHeld)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    const QString lockFile = app::InstanceLock(exe).fileName();
    QProcess ended;
    ended.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(ended.waitForStarted());
    const QByteArray endedPid = QByteArray::number(ended.processId());
    ASSERT_TRUE(ended.waitForFinished());

    struct Case {
        const char* what;
        QByteArray content; // a lock file's
        bool folder = false;
        bool fileInFolder = false;
    };
    const Case cases[] = {
        {"an empty file", ""},
        {"garbage", QByteArray("\x01\xffnot a number\r\n", 17)},
        {"the number of a process that has ended", endedPid + "\n"},
        {"an older lock's three lines", endedPid + "\nbrannock\nhost\n"},
        // Only a copy holding the lock is running: a number is no proof.
        {"the number of a running process that holds no lock",
         QByteArray::number(qint64(::getppid())) + "\n"},
        {"an empty folder", {}, true},
        {"a folder with a file in it", {}, true, true},
    };
    const QString kept = lockFile + QStringLiteral("/kept.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.folder) {
            ASSERT_TRUE(QDir().mkpath(lockFile));
            if (c.fileInFolder) {
                ASSERT_EQ(writeBytes(kept, "mine"), 4);
            }
        } else {
            ASSERT_EQ(writeBytes(lockFile, c.content), c.content.size());
        }

        EXPECT_FALSE(app::prevInstance());
        EXPECT_EQ(runChild(QStringLiteral("prev"), exe), 3); // a second copy sees this one
        if (c.folder) {
            EXPECT_TRUE(QFileInfo(lockFile).isDir()); // never removed: it is not ours
            if (c.fileInFolder) {
                EXPECT_EQ(bytesOf(kept), "mine");
            }
        } else {
            EXPECT_EQ(bytesOf(lockFile), QByteArray::number(QCoreApplication::applicationPid()) + "\n");
        }

        app::releaseInstanceLock();
        EXPECT_EQ(QFileInfo::exists(lockFile), c.folder); // this copy's lock file goes with it
        EXPECT_EQ(runChild(QStringLiteral("prev"), exe), 4);
        QDir(lockFile).removeRecursively();
        QFile::remove(lockFile);
    }
}

TEST(PrevInstance, TwoCopiesStartedAtOnceGiveExactlyOneRunningCopy)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    const QString lockFile = app::InstanceLock(exe).fileName();
    struct Stale {
        const char* what;
        std::function<void()> make;
    };
    const Stale kinds[] = {
        {"no lock file", [] {}},
        {"an empty lock file", [&] { writeBytes(lockFile, ""); }},
        {"a lock file of garbage", [&] { writeBytes(lockFile, "garbage"); }},
        {"a folder in its place", [&] { QDir().mkpath(lockFile); }},
    };
    const auto count = [](const QString& dir, const QString& prefix) {
        return QDir(dir).entryList({prefix + QLatin1Char('*')}, QDir::Files).size();
    };
    const auto waitForBoth = [&](const QString& dir, const QString& prefix) {
        for (int i = 0; i < 150000 && count(dir, prefix) < 2; ++i)
            ::usleep(200);
        return count(dir, prefix) == 2;
    };
    for (const Stale& kind : kinds) {
        for (int round = 1; round <= 6; ++round) {
            SCOPED_TRACE(std::string(kind.what) + ", round " + std::to_string(round));
            QDir(lockFile).removeRecursively();
            QFile::remove(lockFile);
            kind.make();
            QTemporaryDir race;
            QProcess first, second;
            startChild(first, QStringLiteral("race"), exe, {}, race.path());
            startChild(second, QStringLiteral("race"), exe, {}, race.path());
            // Both are up and waiting, so that they ask at the same instant.
            const bool ready = waitForBoth(race.path(), QStringLiteral("ready-"));
            touch(race.filePath(QStringLiteral("go")));
            const bool decided = ready && waitForBoth(race.path(), QStringLiteral("decided-"));
            touch(race.filePath(QStringLiteral("finish")));
            QList<int> results{resultOf(first), resultOf(second)};
            std::sort(results.begin(), results.end());
            EXPECT_TRUE(decided);
            EXPECT_EQ(results, (QList<int>{3, 4})); // one sees the other, which runs
        }
    }
    QDir(lockFile).removeRecursively();
    QFile::remove(lockFile);
}

TEST(End, EndNowEndsTheProcessAtOnceAndLetsTheLockGo)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    EXPECT_EQ(runChild(QStringLiteral("end"), exe), 0); // 9 would mean it went on
    EXPECT_FALSE(QFileInfo::exists(app::InstanceLock(exe).fileName()));
    EXPECT_FALSE(app::prevInstance());
}

TEST(End, AFailedEndExitsWithItsCode)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    EXPECT_EQ(runChild(QStringLiteral("end-failed"), exe), 7);
}

TEST(End, AHandlerReplacesTheEnding)
{
    int calls = 0;
    app::setEndHandler([&] { ++calls; });
    EXPECT_THROW(app::endNow(), app::EndRequested);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(app::lastEndCode(), 0);
    app::end(2);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(app::lastEndCode(), 2);
    app::setEndHandler({});
}
