// The request chain: which request follows a good reply. Monitoring (11, 12 per online meter),
// the meter scan (99), the channel scan (901..), the settings read (100..), the parameter
// upload (200..) and download (501..), and the clock write (601).
#include "comm/AlarmHistoryHook.h"
#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "comm/MeterOrder.h"
#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "comm/TransferSequence.h"

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
        const int next = FollowingOnlineMeter(s, s.gCurMeter);
        if (next >= 0)
            s.gCurMeter = next;
        Q_EMIT meterPolled(polled, true);
        if (s.gCurMeter == s.gSelMeter && m_alarmHistory)
            m_alarmHistory->CheckAlarmHistory();
        s.gPollCycleDone = true;
        Q_EMIT pollCycleDone();
        s.gCommand = RC_POLL_STATUS;
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
    } else if (const auto step = UploadStep(code, s.gChannelCount, s.gDeviceVersion)) {
        afterUploadStep(*step);
    }
    // Any other code is asked again.
}

void CommEngine::afterWriteReply() {
    CommState& s = m_state;
    const int code = s.gCommand;
    if (within(code, RC_SEND_CLOCK_FRAME, RC_SEND_CLOCK_FRAME + 2))
        s.gCommand = RC_READ_COMMON; // the tables then show what the meter now holds
    else if (const auto step = DownloadStep(code, s.gChannelCount, s.gDeviceVersion))
        afterDownloadStep(*step);
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
    if (step.complete)
        Q_EMIT downloadCompleted();
}

void CommEngine::settingsReadDone() {
    m_state.gSettingsRead = true;
    m_state.gCommand = RC_POLL_STATUS;
    Q_EMIT settingsRead();
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
