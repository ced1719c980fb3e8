#pragma once

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/LateReplyGuard.h"
#include "comm/MeterHealth.h"
#include "comm/PortSettings.h"
#include "comm/ReplyCollector.h"
#include "comm/RequestFailures.h"
#include "core/EngineTimer.h"

#include <QObject>
#include <QPointer>
#include <limits>

class AlarmHistoryHook;
class Clock;
class ParameterSource;
class SerialLink;
struct RequestEntry;
struct TransferStep;

// The Modbus RTU master: one request outstanding at a time, chosen by a request code.
// The scheduler tick (onTxTick) sends, the response handler (onReceive) checks, decodes and
// chooses the next request, the time-out tick (onTimeoutTick) retries and escalates.
// It owns the shared state and the device tables, talks to the line only through a
// SerialLink, runs its timers on the Clock it is given, and reports to the user interface
// only through its signals.
class CommEngine : public QObject {
    Q_OBJECT
public:
    // Connecting: the link is still being opened (a device server reached over the network);
    // the scan starts once it is open.
    enum class Phase { Closed, Scanning, Polling, Connecting };
    Q_ENUM(Phase)
    // How far the selected meter's settings (sprdP_Common, sprdP_CH) have been read since the
    // last refresh began: not at all yet, being read, a block failed three times (it is asked
    // again until it answers), or every block read.
    enum class SettingsState { NotRead, Reading, Incomplete, Complete };
    Q_ENUM(SettingsState)

    explicit CommEngine(Clock& clock, QObject* parent = nullptr);
    ~CommEngine() override;

    CommState& state() { return m_state; }
    const CommState& state() const { return m_state; }
    DeviceTables& tables() { return m_tables; }
    const DeviceTables& tables() const { return m_tables; }

    // The line. Not owned; it must outlive the engine or be replaced first. Replacing the
    // link of an open port closes the port first.
    void setLink(SerialLink* link);
    SerialLink* link() const;
    void setPortSettings(const PortSettings& settings);
    const PortSettings& portSettings() const { return m_settings; }
    void setParameterSource(const ParameterSource* source) { m_parameters = source; }
    void setAlarmHistory(AlarmHistoryHook* hook) { m_alarmHistory = hook; }

    // The port command. Opening clears the link texts, empties the frame log and starts the
    // meter scan; a failed open leaves everything closed and says nothing (the link's
    // errorString() tells why). A link that connects in the background (tcp://host:port)
    // leaves the engine Connecting: the scan starts when it is open, and a connection that
    // fails closes the port with the reason in status panel 4 and lastFailure(). Returns true
    // when the port is open or opening.
    bool openPort();
    // Stops the timers, closes the port (or gives up connecting), clears the link texts,
    // returns to the closed state.
    void closePort();
    // Closes the port once the request on the line has ended (answered, refused or timed out),
    // sending nothing more meanwhile, so that its reply is not left on the line for the next
    // program that opens it. At once when no request is out.
    void closeWhenIdle();
    bool isPortOpen() const;
    Phase phase() const { return m_phase; }
    // The reason the port was last closed by the engine itself (empty after a user close).
    QString lastFailure() const { return m_lastFailure; }

    // The three handlers.
    void onTxTick();
    void onReceive();
    void onTimeoutTick();

    // Stops what the user started on the selected meter (an upload, a download, a clock write
    // and the settings read after it, a settings read that waits for a silent meter) and
    // returns to the monitoring cycle. A request already on the line ends first (its reply or
    // time-out is handled as always); what the chain would send after it is not sent: a clock
    // write that would be repeated ends as not taken, a settings read left unfinished as
    // incomplete. A selection or a code posted after the cancel goes out as usual. False while
    // the engine is not polling.
    bool cancelTransfer();
    bool isCancelPending() const { return m_cancelPending; }
    // The request given up last (see requestGivenUp).
    const FailedRequest& lastGivenUp() const { return m_lastGivenUp; }

    // A click on row `row` (from 1) of the status list: selects that meter when it reads "OK"
    // (not while the meters are being probed).
    void selectMeter(int row);
    // Empties the communication counters.
    void countClear();
    // Posts a request code for the next scheduler tick (user actions: upload 200,
    // download 501, clock write 601, back to monitoring 11). When the chain had stopped
    // (a code no request answers to), the post starts it again. Refused (false) while the port
    // is closed or its meters are being probed, and for a request that cannot be built: a
    // download without a parameter source, a clock write without a prepared frame, anything
    // for the selected meter before one is selected.
    bool post(int code);

    SettingsState settingsState() const { return m_settingsState; }
    // True when the settings tables hold the whole of the selected meter's settings, read
    // since the last refresh began: what a window asks before it works on them.
    bool settingsComplete() const { return m_settingsState == SettingsState::Complete; }
    // The blocks the current refresh still lacks: 0 the common block, n channel n.
    QList<int> settingsMissing() const;

    // Dead-meter back-off, set by the port settings (off by default: every online meter is
    // asked in every cycle). With a limit of L cycles, a meter whose monitoring failed k cycles
    // in a row is asked only every min(2^k, L) cycles, and in every cycle again once it
    // answers; the selected meter's settings read then waits for the meter's turn instead of
    // holding the others up.
    int backoffLimit() const { return m_health.backoffLimit(); }
    // The meter's current interval in cycles (0 while it is not backed off), and the cycles
    // left until it is asked again.
    int backoffCycles(int meter) const { return m_health.backoffCycles(meter); }
    int cyclesUntilAsked(int meter) const { return m_health.cyclesUntilAsked(meter); }
    // Whether the meter answered its last request that was given up or answered.
    bool isAnswering(int meter) const { return m_health.isAnswering(meter); }

    EngineTimer& tmrTX() { return m_tmrTX; }
    EngineTimer& tmrRX_TOVR() { return m_tmrRX_TOVR; }
    EngineTimer& tmrBall_Send() { return m_tmrBall_Send; }
    EngineTimer& tmrBall_Recv() { return m_tmrBall_Recv; }

    // Counters of the whole run, for the command-line companion and benchmarks. Every request
    // sent ends as exactly one good frame, time-out or bad frame (the outstanding one aside).
    // Late replies (replies to requests given up before, or left on the line by another
    // program, dropped) and fences (the short reads sent before a meter's first request after
    // the line opened, and before a request that a late reply could otherwise answer; counted
    // with the requests) are counted apart as well.
    struct Totals {
        quint64 requests = 0, goodFrames = 0, timeouts = 0, badFrames = 0;
        quint64 lateReplies = 0, fences = 0;
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
    // The monitoring cycle is done with meter `meter` for this round: its present values
    // were read (answered), or it failed three times and was passed over.
    void meterPolled(int meter, bool answered);
    // A request went out on the line (`meter` is the index it was addressed to); a fence goes
    // out as code RC_FENCE, with the request it clears the way for still in gCommand.
    void requestSent(int code, int meter);
    // A request failed three times in a row and the engine moves on (emitted before it does),
    // with how it failed: time-outs, damaged replies or refusals.
    void requestGivenUp(const FailedRequest& failure);
    // A meter that had answered gave up a request after three failures (false), or a lost
    // meter answers again (true).
    void meterAnswering(int meter, bool answering);
    // The monitoring cycle passed a backed-off meter over without asking it.
    void meterSkipped(int meter);
    void settingsStateChanged(CommEngine::SettingsState state);
    // A clock frame (request 601, a write or the read of a meter's clock block) ended: the
    // meter answered it (true), or it failed three times and was given up (false). After a
    // write to the selected meter its settings are read next, so that the tables show what
    // the meter holds.
    void clockFrameDone(bool taken);

private:
    void onLinkLost(const QString& reason);
    void onLinkOpened();
    void onLinkOpenFailed(const QString& reason);
    void applyInterval();
    bool waitsForSilence();
    void scheduleNextRequest();
    QByteArray takeInput();
    void startScan();
    void transmit(const QByteArray& request);
    void evaluateReceived(bool timedOut);
    void watchAfter(const ReplyCollector::Outcome& outcome);
    void drainLink();
    void dropLateReplies();
    void fenceAnswered(const QByteArray& frame, int loggedRow);
    void goodFrame(const QByteArray& frame);
    void badFrame(int loggedRow);
    void noteBadFrame(const ReplyCollector::Outcome& outcome);
    void applyCancel();
    void replyTimedOut(const ReplyCollector::Outcome& outcome);
    void afterReadReply();
    void afterWriteReply();
    void afterProbeReply();
    void clockFrameEnded(bool taken);
    void afterUploadStep(const TransferStep& step);
    void afterDownloadStep(const TransferStep& step);
    void settingsReadDone();
    void beginSettingsRead();
    void noteSettingsBlock(int code);
    void setSettingsState(SettingsState state);
    void settingsReadFailed();
    int nextMeterToPoll(int current);
    int takeParkedSettings(int meter);
    void noteMeterFailed(int meter);
    void endOfChannelScan();
    void endOfProbePhase();
    bool failureEscalation();
    // Every close ends here: `reason` is why the engine closed the port (empty when closed by
    // hand), `panel4` what the status bar says of it (null: nothing).
    void closeByEngine(const QString& panel4, const QString& reason);
    void selectScannedMeter(int meter);
    void keepSelectedMeterOnline();
    void clearLinkTexts();
    void stopTimers();
    void setPhase(Phase phase);
    QByteArray buildFrame(const RequestEntry& entry, int slave, bool* ok) const;
    double selectedVersion() const;
    bool canBuild(int code) const;
    void restartIfStalled();
    void updateParamVersion();

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
    // The shortest interval: the request goes once the line has been silent for
    // m_frameSilenceUs since the last byte read, or at the latest m_silenceLimitUs after it
    // first waited for that.
    bool m_shortest = false;
    qint64 m_frameSilenceUs = 0;
    qint64 m_silenceLimitUs = 0;
    qint64 m_silenceSinceUs = -1;
    qint64 m_lastByteUs = std::numeric_limits<qint64>::min() / 2; // when bytes were last read

    bool m_awaitingReply = false; // a request is out and not yet answered or given up
    bool m_closeWhenIdle = false; // closes instead of sending the next request
    ReplyCollector m_reply;       // what arrived for it
    LateReplyGuard m_guard;       // what given-up requests may still send back
    QByteArray m_heldRequest;     // the request a fence on the line clears the way for

    MeterHealth m_health;
    SettingsState m_settingsState = SettingsState::NotRead;
    quint32 m_settingsBlocks = 0; // bit 0 the common block, bit n channel n, read this refresh
    int m_parkedSettings = 0;     // with back-off: the settings request that waits for its turn

    FailureCount m_failures; // how the outstanding request failed since its last good reply
    FailedRequest m_lastGivenUp;
    bool m_cancelPending = false; // cancelTransfer() takes effect at the next scheduler tick
};
