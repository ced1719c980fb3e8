// The request chain: which request follows a good reply. Monitoring (11, 12 per online meter),
// the meter scan (99), the channel scan (901..), the settings read (100..), the parameter
// upload (200..) and download (501..), and the clock write (601).
#include "comm/AlarmHistoryHook.h"
#include "comm/CommEngine.h"
#include "comm/DownloadData.h"
#include "comm/MeterList.h"
#include "comm/MeterModels.h"
#include "comm/MeterOrder.h"
#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "comm/TransferSequence.h"

#include <algorithm>
#include <utility>

using namespace RequestCode;

namespace {

constexpr bool within(int code, int first, int last) {
    return code >= first && code <= last;
}

// After the reply for channel `channel`, a channel run stops at the selected meter's count:
// the runs are cut after channel 2, 4, 6 or 12.
bool lastChannel(int channel, int channelCount) {
    return channel >= 12 ||
           ((channel == 2 || channel == 4 || channel == 6) && channelCount <= channel);
}

} // namespace

void CommEngine::afterReadReply() {
    CommState& s = m_state;
    const int code = s.gCommand;
    if (code == RC_POLL_STATUS) {
        s.gCommand = RC_POLL_VALUES;
    } else if (code == RC_POLL_VALUES) {
        const int polled = s.gCurMeter;
        m_health.visitAnswered(polled);
        const int next = nextMeterToPoll(s.gCurMeter);
        if (next >= 0)
            s.gCurMeter = next;
        Q_EMIT meterPolled(polled, true);
        if (s.gCurMeter == s.gSelMeter && m_alarmHistory)
            m_alarmHistory->CheckAlarmHistory();
        s.gPollCycleDone = true;
        Q_EMIT pollCycleDone();
        s.gCommand = RC_POLL_STATUS;
        if (const int parked = takeParkedSettings(s.gCurMeter))
            s.gCommand = parked;
    } else if (code == RC_PROBE) {
        afterProbeReply();
    } else if (code == RC_READ_COMMON) {
        s.gCommand = RC_READ_CHANNEL;
    } else if (within(code, RC_READ_CHANNEL, RC_READ_CHANNEL + 11)) {
        if (lastChannel(code - RC_READ_COMMON, s.gChannelCount))
            settingsReadDone();
        else
            s.gCommand = code + 1;
    } else if (within(code, RC_PROBE_CHANNEL, RC_PROBE_CHANNEL + 11)) {
        // Every meter is asked for as many channels as the selected meter has.
        if (lastChannel(code - RC_PROBE_CHANNEL + 1, s.gChannelCount))
            endOfChannelScan();
        else
            s.gCommand = code + 1;
    } else if (code == RC_SEND_CLOCK_FRAME) {
        clockFrameEnded(true);
    } else if (const auto step = UploadStep(code, s.gChannelCount, s.gDeviceVersion)) {
        afterUploadStep(*step);
    }
    // Any other code is asked again.
}

void CommEngine::afterWriteReply() {
    CommState& s = m_state;
    const int code = s.gCommand;
    if (within(code, RC_SEND_CLOCK_FRAME, RC_SEND_CLOCK_FRAME + 2))
        clockFrameEnded(true);
    else if (const auto step = DownloadStep(code, s.gChannelCount, s.gDeviceVersion))
        afterDownloadStep(*step);
}

// A clock frame ended, answered or given up. After a write to the selected meter its settings
// are read, so that the tables show what it now holds; so they are after a frame that cut into
// a read of them. After a frame to another meter (its clock window reads it back with a frame
// of its own) monitoring goes on.
void CommEngine::clockFrameEnded(bool taken) {
    CommState& s = m_state;
    const QByteArray& frame = s.gClockFrame;
    const bool write = frame.size() > 1 && quint8(frame[1]) == 16;
    const bool toSelected = !frame.isEmpty() && quint8(frame[0]) == s.gSelAddress;
    if ((write && toSelected) || m_settingsState == SettingsState::Reading) {
        s.gCommand = RC_READ_COMMON;
        beginSettingsRead();
    } else {
        s.gCommand = RC_POLL_STATUS;
    }
    Q_EMIT clockFrameDone(taken);
}

void CommEngine::afterUploadStep(const TransferStep& step) {
    Q_EMIT transferProgress(step.percent(), step.message(true));
    m_state.gCommand = step.next;
    if (step.complete)
        Q_EMIT uploadCompleted();
}

void CommEngine::afterDownloadStep(const TransferStep& step) {
    Q_EMIT transferProgress(step.percent(), step.message(false));
    m_state.gCommand = step.next;
    if (!step.complete)
        return;
    // The meter now holds the channel settings written: the tables say so at once, not only
    // after its next read (a monitor of the meter shows its new ranges and decimals).
    if (m_parameters)
        for (int channel = 1; channel <= m_state.gChannelCount; ++channel)
            if (const auto written = DownloadRegisters(*m_parameters, 40001 + 100 * channel, 93))
                DecodeWrittenChannel(m_state, m_tables, channel, *written);
    Q_EMIT downloadCompleted();
}

void CommEngine::settingsReadDone() {
    m_state.gSettingsRead = true;
    m_state.gCommand = RC_POLL_STATUS;
    Q_EMIT settingsRead();
}

// ---- how far the settings are read ------------------------------------------------------

void CommEngine::beginSettingsRead() {
    m_settingsBlocks = 0;
    m_parkedSettings = 0;
    setSettingsState(SettingsState::Reading);
}

// A settings block of the selected meter was decoded: by the settings read or by an upload,
// which fills the same tables.
void CommEngine::noteSettingsBlock(int code) {
    int block = -1;
    if (code == RC_READ_COMMON || code == RC_UPLOAD_COMMON)
        block = 0;
    else if (within(code, RC_READ_CHANNEL, RC_READ_CHANNEL + 11))
        block = code - RC_READ_COMMON;
    else if (within(code, RC_UPLOAD_CHANNEL, RC_UPLOAD_CHANNEL + 11))
        block = code - RC_UPLOAD_COMMON;
    if (block < 0)
        return;
    m_settingsBlocks |= 1u << block;
    if (settingsMissing().isEmpty())
        setSettingsState(SettingsState::Complete);
}

QList<int> CommEngine::settingsMissing() const {
    QList<int> missing;
    const int channels = std::clamp(m_state.gChannelCount, 0, 12);
    for (int block = 0; block <= channels; ++block)
        if (!(m_settingsBlocks & (1u << block)))
            missing << block;
    return missing;
}

void CommEngine::setSettingsState(SettingsState state) {
    if (state == m_settingsState)
        return;
    const SettingsState before = std::exchange(m_settingsState, state);
    if (before == SettingsState::Incomplete && state == SettingsState::Complete)
        Q_EMIT statusText(4, QString());
    Q_EMIT settingsStateChanged(state);
}

// A settings block failed three times: the request keeps its code and goes to the selected
// meter again, so the read completes once the meter answers. With back-off the other meters
// are not held up meanwhile: the request waits for the selected meter's turn in the cycle.
void CommEngine::settingsReadFailed() {
    CommState& s = m_state;
    setSettingsState(SettingsState::Incomplete);
    Q_EMIT statusText(4, tr("Meter [%1] ==> Settings read incomplete").arg(s.gSelAddress));
    if (m_health.backoffLimit() == 0)
        return;
    m_health.visitFailed(s.gSelMeter);
    const int next = nextMeterToPoll(s.gSelMeter);
    if (next < 0 || next == s.gSelMeter)
        return;
    m_parkedSettings = s.gCommand;
    s.gCommand = RC_POLL_STATUS;
    s.gResumeMeter = next;
}

int CommEngine::takeParkedSettings(int meter) {
    if (m_parkedSettings == 0 || meter != m_state.gSelMeter)
        return 0;
    return std::exchange(m_parkedSettings, 0);
}

// ---- the monitoring cycle's next meter --------------------------------------------------

// The online meter after `current`, wrapping round. Backed-off meters are passed over, each
// pass one cycle of their wait; when every online meter waits, the cycle turns over without
// a request until the first is due.
int CommEngine::nextMeterToPoll(int current) {
    const CommState& s = m_state;
    int next = FollowingOnlineMeter(s, current);
    const int passes = (s.meterCount() + 1) * (MeterHealth::MaxBackoffCycles + 1);
    for (int i = 0; next >= 0 && i < passes && m_health.skipThisCycle(next); ++i) {
        Q_EMIT meterSkipped(next);
        next = FollowingOnlineMeter(s, next);
    }
    return next;
}

void CommEngine::afterProbeReply() {
    CommState& s = m_state;
    if (s.gSelAddress == 0)
        selectScannedMeter(s.gCurMeter);
    if (s.gCurMeter < s.gMeterOnline.size())
        s.gMeterOnline[s.gCurMeter] = true;
    s.gResumeMeter = NextMeterIndex(s);
    if (s.gResumeMeter != 0) {
        s.gCurMeter = s.gResumeMeter;
        s.gNextCommand = RC_PROBE;
        return;
    }
    endOfProbePhase();
}

// Every meter was probed and at least one answered: the online views open and the channel
// scan starts at the first online meter.
void CommEngine::endOfProbePhase() {
    CommState& s = m_state;
    Q_EMIT statusText(4, QString());
    keepSelectedMeterOnline();
    setPhase(Phase::Polling);
    Q_EMIT portClosedMenus(false);
    // The channel scan starts at the first online meter itself, not at meter 0, which may
    // be silent.
    s.gResumeMeter = -1;
    s.gCurMeter = NextOnlineMeter(s, 0);
    if (s.gCurMeter >= 0) {
        s.gCommand = RC_PROBE_CHANNEL;
    } else {
        s.gCurMeter = 0;
        s.gCommand = RC_PROBE;
    }
}

void CommEngine::endOfChannelScan() {
    CommState& s = m_state;
    const int next = NextOnlineMeter(s, s.gCurMeter + 1);
    if (next > s.gCurMeter) {
        s.gResumeMeter = next;
        s.gCommand = RC_PROBE_CHANNEL;
        return;
    }
    s.gResumeMeter = -1;
    updateParamVersion();
    s.gCurMeter = 0;
    s.gCommand = RC_READ_COMMON;
    beginSettingsRead();
}

void CommEngine::updateParamVersion() {
    const QString text = m_tables.sprdStatus.text(4, m_state.gSelMeter + 1);
    const double version = VersionNumber(text);
    if (text.isEmpty() || version >= 2.1)
        m_state.gParamVersion = 1.08;
    else if (version >= 1.16)
        m_state.gParamVersion = 1.07;
    else
        m_state.gParamVersion = 1.06;
}

void CommEngine::selectScannedMeter(int meter) {
    CommState& s = m_state;
    if (meter < 0 || meter >= s.gMeterAddress.size())
        return;
    s.gSelMeter = meter;
    s.gSelAddress = s.gMeterAddress[meter];
    Q_EMIT selectedMeterChanged(s.gSelAddress);
    const TextTable& status = m_tables.sprdStatus;
    if (const int channels = ChannelCountOfModel(status.integer(3, meter + 1)))
        s.gChannelCount = channels;
    s.gDeviceVersion = VersionNumber(status.text(4, meter + 1));
    if (m_alarmHistory)
        m_alarmHistory->PrepareAlarmHistory();
}

// A selected meter that did not answer this scan (chosen in an earlier session, or given on
// the command line) would hold every settings read up for ever: the first online meter takes
// its place.
void CommEngine::keepSelectedMeterOnline() {
    CommState& s = m_state;
    if (s.gSelAddress > 0)
        ResolveSelMeter(s);
    const bool valid = s.gSelAddress > 0 && s.gMeterAddress.value(s.gSelMeter) == s.gSelAddress;
    if (valid && s.isOnline(s.gSelMeter))
        return;
    const int first = NextOnlineMeter(s, 0);
    if (first >= 0)
        selectScannedMeter(first);
}

// ---- failures and cancels ---------------------------------------------------------------

void CommEngine::noteBadFrame(const ReplyCollector::Outcome& outcome) {
    if (outcome.verdict == ReplyCollector::Verdict::Exception)
        m_failures.noteRefused(outcome.frame.size() > 2 ? quint8(outcome.frame[2]) : 0);
    else
        m_failures.noteDamaged();
}

bool CommEngine::cancelTransfer() {
    if (m_phase != Phase::Polling)
        return false;
    m_cancelPending = true;
    restartIfStalled();
    return true;
}

// At the scheduler tick after a cancel: gCommand is what the chain would send now, a repeat or
// its next step. Monitoring goes out instead, unless a code was posted since (it still wins).
void CommEngine::applyCancel() {
    CommState& s = m_state;
    m_cancelPending = false;
    m_parkedSettings = 0;
    s.gRetryCount = 0;
    m_failures.reset();
    const int abandoned = std::exchange(s.gCommand, RC_POLL_STATUS);
    // A read posted since the cancel has begun afresh; one left half-way stays incomplete.
    if (within(abandoned, RC_READ_COMMON, RC_READ_CHANNEL + 11) && s.gNextCommand == 0 &&
        m_settingsState != SettingsState::Complete)
        setSettingsState(SettingsState::Incomplete);
    // A clock write that would have been repeated ends here, so that its writer moves on.
    if (abandoned == RC_SEND_CLOCK_FRAME)
        Q_EMIT clockFrameDone(false);
}
