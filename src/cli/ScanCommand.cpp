#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "comm/MeterModels.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The worst case of one meter in the scan: three probes that each wait out the time-out.
constexpr qint64 kProbeBudgetMs = 3 * 1200;

struct ScanLine {
    int address = 0;
    bool online = false;
    QString model, firmware;
    int channels = 0;
};

QList<ScanLine> scanLines(const CommEngine& engine) {
    const CommState& s = engine.state();
    const TextTable& status = engine.tables().sprdStatus;
    QList<ScanLine> lines;
    for (int k = 0; k < s.meterCount(); ++k) {
        ScanLine l;
        l.address = s.gMeterAddress[k];
        l.online = s.isOnline(k);
        if (l.online) {
            l.model = status.text(3, k + 1);
            l.channels = ChannelCountOfModel(status.integer(3, k + 1));
            l.firmware = status.text(4, k + 1);
        }
        lines << l;
    }
    return lines;
}

void printText(QTextStream& out, const QList<ScanLine>& lines) {
    for (const ScanLine& l : lines) {
        out << "address " << l.address << ": " << (l.online ? "OK" : "NG");
        if (l.online)
            out << ", model " << l.model << ", "
                << (l.channels ? QString::number(l.channels) : QStringLiteral("?"))
                << " channels, firmware " << l.firmware;
        out << '\n';
    }
}

void printJson(QTextStream& out, const QList<ScanLine>& lines) {
    QJsonArray array;
    for (const ScanLine& l : lines) {
        QJsonObject o{{QStringLiteral("address"), l.address},
                      {QStringLiteral("link"), l.online ? "OK" : "NG"}};
        o.insert(QStringLiteral("model"), l.online ? QJsonValue(l.model.toInt()) : QJsonValue());
        o.insert(QStringLiteral("channels"),
                 l.online && l.channels ? QJsonValue(l.channels) : QJsonValue());
        o.insert(QStringLiteral("firmware"), l.online ? QJsonValue(l.firmware) : QJsonValue());
        array.append(o);
    }
    out << QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace

int RunScan(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Probes every configured meter once and lists what answered.") +
        ExitStatusHelp(false, false));
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode))
        return exitCode;

    EngineSession session(c);
    if (!OpenSessionPort(session, c))
        return Exit::PortNotOpened;
    CommEngine& engine = session.engine();
    const bool scanned =
        session.runUntil([&] { return engine.phase() != CommEngine::Phase::Scanning; },
                         kProbeBudgetMs * c.meters.size() + 10000);
    const QList<ScanLine> lines = scanLines(engine);
    const bool anyOnline =
        std::any_of(lines.begin(), lines.end(), [](const ScanLine& l) { return l.online; });
    const QString lost = session.lostReason();
    session.close();
    if (c.json)
        printJson(c.out, lines);
    else
        printText(c.out, lines);
    c.out.flush();
    if (!scanned || !lost.isEmpty()) {
        c.err << "td700: the scan did not finish"
              << (lost.isEmpty() ? QString() : QStringLiteral(": ") + lost) << '\n';
        return Exit::Failed;
    }
    if (!anyOnline) {
        c.err << "td700: no meter answered on " << c.port.portName << '\n';
        return Exit::NoMeterAnswered;
    }
    return Exit::Done;
}
