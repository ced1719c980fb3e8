#include "core/EngineTimer.h"

#include "core/Clock.h"

EngineTimer::EngineTimer(Clock& clock, QString name, int intervalMs, std::function<void()> handler)
    : m_clock(clock)
    , m_name(std::move(name))
    , m_intervalUs(qint64(intervalMs) * 1000)
    , m_handler(std::move(handler))
    , m_self(std::make_shared<EngineTimer*>(this)) {}

EngineTimer::~EngineTimer() {
    *m_self = nullptr;
}

void EngineTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    ++m_generation;
    disarm();
    if (enabled)
        arm(m_intervalUs);
}

void EngineTimer::startAt(qint64 dueUs) {
    m_enabled = true;
    ++m_generation;
    disarm();
    arm(std::max<qint64>(0, dueUs - m_clock.nowUs()));
}

// A tick that will not count is taken off the clock, so that it does not wake the program for
// nothing (a reply's time-out is stopped by nearly every reply).
void EngineTimer::disarm() {
    if (m_pending)
        m_clock.cancel(*m_pending);
    m_pending.reset();
}

void EngineTimer::arm(qint64 delayUs) {
    const quint64 generation = m_generation;
    std::weak_ptr<EngineTimer*> weak = m_self;
    m_dueUs = m_clock.nowUs() + delayUs;
    m_pending = m_clock.schedule(delayUs, m_slackUs, [weak, generation] {
        auto self = weak.lock();
        if (!self || !*self)
            return;
        EngineTimer* t = *self;
        if (!t->m_enabled || t->m_generation != generation)
            return;
        t->m_pending.reset();
        if (t->m_handler)
            t->m_handler();
        // The handler may have stopped or restarted the timer; only an untouched, still
        // enabled timer keeps its rhythm.
        if (weak.lock() && *self && t->m_enabled && t->m_generation == generation)
            t->arm(t->m_intervalUs);
    });
}
