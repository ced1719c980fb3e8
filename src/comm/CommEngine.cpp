#include "comm/CommEngine.h"

#include "comm/AlarmHistoryHook.h"
#include "comm/DownloadData.h"
#include "comm/FrameLog.h"
#include "comm/FrameSender.h"
#include "comm/LineSettings.h"
#include "comm/MeterList.h"
#include "comm/MeterModels.h"
#include "comm/MeterOrder.h"
#include "comm/ModbusRtu.h"
#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "comm/RequestTable.h"
#include "comm/SerialLink.h"
#include "core/Clock.h"
#include "core/WinRgb.h"

namespace {

constexpr int kTxIntervalMs = 50;
constexpr int kReplyTimeoutMs = 1000;
constexpr int kLampMs = 100;
// A lamp may go dark this much late: then it does so with the next request or reply instead of
// waking the program for itself, which with polling at the standard interval is nearly always.
constexpr int kLampSlackMs = 25;
// The longest Modbus RTU frame, in characters.
constexpr int kLongestFrame = 256;
// A request is sent at most this many times in a row before the escalation moves on.
constexpr int kMaxTries = 3;

// The link text of a meter that answers, in the status list (column 2).
const QString kLinkOk = QStringLiteral("OK");

// Slave address 0 is the broadcast address, above 247 the reserved ones: a read never goes
// there.
constexpr bool isSlaveAddress(int address) {
    return address >= 1 && address <= 247;
}

} // namespace

CommEngine::CommEngine(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_tmrTX(clock, QStringLiteral("tmrTX"), kTxIntervalMs, [this] { onTxTick(); })
    , m_tmrRX_TOVR(clock, QStringLiteral("tmrRX_TOVR"), kReplyTimeoutMs,
                   [this] { onTimeoutTick(); })
    , m_tmrBall_Send(clock, QStringLiteral("tmrBall_Send"), kLampMs)
    , m_tmrBall_Recv(clock, QStringLiteral("tmrBall_Recv"), kLampMs) {
    m_tmrBall_Send.setSlackMs(kLampSlackMs);
    m_tmrBall_Recv.setSlackMs(kLampSlackMs);
    m_tmrBall_Send.setHandler([this] {
        m_tmrBall_Send.stop();
        Q_EMIT sendLamp(false);
    });
    m_tmrBall_Recv.setHandler([this] {
        m_tmrBall_Recv.stop();
        Q_EMIT receiveLamp(false);
    });
}

CommEngine::~CommEngine() {
    stopTimers();
    if (m_link) {
        disconnect(m_link, nullptr, this, nullptr);
        if (m_phase != Phase::Closed)
            m_link->close();
    }
}

void CommEngine::setLink(SerialLink* link) {
    if (m_link == link)
        return;
    if (m_phase != Phase::Closed)
        closePort();
    if (m_link)
        disconnect(m_link, nullptr, this, nullptr);
    m_link = link;
    if (link) {
        connect(link, &SerialLink::receiveThresholdReached, this, &CommEngine::onReceive);
        connect(link, &SerialLink::linkLost, this, &CommEngine::onLinkLost);
        connect(link, &SerialLink::opened, this, &CommEngine::onLinkOpened);
        connect(link, &SerialLink::openFailed, this, &CommEngine::onLinkOpenFailed);
    }
}

SerialLink* CommEngine::link() const {
    return m_link;
}

void CommEngine::setPortSettings(const PortSettings& settings) {
    m_settings = settings;
    applyInterval();
    m_health.setBackoffLimit(settings.backoffLimit());
}

// The standard interval counts from the end of a reply's handling. The shortest counts the
// silence that ends a frame from the reply's last byte, so that the handling takes from it.
void CommEngine::applyInterval() {
    m_shortest = m_settings.shortestInterval();
    m_frameSilenceUs = m_settings.frameSilenceUs();
    const auto line = ParseLineSettings(m_settings.lineSettings());
    m_silenceLimitUs = (line ? line->wireTimeUs(kLongestFrame) : 0) + m_frameSilenceUs;
    if (m_shortest)
        m_tmrTX.setIntervalUs(m_frameSilenceUs);
    else
        m_tmrTX.setInterval(m_settings.txIntervalMs());
}

bool CommEngine::isPortOpen() const {
    return m_link && m_link->isOpen();
}

bool CommEngine::openPort() {
    if (m_phase != Phase::Closed)
        return true;
    if (!m_link)
        return false;
    if (!m_link->open(m_settings.portName, m_settings.lineSettings())) {
        // The state stays closed, without a message box; the status bar tells why, for a
        // port that cannot be opened is most often a fix away (an adapter, a group).
        m_lastFailure = m_link->errorString();
        if (!m_lastFailure.isEmpty())
            Q_EMIT statusText(
                4, tr("Port [%1] ==> Not opened: %2").arg(m_settings.portName, m_lastFailure));
        return false;
    }
    m_lastFailure.clear();
    if (!m_link->isOpen()) {
        // The link connects in the background; the window stays responsive meanwhile.
        setPhase(Phase::Connecting);
        return true;
    }
    startScan();
    return true;
}

void CommEngine::onLinkOpened() {
    if (m_phase == Phase::Connecting && isPortOpen())
        startScan();
}

void CommEngine::onLinkOpenFailed(const QString& reason) {
    if (m_phase != Phase::Connecting)
        return;
    closeByEngine(tr("Port [%1] ==> Not connected: %2").arg(m_settings.portName, reason), reason);
}

void CommEngine::startScan() {
    CommState& s = m_state;
    m_awaitingReply = false;
    m_closeWhenIdle = false;
    m_reply.clear();
    // Whatever an earlier program left on the line: every meter is unknown until it answers.
    m_guard.open(QList<int>(s.gMeterAddress.cbegin(), s.gMeterAddress.cend()));
    m_heldRequest.clear();
    m_health.reset(s.meterCount());
    m_parkedSettings = 0;
    m_failures.reset();
    m_cancelPending = false;
    setPhase(Phase::Scanning);
    Q_EMIT portOpenChanged(true);
    clearLinkTexts();
    m_tables.sprdComm.setRowCount(0);
    // Every meter is probed again; until it answers it counts as off line.
    s.gMeterOnline.fill(false);
    s.gRetryCount = 0;
    s.gNextCommand = RequestCode::RC_PROBE;
    s.gResumeMeter = 0;
    s.gCurMeter = 0;
    ++s.gPortOpens;
    m_silenceSinceUs = -1;
    applyInterval();
    m_tmrTX.start();
}

void CommEngine::closePort() {
    if (m_phase == Phase::Closed && !isPortOpen())
        return;
    closeByEngine(QString(), QString());
}

void CommEngine::closeWhenIdle() {
    if (m_phase == Phase::Closed)
        return;
    if (!m_awaitingReply || !isPortOpen()) {
        closePort();
        return;
    }
    m_closeWhenIdle = true;
}

void CommEngine::closeByEngine(const QString& panel4, const QString& reason) {
    stopTimers();
    if (m_link && (m_link->isOpen() || m_link->isOpening()))
        m_link->close();
    m_awaitingReply = false;
    m_closeWhenIdle = false;
    m_reply.clear();
    m_guard.clear();
    m_heldRequest.clear();
    m_parkedSettings = 0;
    m_cancelPending = false;
    m_lastFailure = reason;
    // Closed by hand, the link cells have nothing left to say; closed by the engine, they show
    // how each meter last answered.
    if (reason.isEmpty())
        clearLinkTexts();
    m_state.gResumeMeter = -1;
    m_state.gNextCommand = 0;
    setPhase(Phase::Closed);
    if (!panel4.isNull())
        Q_EMIT statusText(4, panel4);
    Q_EMIT portOpenChanged(false);
    Q_EMIT portClosedMenus(true);
}

void CommEngine::onLinkLost(const QString& reason) {
    if (m_phase == Phase::Closed)
        return;
    closeByEngine(tr("Port [%1] ==> Closed: %2").arg(m_settings.portName, reason), reason);
}

void CommEngine::stopTimers() {
    m_tmrTX.stop();
    m_tmrRX_TOVR.stop();
}

void CommEngine::setPhase(Phase phase) {
    if (phase == m_phase)
        return;
    m_phase = phase;
    Q_EMIT phaseChanged(phase);
}

void CommEngine::clearLinkTexts() {
    TextTable& t = m_tables.sprdStatus;
    if (t.rowCount() == 0 || t.columnCount() < 2)
        return;
    t.clearData(2, 1, t.columnCount(), t.rowCount());
    // A green or black link cell without its text would still read as a link state.
    t.setBlockBackColour(2, 1, 2, t.rowCount(), TextTable::NoColour);
    t.setBlockForeColour(2, 1, 2, t.rowCount(), TextTable::NoColour);
}

double CommEngine::selectedVersion() const {
    return VersionNumber(m_tables.sprdStatus.text(4, m_state.gSelMeter + 1));
}

QByteArray CommEngine::buildFrame(const RequestEntry& entry, int slave, bool* ok) const {
    *ok = false;
    if (entry.function == 3) {
        *ok = true;
        return BuildReadFrame(slave, entry.startRegister, entry.count);
    }
    if (entry.function == 16) {
        if (!m_parameters)
            return {};
        const auto values = DownloadRegisters(*m_parameters, entry.startRegister, entry.count);
        if (!values)
            return {};
        *ok = true;
        return BuildWriteFrame(slave, entry.startRegister, *values);
    }
    // The clock frame is prepared whole, CRC included, by the clock window.
    const QByteArray& frame = m_state.gClockFrame;
    *ok = frame.size() >= 4 && CrcCheck(frame);
    return *ok ? frame : QByteArray();
}

bool CommEngine::canBuild(int code) const {
    const auto entry = LookupRequest(code, selectedVersion());
    if (!entry)
        return true; // posting a code no request answers to stops the chain, as it always has
    // Slave address 0 is the broadcast address: nothing goes to "the selected meter" before
    // one is selected, least of all a download.
    if (entry->target == RequestEntry::Target::Selected && m_state.gSelAddress <= 0)
        return false;
    if (entry->function == 3)
        return true;
    bool ok = false;
    buildFrame(*entry, m_state.gSelAddress, &ok);
    return ok;
}

bool CommEngine::post(int code) {
    // Nothing goes out while the port is closed, and the probe of every meter is never cut
    // short: it decides which meters are polled at all.
    if (m_phase != Phase::Polling || !canBuild(code))
        return false;
    m_state.gNextCommand = code;
    if (code == RequestCode::RC_READ_COMMON)
        beginSettingsRead();
    restartIfStalled();
    return true;
}

void CommEngine::restartIfStalled() {
    if (m_phase != Phase::Closed && isPortOpen() && !m_awaitingReply && !m_tmrTX.isEnabled())
        m_tmrTX.start();
}

void CommEngine::onTxTick() {
    m_tmrTX.stop();
    if (m_closeWhenIdle) {
        closePort();
        return;
    }
    if (waitsForSilence())
        return;
    CommState& s = m_state;
    if (m_cancelPending)
        applyCancel();
    if (s.gMeterAddress.isEmpty()) {
        if (isPortOpen())
            closeByEngine(tr("No meter enabled ==> Port Closed"),
                          tr("no meter is enabled in the meter list"));
        return;
    }
    if (s.gResumeMeter > -1) {
        s.gCurMeter = s.gResumeMeter;
        s.gResumeMeter = -1;
    }
    s.gCurMeter = std::clamp(s.gCurMeter, 0, s.gLastMeter);
    if (s.gNextCommand > 0) {
        s.gCommand = s.gNextCommand;
        s.gNextCommand = 0;
    }
    drainLink();
    Q_EMIT sendLamp(true);
    m_tmrBall_Send.start();

    const auto entry = LookupRequest(s.gCommand, selectedVersion());
    if (!entry)
        return; // a code no request answers to: the chain rests until a code is posted
    int slave = s.gMeterAddress[s.gCurMeter];
    if (entry->target == RequestEntry::Target::Selected) {
        if (s.gSelAddress <= 0)
            return;
        if (s.gSelMeter >= 0 && s.gSelMeter <= s.gLastMeter)
            s.gCurMeter = s.gSelMeter;
        slave = s.gSelAddress;
    }
    // The clock frame carries its own address, and its replies count for that meter.
    if (s.gCommand == RequestCode::RC_SEND_CLOCK_FRAME && !s.gClockFrame.isEmpty())
        if (const qsizetype meter = s.gMeterAddress.indexOf(quint8(s.gClockFrame[0])); meter >= 0)
            s.gCurMeter = int(meter);
    // Every other request goes to one meter.
    if (entry->function != 0 && !isSlaveAddress(slave))
        return;
    if (ClearsPollCycleDone(s.gCommand))
        s.gPollCycleDone = false;
    bool ok = false;
    const QByteArray frame = buildFrame(*entry, slave, &ok);
    if (!ok)
        return;
    transmit(frame);
}

// The shortest interval sends only on a line that has been silent for the time that ends a
// frame. Bytes that came since the last look (a late reply right behind the reply taken,
// noise) move the request on, so that whatever began on the line before it is seen whole
// between requests, where a late reply is recognised, and no tail of it is left to the next
// request. Bytes are noted when they are read, never before they arrived, so the silence is
// never counted short. A line that never falls silent that long carries no frame: after the
// longest frame's time the request goes anyway.
bool CommEngine::waitsForSilence() {
    if (!m_shortest || !isPortOpen())
        return false;
    drainLink();
    const qint64 now = m_clock.nowUs();
    if (m_silenceSinceUs < 0)
        m_silenceSinceUs = now;
    const qint64 quietAt = m_lastByteUs + m_frameSilenceUs;
    const qint64 giveUpAt = m_silenceSinceUs + m_silenceLimitUs;
    if (quietAt <= now || giveUpAt <= now) {
        m_silenceSinceUs = -1;
        return false;
    }
    m_tmrTX.startAt(std::min(quietAt, giveUpAt));
    return true;
}

// The request ended (answered, given up or refused): the next goes after the interval.
void CommEngine::scheduleNextRequest() {
    if (m_closeWhenIdle) {
        closePort();
        return;
    }
    if (m_shortest)
        m_tmrTX.startAt(m_lastByteUs + m_frameSilenceUs);
    else
        m_tmrTX.start();
}

QByteArray CommEngine::takeInput() {
    QByteArray bytes = m_link->readAll();
    if (!bytes.isEmpty())
        m_lastByteUs = m_clock.nowUs();
    return bytes;
}

// Sends `request`, or first the fence that keeps a late reply from answering it: the request
// is then held and goes as soon as the fence is answered.
void CommEngine::transmit(const QByteArray& request) {
    if (m_closeWhenIdle) {
        closePort();
        return;
    }
    CommState& s = m_state;
    const QByteArray fence = m_guard.fenceBefore(request);
    m_heldRequest = fence.isEmpty() ? QByteArray() : request;
    const QByteArray& frame = fence.isEmpty() ? request : fence;
    const ReplyShape shape = ReplyShapeOf(frame);
    s.gTxFrame = frame;
    LogFrame(QStringLiteral("SEND"), frame, m_tables.sprdComm);
    if (m_link)
        m_link->setReceiveThreshold(shape.length);
    if (!isPortOpen())
        return;
    m_tmrRX_TOVR.start();
    m_reply.start(frame, m_guard.lateWhileAwaiting(frame));
    m_guard.sent(frame);
    m_awaitingReply = true;
    ++m_totals.requests;
    if (!fence.isEmpty())
        ++m_totals.fences;
    Q_EMIT requestSent(fence.isEmpty() ? s.gCommand : int(RequestCode::RC_FENCE), s.gCurMeter);
    SendFrame(*m_link, frame, m_settings.rtsOn());
}

void CommEngine::onReceive() {
    if (!m_link)
        return;
    if (!m_awaitingReply) {
        // Bytes that answer nothing (a reply that came after its time-out and after the next
        // request had been handled): looked at for late replies, then dropped, so they can
        // never pass for a later reply.
        drainLink();
        return;
    }
    Q_EMIT receiveLamp(true);
    m_tmrBall_Recv.start();
    m_reply.add(takeInput());
    evaluateReceived(false);
}

// The reply is looked for among everything received since the request went out, so noise or
// a stale tail before it does not cost a repeat. Each request still ends as exactly one good
// frame, bad frame or time-out: the bytes passed over are logged with the reply but never
// counted on their own. A reply that began but never completed is a time-out, as a receive
// threshold of the reply's length would have it.
void CommEngine::evaluateReceived(bool timedOut) {
    dropLateReplies();
    const ReplyCollector::Outcome outcome = m_reply.evaluate(timedOut);
    using Verdict = ReplyCollector::Verdict;
    if (outcome.verdict == Verdict::Wait) {
        m_link->setReceiveThreshold(outcome.missing);
        return;
    }
    m_tmrRX_TOVR.stop();
    m_awaitingReply = false;
    if (outcome.verdict == Verdict::CutShort || outcome.verdict == Verdict::Silent) {
        m_guard.unanswered();
        replyTimedOut(outcome);
        return;
    }
    const int row = LogFrame(QStringLiteral("RECV"), m_reply.logBytes(), m_tables.sprdComm);
    if (outcome.verdict != Verdict::Reply) {
        m_guard.unanswered();
        watchAfter(outcome);
        noteBadFrame(outcome);
        badFrame(row); // damaged, from another slave, not this reply, or refused
        return;
    }
    m_guard.answered();
    watchAfter(outcome);
    if (m_heldRequest.isEmpty())
        goodFrame(outcome.frame);
    else
        fenceAnswered(outcome.frame, row);
}

// The request ended: until the next one goes out, whatever its meter sends is late. A late
// reply right behind the one taken (the reply to a repeat, in a slow link) settles what the
// meter owed, so that the next request needs no fence.
void CommEngine::watchAfter(const ReplyCollector::Outcome& outcome) {
    m_reply.watch(outcome, m_guard.lateBetweenRequests());
    dropLateReplies();
}

void CommEngine::drainLink() {
    if (!m_link)
        return;
    const QByteArray bytes = takeInput();
    if (m_reply.isWatching() && !bytes.isEmpty()) {
        m_reply.add(bytes);
        dropLateReplies();
    }
    m_link->discardInput();
}

// Replies to requests given up before, recognised by their shape: logged as "LATE" and
// dropped. Each one settles what was sent to its slave before it.
void CommEngine::dropLateReplies() {
    for (QList<QByteArray> late = m_reply.takeLateReplies(); !late.isEmpty();
         late = m_reply.takeLateReplies()) {
        for (const QByteArray& frame : std::as_const(late)) {
            LogFrame(QStringLiteral("LATE"), frame, m_tables.sprdComm);
            m_guard.late(frame);
            ++m_totals.lateReplies;
        }
        m_reply.setLate(m_awaitingReply ? m_guard.lateWhileAwaiting(m_state.gTxFrame)
                                        : m_guard.lateBetweenRequests());
    }
}

// The fence is answered: nothing the meter owed from before can come any more, and the held
// request goes at once. The fence's reply is counted as a good frame and decoded into nothing;
// one that does not name the meter's model counts as a bad frame of the held request (the
// opening fence reads no model: the scan has yet to learn it).
void CommEngine::fenceAnswered(const QByteArray& frame, int loggedRow) {
    CommState& s = m_state;
    const int row = s.gCurMeter + 1;
    const qint64 model = m_tables.sprdStatus.integer(3, row);
    if (!LateReplyGuard::isOpeningFence(s.gTxFrame) && model > 0 && frame.size() >= 5 &&
        quint8(frame[3]) * 256 + quint8(frame[4]) != model) {
        m_failures.noteDamaged();
        badFrame(loggedRow);
        return;
    }
    m_tables.sprdCommState.addToNumber(1, row, 1);
    ++m_totals.goodFrames;
    if (!isPortOpen())
        return;
    const QByteArray held = std::exchange(m_heldRequest, {});
    if (m_cancelPending) {
        m_tmrTX.start(); // a cancelled request does not go out behind its fence
        return;
    }
    drainLink();
    if (m_guard.fenceBefore(held).isEmpty()) {
        transmit(held);
        return;
    }
    // Only when every fence was taken: the held request counts a failed try, so that the
    // escalation still ends its tries.
    m_failures.noteTimeout();
    if (++s.gRetryCount >= kMaxTries && failureEscalation())
        return;
    if (isPortOpen())
        scheduleNextRequest();
}

void CommEngine::goodFrame(const QByteArray& frame) {
    CommState& s = m_state;
    m_tables.sprdCommState.addToNumber(1, s.gCurMeter + 1, 1);
    ++m_totals.goodFrames;
    s.gRetryCount = 0;
    m_failures.reset();
    // A status word alone is no return: a meter that answers it but not the values that
    // follow is still lost.
    if (s.gCommand != RequestCode::RC_POLL_STATUS && m_health.noteAnswer(s.gCurMeter))
        Q_EMIT meterAnswering(s.gCurMeter, true);
    if (quint8(frame[1]) == 16) {
        afterWriteReply();
    } else {
        DecodeReply(s, m_tables, s.gCommand, frame);
        noteSettingsBlock(s.gCommand);
        m_tables.showAnswering(s.gCurMeter + 1, true);
        afterReadReply();
    }
    if (!isPortOpen())
        return;
    drainLink();
    scheduleNextRequest();
}

void CommEngine::badFrame(int loggedRow) {
    CommState& s = m_state;
    m_tables.sprdCommState.addToNumber(3, s.gCurMeter + 1, 1);
    m_tables.sprdComm.setBlockBackColour(0, loggedRow, m_tables.sprdComm.columnCount(), loggedRow,
                                         WinRgb::Red);
    ++m_totals.badFrames;
    if (++s.gRetryCount >= kMaxTries && failureEscalation())
        return;
    if (!isPortOpen())
        return;
    drainLink();
    scheduleNextRequest();
}

void CommEngine::onTimeoutTick() {
    m_tmrRX_TOVR.stop();
    if (!m_awaitingReply)
        return;
    if (m_link)
        m_reply.add(takeInput());
    evaluateReceived(true);
}

// No reply, or one that never completed: the meter reads "NG", the time-out is counted and
// the request repeated (the third failure escalates). What did arrive is logged in red.
void CommEngine::replyTimedOut(const ReplyCollector::Outcome& outcome) {
    m_awaitingReply = false;
    if (m_reply.received() > 0) {
        const int logged = LogFrame(QStringLiteral("RECV"), m_reply.logBytes(), m_tables.sprdComm);
        m_tables.sprdComm.setBlockBackColour(0, logged, m_tables.sprdComm.columnCount(), logged,
                                             WinRgb::Red);
    }
    watchAfter(outcome);
    CommState& s = m_state;
    const int row = s.gCurMeter + 1;
    m_tables.showAnswering(row, false);
    m_tables.sprdCommState.addToNumber(2, row, 1);
    ++m_totals.timeouts;
    m_failures.noteTimeout();
    if (++s.gRetryCount >= kMaxTries && failureEscalation())
        return;
    if (isPortOpen())
        scheduleNextRequest();
}

// The third failure in a row: a silent meter is passed over (during the scan it goes off
// line). Returns true when it closed the port, which ends the handler that called it.
bool CommEngine::failureEscalation() {
    using namespace RequestCode;
    CommState& s = m_state;
    s.gRetryCount = 0;
    const int code = s.gCommand;
    m_lastGivenUp =
        m_failures.giveUp(code, s.gCurMeter, s.gTxFrame.isEmpty() ? 0 : quint8(s.gTxFrame[0]));
    Q_EMIT requestGivenUp(m_lastGivenUp);
    noteMeterFailed(s.gCurMeter);
    if (code == RC_PROBE) {
        Q_EMIT statusText(4,
                          tr("Meter [%1] ==> COMM. Error").arg(s.gMeterAddress.value(s.gCurMeter)));
        if (s.gCurMeter >= 0 && s.gCurMeter < s.gMeterOnline.size())
            s.gMeterOnline[s.gCurMeter] = false;
        s.gResumeMeter = NextMeterIndex(s);
        if (s.gResumeMeter != 0) {
            s.gCurMeter = s.gResumeMeter;
            s.gNextCommand = RC_PROBE;
            return false;
        }
        // The probe has passed the last meter. Whether any meter answered is told by the
        // online flags of this scan (the status list's colours may be left from an earlier
        // one).
        if (NextOnlineMeter(s, 0) < 0) {
            closeByEngine(QString(), tr("no meter answered"));
            return true;
        }
        // The channel descriptions are read however the last probe ended.
        s.gNextCommand = 0;
        endOfProbePhase();
        return false;
    }
    if (code >= RC_PROBE_CHANNEL && code < RC_PROBE_CHANNEL + 12) {
        // A meter that stops answering during the channel scan leaves the scan to the next
        // meter, which starts at its first channel; the scan never comes back round to it.
        endOfChannelScan();
        return false;
    }
    if (code == RC_SEND_CLOCK_FRAME) {
        // Sent again and again, a frame the meter refuses or never answers would hold the bus
        // for ever: it is given up (after a write, the settings read that follows shows what
        // the selected meter holds; a read's window says what it lacks).
        if (quint8(s.gClockFrame[1]) == 16)
            Q_EMIT statusText(
                4, tr("Meter [%1] ==> Clock write failed").arg(s.gMeterAddress.value(s.gCurMeter)));
        clockFrameEnded(false);
        return false;
    }
    if (code >= RC_READ_COMMON && code < RC_READ_CHANNEL + 12) {
        settingsReadFailed();
        if (m_parkedSettings != 0)
            return false;
    }
    if (code == RC_POLL_STATUS || code == RC_POLL_VALUES) {
        m_health.visitFailed(s.gCurMeter);
        Q_EMIT meterPolled(s.gCurMeter, false);
        // The next meter of the cycle gets the same request.
        s.gResumeMeter = nextMeterToPoll(s.gCurMeter);
        if (const int parked = takeParkedSettings(s.gResumeMeter))
            s.gCommand = parked;
        return false;
    }
    // The next online meter gets the same request; a request for the selected meter goes to
    // it again. With none left the meter is kept: it is never -1.
    s.gResumeMeter = NextOnlineMeter(s, s.gCurMeter + 1);
    if (s.gResumeMeter == -1) {
        const int first = NextOnlineMeter(s, 0);
        if (first >= 0)
            s.gCurMeter = first;
    }
    return false;
}

void CommEngine::noteMeterFailed(int meter) {
    if (m_health.noteFailure(meter))
        Q_EMIT meterAnswering(meter, false);
}

void CommEngine::selectMeter(int row) {
    CommState& s = m_state;
    const TextTable& status = m_tables.sprdStatus;
    if (row < 1 || row > status.rowCount() || row - 1 > s.gLastMeter)
        return;
    if (status.text(2, row) != kLinkOk || m_phase != Phase::Polling)
        return;
    if (const int channels = ChannelCountOfModel(status.integer(3, row)))
        s.gChannelCount = channels;
    s.gDeviceVersion = VersionNumber(status.text(4, row));
    s.gSelMeter = row - 1;
    s.gSelAddress = int(status.integer(1, row));
    Q_EMIT selectedMeterChanged(s.gSelAddress);
    ResolveSelMeter(s);
    if (m_alarmHistory)
        m_alarmHistory->PrepareAlarmHistory();
    s.gNextCommand = RequestCode::RC_READ_COMMON;
    s.gResumeMeter = row - 1;
    beginSettingsRead();
    restartIfStalled();
}

void CommEngine::countClear() {
    TextTable& t = m_tables.sprdCommState;
    if (t.rowCount() > 0 && t.columnCount() > 0)
        t.clearData(1, 1, t.columnCount(), t.rowCount());
}
