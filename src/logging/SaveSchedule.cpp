#include "logging/SaveSchedule.h"

#include "logging/SaveSettings.h"

#include <algorithm>

namespace {

// Seconds on the PC's clock face: the count since 1970 as the local time reads it, so that
// whole minutes and hours fall on multiples of 60 and 3600.
qint64 faceSeconds(const QDateTime& t) {
    return t.toSecsSinceEpoch() + t.offsetFromUtc();
}

qint64 floorDiv(qint64 a, qint64 b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// `face` seconds on the clock face of `reference`, as a date and time.
QDateTime atFace(const QDateTime& reference, qint64 face) {
    return reference.addSecs(face - faceSeconds(reference)).addMSecs(-reference.time().msec());
}

// Instants up to and including `face`, counted from an arbitrary origin.
qint64 instantsUpTo(qint64 face, qint64 step, qint64 period) {
    const qint64 perPeriod = (period - 1) / step + 1;
    const qint64 base = floorDiv(face, period);
    return base * perPeriod + (face - base * period) / step;
}

} // namespace

SaveSchedule::SaveSchedule(const SaveSettings& settings)
    : SaveSchedule(settings.intervalSeconds(), settings.gDSaveUnit == QStringLiteral("min")) {}

SaveSchedule::SaveSchedule(int intervalSeconds, bool minutes)
    : m_step(std::clamp<qint64>(intervalSeconds, minutes ? 60 : 1, minutes ? 3600 : 60))
    , m_period(minutes ? 3600 : 60) {}

QDateTime SaveSchedule::instantOf(const QDateTime& at) const {
    const qint64 grain = grainSeconds();
    return atFace(at, floorDiv(faceSeconds(at), grain) * grain);
}

qint64 SaveSchedule::count(const QDateTime& after, const QDateTime& upTo) const {
    const qint64 from = faceSeconds(after), to = faceSeconds(upTo);
    if (to <= from)
        return 0;
    return instantsUpTo(to, m_step, m_period) - instantsUpTo(from, m_step, m_period);
}

QDateTime SaveSchedule::firstAfter(const QDateTime& after) const {
    const qint64 face = faceSeconds(after);
    const qint64 base = floorDiv(face, m_period) * m_period;
    const qint64 next = ((face - base) / m_step + 1) * m_step;
    return atFace(after, next < m_period ? base + next : base + m_period);
}

QDateTime SaveSchedule::lastUpTo(const QDateTime& upTo) const {
    const qint64 face = faceSeconds(upTo);
    const qint64 base = floorDiv(face, m_period) * m_period;
    return atFace(upTo, base + (face - base) / m_step * m_step);
}
