#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "comm/ChannelUnits.h"
#include "comm/RegisterMap.h"
#include "comm/RequestCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace {

// Generous bounds for the run: a scan probe, a request of the channel scan or the settings
// read, and a monitoring step, each in the worst case of three time-outs.
constexpr qint64 kRequestBudgetMs = 3 * 1200;

QJsonArray rowsOf(const TextTable& t) {
    QJsonArray rows;
    for (int r = 1; r <= t.rowCount(); ++r) {
        QJsonArray row;
        for (int c = 0; c <= t.columnCount(); ++c)
            row.append(t.text(c, r));
        rows.append(row);
    }
    return rows;
}

void printJson(QTextStream& out, const CommEngine& engine) {
    const CommState& s = engine.state();
    const DeviceTables& t = engine.tables();
    QJsonArray addresses, online;
    for (int k = 0; k < s.meterCount(); ++k) {
        addresses.append(s.gMeterAddress[k]);
        online.append(s.isOnline(k));
    }
    const QJsonObject globals{
        {QStringLiteral("gSelMeter"), s.gSelMeter},
        {QStringLiteral("gSelAddress"), s.gSelAddress},
        {QStringLiteral("gChannelCount"), s.gChannelCount},
        {QStringLiteral("gDeviceVersion"), s.gDeviceVersion},
        {QStringLiteral("gParamVersion"), s.gParamVersion},
        {QStringLiteral("gMeterAddress"), addresses},
        {QStringLiteral("gMeterOnline"), online},
    };
    const QJsonObject tables{
        {QStringLiteral("sprdStatus"), rowsOf(t.sprdStatus)},
        {QStringLiteral("sprdMON"), rowsOf(t.sprdMON)},
        {QStringLiteral("sprdCommState"), rowsOf(t.sprdCommState)},
        {QStringLiteral("sprdP_Common"), rowsOf(t.sprdP_Common)},
        {QStringLiteral("sprdP_CH"), rowsOf(t.sprdP_CH)},
        {QStringLiteral("sprdFormual_Mem"), rowsOf(t.sprdFormual_Mem)},
        {QStringLiteral("sprdFormual_CH"), rowsOf(t.sprdFormual_CH)},
    };
    out << QJsonDocument(QJsonObject{{QStringLiteral("globals"), globals},
                                     {QStringLiteral("tables"), tables}})
               .toJson(QJsonDocument::Indented);
}

// Device text fields keep their padding; a listing shows them without it.

// A channel's present value in its number of decimals, or dashes while the meter reports
// the channel invalid (two state bits per channel; channels 1..6 in column 7, 7..12 in 6).
QString valueOf(const TextTable& mon, int row, int channel) {
    const int word = int(mon.integer(channel <= 6 ? 7 : 6, row));
    const int shift = 2 * ((channel - 1) % 6);
    if ((word >> shift) & 3)
        return QStringLiteral("----");
    const int decimals =
        int(std::clamp<qint64>(mon.integer(ChannelFirstColumn(channel) + 2, row), 0, 4));
    return QString::number(mon.number(12 + channel, row), 'f', decimals);
}

void printText(QTextStream& out, const CommEngine& engine) {
    const CommState& s = engine.state();
    const TextTable& mon = engine.tables().sprdMON;
    for (int k = 0; k < s.meterCount(); ++k) {
        const int row = k + 1;
        out << "Meter " << s.gMeterAddress[k];
        if (!s.isOnline(k)) {
            out << ": no answer\n";
            continue;
        }
        int channels = ChannelCountOfModel(mon.integer(2, row));
        if (channels == 0)
            channels = s.gChannelCount;
        out << ": model " << mon.text(2, row) << ", " << channels << " channels, firmware "
            << mon.text(3, row) << ", clock " << mon.text(4, row) << ", link " << mon.text(1, row)
            << '\n';
        for (int ch = 1; ch <= channels; ++ch) {
            const int first = ChannelFirstColumn(ch);
            out << QStringLiteral("  CH%1  %2  %3 %4\n")
                       .arg(ch, 2, 10, QLatin1Char('0'))
                       .arg(DeviceText(mon.text(first, row)), -10)
                       .arg(valueOf(mon, row, ch), 12)
                       .arg(UnitText(int(mon.integer(first + 3, row)), mon.text(first + 1, row)));
        }
    }
}

} // namespace

int RunPoll(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Scans the bus, reads the selected meter's settings, polls every meter that answered "
        "and prints the present values."));
    parser.addOptions({
        {QStringLiteral("cycles"), QStringLiteral("Complete monitoring cycles to run (default 1)."),
         QStringLiteral("N")},
        {QStringLiteral("seconds"),
         QStringLiteral("Poll for this many seconds instead of a number of cycles."),
         QStringLiteral("S")},
    });
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode))
        return exitCode;
    const auto positive = [&](const char* name, int* value) {
        bool ok = false;
        *value = parser.value(QLatin1String(name)).toInt(&ok);
        if (ok && *value > 0)
            return true;
        c.err << "td700: --" << name << " wants a whole number above 0\n";
        return false;
    };
    int cycles = 1, seconds = 0;
    if (parser.isSet(QStringLiteral("cycles")) && parser.isSet(QStringLiteral("seconds"))) {
        c.err << "td700: give --cycles or --seconds, not both\n";
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("cycles")) && !positive("cycles", &cycles))
        return Exit::Usage;
    if (parser.isSet(QStringLiteral("seconds")) && !positive("seconds", &seconds))
        return Exit::Usage;

    EngineSession session(c);
    QString why;
    if (!session.open(&why)) {
        c.err << "td700: cannot open port " << c.port.portName << ": " << why << '\n';
        return Exit::PortNotOpened;
    }
    CommEngine& engine = session.engine();
    // Every online meter counts a visit of the monitoring cycle each time it is answered or
    // passed over, so a meter that falls silent after the scan cannot hold the run up.
    std::map<int, int> visits;
    bool monitoring = false;
    QObject::connect(&engine, &CommEngine::meterPolled, [&](int meter, bool) { ++visits[meter]; });
    QObject::connect(&engine, &CommEngine::requestSent, [&](int code, int) {
        monitoring = monitoring || code == RequestCode::RC_POLL_STATUS;
    });

    const auto closed = [&] { return engine.phase() == CommEngine::Phase::Closed; };
    session.runUntil([&] { return engine.phase() != CommEngine::Phase::Scanning; },
                     kRequestBudgetMs * c.meters.size() + 10000);
    if (closed() && session.lostReason().isEmpty()) {
        c.err << "td700: no meter answered on " << c.port.portName << '\n';
        return Exit::NoMeterAnswered;
    }
    const CommState& s = engine.state();
    int online = 0;
    for (int k = 0; k < s.meterCount(); ++k)
        online += s.isOnline(k) ? 1 : 0;
    const auto cyclesDone = [&] {
        for (int k = 0; k < s.meterCount(); ++k)
            if (s.isOnline(k) && visits[k] < cycles)
                return false;
        return true;
    };
    const qint64 settleBudget = kRequestBudgetMs * (online * 12 + 13) + 10000;
    bool finished = false;
    if (seconds > 0) {
        finished =
            session.runUntil([&] { return monitoring || closed(); }, settleBudget) && !closed();
        session.runUntil(closed, qint64(seconds) * 1000);
        finished = finished && !closed();
    } else {
        finished = session.runUntil([&] { return cyclesDone() || closed(); },
                                    settleBudget + kRequestBudgetMs * 2 * online * cycles) &&
                   !closed();
    }
    const QString lost = session.lostReason();
    // Printed before the port closes: closing clears the link texts of the status list.
    if (c.json)
        printJson(c.out, engine);
    else
        printText(c.out, engine);
    c.out.flush();
    engine.closePort();
    if (!finished) {
        c.err << "td700: polling did not finish"
              << (lost.isEmpty() ? QString() : QStringLiteral(": ") + lost) << '\n';
        return Exit::Failed;
    }
    return Exit::Done;
}
