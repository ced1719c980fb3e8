#include "comm/MeterHealth.h"

#include <algorithm>
#include <utility>

void MeterHealth::reset(int meters) {
    m_meters = QVector<Meter>(std::max(0, meters));
}

void MeterHealth::setBackoffLimit(int cycles) {
    m_limit = cycles < 2 ? 0 : std::min(cycles, MaxBackoffCycles);
    if (m_limit == 0)
        for (Meter& m : m_meters)
            m.skipLeft = 0;
}

MeterHealth::Meter* MeterHealth::at(int meter) {
    return meter >= 0 && meter < m_meters.size() ? &m_meters[meter] : nullptr;
}

const MeterHealth::Meter* MeterHealth::at(int meter) const {
    return meter >= 0 && meter < m_meters.size() ? &m_meters[meter] : nullptr;
}

bool MeterHealth::noteAnswer(int meter) {
    Meter* m = at(meter);
    if (!m)
        return false;
    m->answering = true;
    // The first answer of a session is no return: only a meter that was lost comes back.
    return std::exchange(m->lost, false);
}

bool MeterHealth::noteFailure(int meter) {
    Meter* m = at(meter);
    if (!m || !m->answering)
        return false;
    m->answering = false;
    m->lost = true;
    return true;
}

bool MeterHealth::isAnswering(int meter) const {
    const Meter* m = at(meter);
    return m && m->answering;
}

void MeterHealth::visitAnswered(int meter) {
    if (Meter* m = at(meter)) {
        m->failedCycles = 0;
        m->skipLeft = 0;
    }
}

void MeterHealth::visitFailed(int meter) {
    Meter* m = at(meter);
    if (!m)
        return;
    m->failedCycles = std::min(m->failedCycles + 1, 30);
    m->skipLeft = m_limit > 0 ? intervalOf(*m) - 1 : 0;
}

bool MeterHealth::skipThisCycle(int meter) {
    Meter* m = at(meter);
    if (!m || m_limit == 0 || m->skipLeft <= 0)
        return false;
    --m->skipLeft;
    return true;
}

int MeterHealth::intervalOf(const Meter& m) const {
    if (m_limit == 0 || m.failedCycles == 0)
        return 0;
    const qint64 doubling = qint64(1) << m.failedCycles;
    return int(std::min<qint64>(doubling, m_limit));
}

int MeterHealth::backoffCycles(int meter) const {
    const Meter* m = at(meter);
    return m ? intervalOf(*m) : 0;
}

int MeterHealth::cyclesUntilAsked(int meter) const {
    const Meter* m = at(meter);
    return m && m_limit > 0 ? m->skipLeft : 0;
}
