#include "cli/EngineSession.h"

#include "comm/MeterList.h"
#include "comm/SerialLink.h"
#include "simlink/ProgramLinks.h"

#include <QEventLoop>
#include <QTimer>

namespace {
// A device server's connect time-out and a little more.
constexpr qint64 kConnectWaitMs = 5000;
} // namespace

bool ParseEngineCommand(QCommandLineParser& parser, const QStringList& arguments, CliContext& c,
                        int* exitCode, int positionals) {
    AddCommonOptions(parser);
    // The command word is not an argument of the command.
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        c.err << "td700: " << parser.errorText() << "\n\n"
              << CommandHelp(parser, arguments.value(1));
        c.err.flush();
        *exitCode = Exit::Usage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        c.out << CommandHelp(parser, arguments.value(1));
        c.out.flush();
        *exitCode = Exit::Done;
        return false;
    }
    if (parser.positionalArguments().size() > positionals) {
        c.err << "td700: unexpected argument '" << parser.positionalArguments().value(positionals)
              << "'\n\n"
              << CommandHelp(parser, arguments.value(1));
        c.err.flush();
        *exitCode = Exit::Usage;
        return false;
    }
    if (!LoadCommonOptions(parser, c)) {
        *exitCode = Exit::Usage;
        return false;
    }
    if (c.meters.isEmpty()) {
        c.err << "td700: no meter to talk to: mark addresses in " << c.paths.setEnvIni()
              << " or give --meters\n";
        c.err.flush();
        *exitCode = Exit::Usage;
        return false;
    }
    return true;
}

EngineSession::EngineSession(const CliContext& c)
    : m_link(CreateProgramLink(c.port.portName, m_clock))
    , m_engine(std::make_unique<CommEngine>(m_clock)) {
    QStringList marks;
    for (int address : c.meters) {
        while (marks.size() < address)
            marks << QString();
        marks[address - 1] = QStringLiteral("O");
    }
    CommState& s = m_engine->state();
    BuildMeterTables(marks, s, m_engine->tables());
    if (c.selectAddress > 0) {
        s.gSelAddress = c.selectAddress;
        ResolveSelMeter(s);
    }
    m_engine->setPortSettings(c.port);
    m_engine->tmrRX_TOVR().setInterval(c.replyTimeoutMs);
    m_replyTimeoutMs = c.replyTimeoutMs;
    m_engine->setLink(m_link.get());
    if (m_link)
        QObject::connect(m_link.get(), &SerialLink::linkLost,
                         [this](const QString& reason) { m_lostReason = reason; });
}

EngineSession::~EngineSession() {
    close();
    m_engine.reset();
}

void EngineSession::close() {
    CommEngine& e = *m_engine;
    e.closeWhenIdle();
    runUntil([&e] { return e.phase() == CommEngine::Phase::Closed; }, m_replyTimeoutMs + 500);
    e.closePort();
}

bool EngineSession::open(QString* why) {
    using Phase = CommEngine::Phase;
    if (m_engine->openPort()) {
        // A device server is connected to in the background; its outcome decides.
        const auto connecting = [this] { return m_engine->phase() == Phase::Connecting; };
        runUntil([&] { return !connecting(); }, kConnectWaitMs);
        if (connecting())
            m_engine->closePort();
        if (m_engine->phase() != Phase::Closed)
            return true;
        *why = m_engine->lastFailure();
        if (why->isEmpty())
            *why = QStringLiteral("no connection was made");
        return false;
    }
    *why = m_link ? m_link->errorString() : QString();
    if (why->isEmpty())
        *why = QStringLiteral("the port cannot be opened");
    return false;
}

bool OpenSessionPort(EngineSession& session, CliContext& c, const char* speaker) {
    QString why;
    if (session.open(&why))
        return true;
    c.err << speaker << ": cannot open port " << c.port.portName << ": " << AsClause(why) << '\n';
    return false;
}

bool EngineSession::runUntil(const std::function<bool()>& done, qint64 maxMs) {
    if (done())
        return true;
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    CommEngine* e = m_engine.get();
    const QList<QMetaObject::Connection> connections{
        QObject::connect(e, &CommEngine::requestSent, &loop, check),
        QObject::connect(e, &CommEngine::meterPolled, &loop, check),
        QObject::connect(e, &CommEngine::phaseChanged, &loop, check),
        QObject::connect(e, &CommEngine::settingsRead, &loop, check),
        QObject::connect(e, &CommEngine::portOpenChanged, &loop, check),
        QObject::connect(e, &CommEngine::meterAnswering, &loop, check),
        QObject::connect(e, &CommEngine::requestGivenUp, &loop, check),
        QObject::connect(e, &CommEngine::meterSkipped, &loop, check),
        QObject::connect(e, &CommEngine::settingsStateChanged, &loop, check),
    };
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(int(std::min<qint64>(maxMs, std::numeric_limits<int>::max())));
    loop.exec();
    for (const auto& connection : connections)
        QObject::disconnect(connection);
    return done();
}

GiveUpWatch::GiveUpWatch(CommEngine& engine, std::function<bool(const FailedRequest&)> counts)
    : m_connection(QObject::connect(&engine, &CommEngine::requestGivenUp,
                                    [this, counts = std::move(counts)](const FailedRequest& f) {
                                        if (!m_first && counts(f))
                                            m_first = f;
                                    })) {}

GiveUpWatch::~GiveUpWatch() {
    QObject::disconnect(m_connection);
}
