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
    // Start counting t's interval afresh from now; called again for a restart.
    virtual void start(Timer& t) = 0;
    virtual void stop(Timer& t) = 0;
};

// The clock in force. Install a clock before any timer runs; nullptr returns to the real one.
Clock& clock();
void setClock(Clock* c);

// Tests: time stands still until advanced; then due ticks fire in order of their due time
// (ties in the order the timers were started), each handler seeing "now" at its due time.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    ~ManualClock() override;
    QDateTime now() const override;
    qint64 elapsedMs() const override;
    void advance(qint64 ms);
    void setNow(const QDateTime& t); // moves "now" without firing anything
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
// Enabling a running timer again, or changing its Interval, restarts the count.
class Timer {
public:
    explicit Timer(int intervalMs = 0, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Design state, restored by reset() (a form does that when it is loaded again).
    void setDesign(int intervalMs, bool enabled);
    void reset();
    void setActive(bool active); // the owner is loaded
    bool isActive() const { return active_; }
    bool isRunning() const { return enabled_ && interval_ > 0 && active_; }

    QString name;
    std::function<void()> onTimer; // the Timer event

    // Called by a clock when a tick is due.
    void fire();

private:
    void update(bool restart);
    int interval_;
    bool enabled_;
    int designInterval_;
    bool designEnabled_;
    bool active_ = true;
    bool running_ = false;
};

} // namespace platform
