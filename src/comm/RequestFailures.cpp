#include "comm/RequestFailures.h"

#include "comm/RequestCodes.h"

#include <QStringList>

using namespace RequestCode;

namespace {

constexpr bool within(int code, int first, int last) {
    return code >= first && code <= last;
}

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

FailedRequest FailureCount::giveUp(int code, int meter, int address) {
    FailedRequest given = m_current;
    given.code = code;
    given.meter = meter;
    given.address = address;
    reset();
    return given;
}

QString FailedRequest::predicate() const {
    const QString purpose = RequestPurpose(code);
    if (isRefusal()) {
        const QString what = purpose.startsWith(QStringLiteral("its "))
                                 ? QStringLiteral("the request for ") + purpose
                                 : purpose;
        return QStringLiteral("refused %1 (%2)").arg(what, ExceptionText(exceptionCode));
    }
    QStringList parts;
    if (timeouts > 0)
        parts << counted(timeouts, "time-out", "time-outs");
    if (damaged > 0)
        parts << counted(damaged, "damaged reply", "damaged replies");
    if (refused > 0)
        parts << counted(refused, "refusal", "refusals") +
                     QStringLiteral(" (%1)").arg(ExceptionText(exceptionCode));
    const QString how =
        parts.size() > 1 ? QStringList(parts.mid(0, parts.size() - 1)).join(QStringLiteral(", ")) +
                               QStringLiteral(" and ") + parts.last()
                         : parts.value(0, QStringLiteral("failures"));
    return QStringLiteral("%1 (%2 in a row on %3)")
        .arg(damaged == 0 && refused == 0 ? QStringLiteral("does not answer")
                                          : QStringLiteral("does not answer usably"),
             how, purpose);
}

QString FailedRequest::sentence() const {
    return QStringLiteral("Meter %1 %2").arg(address).arg(predicate());
}

QString ExceptionText(int code) {
    const char* name = nullptr;
    switch (code) {
    case 1:
        name = "illegal function";
        break;
    case 2:
        name = "illegal data address";
        break;
    case 3:
        name = "illegal data value";
        break;
    case 4:
        name = "slave device failure";
        break;
    case 5:
        name = "acknowledge";
        break;
    case 6:
        name = "slave device busy";
        break;
    case 8:
        name = "memory parity error";
        break;
    case 10:
        name = "gateway path unavailable";
        break;
    case 11:
        name = "gateway target device failed to respond";
        break;
    default:
        return QStringLiteral("exception %1").arg(code);
    }
    return QStringLiteral("exception %1: %2").arg(code).arg(QLatin1String(name));
}

QString RequestPurpose(int code) {
    if (code == RC_POLL_STATUS || code == RC_POLL_VALUES)
        return QStringLiteral("its present values");
    if (code == RC_PROBE)
        return QStringLiteral("the scan");
    if (within(code, RC_READ_COMMON, RC_READ_CHANNEL + 11))
        return QStringLiteral("its settings");
    if (within(code, RC_UPLOAD_COMMON, RC_UPLOAD_CHANNEL + 11) ||
        within(code, RC_UPLOAD_MEM_FORMULA_A, RC_UPLOAD_CH_FORMULA + 11) ||
        code == RC_UPLOAD_MEM_FORMULA_B)
        return QStringLiteral("the upload");
    if (within(code, RC_DL_CH_KEY, RC_DL_CH_FORMULA + 11))
        return QStringLiteral("the download");
    if (code == RC_SEND_CLOCK_FRAME)
        return QStringLiteral("the clock write");
    if (within(code, RC_PROBE_CHANNEL, RC_PROBE_CHANNEL + 11))
        return QStringLiteral("its channel descriptions");
    return QStringLiteral("request %1").arg(code);
}
