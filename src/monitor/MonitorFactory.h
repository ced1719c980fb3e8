#pragma once

#include <QString>

class AlarmHistory;
class AppPaths;
class Clock;
class QDialog;
class QWidget;
struct CommState;
struct DeviceTables;

// What a monitor window reads: the engine's state and tables, the alarm history, the program
// folder (icons) and the clock (time labels, the PC's time). Monitors never talk to a meter.
struct MonitorContext {
    CommState* state = nullptr; // read, but for gTrendSample, which the trend window advances
    const DeviceTables* tables = nullptr;
    const AlarmHistory* alarms = nullptr;
    const AppPaths* paths = nullptr;
    Clock* clock = nullptr;
};

// The single-meter monitors by channel count, named as the windows have always been named:
// "frmTD_Mon_Line12" / "frmTD_Mon_Bar06" / "frmTD_Mon_Text02" ... For a channel count other
// than 2, 4, 6 or 12 nothing is created (nullptr).
QDialog* CreateLineMonitor(int channelCount, const MonitorContext& context, QWidget* parent);
QDialog* CreateBarMonitor(int channelCount, const MonitorContext& context, QWidget* parent);
QDialog* CreateTextMonitor(int channelCount, const MonitorContext& context, QWidget* parent);
// "frmTD_Mon_Multi" and "frmTD_Mon_MultiPV".
QDialog* CreateMultiMonitor(const MonitorContext& context, QWidget* parent);
QDialog* CreateMultiPVMonitor(const MonitorContext& context, QWidget* parent);
