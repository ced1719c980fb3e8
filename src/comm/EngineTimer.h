#pragma once

#include <QString>
#include <functional>
#include <memory>

class Clock;

// A timer of the engine, kept as data: enabled, interval, and a handler. Like the timers the
// engine's design is built on, it is periodic: once enabled it ticks every interval until it
// is disabled; enabling an enabled timer changes nothing, disabling and enabling restarts the
// count. The clock that drives it is the program's event loop or a test's virtual clock.
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
    bool isEnabled() const { return m_enabled; }
    int interval() const { return m_interval; }
    // Takes effect from the next time the timer is started.
    void setInterval(int ms) { m_interval = ms; }
    const QString& name() const { return m_name; }
    // When the timer will tick next, in the clock's milliseconds; -1 while disabled.
    qint64 dueMs() const { return m_enabled ? m_due : -1; }

private:
    void arm();

    Clock& m_clock;
    QString m_name;
    int m_interval;
    std::function<void()> m_handler;
    bool m_enabled = false;
    qint64 m_due = -1;
    quint64 m_generation = 0;
    std::shared_ptr<EngineTimer*> m_self; // lets a pending tick find out the timer is gone
};
