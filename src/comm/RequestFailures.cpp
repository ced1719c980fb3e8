#include "comm/RequestFailures.h"

#include "comm/RequestCodes.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringList>

using namespace RequestCode;

namespace {

// The sentences are built of parts; in the desktop program each part is translated (the
// command line installs no translator, so it reads them as written here).
struct RequestFailuresTexts {
    Q_DECLARE_TR_FUNCTIONS(RequestFailures)
};

constexpr bool within(int code, int first, int last) {
    return code >= first && code <= last;
}

// What a request code is for, untranslated; "its ..." names something of the meter's.
const char* purposeText(int code) {
    if (code == RC_POLL_STATUS || code == RC_POLL_VALUES)
        return QT_TRANSLATE_NOOP("RequestFailures", "its present values");
    if (code == RC_PROBE)
        return QT_TRANSLATE_NOOP("RequestFailures", "the scan");
    if (within(code, RC_READ_COMMON, RC_READ_CHANNEL + 11))
        return QT_TRANSLATE_NOOP("RequestFailures", "its settings");
    if (within(code, RC_UPLOAD_COMMON, RC_UPLOAD_CHANNEL + 11) ||
        within(code, RC_UPLOAD_MEM_FORMULA_A, RC_UPLOAD_CH_FORMULA + 11) ||
        code == RC_UPLOAD_MEM_FORMULA_B)
        return QT_TRANSLATE_NOOP("RequestFailures", "the upload");
    if (within(code, RC_DL_CH_KEY, RC_DL_CH_FORMULA + 11))
        return QT_TRANSLATE_NOOP("RequestFailures", "the download");
    if (code == RC_SEND_CLOCK_FRAME)
        return QT_TRANSLATE_NOOP("RequestFailures", "the clock write");
    if (within(code, RC_PROBE_CHANNEL, RC_PROBE_CHANNEL + 11))
        return QT_TRANSLATE_NOOP("RequestFailures", "its channel descriptions");
    return nullptr;
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
        const char* own = purposeText(code);
        const QString what = own && QByteArrayView(own).startsWith("its ")
                                 ? RequestFailuresTexts::tr("the request for %1").arg(purpose)
                                 : purpose;
        return RequestFailuresTexts::tr("refused %1 (%2)").arg(what, ExceptionText(exceptionCode));
    }
    QStringList parts;
    if (timeouts > 0)
        parts << (timeouts == 1 ? RequestFailuresTexts::tr("%1 time-out")
                                : RequestFailuresTexts::tr("%1 time-outs"))
                     .arg(timeouts);
    if (damaged > 0)
        parts << (damaged == 1 ? RequestFailuresTexts::tr("%1 damaged reply")
                               : RequestFailuresTexts::tr("%1 damaged replies"))
                     .arg(damaged);
    if (refused > 0)
        parts << (refused == 1 ? RequestFailuresTexts::tr("%1 refusal (%2)")
                               : RequestFailuresTexts::tr("%1 refusals (%2)"))
                     .arg(refused)
                     .arg(ExceptionText(exceptionCode));
    const QString how = parts.size() > 1 ? RequestFailuresTexts::tr("%1 and %2")
                                               .arg(QStringList(parts.mid(0, parts.size() - 1))
                                                        .join(RequestFailuresTexts::tr(", ")),
                                                    parts.last())
                                         : parts.value(0, RequestFailuresTexts::tr("failures"));
    return RequestFailuresTexts::tr("%1 (%2 in a row on %3)")
        .arg(damaged == 0 && refused == 0 ? RequestFailuresTexts::tr("does not answer")
                                          : RequestFailuresTexts::tr("does not answer usably"),
             how, purpose);
}

QString FailedRequest::sentence() const {
    return RequestFailuresTexts::tr("Meter %1 %2").arg(address).arg(predicate());
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
        return RequestFailuresTexts::tr("exception %1").arg(code);
    }
    // The standard names stay as the Modbus references spell them, in every language.
    return RequestFailuresTexts::tr("exception %1: %2").arg(code).arg(QLatin1String(name));
}

QString RequestPurpose(int code) {
    if (const char* text = purposeText(code))
        return RequestFailuresTexts::tr(text);
    return RequestFailuresTexts::tr("request %1").arg(code);
}
