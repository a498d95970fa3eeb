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

#include <cstdlib>
#include <unistd.h>

using namespace platform;

namespace {

// Some tests run this test program again as a second process that acts as another copy of a
// program; AppChild.Run is that process's part, chosen by BRANNOCK_APP_CHILD.
int runChild(const QString& mode, const QString& exe, const QString& runtimeDir = QString())
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!runtimeDir.isEmpty()) env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("BRANNOCK_APP_CHILD"), mode);
    env.insert(QStringLiteral("BRANNOCK_APP_CHILD_EXE"), exe);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=AppChild.Run")});
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
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

TEST(PrevInstance, ALockThatCannotBeWrittenIsNoOtherCopy)
{
    const QString exe = uniqueExeName();
    ExeNameGuard guard(exe);
    const QString lockFile = app::InstanceLock(exe).fileName();
    // A full disk: the lock file cannot take this process's number.
    EXPECT_EQ(testkit::onAFullDisk([] { return app::prevInstance() ? 1 : 0; }, 0), 0);
    EXPECT_FALSE(QFileInfo::exists(lockFile));
    // A lock file that names no process (cut short by a full disk), and a folder in its place.
    for (const bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "folder" : "empty file");
        if (folder)
            ASSERT_TRUE(QDir().mkpath(lockFile));
        else
            ASSERT_TRUE(QFile(lockFile).open(QIODevice::WriteOnly));
        EXPECT_FALSE(app::prevInstance());
        app::releaseInstanceLock();
        QDir(lockFile).removeRecursively();
        QFile::remove(lockFile);
    }
    // A running copy still is one.
    app::InstanceLock running(exe);
    ASSERT_TRUE(running.tryLock());
    EXPECT_TRUE(app::prevInstance());
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
