// Timers and the clock: ticks in order on the manual clock, the forms runtime's restart rules,
// handlers that stop or destroy timers, switching clocks, and the real clock in a nested loop.
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "platform/clock.h"
#include "support/script.h"

using platform::ManualClock;
using platform::Timer;
using testkit::ManualTime;

namespace {

// Logs "name@elapsed" for every tick of the timers it watches.
struct TickLog {
    QStringList ticks;
    void watch(Timer& t, const QString& name)
    {
        t.name = name;
        t.onTimer = [this, name] {
            ticks << QStringLiteral("%1@%2").arg(name).arg(platform::clock().elapsedMs());
        };
    }
};

} // namespace

TEST(ManualClock, TicksOfSeveralTimersFireInOrderOfDueTimeThenStartOrder)
{
    ManualTime time;
    Timer a(300), b(500), c(700);
    TickLog log;
    log.watch(a, "A");
    log.watch(b, "B");
    log.watch(c, "C");

    time.advance(1500);

    EXPECT_EQ(log.ticks, QStringList({"A@300", "B@500", "A@600", "C@700", "A@900", "B@1000", "A@1200",
                                      "C@1400", "A@1500", "B@1500"}));
    EXPECT_EQ(time.elapsedMs(), 1500);
}

TEST(ManualClock, PeriodicTimerFiresRepeatedlyAndKeepsItsPhase)
{
    ManualTime time;
    Timer t(1000);
    TickLog log;
    log.watch(t, "T");

    time.advance(3500);
    EXPECT_EQ(log.ticks, QStringList({"T@1000", "T@2000", "T@3000"}));
    time.advance(499);
    EXPECT_EQ(log.ticks.size(), 3);
    time.advance(1);
    EXPECT_EQ(log.ticks.last(), "T@4000");
}

TEST(ManualClock, HandlerSeesNowAtItsDueTime)
{
    const QDateTime start(QDate(2026, 3, 1), QTime(8, 30));
    ManualTime time(start);
    Timer t(250);
    QList<QDateTime> seen;
    t.onTimer = [&] { seen << platform::clock().now(); };

    time.advance(600);

    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0], start.addMSecs(250));
    EXPECT_EQ(seen[1], start.addMSecs(500));
    EXPECT_EQ(time.now(), start.addMSecs(600));
}

TEST(ManualClock, SetNowMovesTheDateWithoutFiring)
{
    ManualTime time;
    Timer t(100);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };
    const QDateTime later(QDate(2027, 7, 7), QTime(23, 59, 59));

    time.clock().setNow(later);

    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(time.now(), later);
    EXPECT_EQ(time.elapsedMs(), 0);
    time.advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(time.now(), later.addMSecs(100));
}

TEST(ManualClock, NegativeAdvanceIsIgnored)
{
    ManualTime time;
    time.advance(500);
    time.advance(-200);
    EXPECT_EQ(time.elapsedMs(), 500);
}

TEST(Timer, ReEnablingRestartsTheCount)
{
    ManualTime time;
    Timer t(1000);
    TickLog log;
    log.watch(t, "T");

    time.advance(600);
    t.setEnabled(false);
    t.setEnabled(true);
    time.advance(999);
    EXPECT_TRUE(log.ticks.isEmpty());
    time.advance(1);
    EXPECT_EQ(log.ticks, QStringList({"T@1600"}));
}

TEST(Timer, EnablingAnEnabledTimerLeavesTheCountAlone)
{
    ManualTime time;
    Timer t(1000);
    TickLog log;
    log.watch(t, "T");

    time.advance(600);
    t.setEnabled(true);
    time.advance(400);
    EXPECT_EQ(log.ticks, QStringList({"T@1000"}));
}

TEST(Timer, SettingTheIntervalRestartsTheCount)
{
    ManualTime time;
    Timer t(1000);
    TickLog log;
    log.watch(t, "T");

    time.advance(600);
    t.setInterval(1000); // the same value restarts as well
    time.advance(999);
    EXPECT_TRUE(log.ticks.isEmpty());
    time.advance(1);
    EXPECT_EQ(log.ticks, QStringList({"T@1600"}));

    t.setInterval(200);
    time.advance(450);
    EXPECT_EQ(log.ticks, QStringList({"T@1600", "T@1800", "T@2000"}));
}

TEST(Timer, TicksOnlyWhileEnabledWithAnIntervalAndActive)
{
    ManualTime time;
    Timer t(100, false);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };

    time.advance(500);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(t.isRunning());

    t.setEnabled(true);
    time.advance(100);
    EXPECT_EQ(ticks, 1);

    t.setInterval(0);
    EXPECT_FALSE(t.isRunning());
    time.advance(500);
    EXPECT_EQ(ticks, 1);

    t.setInterval(-5);
    EXPECT_EQ(t.Interval(), 0);

    t.setInterval(100);
    t.setActive(false);
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(time.clock().runningTimers(), 0);
    time.advance(500);
    EXPECT_EQ(ticks, 1);

    t.setActive(true); // the owner is loaded again: a fresh count
    time.advance(99);
    EXPECT_EQ(ticks, 1);
    time.advance(1);
    EXPECT_EQ(ticks, 2);
}

TEST(Timer, ResetRestoresTheDesignState)
{
    ManualTime time;
    Timer t(100, false);
    int ticks = 0;
    t.onTimer = [&] { ++ticks; };

    t.setInterval(300);
    t.setEnabled(true);
    t.reset();
    EXPECT_EQ(t.Interval(), 100);
    EXPECT_FALSE(t.Enabled());
    EXPECT_EQ(time.clock().runningTimers(), 0);

    t.setDesign(200, true);
    EXPECT_EQ(t.Interval(), 200);
    EXPECT_TRUE(t.isRunning());
    time.advance(150);
    t.setEnabled(false);
    t.reset(); // running in the design state: the count starts afresh
    time.advance(199);
    EXPECT_EQ(ticks, 0);
    time.advance(1);
    EXPECT_EQ(ticks, 1);
}

TEST(Timer, DisabledByAnEarlierHandlerOfTheSameInstantDoesNotFire)
{
    ManualTime time;
    Timer a(1000), b(1000), c(100, false);
    TickLog log;
    log.watch(a, "A");
    log.watch(b, "B");
    log.watch(c, "C");
    a.onTimer = [&] {
        log.ticks << QStringLiteral("A@%1").arg(time.elapsedMs());
        b.setEnabled(false);
        c.setEnabled(true); // started by a handler: ticks within the same advance
    };

    time.advance(1250);

    EXPECT_EQ(log.ticks, QStringList({"A@1000", "C@1100", "C@1200"}));
    EXPECT_FALSE(b.isRunning());
}

TEST(Timer, OneShotDisablesItselfInItsHandler)
{
    ManualTime time;
    Timer once(100, false);
    int ticks = 0;
    once.onTimer = [&] {
        ++ticks;
        once.setEnabled(false);
    };
    once.setEnabled(true);
    time.advance(1000);
    EXPECT_EQ(ticks, 1);
    once.setEnabled(true);
    time.advance(1000);
    EXPECT_EQ(ticks, 2);
}

TEST(Timer, HandlerMayRestartItsOwnTimer)
{
    ManualTime time;
    Timer t(100);
    TickLog log;
    t.onTimer = [&] {
        log.ticks << QString::number(time.elapsedMs());
        t.setInterval(t.Interval() * 2);
    };
    time.advance(1500);
    EXPECT_EQ(log.ticks, QStringList({"100", "300", "700", "1500"}));
}

TEST(Timer, DestroyedInItsOwnHandler)
{
    ManualTime time;
    auto owner = std::make_unique<Timer>(100);
    Timer other(150);
    int ticks = 0, otherTicks = 0;
    owner->onTimer = [&ticks, &owner] {
        owner.reset();
        ++ticks; // the running handler outlives its timer
    };
    other.onTimer = [&] { ++otherTicks; };

    time.advance(1000);

    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(owner, nullptr);
    EXPECT_EQ(otherTicks, 6);
    EXPECT_EQ(time.clock().runningTimers(), 1);
}

TEST(Timer, DestroyedByAnotherHandlerAtTheSameInstant)
{
    ManualTime time;
    Timer first(100);
    auto second = std::make_unique<Timer>(100);
    int secondTicks = 0;
    first.onTimer = [&] { second.reset(); };
    second->onTimer = [&] { ++secondTicks; };

    time.advance(500);

    EXPECT_EQ(secondTicks, 0);
    EXPECT_EQ(time.clock().runningTimers(), 1);
}

TEST(Timer, ThrowingHandlerIsReportedAndTimeGoesOn)
{
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg) warnings << text;
        });
    {
        ManualTime time;
        Timer bad(100), good(100);
        bad.name = "TimerBad";
        bad.onTimer = [] { throw std::runtime_error("broken"); };
        int goodTicks = 0;
        good.onTimer = [&] { ++goodTicks; };

        EXPECT_NO_THROW(time.advance(300));
        EXPECT_EQ(goodTicks, 3);
    }
    qInstallMessageHandler(before);
    ASSERT_EQ(warnings.size(), 3);
    EXPECT_TRUE(warnings[0].contains("TimerBad"));
    EXPECT_TRUE(warnings[0].contains("broken"));
}

TEST(ManualClock, NestedAdvanceInAHandlerMovesTimeOnAtOnce)
{
    ManualTime time;
    Timer a(1000), b(300);
    TickLog log;
    log.watch(b, "B");
    bool waited = false;
    a.onTimer = [&] {
        log.ticks << QStringLiteral("A@%1").arg(time.elapsedMs());
        if (!waited) {
            waited = true;
            time.advance(500);
            log.ticks << QStringLiteral("A-done@%1").arg(time.elapsedMs());
        }
    };

    time.advance(1000);

    EXPECT_EQ(log.ticks,
              QStringList({"B@300", "B@600", "B@900", "A@1000", "B@1200", "B@1500", "A-done@1500"}));
    EXPECT_EQ(time.elapsedMs(), 1500);
    time.advance(500);
    EXPECT_EQ(log.ticks.mid(7), QStringList({"B@1800", "A@2000"}));
}

TEST(ManualClock, HandlerThatAlwaysWaitsIsNeverReentered)
{
    ManualTime time;
    Timer t(100);
    int depth = 0, maxDepth = 0, ticks = 0;
    t.onTimer = [&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        time.advance(100);
        --depth;
    };

    time.advance(1000);

    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(time.elapsedMs(), 1100);
}

TEST(ManualClock, WaitLongerThanTheIntervalDropsTheMissedTicks)
{
    ManualTime time;
    Timer t(100);
    TickLog log;
    bool waited = false;
    t.onTimer = [&] {
        log.ticks << QString::number(time.elapsedMs());
        if (!waited) {
            waited = true;
            time.advance(250); // to 350: the ticks at 200 and 300 pass while busy
        }
    };
    time.advance(600);
    EXPECT_EQ(log.ticks, QStringList({"100", "400", "500", "600"}));
}

TEST(Clock, SwitchingClocksMovesRunningTimers)
{
    ManualClock first, second;
    platform::setClock(&first);
    Timer running(1000), idle(1000, false);
    int ticks = 0;
    running.onTimer = [&] { ++ticks; };
    EXPECT_EQ(first.runningTimers(), 1);

    first.advance(400);
    platform::setClock(&second);
    EXPECT_EQ(&platform::clock(), &second);
    EXPECT_EQ(first.runningTimers(), 0);
    EXPECT_EQ(second.runningTimers(), 1);
    EXPECT_TRUE(running.isRunning());
    EXPECT_FALSE(idle.isRunning());

    first.advance(5000);
    EXPECT_EQ(ticks, 0);
    second.advance(999); // the count started afresh on the new clock
    EXPECT_EQ(ticks, 0);
    second.advance(1);
    EXPECT_EQ(ticks, 1);

    // Through the real clock and back.
    platform::setClock(nullptr);
    EXPECT_EQ(second.runningTimers(), 0);
    EXPECT_TRUE(running.isRunning());
    platform::setClock(&first);
    EXPECT_EQ(first.runningTimers(), 1);
    platform::setClock(nullptr);
}

TEST(Clock, DestroyingTheManualClockInForceReturnsToTheRealClock)
{
    Timer t(1000);
    {
        ManualClock manual;
        platform::setClock(&manual);
        EXPECT_EQ(manual.runningTimers(), 1);
    }
    EXPECT_EQ(dynamic_cast<ManualClock*>(&platform::clock()), nullptr);
    EXPECT_TRUE(t.isRunning());
}

TEST(RealClock, NowAndTickCountFollowTheSystem)
{
    platform::Clock& real = platform::clock();
    ASSERT_EQ(dynamic_cast<ManualClock*>(&real), nullptr);
    EXPECT_LE(qAbs(real.now().msecsTo(QDateTime::currentDateTime())), 1000);
    const qint64 a = real.elapsedMs();
    QEventLoop loop;
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(real.elapsedMs() - a, 25);
}

TEST(RealClock, TimersTickInsideANestedEventLoop)
{
    Timer t(20, false);
    int ticks = 0;
    bool nested = false;
    QEventLoop outer;
    QTimer::singleShot(0, &outer, [&] {
        QEventLoop inner; // as a modal form runs one
        t.onTimer = [&] {
            if (++ticks == 3) inner.quit();
        };
        t.setEnabled(true);
        QTimer::singleShot(2000, &inner, &QEventLoop::quit);
        nested = true;
        inner.exec();
        outer.quit();
    });
    QTimer::singleShot(3000, &outer, &QEventLoop::quit);
    outer.exec();

    EXPECT_TRUE(nested);
    EXPECT_EQ(ticks, 3);
}

TEST(RealClock, TimerDisabledOrDestroyedInItsOwnHandler)
{
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    Timer once(10);
    int onceTicks = 0;
    once.onTimer = [&] {
        ++onceTicks;
        once.setEnabled(false);
    };
    auto doomed = std::make_unique<Timer>(10);
    int doomedTicks = 0;
    doomed->onTimer = [&] {
        ++doomedTicks;
        doomed.reset();
    };
    Timer watcher(15);
    int watcherTicks = 0;
    watcher.onTimer = [&] {
        if (++watcherTicks == 5) loop.quit();
    };
    loop.exec();

    EXPECT_EQ(watcherTicks, 5);
    EXPECT_EQ(onceTicks, 1);
    EXPECT_EQ(doomedTicks, 1);
    EXPECT_EQ(doomed, nullptr);

    // A timer stopped in its handler starts again when re-enabled.
    once.setEnabled(true);
    QEventLoop again;
    QTimer::singleShot(2000, &again, &QEventLoop::quit);
    once.onTimer = [&] {
        ++onceTicks;
        again.quit();
    };
    again.exec();
    EXPECT_EQ(onceTicks, 2);
}
