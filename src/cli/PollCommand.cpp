#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/MeterWatch.h"
#include "comm/ChannelUnits.h"
#include "comm/MeterModels.h"
#include "comm/RegisterMap.h"
#include "comm/RequestCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The worst case of one request: three tries that each wait out the time-out.
qint64 requestBudgetMs(const CliContext& c) {
    return 3 * (c.replyTimeoutMs + 200);
}

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

QString settingsStateName(CommEngine::SettingsState state) {
    switch (state) {
    case CommEngine::SettingsState::NotRead:
        return QStringLiteral("not read");
    case CommEngine::SettingsState::Reading:
        return QStringLiteral("reading");
    case CommEngine::SettingsState::Incomplete:
        return QStringLiteral("incomplete");
    case CommEngine::SettingsState::Complete:
        break;
    }
    return QStringLiteral("complete");
}

// "common block, channels 5-12" for the blocks a settings read still lacks.
QString missingText(const QList<int>& blocks) {
    QStringList parts;
    QList<int> channels;
    for (int b : blocks)
        if (b == 0)
            parts << QStringLiteral("common block");
        else
            channels << b;
    if (channels.size() == 1)
        parts << QStringLiteral("channel %1").arg(channels.first());
    else if (!channels.isEmpty())
        parts << QStringLiteral("channels %1-%2").arg(channels.first()).arg(channels.last());
    return parts.join(QStringLiteral(", "));
}

// What is known of a meter that answered the scan: its model and firmware by its last values,
// else by the scan. A model code that names none of the four models gives no channel count.
struct MeterIdentity {
    QString model;
    QString firmware;
    int channels = 0;
    bool valuesRead = false;
};

MeterIdentity identityOf(const DeviceTables& t, int meter, const MeterWatch& watch) {
    const int row = meter + 1;
    MeterIdentity id;
    id.valuesRead = watch.valuesReadAt(meter).isValid();
    const QString polledModel = t.sprdMON.text(2, row).trimmed();
    id.model = polledModel.isEmpty() ? t.sprdStatus.text(3, row).trimmed() : polledModel;
    const QString polledFirmware = t.sprdMON.text(3, row).trimmed();
    id.firmware = polledFirmware.isEmpty() ? t.sprdStatus.text(4, row).trimmed() : polledFirmware;
    bool number = false;
    const int code = id.model.toInt(&number);
    id.channels = number ? ChannelCountOfModel(code) : 0;
    return id;
}

QJsonValue textOrNull(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

// The model code as a number, as td700 scan gives it.
QJsonValue modelJson(const QString& text) {
    bool number = false;
    const int code = text.toInt(&number);
    return number ? QJsonValue(code) : textOrNull(text);
}

void printJson(QTextStream& out, const CommEngine& engine, const MeterWatch& watch) {
    const CommState& s = engine.state();
    const DeviceTables& t = engine.tables();
    QJsonArray addresses, online, meters;
    for (int k = 0; k < s.meterCount(); ++k) {
        addresses.append(s.gMeterAddress[k]);
        online.append(s.isOnline(k));
        const QDateTime read = watch.valuesReadAt(k);
        const MeterIdentity id = identityOf(t, k, watch);
        const bool known = s.isOnline(k);
        meters.append(QJsonObject{
            {QStringLiteral("address"), s.gMeterAddress[k]},
            {QStringLiteral("online"), s.isOnline(k)},
            {QStringLiteral("model"), known ? modelJson(id.model) : QJsonValue()},
            {QStringLiteral("channels"),
             known && id.channels ? QJsonValue(id.channels) : QJsonValue()},
            {QStringLiteral("firmware"), known ? textOrNull(id.firmware) : QJsonValue()},
            {QStringLiteral("values"), !read.isValid()    ? QStringLiteral("not read")
                                       : watch.isStale(k) ? QStringLiteral("stale")
                                                          : QStringLiteral("read")},
            {QStringLiteral("answering"), s.isOnline(k) && engine.isAnswering(k)},
            {QStringLiteral("stale"), watch.isStale(k)},
            {QStringLiteral("valuesRead"),
             read.isValid() ? QJsonValue(MeterWatch::timeText(read)) : QJsonValue()},
            {QStringLiteral("backoff"), engine.backoffCycles(k)},
        });
    }
    QJsonArray missing;
    for (int block : engine.settingsMissing())
        missing.append(block);
    const QJsonObject settings{
        {QStringLiteral("meter"), s.gSelAddress},
        {QStringLiteral("state"), settingsStateName(engine.settingsState())},
        {QStringLiteral("missing"), engine.settingsComplete() ? QJsonArray() : missing},
    };
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
                                     {QStringLiteral("meters"), meters},
                                     {QStringLiteral("settings"), settings},
                                     {QStringLiteral("tables"), tables}})
               .toJson(QJsonDocument::Indented);
}

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

void printText(QTextStream& out, const CommEngine& engine, const MeterWatch& watch) {
    const CommState& s = engine.state();
    const TextTable& mon = engine.tables().sprdMON;
    const auto orNotRead = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("not read") : text;
    };
    for (int k = 0; k < s.meterCount(); ++k) {
        const int row = k + 1;
        out << "Meter " << s.gMeterAddress[k];
        if (!s.isOnline(k)) {
            out << ": no answer\n";
            continue;
        }
        const MeterIdentity id = identityOf(engine.tables(), k, watch);
        const bool stale = watch.isStale(k);
        out << ": model " << orNotRead(id.model) << ", "
            << (id.channels ? QStringLiteral("%1 channels").arg(id.channels)
                            : QStringLiteral("channels unknown"))
            << ", firmware " << orNotRead(id.firmware) << ", clock " << orNotRead(mon.text(4, row))
            << ", link " << orNotRead(mon.text(1, row));
        if (!id.valuesRead)
            out << ", values not read";
        else if (stale)
            out << ", values stale (read " << MeterWatch::timeText(watch.valuesReadAt(k)) << ')';
        out << '\n';
        for (int ch = 1; ch <= id.channels; ++ch) {
            const int first = ChannelFirstColumn(ch);
            // Never a value the meter did not send: a channel whose values were not read says so.
            const QString value =
                id.valuesRead ? valueOf(mon, row, ch) : QStringLiteral("not read");
            const QString unit =
                id.valuesRead ? QStringLiteral(" ") + UnitText(int(mon.integer(first + 3, row)),
                                                               mon.text(first + 1, row))
                              : QString();
            out << QStringLiteral("  CH%1  %2  %3%4")
                       .arg(ch, 2, 10, QLatin1Char('0'))
                       .arg(DeviceText(mon.text(first, row)), -10)
                       .arg(value, 12)
                       .arg(unit);
            out << (stale && id.valuesRead ? "  stale\n" : "\n");
        }
    }
    if (s.gSelAddress > 0 && !engine.settingsComplete())
        out << "Settings of meter " << s.gSelAddress << ": read incomplete, "
            << missingText(engine.settingsMissing()) << " not read\n";
}

} // namespace

int RunPoll(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Scans the bus, reads the selected meter's settings, polls every meter "
                       "that answered and prints the present values. A meter that stops or "
                       "starts answering again is said on standard error as it happens; the "
                       "values of a meter that does not answer at the end are marked stale.") +
        ExitStatusHelp(true, false));
    parser.addOptions({
        {QStringLiteral("cycles"), QStringLiteral("Complete monitoring cycles to run (default 1)."),
         QStringLiteral("N")},
        {QStringLiteral("seconds"),
         QStringLiteral("Poll for this many seconds instead of a number of cycles."),
         QStringLiteral("S")},
    });
    AddBackoffOption(parser);
    AddRequestIntervalOption(parser, true);
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode))
        return exitCode;
    if (!LoadBackoffOption(parser, c) || !LoadRequestIntervalOption(parser, c))
        return Exit::Usage;
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
    if (!OpenSessionPort(session, c))
        return Exit::PortNotOpened;
    CommEngine& engine = session.engine();
    MeterWatch watch(engine, session.clock(), [&c](const QString& line) {
        c.err << "td700 poll: " << line << '\n';
        c.err.flush();
    });
    bool monitoring = false;
    QObject::connect(&engine, &CommEngine::requestSent, [&](int code, int) {
        monitoring = monitoring || code == RequestCode::RC_POLL_STATUS;
    });
    // The run goes on while something happens: a good frame, or a meter answered, passed over
    // or left out by the cycle. Requests that fail one after the other for longer than two
    // escalations (a selected meter silent in the middle of its settings read) end it.
    const Clock& clock = session.clock();
    qint64 progressAt = clock.nowMs();
    quint64 goodFrames = 0;
    const auto noteProgress = [&] { progressAt = clock.nowMs(); };
    QObject::connect(&engine, &CommEngine::meterPolled, noteProgress);
    QObject::connect(&engine, &CommEngine::meterSkipped, noteProgress);
    const qint64 stallMs = 2 * requestBudgetMs(c) + 2000;
    bool stalled = false;
    const auto stalling = [&] {
        if (engine.totals().goodFrames != goodFrames) {
            goodFrames = engine.totals().goodFrames;
            noteProgress();
        }
        stalled = stalled || clock.nowMs() - progressAt > stallMs;
        return stalled;
    };

    const auto closed = [&] { return engine.phase() == CommEngine::Phase::Closed; };
    const bool scanned =
        session.runUntil([&] { return engine.phase() != CommEngine::Phase::Scanning; },
                         requestBudgetMs(c) * c.meters.size() + 10000);
    const CommState& s = engine.state();
    int online = 0;
    for (int k = 0; k < s.meterCount(); ++k)
        online += s.isOnline(k) ? 1 : 0;
    if (scanned && closed() && session.lostReason().isEmpty()) {
        c.err << "td700: no meter answered on " << c.port.portName << '\n';
        return Exit::NoMeterAnswered;
    }
    const auto cyclesDone = [&] {
        for (int k = 0; k < s.meterCount(); ++k)
            if (s.isOnline(k) && watch.visits(k) < cycles)
                return false;
        return online > 0;
    };
    // Generous: the channel scan and the settings read of a twelve-channel bus, then the
    // cycles, every request in its worst case.
    const qint64 settleBudget = requestBudgetMs(c) * (online * 12 + 13) + 10000;
    bool finished = false;
    progressAt = clock.nowMs();
    if (!scanned) {
        finished = false;
    } else if (seconds > 0) {
        finished =
            session.runUntil([&] { return monitoring || closed() || stalling(); }, settleBudget) &&
            !closed() && !stalled;
        if (finished)
            session.runUntil(closed, qint64(seconds) * 1000);
        finished = finished && !closed();
    } else {
        finished = session.runUntil([&] { return cyclesDone() || closed() || stalling(); },
                                    settleBudget + requestBudgetMs(c) * 2 * online * cycles) &&
                   !closed() && !stalled;
    }
    const QString lost = session.lostReason();
    // Printed before the port closes: closing clears the link texts of the status list.
    if (c.json)
        printJson(c.out, engine, watch);
    else
        printText(c.out, engine, watch);
    c.out.flush();
    session.close();
    if (!scanned || !lost.isEmpty() || (!finished && !watch.anyLost())) {
        c.err << "td700: polling did not finish"
              << (lost.isEmpty() ? QString() : QStringLiteral(": ") + AsClause(lost)) << '\n';
        return Exit::Failed;
    }
    if (watch.anyLost()) {
        QStringList stale;
        for (int k = 0; k < s.meterCount(); ++k)
            if (watch.isStale(k))
                stale << QString::number(s.gMeterAddress[k]);
        c.err << "td700 poll: a meter stopped answering during the run"
              << (stale.isEmpty() ? QStringLiteral("; every meter answers again")
                                  : QStringLiteral("; stale values: meter ") + stale.join(u','))
              << (finished ? QString() : QStringLiteral("; the run ended without progress"))
              << '\n';
        return Exit::MeterLost;
    }
    return Exit::Done;
}
