#include "platform/clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtGlobal>
#include <algorithm>
#include <exception>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace platform {

namespace {

// Every live Timer, in creation order, so that a change of clock can move the running ones.
std::vector<Timer*>& liveTimers()
{
    static auto* timers = new std::vector<Timer*>; // outlives timers destroyed at exit
    return *timers;
}

// The program's clock: wall time, a monotonic tick count and one QTimer per running Timer,
// ticking from whatever Qt event loop runs, nested modal loops included.
class RealClock final : public Clock {
public:
    RealClock() { since_.start(); }

    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 elapsedMs() const override { return since_.elapsed(); }

protected:
    void start(Timer& t) override
    {
        QTimer*& qt = timers_[&t];
        if (!qt) {
            qt = new QTimer;
            qt->setTimerType(Qt::PreciseTimer);
            QObject::connect(qt, &QTimer::timeout, qt, [this, timer = &t, qt] { deliver(timer, qt); });
        }
        qt->start(t.Interval());
    }

    void stop(Timer& t) override
    {
        const auto it = timers_.find(&t);
        if (it == timers_.end()) return;
        QTimer* qt = it->second;
        timers_.erase(it);
        qt->stop();
        // A QTimer is not deleted inside its own timeout; deliver() lets it go afterwards.
        if (std::find(emitting_.begin(), emitting_.end(), qt) != emitting_.end())
            retired_.insert(qt);
        else
            delete qt;
    }

private:
    void deliver(Timer* timer, QTimer* qt)
    {
        // Qt never re-enters one timer's timeout, but other timers may tick in a modal loop
        // that the handler runs, hence a stack.
        emitting_.push_back(qt);
        timer->fire(); // may destroy *timer: it is not touched again
        emitting_.pop_back();
        if (retired_.erase(qt)) qt->deleteLater();
    }

    QElapsedTimer since_;
    std::unordered_map<Timer*, QTimer*> timers_;
    std::vector<QTimer*> emitting_;
    std::unordered_set<QTimer*> retired_;
};

RealClock& realClock()
{
    static auto* c = new RealClock; // never destroyed: timers may outlive static destruction
    return *c;
}

Clock* installed = nullptr;

} // namespace

Clock& clock()
{
    return installed ? *installed : realClock();
}

void setClock(Clock* c)
{
    Clock& from = clock();
    Clock& to = c ? *c : realClock();
    if (&from == &to) return;
    const std::vector<Timer*> timers = liveTimers();
    for (Timer* t : timers)
        if (t->running_) from.stop(*t);
    installed = c;
    for (Timer* t : timers)
        if (t->running_) to.start(*t);
}

// ---------------------------------------------------------------------------------------------
// ManualClock

namespace {

struct Entry {
    Timer* timer;
    qint64 due;
    qint64 interval;
    quint64 order; // start order, kept across the periodic ticks and renewed by a restart
};

} // namespace

struct ManualClock::Impl {
    QDateTime base; // now() = base + elapsed
    qint64 elapsed = 0;
    std::vector<Entry> entries;
    quint64 nextOrder = 0;
    std::vector<Timer*> firing; // handlers running now, innermost last

    Entry* find(quint64 order)
    {
        for (Entry& e : entries)
            if (e.order == order) return &e;
        return nullptr;
    }

    bool isFiring(const Timer* t) const { return std::find(firing.begin(), firing.end(), t) != firing.end(); }

    Entry* nextDue(qint64 until)
    {
        Entry* next = nullptr;
        for (Entry& e : entries) {
            if (e.due > until || isFiring(e.timer)) continue;
            if (!next || e.due < next->due || (e.due == next->due && e.order < next->order)) next = &e;
        }
        return next;
    }
};

ManualClock::ManualClock(QDateTime start)
    : d(new Impl)
{
    d->base = std::move(start);
}

ManualClock::~ManualClock()
{
    if (&clock() == this) setClock(nullptr);
    delete d;
}

QDateTime ManualClock::now() const
{
    return d->base.addMSecs(d->elapsed);
}

qint64 ManualClock::elapsedMs() const
{
    return d->elapsed;
}

void ManualClock::setNow(const QDateTime& t)
{
    d->base = t.addMSecs(-d->elapsed);
}

int ManualClock::runningTimers() const
{
    return int(d->entries.size());
}

void ManualClock::start(Timer& t)
{
    stop(t);
    d->entries.push_back({&t, d->elapsed + t.Interval(), t.Interval(), d->nextOrder++});
}

void ManualClock::stop(Timer& t)
{
    std::erase_if(d->entries, [&t](const Entry& e) { return e.timer == &t; });
}

void ManualClock::advance(qint64 ms)
{
    if (ms < 0) {
        qWarning("ManualClock::advance: negative amount %lld ignored", static_cast<long long>(ms));
        return;
    }
    const qint64 until = d->elapsed + ms;
    while (Entry* e = d->nextDue(until)) {
        d->elapsed = std::max(d->elapsed, e->due);
        Timer* timer = e->timer;
        const quint64 order = e->order;
        const qint64 interval = e->interval;
        // Schedule the next tick first: a restart or stop inside the handler replaces or
        // removes this entry, and the entry is looked up afresh afterwards.
        e->due += interval;
        d->firing.push_back(timer);
        timer->fire();
        d->firing.pop_back();
        if (Entry* again = d->find(order); again && again->due < d->elapsed) {
            // A nested advance passed over ticks while the handler ran: drop them.
            const qint64 missed = (d->elapsed - again->due + interval - 1) / interval;
            again->due += missed * interval;
        }
    }
    d->elapsed = std::max(d->elapsed, until);
}

// ---------------------------------------------------------------------------------------------
// Timer

Timer::Timer(int intervalMs, bool enabled)
    : interval_(std::max(intervalMs, 0))
    , enabled_(enabled)
    , designInterval_(interval_)
    , designEnabled_(enabled)
{
    liveTimers().push_back(this);
    update(false);
}

Timer::~Timer()
{
    if (running_) clock().stop(*this);
    std::erase(liveTimers(), this);
}

void Timer::setInterval(int ms)
{
    interval_ = std::max(ms, 0);
    update(true);
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    update(true);
}

void Timer::setDesign(int intervalMs, bool enabled)
{
    designInterval_ = std::max(intervalMs, 0);
    designEnabled_ = enabled;
    reset();
}

void Timer::reset()
{
    interval_ = designInterval_;
    enabled_ = designEnabled_;
    update(true);
}

void Timer::setActive(bool active)
{
    if (active == active_) return;
    active_ = active;
    update(false);
}

void Timer::update(bool restart)
{
    if (isRunning()) {
        if (!running_ || restart) {
            running_ = true;
            clock().start(*this);
        }
    } else if (running_) {
        running_ = false;
        clock().stop(*this);
    }
}

void Timer::fire()
{
    if (!running_ || !onTimer) return;
    // The handler may destroy this timer (its form unloads, its owner is deleted): run a copy,
    // and touch no member afterwards.
    const std::function<void()> handler = onTimer;
    const QString who = name;
    try {
        handler();
    } catch (const std::exception& e) {
        qWarning("Timer %s: the handler threw: %s", qPrintable(who), e.what());
    } catch (...) {
        qWarning("Timer %s: the handler threw", qPrintable(who));
    }
}

} // namespace platform
