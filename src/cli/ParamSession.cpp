#include "cli/ParamSession.h"

#include "comm/CommState.h"
#include "comm/MeterModels.h"
#include "comm/RequestCodes.h"
#include "paramset/ImageParameterSource.h"
#include "paramset/ParamSet.h"

#include <QElapsedTimer>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define td700_isatty(f) _isatty(_fileno(f))
#else
#include <unistd.h>
#define td700_isatty(f) isatty(fileno(f))
#endif

using namespace RequestCode;

namespace {

// One request may take three time-outs before the engine gives up on it; a transfer that
// makes no progress for longer than that has stopped.
constexpr qint64 kStallMs = 8000;
constexpr qint64 kRequestBudgetMs = 3 * 1200;

} // namespace

bool StdinIsTerminal() {
    return td700_isatty(stdin);
}

bool StderrIsTerminal() {
    return td700_isatty(stderr);
}

QString ParamSession::Meter::describe() const {
    return QStringLiteral("model %1 (%2 channels), firmware %3")
        .arg(modelCode)
        .arg(channels ? QString::number(channels) : QStringLiteral("?"))
        .arg(firmware);
}

// The scan and the monitoring cycle pass a silent meter over by themselves; the settings
// read, the transfers and the clock write are the selected meter's and would go on asking. The
// selected meter's channel descriptions come first: one it gives up is the meter lost.
ParamSession::ParamSession(EngineSession& session, CliContext& context)
    : m_session(session)
    , m_c(context)
    , m_givenUp(session.engine(), [&engine = session.engine()](const FailedRequest& f) {
        return (f.code >= RC_READ_COMMON && f.code < RC_PROBE_CHANNEL) ||
               (f.code >= RC_PROBE_CHANNEL && f.meter == engine.state().gSelMeter);
    }) {
    QObject::connect(&engine(), &CommEngine::requestSent, [this](int code, int) {
        m_monitoring = m_monitoring || code == RC_POLL_STATUS;
    });
}

bool ParamSession::settle(int* exitCode) {
    if (!OpenSessionPort(m_session, m_c)) {
        *exitCode = Exit::PortNotOpened;
        return false;
    }
    CommEngine& e = engine();
    const auto closed = [&] { return e.phase() == CommEngine::Phase::Closed; };
    m_session.runUntil([&] { return e.phase() != CommEngine::Phase::Scanning; },
                       kRequestBudgetMs * m_c.meters.size() + 10000);
    if (closed()) {
        const QString lost = m_session.lostReason();
        if (lost.isEmpty())
            m_c.err << "td700: no meter answered on " << m_c.port.portName << '\n';
        else
            m_c.err << "td700: the port went away: " << lost << '\n';
        *exitCode = lost.isEmpty() ? Exit::NoMeterAnswered : Exit::Failed;
        return false;
    }
    const qint64 settleBudget = kRequestBudgetMs * (onlineMeters().size() * 12 + 13) + 10000;
    m_givenUp.reset();
    m_session.runUntil([&] { return m_monitoring || closed() || bool(m_givenUp); }, settleBudget);
    if (m_givenUp && !closed()) {
        m_c.err << "td700: " << m_givenUp.first()->sentence() << '\n';
        *exitCode = Exit::MeterLost;
        return false;
    }
    if (!m_monitoring || closed()) {
        const QString lost = m_session.lostReason();
        m_c.err << "td700: the settings of the selected meter could not be read"
                << (lost.isEmpty() ? QString() : QStringLiteral(": the port went away: ") + lost)
                << '\n';
        *exitCode = Exit::Failed;
        return false;
    }
    const CommState& s = e.state();
    if (m_c.selectAddress > 0 && s.gSelAddress != m_c.selectAddress) {
        m_c.err << "td700: meter " << m_c.selectAddress << " did not answer on "
                << m_c.port.portName << '\n';
        *exitCode = Exit::NoMeterAnswered;
        return false;
    }
    return true;
}

ParamSession::Meter ParamSession::selected() const {
    const CommEngine& e = m_session.engine();
    const CommState& s = e.state();
    const TextTable& status = e.tables().sprdStatus;
    Meter m;
    m.index = s.gSelMeter;
    m.address = s.gSelAddress;
    m.modelCode = int(status.integer(3, s.gSelMeter + 1));
    m.channels = ChannelCountOfModel(m.modelCode);
    m.firmware = status.text(4, s.gSelMeter + 1);
    return m;
}

QVector<int> ParamSession::onlineMeters() const {
    const CommState& s = m_session.engine().state();
    QVector<int> online;
    for (int k = 0; k < s.meterCount(); ++k)
        if (s.isOnline(k))
            online << k;
    return online;
}

bool ParamSession::waitFor(const std::function<bool()>& done, qint64 maxMs, QString* why) {
    CommEngine& e = engine();
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    m_givenUp.reset();
    const auto progress = QObject::connect(&e, &CommEngine::transferProgress,
                                           [&](int, const QString&) { sinceProgress.restart(); });
    const bool finished = m_session.runUntil(
        [&] {
            return done() || e.phase() == CommEngine::Phase::Closed || bool(m_givenUp) ||
                   sinceProgress.elapsed() > kStallMs;
        },
        maxMs);
    QObject::disconnect(progress);
    if (finished && done())
        return true;
    const QString lost = m_session.lostReason();
    if (!lost.isEmpty())
        *why = QStringLiteral("the port went away: ") + lost;
    else if (m_givenUp)
        *why = QStringLiteral("it ") + m_givenUp.first()->predicate();
    else if (e.phase() == CommEngine::Phase::Closed)
        *why = QStringLiteral("the port was closed");
    else
        *why = QStringLiteral("meter %1 stopped answering").arg(e.state().gSelAddress);
    return false;
}

bool ParamSession::select(int index, QString* why) {
    CommEngine& e = engine();
    m_givenUp.reset();
    if (e.state().gSelMeter == index && e.state().gSettingsRead)
        return true;
    bool read = false;
    const auto c = QObject::connect(&e, &CommEngine::settingsRead, [&] { read = true; });
    e.selectMeter(index + 1);
    bool ok = e.state().gSelMeter == index;
    if (!ok)
        *why = QStringLiteral("it does not answer");
    else
        ok = waitFor([&] { return read; }, kRequestBudgetMs * 14, why);
    QObject::disconnect(c);
    return ok;
}

bool ParamSession::runTransfer(int code, QString* why) {
    CommEngine& e = engine();
    const bool terminal = StderrIsTerminal();
    bool done = false;
    int shown = -1;
    const auto printed = QObject::connect(
        &e, &CommEngine::transferProgress, [&](int percent, const QString& message) {
            if (percent == shown && !message.endsWith(QStringLiteral("Complete")))
                return;
            shown = percent;
            m_c.err << (terminal ? "\r" : "") << message << ' ' << percent << '%'
                    << (terminal ? "\x1b[K" : "\n");
            m_c.err.flush();
        });
    const auto finished = [&] { done = true; };
    const auto a = QObject::connect(&e, &CommEngine::uploadCompleted, finished);
    const auto b = QObject::connect(&e, &CommEngine::downloadCompleted, finished);
    bool ok = e.post(code);
    if (!ok)
        *why = QStringLiteral("the engine did not take the request");
    else
        ok = waitFor([&] { return done; }, kRequestBudgetMs * 40 + 10000, why);
    if (terminal && shown >= 0)
        m_c.err << '\n';
    m_c.err.flush();
    QObject::disconnect(printed);
    QObject::disconnect(a);
    QObject::disconnect(b);
    return ok;
}

bool ParamSession::upload(ParamSet& set, QString* why) {
    if (!runTransfer(RC_UPLOAD_COMMON, why))
        return false;
    const Meter m = selected();
    ShowDeviceTablesInSet(set, engine().tables(), engine().state().gChannelCount, m.firmware);
    return true;
}

bool ParamSession::download(ParamSet& set, QString* why) {
    TakeImageFromTables(set);
    const ImageParameterSource source(set);
    engine().setParameterSource(&source);
    const bool ok = runTransfer(RC_DL_CH_KEY, why);
    engine().setParameterSource(nullptr);
    return ok;
}

bool UploadSelectedMeter(CliContext& c, ParamSet& set, ParamSession::Meter* meter, int* exitCode) {
    EngineSession session(c);
    ParamSession bus(session, c);
    if (!bus.settle(exitCode))
        return false;
    *meter = bus.selected();
    QString why;
    if (!bus.upload(set, &why)) {
        c.err << "td700: the upload from meter " << meter->address << " did not complete: " << why
              << '\n';
        *exitCode = bus.givenUp() ? Exit::MeterLost : Exit::Failed;
        return false;
    }
    session.close();
    return true;
}
