#pragma once
// Time: timers and "now" come from one clock, real in the program and manual in tests.
#include <QDateTime>
#include <QString>
#include <functional>

namespace platform {

class Timer;

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since some fixed start, never going back (the platform's tick count).
    virtual qint64 elapsedMs() const = 0;

protected:
    friend class Timer;
    friend void setClock(Clock* c);
    // Start counting t's interval afresh from now; called again for a restart.
    virtual void start(Timer& t) = 0;
    virtual void stop(Timer& t) = 0;
};

// The clock in force. Install a clock before any timer runs; nullptr returns to the real one.
// Timers that are running when the clock changes stop on the old clock and start afresh on
// the new one, in the order the timers were created.
Clock& clock();
void setClock(Clock* c);

// Tests: time stands still until advanced; then due ticks fire in order of their due time
// (ties in the order the timers were started), each handler seeing "now" at its due time.
// A handler may start, stop, restart or destroy any timer, its own included; a timer stopped
// by an earlier handler of the same instant does not fire.
// A handler that calls advance() itself (a wait in the middle of an event) moves time on at
// once: the other timers' ticks up to the new time fire inside that call, but a timer whose
// handler is still running is never fired again under it; ticks it missed meanwhile are
// dropped and it goes on with its next tick after "now". Time never goes back, and an outer
// advance() that finds time already past its own end simply returns.
// Destroying the clock while it is in force returns to the real clock.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;
    QDateTime now() const override;
    qint64 elapsedMs() const override; // 0 at construction
    void advance(qint64 ms);           // a negative amount is ignored
    void setNow(const QDateTime& t);   // moves "now" without firing anything
    int runningTimers() const;

protected:
    void start(Timer& t) override;
    void stop(Timer& t) override;

private:
    struct Impl;
    Impl* d;
};

// A timer control: Interval in milliseconds, Enabled; ticks while enabled with an Interval
// above 0 and its owner active (a form's timers tick only while the form is loaded).
// As in the forms runtime: switching Enabled off and on again restarts the count, while
// setting Enabled to true on an enabled timer leaves the count alone; setting Interval
// (even to the same value) restarts the count; Interval 0 stops the ticks.
class Timer {
public:
    explicit Timer(int intervalMs = 0, bool enabled = true);
    ~Timer(); // safe at any time, also from inside the timer's own handler
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void setInterval(int ms); // a negative value counts as 0
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Design state, restored by reset() (a form does that when it is loaded again).
    // setDesign also puts the timer into that state.
    void setDesign(int intervalMs, bool enabled);
    void reset();                // restarts the count when the design state runs
    void setActive(bool active); // the owner is loaded
    bool isActive() const { return active_; }
    bool isRunning() const { return enabled_ && interval_ > 0 && active_; }

    QString name;
    std::function<void()> onTimer; // the Timer event

    // Called by a clock when a tick is due. The handler may destroy this timer; an exception
    // it throws is caught and reported, never passed on to the clock.
    void fire();

private:
    friend void setClock(Clock* c);
    void update(bool restart);
    int interval_;
    bool enabled_;
    int designInterval_;
    bool designEnabled_;
    bool active_ = true;
    bool running_ = false; // started on the clock in force
};

} // namespace platform
