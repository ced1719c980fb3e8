#pragma once

#include "monitor/MonitorFactory.h"

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// Demo data for pictures of the monitor windows: a bus of five meters (addresses 1..5 with
// 12, 6, 4, 2 and 12 channels; the fifth has stopped answering). The selected meter is the
// one with the channel count asked for. It shows an alarm on (with alarms that start and end
// along the way), a channel without a valid value, digital inputs and relays on, and a memory
// card in use.
//
// Fills the tables for demo tick `tick` (one tick is 500 ms): the meter list, model codes,
// present values, state, alarm and input words, and the selected meter's settings.
void FillMonitorDemoData(CommState& state, DeviceTables& tables, int selectedChannels, int tick,
                         const QDateTime& deviceTime);

// Everything a monitor window needs, filled with the demo bus, in one object.
class MonitorDemo {
public:
    // `home` is the program folder for icons and the alarm state file; empty: a temporary one.
    explicit MonitorDemo(int selectedChannels = 12, const QString& home = QString());
    ~MonitorDemo();
    MonitorDemo(const MonitorDemo&) = delete;
    MonitorDemo& operator=(const MonitorDemo&) = delete;

    MonitorContext context();
    CommState& state();
    DeviceTables& tables();
    int tick() const { return m_tick; }
    // One 500 ms step: new values, the alarm history checked as the engine would.
    void advance();

private:
    struct Private;
    std::unique_ptr<Private> d;
    int m_selectedChannels;
    int m_tick = 0;
};

// Renders the named window ("frmTD_Mon_Line12", "frmTD_Mon_Multi" ...) with the demo bus for
// a meter of `selectedChannels` channels, after `ticks` refreshes (the trend fills as it
// would in as many half seconds). `size` empty: the window's own size. A null image for an
// unknown name.
QImage RenderMonitorDemo(const QString& name, int selectedChannels, int ticks = 420,
                         QSize size = QSize());
