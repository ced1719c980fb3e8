#pragma once

#include "comm/ChannelDisplay.h"
#include "monitor/MonitorIcons.h"

#include <QWidget>

class GradientLabel;
class QLabel;

// The status area every single-meter monitor shows: the device clock, the six digital inputs
// as red or green lamps, the alarm sound icon, the memory-card icon and the "MEM:" and "SDC:"
// figures.
class MonitorStatusArea : public QWidget {
    Q_OBJECT
public:
    explicit MonitorStatusArea(const MonitorIcons& icons, QWidget* parent = nullptr);

    // The status refresh of one tick.
    void showReading(const ChannelDisplay::MeterReading& reading, bool alarmActive);

    GradientLabel* lblDInput(int i) const { return m_inputs[i]; }
    MonitorIcons::Icon alarmIcon() const { return m_alarmIcon; }
    MonitorIcons::Icon cardIcon() const { return m_cardIcon; }
    QString dateText() const;
    QString timeText() const;
    QString memText() const;
    QString sdcText() const;

    // Digital input lamp colours: off red to light red, on green to light green.
    static constexpr int InputOffFrom = 0x0000FF, InputOffTo = 0x8080FF;
    static constexpr int InputOnFrom = 0x00FF00, InputOnTo = 0x80FF80;

private:
    const MonitorIcons& m_icons;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    GradientLabel* m_inputs[6] = {};
    QLabel* m_alarm = nullptr;
    QLabel* m_card = nullptr;
    QLabel* m_mem = nullptr;
    QLabel* m_sdc = nullptr;
    MonitorIcons::Icon m_alarmIcon = MonitorIcons::SoundOff;
    MonitorIcons::Icon m_cardIcon = MonitorIcons::CardNone;
};
