#include "clock/ClockDrift.h"

#include "clock/ClockFields.h"
#include "clock/ClockFrames.h"
#include "comm/CommEngine.h"
#include "comm/RequestCodes.h"
#include "core/Clock.h"

#include <cmath>

ClockDrift::ClockDrift(CommEngine& engine, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_clock(clock) {
    connect(&engine, &CommEngine::requestSent, this, &ClockDrift::onRequestSent);
    connect(&engine, &CommEngine::meterPolled, this, &ClockDrift::onMeterPolled);
    connect(&engine, &CommEngine::settingsRead, this, &ClockDrift::onSettingsRead);
    connect(&engine, &CommEngine::portOpenChanged, this, &ClockDrift::clear);
}

std::optional<ClockDrift::Reading> ClockDrift::reading(int meter) const {
    return meter >= 0 && meter < m_readings.size() ? m_readings[meter] : std::nullopt;
}

void ClockDrift::onRequestSent(int code, int meter) {
    if (code == RequestCode::RC_READ_COMMON) {
        m_commonAskedMeter = meter;
        m_commonAskedAt = m_clock.currentDateTime();
    }
    if (code != RequestCode::RC_POLL_VALUES)
        return;
    m_askedMeter = meter;
    m_askedAtUs = m_clock.nowUs();
}

void ClockDrift::onSettingsRead() {
    // The common block carries the meter's clock as well, read when the block was asked for.
    const int meter = m_engine.state().gSelMeter;
    if (meter < 0 || meter != m_commonAskedMeter || !m_commonAskedAt.isValid())
        return;
    m_commonAskedMeter = -1;
    const ClockParts parts =
        DeviceClockSettings::fromCommonTable(m_engine.tables().sprdP_Common).clock;
    if (m_readings.size() <= meter)
        m_readings.resize(meter + 1);
    m_readings[meter] = measure(ClockPartsText(parts), m_commonAskedAt);
    Q_EMIT changed(meter);
}

void ClockDrift::onMeterPolled(int meter, bool answered) {
    if (!answered || meter < 0)
        return;
    // The reply was decoded a moment ago. The meter read its clock between the request and
    // the reply; the reply's time on the line would otherwise count as drift. (The time
    // between them is taken from the steady clock: this runs at every reply, and a local time
    // costs a time-zone lookup.)
    qint64 answeredAtMs = m_clock.currentMSecsSinceEpoch();
    const qint64 sinceAskedMs = (m_clock.nowUs() - m_askedAtUs) / 1000;
    if (meter == m_askedMeter && m_askedAtUs >= 0 && sinceAskedMs < 5000)
        answeredAtMs -= sinceAskedMs / 2;
    const QDateTime answeredAt = QDateTime::fromMSecsSinceEpoch(answeredAtMs);
    m_askedMeter = -1;
    const QString text = m_engine.tables().sprdMON.text(4, meter + 1);
    if (m_readings.size() <= meter)
        m_readings.resize(meter + 1);
    m_readings[meter] = measure(text, answeredAt);
    Q_EMIT changed(meter);
}

void ClockDrift::clear() {
    const qsizetype count = m_readings.size();
    m_readings.clear();
    for (int meter = 0; meter < count; ++meter)
        Q_EMIT changed(meter);
}

ClockDrift::Reading ClockDrift::measure(const QString& meterText, const QDateTime& pcTime) {
    Reading r;
    r.meterText = meterText;
    r.pcTime = pcTime;
    ClockParts parts{};
    if (!ParseClockText(meterText, &parts))
        return r;
    r.meterTime = DateTimeOfParts(parts);
    if (!r.isValid())
        return r;
    // Both as plain wall-clock readings: a daylight-saving change of the PC's zone is no
    // drift of the meter's clock. The meter shows whole seconds, so its clock stands half a
    // second past what it shows, on average.
    const QDateTime meterWall(r.meterTime.date(), r.meterTime.time(), Qt::UTC);
    const QDateTime pcWall(pcTime.date(), pcTime.time(), Qt::UTC);
    r.seconds = qint64(std::llround(double(pcWall.msecsTo(meterWall) + 500) / 1000.0));
    return r;
}

namespace {

// A drift's size without its direction: "12 s", "3 min 05 s", "2 h 10 min", "400 d 3 h".
QString amountText(qint64 seconds) {
    const qint64 s = qAbs(seconds);
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (s < 60)
        return ClockDrift::tr("%1 s").arg(s);
    if (s < 3600)
        return ClockDrift::tr("%1 min %2 s").arg(s / 60).arg(two(s % 60));
    if (s < 86400)
        return ClockDrift::tr("%1 h %2 min").arg(s / 3600).arg(two(s % 3600 / 60));
    return ClockDrift::tr("%1 d %2 h").arg(s / 86400).arg(s % 86400 / 3600);
}

} // namespace

QString ClockDrift::driftText(qint64 seconds) {
    // Said in words, not by a sign: "-11 h 59 min" reads as a time of day, not as a clock
    // that is behind.
    if (seconds == 0)
        return tr("0 s");
    return seconds > 0
               ? tr("%1 ahead", "a meter's clock against the PC's").arg(amountText(seconds))
               : tr("%1 behind", "a meter's clock against the PC's").arg(amountText(seconds));
}

QString ClockDrift::driftSentence(qint64 seconds) {
    if (seconds == 0)
        return tr("on time");
    const QString amount = amountText(seconds);
    return seconds > 0 ? tr("ahead of the PC by %1").arg(amount)
                       : tr("behind the PC by %1").arg(amount);
}
