#pragma once

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/EngineTimer.h"
#include "comm/PortSettings.h"

#include <QObject>
#include <QPointer>

class AlarmHistoryHook;
class Clock;
class ParameterSource;
class SerialLink;

// The Modbus RTU master: one request outstanding at a time, chosen by a request code.
// The scheduler tick (onTxTick) sends, the response handler (onReceive) checks, decodes and
// chooses the next request, the time-out tick (onTimeoutTick) retries and escalates.
// It owns the shared state and the device tables, talks to the line only through a
// SerialLink, runs its timers on the Clock it is given, and reports to the user interface
// only through its signals.
class CommEngine : public QObject {
    Q_OBJECT
public:
    enum class Phase { Closed, Scanning, Polling };
    Q_ENUM(Phase)

    explicit CommEngine(Clock& clock, QObject* parent = nullptr);
    ~CommEngine() override;

    CommState& state() { return m_state; }
    const CommState& state() const { return m_state; }
    DeviceTables& tables() { return m_tables; }
    const DeviceTables& tables() const { return m_tables; }

    // The line. Not owned; it must outlive the engine or be replaced first.
    void setLink(SerialLink* link);
    SerialLink* link() const;
    void setPortSettings(const PortSettings& settings);
    const PortSettings& portSettings() const { return m_settings; }
    void setParameterSource(const ParameterSource* source) { m_parameters = source; }
    void setAlarmHistory(AlarmHistoryHook* hook) { m_alarmHistory = hook; }

    // The port command. Opening clears the link texts, empties the frame log and starts the
    // meter scan; a failed open leaves everything closed and says nothing. Returns isPortOpen().
    bool openPort();
    // Stops the timers, closes the port, clears the link texts, returns to the closed state.
    void closePort();
    bool isPortOpen() const;
    Phase phase() const { return m_phase; }
    // The reason the port was last closed by the engine itself (empty after a user close).
    QString lastFailure() const { return m_lastFailure; }

    // The three handlers.
    void onTxTick();
    void onReceive();
    void onTimeoutTick();

    // A click on row `row` (from 1) of the status list: selects that meter when it reads "OK".
    void selectMeter(int row);
    // Empties the communication counters.
    void countClear();
    // Posts a request code for the next scheduler tick (user actions: upload 200,
    // download 501, clock write 601, back to monitoring 11).
    void post(int code);

    EngineTimer& tmrTX() { return m_tmrTX; }
    EngineTimer& tmrRX_TOVR() { return m_tmrRX_TOVR; }
    EngineTimer& tmrBall_Send() { return m_tmrBall_Send; }
    EngineTimer& tmrBall_Recv() { return m_tmrBall_Recv; }

    // Counters of the whole run, for the command-line companion and benchmarks.
    struct Totals {
        quint64 requests = 0, goodFrames = 0, timeouts = 0, badFrames = 0;
    };
    const Totals& totals() const { return m_totals; }

Q_SIGNALS:
    // The port opened (true) or closed (false), by the user or by the engine itself.
    void portOpenChanged(bool open);
    // SetPortClosedMenus(closed): settings menus enabled and online views disabled, or back.
    void portClosedMenus(bool closed);
    void phaseChanged(CommEngine::Phase phase);
    // A status bar panel's text (panel 4: link messages).
    void statusText(int panel, const QString& text);
    void sendLamp(bool lit);
    void receiveLamp(bool lit);
    // The selected meter changed; `address` is what lblMC_No shows.
    void selectedMeterChanged(int address);
    // Parameter upload and download progress: percent 0..100 and the message line.
    void transferProgress(int percent, const QString& message);
    void uploadCompleted();
    void downloadCompleted();
    // A settings read of the selected meter finished (gSettingsRead was set).
    void settingsRead();
    // A monitoring cycle step finished (a present-value reply was handled).
    void pollCycleDone();

private:
    class Private;
    friend class Private;

    Clock& m_clock;
    CommState m_state;
    DeviceTables m_tables;
    PortSettings m_settings;
    QPointer<SerialLink> m_link;
    const ParameterSource* m_parameters = nullptr;
    AlarmHistoryHook* m_alarmHistory = nullptr;
    Phase m_phase = Phase::Closed;
    QString m_lastFailure;
    Totals m_totals;
    EngineTimer m_tmrTX;
    EngineTimer m_tmrRX_TOVR;
    EngineTimer m_tmrBall_Send;
    EngineTimer m_tmrBall_Recv;
};
