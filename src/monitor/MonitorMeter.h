#pragma once

#include "comm/ChannelDisplay.h"
#include "monitor/MonitorFactory.h"

#include <array>

// The meter a single-meter monitor shows, held by its slave address and found again in the
// tables on every tick (the meter list may change while the window is open), so that the
// window stays on its meter whichever meter the main window selects.
//
// Its channel settings come from the settings tables while they hold this meter's, else from
// what the scan read of it; a channel keeps the colour last read with its settings. Its alarms
// are the alarm history's while it is the selected meter, else followed here from its alarm
// words: the value an alarm came on at is the channel's value at the first tick that saw it.
class MonitorMeter {
public:
    explicit MonitorMeter(const MonitorContext& context);

    int address() const { return m_address; }
    // Its row in the device tables, 0 when it has left the meter list.
    int row() const;
    bool isSelected() const;
    // On line, with a completed monitoring cycle.
    bool dataFlows() const;
    ChannelDisplay::MeterReading reading() const;
    // The settings tables hold this meter's settings.
    bool settingsCurrent() const;

    // Reads the channel settings and alarms of this tick.
    void refresh(const ChannelDisplay::MeterReading& reading);
    const ChannelDisplay::ChannelSettings& settings(int channel) const {
        return m_settings[std::size_t(channel)];
    }
    quint8 alarmState(int alarm, int channel) const { return m_alarmState[index(alarm, channel)]; }
    float alarmValue(int alarm, int channel) const { return m_alarmValue[index(alarm, channel)]; }
    const std::array<quint8, 48>& alarmStates() const { return m_alarmState; }
    bool alarmActive() const { return m_alarmActive; }

private:
    static std::size_t index(int alarm, int channel) { return std::size_t(alarm * 12 + channel); }
    void readAlarms(const ChannelDisplay::MeterReading& reading);

    MonitorContext m_context;
    int m_address = 0;
    std::array<ChannelDisplay::ChannelSettings, ChannelDisplay::MaxChannels> m_settings{};
    std::array<int, ChannelDisplay::MaxChannels> m_colours{};
    std::array<bool, ChannelDisplay::MaxChannels> m_colourRead{};
    std::array<quint8, 48> m_alarmState{};
    std::array<float, 48> m_alarmValue{};
    bool m_alarmActive = false;
};
