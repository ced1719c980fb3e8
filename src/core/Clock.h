#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <map>
#include <utility>

// Time as the program sees it. Everything that waits, times out or stamps a record asks a
// Clock, so that the same code runs on the event loop in the programs and on a virtual clock
// in tests (thousands of requests per second, no wall-clock dependence). Time is kept in
// microseconds: at the faster baud rates a character takes less than a tenth of a millisecond.
class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic microseconds since the clock started.
    virtual qint64 nowUs() const = 0;
    qint64 nowMs() const { return nowUs() / 1000; }
    // The local date and time (the PC's clock).
    virtual QDateTime currentDateTime() const = 0;
    // The same instant as milliseconds since 1970 UTC: no time-zone lookup, for callers that
    // only need to know whether, or how much, the PC's clock moved.
    virtual qint64 currentMSecsSinceEpoch() const = 0;
    // Runs `fn` once, `us` microseconds from now, from the event loop of the clock's thread
    // (never from inside the call, also for 0). It may run up to `slackUs` later: a callback
    // whose exact moment does not matter then runs with whatever else wakes the program in
    // that stretch, instead of waking it on its own. Returns an id for cancel().
    virtual quint64 schedule(qint64 us, qint64 slackUs, std::function<void()> fn) = 0;
    // Drops a callback that has not run yet; an id that has run or is unknown is ignored.
    virtual void cancel(quint64 id) = 0;
    void callAfterUs(qint64 us, std::function<void()> fn) { schedule(us, 0, std::move(fn)); }
    void callAfter(int ms, std::function<void()> fn) {
        callAfterUs(qint64(ms) * 1000, std::move(fn));
    }
};

// The real clock: QElapsedTimer for time; callbacks in time order, woken by one timer armed
// for the earliest moment one of them must run (its time plus its slack). Whatever wakes the
// event loop, the callbacks that are due run before it waits again. The wake-up is to the
// microsecond: a timerfd on Linux; elsewhere Qt's precise timer (whole milliseconds, often late by
// a fraction of one) until shortly before, then a wait on a deadline for the rest. Callbacks still
// pending when the clock is destroyed are dropped.
class SystemClock final : public Clock {
public:
    SystemClock();
    ~SystemClock() override;
    SystemClock(const SystemClock&) = delete;
    SystemClock& operator=(const SystemClock&) = delete;

    qint64 nowUs() const override;
    QDateTime currentDateTime() const override;
    qint64 currentMSecsSinceEpoch() const override;
    quint64 schedule(qint64 us, qint64 slackUs, std::function<void()> fn) override;
    void cancel(quint64 id) override;

private:
    struct Private;
    Private* d;
};

// A clock that moves only when told to. Callbacks run in time order (and in posting order at
// equal times) while advance() or runUntil() walk the time forward; each at its own time,
// whatever its slack, so that a test sees one exact order.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(const QDateTime& start = QDateTime(QDate(2026, 1, 1), QTime(0, 0)));

    // Slack as the program's clock takes it: the time moves to the next wake-up (the earliest
    // callback's time plus its slack), where every callback whose time has come runs, in time
    // order. A callback with slack thus runs late, with whatever wakes the program then, and
    // sees what that moment holds, still deterministically.
    void setSlackTaken(bool on) { m_slackTaken = on; }

    qint64 nowUs() const override { return m_nowUs; }
    QDateTime currentDateTime() const override { return m_start.addMSecs(m_nowUs / 1000); }
    qint64 currentMSecsSinceEpoch() const override {
        return m_start.toMSecsSinceEpoch() + m_nowUs / 1000;
    }
    quint64 schedule(qint64 us, qint64 slackUs, std::function<void()> fn) override;
    void cancel(quint64 id) override;

    // Moves the time forward by `ms` (or `us`), running every callback that falls due on the
    // way.
    void advance(qint64 ms) { advanceUs(ms * 1000); }
    void advanceUs(qint64 us);
    // Runs callbacks in order until `done` is true or `maxMs` have passed; returns `done()`.
    bool runUntil(const std::function<bool()>& done, qint64 maxMs);
    // Sets the wall time seen from now on (the monotonic time is not changed).
    void setDateTime(const QDateTime& now);
    std::size_t pendingCount() const { return m_queue.size(); }

private:
    struct Pending {
        qint64 slackUs;
        std::function<void()> fn;
    };
    bool runNext(qint64 limitUs);

    qint64 m_nowUs = 0;
    quint64 m_sequence = 0;
    bool m_slackTaken = false;
    QDateTime m_start;
    std::multimap<std::pair<qint64, quint64>, Pending> m_queue;
};
