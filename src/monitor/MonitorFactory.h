#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class AlarmHistory;
class AppPaths;
class Clock;
class MeterPast;
class QDialog;
class QWidget;
struct CommState;
struct DeviceTables;

// What a monitor window reads: the engine's state and tables, the alarm history, the program
// folder (icons) and the clock (time labels, the PC's time). Monitors never talk to a meter.
struct MonitorContext {
    const CommState* state = nullptr;
    const DeviceTables* tables = nullptr;
    const AlarmHistory* alarms = nullptr; // the selected meter's alarms
    const AppPaths* paths = nullptr;
    Clock* clock = nullptr;
    // The meter a single-meter monitor shows, by slave address; 0: the meter selected when
    // the window opens. The window stays on it when another meter is selected.
    int address = 0;
    // True while the settings tables hold the whole of the settings of the meter at
    // `address`; unset: whenever that meter is the selected one.
    std::function<bool(int address)> settingsCurrent;
    // Where the meters are when they are not on this PC's bus (a node of the plant): named in
    // the window's title. Empty for the local bus.
    QString origin;
    // The meters' records that arrive after their time (a trend draws them into its past);
    // null on the local bus.
    const MeterPast* past = nullptr;
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

// Any of the windows above by its name; nullptr for a name that is none of them.
QDialog* CreateMonitorWindow(const QString& name, const MonitorContext& context, QWidget* parent);
// The windows for a meter of `channelCount` channels: the trend, bar and text monitors of
// that count and the two multi-meter windows (only these for an unknown count).
QStringList MonitorWindowNames(int channelCount);
// Runs one refresh of a monitor window at once, as its timer would; and stops or restarts
// that timer (pictures and tests drive the windows tick by tick).
void RunMonitorTick(QDialog* window);
// The slave address of the meter a single-meter monitor shows; 0 for any other window.
int MonitorMeterAddress(const QDialog* window);
void SetMonitorTimerEnabled(QDialog* window, bool enabled);
