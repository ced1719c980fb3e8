#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <map>
#include <utility>

// Time as the program sees it. Everything that waits, times out or stamps a record asks a
// Clock, so that the same code runs on the event loop in the programs and on a virtual clock
// in tests (thousands of requests per second, no wall-clock dependence).
class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic milliseconds since the clock started.
    virtual qint64 nowMs() const = 0;
    // The local date and time (the PC's clock).
    virtual QDateTime currentDateTime() const = 0;
    // Runs `fn` once, `ms` milliseconds from now, from the event loop of the clock's thread.
    virtual void callAfter(int ms, std::function<void()> fn) = 0;
};

// The real clock: QElapsedTimer for time, single-shot QTimers for callbacks. Callbacks still
// pending when the clock is destroyed are dropped.
class SystemClock final : public Clock {
public:
    SystemClock();
    ~SystemClock() override;
    qint64 nowMs() const override;
    QDateTime currentDateTime() const override;
    void callAfter(int ms, std::function<void()> fn) override;

private:
    struct Private;
    Private* d;
};

// A clock that moves only when told to. Callbacks run in time order (and in posting order at
// equal times) while advance() or runUntil() walk the time forward.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(const QDateTime& start = QDateTime(QDate(2026, 1, 1), QTime(0, 0)));

    qint64 nowMs() const override { return m_now; }
    QDateTime currentDateTime() const override { return m_start.addMSecs(m_now); }
    void callAfter(int ms, std::function<void()> fn) override;

    // Moves the time forward by `ms`, running every callback that falls due on the way.
    void advance(qint64 ms);
    // Runs callbacks in order until `done` is true or `maxMs` have passed; returns `done()`.
    bool runUntil(const std::function<bool()>& done, qint64 maxMs);
    // Sets the wall time seen from now on (the monotonic time is not changed).
    void setDateTime(const QDateTime& now);
    std::size_t pendingCount() const { return m_queue.size(); }

private:
    bool runNext(qint64 limit);

    qint64 m_now = 0;
    quint64 m_sequence = 0;
    QDateTime m_start;
    std::multimap<std::pair<qint64, quint64>, std::function<void()>> m_queue;
};
