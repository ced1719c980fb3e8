#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Clock;

// A timer of the engine, kept as data: enabled, interval, and a handler. Like the timers the
// engine's design is built on, it is periodic: once enabled it ticks every interval until it
// is disabled; enabling an enabled timer changes nothing, disabling and enabling restarts the
// count. The clock that drives it is the program's event loop or a test's virtual clock; its
// times are microseconds. A timer whose exact moment does not matter (a lamp going dark, a
// check for a due save) is given a slack: it may tick that much late, with whatever else wakes
// the program then.
class EngineTimer {
public:
    EngineTimer(Clock& clock, QString name, int intervalMs, std::function<void()> handler = {});
    ~EngineTimer();
    EngineTimer(const EngineTimer&) = delete;
    EngineTimer& operator=(const EngineTimer&) = delete;

    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    // Starts the timer anew, enabled or not, with its first tick at `dueUs` on the clock (at
    // once when that has passed); it ticks every interval from there.
    void startAt(qint64 dueUs);
    bool isEnabled() const { return m_enabled; }
    int interval() const { return int(m_intervalUs / 1000); }
    qint64 intervalUs() const { return m_intervalUs; }
    // Takes effect from the next time the timer is started.
    void setInterval(int ms) { m_intervalUs = qint64(ms) * 1000; }
    void setIntervalUs(qint64 us) { m_intervalUs = us; }
    // Takes effect from the next time the timer is armed.
    void setSlackMs(int ms) { m_slackUs = qint64(ms) * 1000; }
    const QString& name() const { return m_name; }
    // When the timer will tick next, on the clock; -1 while disabled.
    qint64 dueUs() const { return m_enabled ? m_dueUs : -1; }

private:
    void arm(qint64 delayUs);
    void disarm();

    Clock& m_clock;
    QString m_name;
    qint64 m_intervalUs;
    qint64 m_slackUs = 0;
    std::function<void()> m_handler;
    bool m_enabled = false;
    qint64 m_dueUs = -1;
    quint64 m_generation = 0;
    std::optional<quint64> m_pending;     // the clock's id of the next tick
    std::shared_ptr<EngineTimer*> m_self; // lets a pending tick find out the timer is gone
};
