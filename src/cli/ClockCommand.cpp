#include "cli/ClockRun.h"
#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The worst case of one request: three tries that each wait out the time-out.
qint64 requestBudgetMs(const CliContext& c) {
    return 3 * (c.replyTimeoutMs + 200);
}

QString exitStatusHelp() {
    return QStringLiteral(
        "\nExit status: 0 done, 1 failed (the line was lost, or a meter answered but refused a "
        "write or reads back something else), 2 bad usage, 3 port not opened, 4 no meter "
        "answered, 5 a meter did not answer, so its clock was not read or set (each said on "
        "standard error). Every meter gets its own write and read-back whatever the one before "
        "did; a meter that fails three times in a row on a request is passed over.");
}

bool usage(CliContext& c, const QString& message) {
    c.err << "td700: " << message << "\nTry td700 clock --help.\n";
    c.err.flush();
    return false;
}

// "YYYY-MM-DD HH:MM:SS" from one argument or two (date and time apart), the limits applied
// and said on standard error.
bool parseTime(CliContext& c, const QStringList& words, ClockParts* parts) {
    const QString text = words.join(u' ');
    ClockParts given{};
    if (words.isEmpty() || words.size() > 2 || !ParseClockText(text, &given))
        return usage(
            c, QStringLiteral("'%1' is not a date and time such as 2026-12-24 06:30:00").arg(text));
    QStringList corrections;
    *parts = LimitClockParts(given, &corrections);
    if (!corrections.isEmpty()) {
        c.err << "td700 clock: " << text
              << " is limited: " << corrections.join(QStringLiteral(", ")) << "; "
              << ClockPartsText(*parts) << " is written\n";
        c.err.flush();
    }
    return true;
}

bool parseOrder(CliContext& c, const QCommandLineParser& parser, ClockOrder* order) {
    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return usage(c, QStringLiteral("say what to do: show, set or reserve"));
    const QString action = words.takeFirst().toLower();
    const bool pc = parser.isSet(QStringLiteral("pc"));
    if (action == QStringLiteral("show")) {
        if (!words.isEmpty() || pc)
            return usage(c, QStringLiteral("clock show takes no time"));
        order->action = ClockOrder::Action::Show;
        return true;
    }
    if (action == QStringLiteral("set")) {
        order->action = ClockOrder::Action::Set;
        if (pc == !words.isEmpty())
            return usage(c, QStringLiteral("clock set wants --pc or a date and time such as "
                                           "\"2026-12-24 06:30:00\", one of them"));
        order->pcTime = pc;
        return pc || parseTime(c, words, &order->time);
    }
    if (action == QStringLiteral("reserve")) {
        order->action = ClockOrder::Action::Reserve;
        const QString sw = words.isEmpty() ? QString() : words.takeFirst().toLower();
        if (pc || (sw != QStringLiteral("on") && sw != QStringLiteral("off")))
            return usage(c, QStringLiteral("clock reserve wants on or off, then optionally the "
                                           "start such as \"2026-12-24 06:30:00\""));
        order->reserveOn = sw == QStringLiteral("on");
        order->reserveTime = !words.isEmpty();
        return !order->reserveTime || parseTime(c, words, &order->time);
    }
    return usage(c, QStringLiteral("unknown clock action '%1': show, set or reserve").arg(action));
}

QString reserveText(const DeviceClockSettings& s) {
    return QStringLiteral("%1, %2").arg(s.reserveOn ? QStringLiteral("ON") : QStringLiteral("OFF"),
                                        ClockPartsText(s.reserve));
}

QString differenceText(const MeterClockResult& r) {
    if (!r.differenceSeconds)
        return QStringLiteral("no date and time");
    const qint64 d = *r.differenceSeconds;
    return QStringLiteral("difference %1%2 s (%3)")
        .arg(d > 0 ? QStringLiteral("+") : QString())
        .arg(d)
        .arg(ClockDrift::driftSentence(d));
}

// What a write did, as the meter's line says it: "clock set to ...", "reserved start not
// switched: refused the clock write (exception 4: slave device failure)".
QString writeText(const MeterClockResult& r, const ClockOrder& order) {
    const bool set = order.action == ClockOrder::Action::Set;
    if (!r.taken)
        return (set ? QStringLiteral("clock not set: ")
                    : QStringLiteral("reserved start not switched %1: ")
                          .arg(order.reserveOn ? QStringLiteral("ON") : QStringLiteral("OFF"))) +
               r.problem;
    if (set)
        return QStringLiteral("clock set to ") + ClockPartsText(r.written);
    return QStringLiteral("reserved start switched %1%2")
        .arg(order.reserveOn ? QStringLiteral("ON") : QStringLiteral("OFF"),
             order.reserveTime ? QStringLiteral(", at ") + ClockPartsText(order.time) : QString());
}

void printText(QTextStream& out, const QList<MeterClockResult>& results, const ClockOrder& order) {
    for (const MeterClockResult& r : results) {
        const QString meter = QStringLiteral("Meter %1").arg(r.address);
        if (r.wrote)
            out << meter << ": " << writeText(r, order) << '\n';
        if (!r.answered) {
            // A write that was not taken has said why already.
            if (!r.wrote)
                out << meter << ": "
                    << (r.problem.isEmpty() ? QStringLiteral("no answer") : r.problem) << '\n';
            continue;
        }
        out << meter << ": clock " << r.meterClock << ", PC "
            << r.pcClock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << ", "
            << differenceText(r) << "; reserved start " << reserveText(r.settings) << '\n';
    }
}

QJsonArray partsJson(const ClockParts& parts) {
    QJsonArray a;
    for (int p : parts)
        a.append(p);
    return a;
}

void printJson(QTextStream& out, const QList<MeterClockResult>& results, const ClockOrder& order) {
    QJsonArray meters;
    for (const MeterClockResult& r : results) {
        QJsonObject o{{QStringLiteral("address"), r.address},
                      {QStringLiteral("answered"), r.answered}};
        if (r.wrote) {
            QJsonObject write{{QStringLiteral("taken"), r.taken}};
            if (r.refusedWith)
                write.insert(QStringLiteral("exception"), r.refusedWith);
            if (order.action == ClockOrder::Action::Set)
                write.insert(QStringLiteral("clock"), ClockPartsText(r.written));
            else {
                write.insert(QStringLiteral("reserveOn"), order.reserveOn);
                if (order.reserveTime)
                    write.insert(QStringLiteral("reserveStart"), ClockPartsText(order.time));
            }
            o.insert(QStringLiteral("write"), write);
        }
        if (r.answered) {
            o.insert(QStringLiteral("clock"), r.meterClock);
            o.insert(QStringLiteral("pc"),
                     r.pcClock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            o.insert(QStringLiteral("differenceSeconds"),
                     r.differenceSeconds ? QJsonValue(*r.differenceSeconds) : QJsonValue());
            o.insert(QStringLiteral("reserve"),
                     QJsonObject{{QStringLiteral("on"), r.settings.reserveOn},
                                 {QStringLiteral("start"), ClockPartsText(r.settings.reserve)},
                                 {QStringLiteral("parts"), partsJson(r.settings.reserve)}});
            o.insert(QStringLiteral("settingsClock"), ClockPartsText(r.settings.clock));
        }
        o.insert(QStringLiteral("problem"),
                 r.problem.isEmpty() ? QJsonValue() : QJsonValue(r.problem));
        meters.append(o);
    }
    out << QJsonDocument(meters).toJson(QJsonDocument::Indented);
}

} // namespace

int RunClock(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Reads or sets the clock and the reserved start (the time at which a meter starts "
            "recording by itself) of every meter that answers, one after the other.\n"
            "  td700 clock show                  each meter's clock, the PC's clock, the "
            "difference in seconds (+ the meter is ahead) and the reserved start\n"
            "  td700 clock set --pc              the PC's time, to the second\n"
            "  td700 clock set \"2026-12-24 06:30:00\"\n"
            "  td700 clock reserve on|off [\"2026-12-24 06:30:00\"]\n"
            "Out-of-range parts are limited as the recorder's window limits them (a 31st of "
            "April is written as the 30th) and said. Every write is read back and checked.") +
        exitStatusHelp());
    parser.addPositionalArgument(QStringLiteral("action"),
                                 QStringLiteral("show, set or reserve, with what it takes."));
    parser.addOption(
        {QStringLiteral("pc"), QStringLiteral("set: write the PC's time, to the second.")});
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode, 4))
        return exitCode;
    ClockOrder order;
    if (!parseOrder(c, parser, &order))
        return Exit::Usage;

    EngineSession session(c);
    if (!OpenSessionPort(session, c))
        return Exit::PortNotOpened;
    CommEngine& engine = session.engine();
    ClockWriter writer(engine);
    ClockDrift drift(engine, session.clock());
    const bool scanned =
        session.runUntil([&] { return engine.phase() != CommEngine::Phase::Scanning; },
                         requestBudgetMs(c) * c.meters.size() + 10000);
    if (scanned && engine.phase() == CommEngine::Phase::Closed && session.lostReason().isEmpty()) {
        c.err << "td700: no meter answered on " << c.port.portName << '\n';
        return Exit::NoMeterAnswered;
    }

    // The channel scan and the first settings read run to their end before another meter is
    // selected; a selection would cut them short. A selected meter that stopped answering in
    // them is not waited for.
    using State = CommEngine::SettingsState;
    const CommState& s = engine.state();
    session.runUntil(
        [&] {
            return engine.phase() == CommEngine::Phase::Closed ||
                   engine.settingsState() == State::Complete ||
                   engine.settingsState() == State::Incomplete ||
                   HasStoppedAnswering(engine, s.gSelMeter);
        },
        requestBudgetMs(c) * (13 * c.meters.size() + 13) + 10000);

    QList<MeterClockResult> results;
    for (int k = 0; scanned && k < s.meterCount(); ++k) {
        if (engine.phase() == CommEngine::Phase::Closed)
            break;
        // What the meter before left in the engine goes; after the last one the close does.
        if (k > 0)
            ReleaseMeter(session, writer, requestBudgetMs(c));
        results << RunMeterClock(session, writer, drift, k, order, requestBudgetMs(c));
    }
    const QString lost = session.lostReason();
    session.close();
    if (c.json)
        printJson(c.out, results, order);
    else
        printText(c.out, results, order);
    c.out.flush();

    if (!scanned || !lost.isEmpty() || results.size() < s.meterCount()) {
        c.err << "td700: the clock run did not finish"
              << (lost.isEmpty() ? QString() : QStringLiteral(": ") + AsClause(lost)) << '\n';
        return Exit::Failed;
    }
    bool refused = false, silent = false;
    for (const MeterClockResult& r : results) {
        if (r.problem.isEmpty())
            continue;
        c.err << "td700 clock: meter " << r.address << ": " << r.problem << '\n';
        (r.silent ? silent : refused) = true;
    }
    if (refused)
        return Exit::Failed;
    return silent ? Exit::MeterLost : Exit::Done;
}
