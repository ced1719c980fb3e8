#include "comm/TransferSequence.h"

#include "comm/RequestCodes.h"
#include "comm/RequestTable.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Firmware from which the parameter set carries formulas.
constexpr double kFormulaVersion = 1.16;
// The upload total of firmware before 1.16, whatever the channel count: the common block and
// six channel blocks.
constexpr int kOldUploadTotal = 74 + 93 * 6;

// The transfer's progress texts, shown in the status bar of the windows.
struct TransferSequenceTexts {
    Q_DECLARE_TR_FUNCTIONS(TransferSequence)
};

int fullUploadTotal(int n) {
    return 74 + 93 * n + (n == 12 ? 156 : 78) + 50 * n;
}

} // namespace

int RoundedPercent(qint64 part, qint64 whole) {
    if (whole <= 0)
        return 0;
    const qint64 scaled = 100 * part;
    qint64 q = scaled / whole;
    const qint64 twiceRest = 2 * (scaled % whole);
    if (twiceRest > whole || (twiceRest == whole && q % 2 != 0))
        ++q;
    return int(std::clamp<qint64>(q, 0, 100));
}

int TransferStep::percent() const {
    return RoundedPercent(registers, total);
}

QString TransferStep::message(bool upload) const {
    if (upload)
        return complete ? UploadCompleteMessage() : UploadingMessage();
    return complete ? DownloadCompleteMessage() : DownloadingMessage();
}

QString UploadingMessage() {
    return TransferSequenceTexts::tr("Parameter Uploading(TD700==>PC) ...");
}

QString UploadCompleteMessage() {
    return TransferSequenceTexts::tr("Parameter Upload(TD700==>PC) Complete");
}

QString DownloadingMessage() {
    return TransferSequenceTexts::tr("Parameter Downloading(PC==>TD700) ...");
}

QString DownloadCompleteMessage() {
    return TransferSequenceTexts::tr("Parameter Download(PC==>TD700) Complete");
}

std::optional<TransferStep> UploadStep(int answered, int n, double version) {
    using namespace RequestCode;
    const bool formulas = version >= kFormulaVersion || n == 12;
    const int blockTotal = version >= kFormulaVersion ? fullUploadTotal(n) : kOldUploadTotal;
    const int memFormulas = n == 12 ? 156 : 78;
    TransferStep s;
    const auto finish = [&s] {
        s.complete = true;
        s.next = RC_POLL_STATUS;
    };

    if (answered >= RC_UPLOAD_COMMON && answered <= RC_UPLOAD_COMMON + 12) {
        const int channel = answered - RC_UPLOAD_COMMON;
        s.registers = 74 + 93 * channel;
        s.total = blockTotal;
        if (channel < n)
            s.next = answered + 1;
        else if (formulas)
            s.next = RC_UPLOAD_MEM_FORMULA_A;
        else
            finish();
        return s;
    }
    // Past the channel blocks only the full total makes sense: a 12-channel meter with old
    // firmware still reads its formulas.
    s.total = fullUploadTotal(n);
    if (answered == RC_UPLOAD_MEM_FORMULA_A) {
        s.registers = 74 + 93 * n + 78;
        s.next = n == 12 ? RC_UPLOAD_MEM_FORMULA_B : RC_UPLOAD_CH_FORMULA;
        return s;
    }
    if (answered == RC_UPLOAD_MEM_FORMULA_B) {
        s.registers = 74 + 93 * n + 156;
        s.next = RC_UPLOAD_CH_FORMULA;
        return s;
    }
    if (answered >= RC_UPLOAD_CH_FORMULA && answered < RC_UPLOAD_CH_FORMULA + 12) {
        const int channel = answered - RC_UPLOAD_MEM_FORMULA_A;
        s.registers = 74 + 93 * n + memFormulas + 50 * channel;
        if (channel < n)
            s.next = answered + 1;
        else
            finish();
        return s;
    }
    return std::nullopt;
}

std::optional<TransferStep> DownloadStep(int answered, int n, double version) {
    using namespace RequestCode;
    const bool formulas = version >= kFormulaVersion;
    TransferStep s;
    s.total = formulas ? 143 * n + 142 : 93 * n + 64;
    const auto finish = [&s] {
        s.complete = true;
        s.next = RC_POLL_STATUS;
    };
    // Within each run of per-channel codes, the run's last channel hands over to the next run.
    const auto channelRun = [&](int first, int afterLast, int registersBefore, int perChannel) {
        const int channel = answered - first + 1;
        s.registers = registersBefore + perChannel * channel;
        s.next = channel < n ? answered + 1 : afterLast;
    };

    if (answered >= RC_DL_CH_KEY && answered < RC_DL_CH_KEY + 12)
        channelRun(RC_DL_CH_KEY, RC_DL_CH_HEAD, 0, 1);
    else if (answered >= RC_DL_CH_HEAD && answered < RC_DL_CH_HEAD + 12)
        channelRun(RC_DL_CH_HEAD, RC_DL_CH_BODY, n, 9);
    else if (answered >= RC_DL_CH_BODY && answered < RC_DL_CH_BODY + 12)
        channelRun(RC_DL_CH_BODY, RC_DL_COMMON_A, 10 * n, 83);
    else if (answered == RC_DL_COMMON_A) {
        s.registers = 93 * n + 17;
        s.next = RC_DL_COMMON_B;
    } else if (answered == RC_DL_COMMON_B) {
        s.registers = 93 * n + 64;
        if (formulas)
            s.next = RC_DL_MEM_FORMULA;
        else
            finish();
    } else if (answered == RC_DL_MEM_FORMULA) {
        s.registers = 93 * n + 142;
        s.next = RC_DL_CH_FORMULA;
    } else if (answered >= RC_DL_CH_FORMULA && answered < RC_DL_CH_FORMULA + 12) {
        channelRun(RC_DL_CH_FORMULA, 0, 93 * n + 142, 50);
        if (s.next == 0)
            finish();
    } else {
        return std::nullopt;
    }
    return s;
}

QVector<std::pair<int, int>> DownloadWrites(int channels, double version) {
    QVector<std::pair<int, int>> frames;
    int code = RequestCode::RC_DL_CH_KEY;
    // The sequence ends by itself; the bound only guards against a table that never does.
    for (int guard = 0; guard < 100; ++guard) {
        if (const auto entry = LookupRequest(code, version); entry && !entry->isRead())
            frames.append({entry->startRegister, entry->count});
        const auto step = DownloadStep(code, channels, version);
        if (!step || step->complete)
            break;
        code = step->next;
    }
    return frames;
}
