#include "cli/MeterWatch.h"

#include "comm/CommEngine.h"
#include "core/Clock.h"

MeterWatch::MeterWatch(const CommEngine& engine, const Clock& clock, Say say, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
    , m_clock(clock)
    , m_say(std::move(say)) {
    connect(&engine, &CommEngine::meterAnswering, this, &MeterWatch::onAnswering);
    connect(&engine, &CommEngine::meterPolled, this, [this](int meter, bool answered) {
        Meter& m = m_meters[meter];
        ++m.visits;
        if (answered) {
            m.valuesRead = m_clock.currentDateTime();
            if (m.firstValuesUs < 0)
                m.firstValuesUs = m_clock.nowUs();
        }
    });
    connect(&engine, &CommEngine::meterSkipped, this,
            [this](int meter) { ++m_meters[meter].visits; });
}

QString MeterWatch::timeText(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString MeterWatch::addressOf(int meter) const {
    return QString::number(m_engine.state().gMeterAddress.value(meter));
}

void MeterWatch::onAnswering(int meter, bool answering) {
    Meter& m = m_meters[meter];
    const QDateTime now = m_clock.currentDateTime();
    if (!answering) {
        m_anyLost = true;
        m.silentSince = now;
        if (m.firstLostUs < 0)
            m.firstLostUs = m_clock.nowUs();
        if (m_say)
            m_say(QStringLiteral("meter %1 stopped answering at %2")
                      .arg(addressOf(meter), timeText(now)));
        return;
    }
    const qint64 silentSeconds = m.silentSince.isValid() ? m.silentSince.secsTo(now) : 0;
    m.silentSince = QDateTime();
    if (m_say)
        m_say(QStringLiteral("meter %1 answers again at %2, after %3 s without an answer")
                  .arg(addressOf(meter), timeText(now))
                  .arg(silentSeconds));
}

bool MeterWatch::isStale(int meter) const {
    if (!m_engine.state().isOnline(meter))
        return false;
    return !m_engine.isAnswering(meter) || !m_meters.value(meter).valuesRead.isValid();
}

qint64 MeterWatch::dueSinceUs(int meter) const {
    const Meter m = m_meters.value(meter);
    if (m.firstValuesUs < 0)
        return m.firstLostUs;
    if (m.firstLostUs < 0)
        return m.firstValuesUs;
    return std::min(m.firstValuesUs, m.firstLostUs);
}
