#pragma once

#include "clock/ClockFields.h"

#include <QDateTime>

// The meter's clock as it runs on between reads. A read tells what the meter's clock showed at
// a moment of the PC's; the difference between the two clocks holds until the next read, so
// the meter's clock at any later moment is the PC's plus that difference. The newer of the
// last settings read and the last poll counts.
class MeterClock {
public:
    // The meter's clock showed `meterTime` at the PC's `pcTime` (an invalid time: not known).
    void take(const QDateTime& meterTime, const QDateTime& pcTime);
    // The same, unless what is known is newer.
    void takeIfNewer(const QDateTime& meterTime, const QDateTime& pcTime);
    void clear() { m_known = false; }
    bool isKnown() const { return m_known; }
    // The meter's clock at the PC's `pcTime`, to the millisecond; invalid when not known.
    QDateTime at(const QDateTime& pcTime) const;

private:
    bool m_known = false;
    qint64 m_offsetMs = 0; // meter minus PC
    QDateTime m_since;     // the PC's time of the read the difference comes from
};
