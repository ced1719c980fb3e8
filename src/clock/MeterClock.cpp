#include "clock/MeterClock.h"

namespace {
// Both as plain wall-clock readings: a daylight-saving change of the PC's zone is no change of
// the meter's clock.
QDateTime wall(const QDateTime& t) {
    return QDateTime(t.date(), t.time(), Qt::UTC);
}
} // namespace

void MeterClock::takeIfNewer(const QDateTime& meterTime, const QDateTime& pcTime) {
    if (m_known && pcTime < m_since)
        return;
    take(meterTime, pcTime);
}

void MeterClock::take(const QDateTime& meterTime, const QDateTime& pcTime) {
    if (!meterTime.isValid() || !pcTime.isValid()) {
        m_known = false;
        return;
    }
    // The meter tells whole seconds: its clock stands half a second past what it tells, on
    // average.
    m_offsetMs = wall(pcTime).msecsTo(wall(meterTime)) + 500;
    m_since = pcTime;
    m_known = true;
}

QDateTime MeterClock::at(const QDateTime& pcTime) const {
    if (!m_known)
        return {};
    const QDateTime t = wall(pcTime).addMSecs(m_offsetMs);
    return QDateTime(t.date(), t.time());
}
