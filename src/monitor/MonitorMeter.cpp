#include "monitor/MonitorMeter.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "logging/AlarmHistory.h"

using namespace ChannelDisplay;

MonitorMeter::MonitorMeter(const MonitorContext& context)
    : m_context(context)
    , m_address(context.address) {
    const CommState* s = context.state;
    if (m_address == 0 && s)
        m_address = s->gMeterAddress.value(s->gSelMeter);
    if (m_context.tables)
        refresh(reading());
}

int MonitorMeter::row() const {
    const CommState* s = m_context.state;
    return s && m_address > 0 ? int(s->gMeterAddress.indexOf(m_address)) + 1 : 0;
}

bool MonitorMeter::isSelected() const {
    const CommState* s = m_context.state;
    return s && m_address > 0 && s->gMeterAddress.value(s->gSelMeter) == m_address;
}

bool MonitorMeter::dataFlows() const {
    const CommState* s = m_context.state;
    return s && m_context.tables && row() > 0 && s->isOnline(row() - 1) && s->gPollCycleDone;
}

MeterReading MonitorMeter::reading() const {
    return m_context.tables ? ReadMeter(*m_context.tables, row()) : MeterReading{};
}

bool MonitorMeter::settingsCurrent() const {
    return m_context.settingsCurrent ? m_context.settingsCurrent(m_address) : isSelected();
}

void MonitorMeter::refresh(const MeterReading& reading) {
    if (!m_context.tables)
        return;
    const bool current = settingsCurrent();
    for (int ch = 0; ch < MaxChannels; ++ch) {
        const std::size_t i = std::size_t(ch);
        ChannelSettings s = current ? ReadChannelSettings(*m_context.tables, ch)
                                    : ReadScannedChannelSettings(*m_context.tables, row(), ch);
        if (current) {
            m_colours[i] = s.colour;
            m_colourRead[i] = true;
        } else if (m_colourRead[i]) {
            s.colour = m_colours[i];
        }
        m_settings[i] = std::move(s);
    }
    readAlarms(reading);
}

void MonitorMeter::readAlarms(const MeterReading& reading) {
    const AlarmHistory* history = m_context.alarms;
    if (history && isSelected()) {
        m_alarmState = history->gAlarmState;
        m_alarmValue = history->gAlarmSetValue;
        m_alarmActive = history->gAlarmActive;
        return;
    }
    // The alarm words of channels 1..4, 5..8 and 9..12: bit 4k + a is alarm a of the k-th.
    static constexpr struct { int column, firstChannel; } words[] = {{10, 0}, {9, 4}, {8, 8}};
    const TextTable& mon = m_context.tables->sprdMON;
    m_alarmActive = false;
    for (const auto& w : words) {
        const qint64 word = mon.integer(w.column, row());
        m_alarmActive = m_alarmActive || word >= 1;
        for (int bit = 0; bit < 16; ++bit) {
            const int ch = w.firstChannel + bit / 4;
            const std::size_t i = index(bit % 4, ch);
            const quint8 now = IsBitSet(word, bit) ? 1 : 0;
            if (now != m_alarmState[i])
                m_alarmValue[i] = float(reading.values[std::size_t(ch)]);
            m_alarmState[i] = now;
        }
    }
}
