#include "cli/CliContext.h"

#include "comm/MeterHealth.h"
#include "comm/MeterList.h"
#include "core/TextLines.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QStringList kParities{QStringLiteral("N"), QStringLiteral("E"), QStringLiteral("O")};

bool fail(CliContext& c, const QString& message) {
    c.err << "td700: " << message << '\n';
    c.err.flush();
    return false;
}

void warn(CliContext& c, const QString& message) {
    c.err << "td700: warning: " << message << '\n';
    c.err.flush();
}

} // namespace

void AddCommonOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("home"), QStringLiteral("Program folder with Comm.CFG and CFG/."),
         QStringLiteral("DIR")},
        {QStringLiteral("port"),
         QStringLiteral("Port: COMn, a device path, tcp://host:port or DEMO."),
         QStringLiteral("NAME")},
        {QStringLiteral("baud"), QStringLiteral("Baud rate."), QStringLiteral("RATE")},
        {QStringLiteral("parity"), QStringLiteral("Parity: N, E or O."), QStringLiteral("P")},
        {QStringLiteral("data-bits"), QStringLiteral("Data bits: 7 or 8."), QStringLiteral("N")},
        {QStringLiteral("stop-bits"), QStringLiteral("Stop bits: 1 or 2."), QStringLiteral("N")},
        {QStringLiteral("rts"), QStringLiteral("RTS control around each frame: on or off."),
         QStringLiteral("on|off")},
        {QStringLiteral("meters"), QStringLiteral("Slave addresses to use, e.g. 1,3,5-7."),
         QStringLiteral("LIST")},
        {QStringLiteral("select"), QStringLiteral("Slave address of the selected meter."),
         QStringLiteral("ADDRESS")},
        {QStringLiteral("timeout"),
         QStringLiteral("Reply time-out in milliseconds (default 1000; a slow device server may "
                        "need more)."),
         QStringLiteral("MS")},
        {QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")},
    });
}

bool ParseAddressList(const QString& text, QVector<int>* addresses) {
    return ParseNumberList(text, 1, 247, addresses);
}

bool ParseNumberList(const QString& text, int lowest, int highest, QVector<int>* numbers) {
    QVector<int> out;
    for (const QString& raw : text.split(u',', Qt::SkipEmptyParts)) {
        const QString item = raw.trimmed();
        const qsizetype dash = item.indexOf(u'-');
        bool ok1 = false, ok2 = true;
        const int first = (dash < 0 ? item : item.left(dash)).toInt(&ok1);
        const int last = dash < 0 ? first : item.mid(dash + 1).toInt(&ok2);
        if (!ok1 || !ok2 || first < lowest || last > highest || first > last)
            return false;
        for (int a = first; a <= last; ++a)
            if (!out.contains(a))
                out.append(a);
    }
    if (out.isEmpty())
        return false;
    std::sort(out.begin(), out.end());
    *numbers = out;
    return true;
}

bool LoadCommonOptions(const QCommandLineParser& parser, CliContext& c) {
    const QString home = parser.value(QStringLiteral("home"));
    if (!home.isEmpty() && QFileInfo(home).exists() && !QFileInfo(home).isDir())
        return fail(c, QStringLiteral("--home %1 is a file; it wants the program folder that "
                                      "holds Comm.CFG and CFG/")
                           .arg(home));
    c.paths = AppPaths::resolve(home);
    QString portProblem;
    c.port = LoadPortSettings(c.paths.commCfg(), &portProblem);
    c.json = parser.isSet(QStringLiteral("json"));

    if (parser.isSet(QStringLiteral("port")))
        c.port.portName = parser.value(QStringLiteral("port"));
    if (const QString why = PortNameProblem(c.port.portName); !why.isEmpty())
        return fail(c, parser.isSet(QStringLiteral("port"))
                           ? QStringLiteral("--port: %1").arg(why)
                           : QStringLiteral("%1 in %2: give --port or set the port in the "
                                            "desktop program's Port Setup")
                                 .arg(why, c.paths.commCfg()));
    // What the file says matters only where no flag overrides it.
    if (!portProblem.isEmpty() && !parser.isSet(QStringLiteral("port")))
        warn(c, portProblem);
    if (parser.isSet(QStringLiteral("baud"))) {
        bool ok = false;
        const int baud = parser.value(QStringLiteral("baud")).toInt(&ok);
        if (!ok || baud < 300 || baud > 4000000)
            return fail(c, QStringLiteral("--baud wants a baud rate such as 38400"));
        c.port.baud = QString::number(baud);
    }
    if (parser.isSet(QStringLiteral("parity"))) {
        const QString p = parser.value(QStringLiteral("parity")).toUpper().left(1);
        if (!kParities.contains(p))
            return fail(c, QStringLiteral("--parity wants N, E or O"));
        c.port.parity = p;
    }
    if (parser.isSet(QStringLiteral("data-bits"))) {
        const QString v = parser.value(QStringLiteral("data-bits"));
        if (v != QStringLiteral("7") && v != QStringLiteral("8"))
            return fail(c, QStringLiteral("--data-bits wants 7 or 8"));
        c.port.dataBits = v;
    }
    if (parser.isSet(QStringLiteral("stop-bits"))) {
        const QString v = parser.value(QStringLiteral("stop-bits"));
        if (v != QStringLiteral("1") && v != QStringLiteral("2"))
            return fail(c, QStringLiteral("--stop-bits wants 1 or 2"));
        c.port.stopBits = v;
    }
    if (parser.isSet(QStringLiteral("rts"))) {
        const QString v = parser.value(QStringLiteral("rts")).toLower();
        if (v != QStringLiteral("on") && v != QStringLiteral("off"))
            return fail(c, QStringLiteral("--rts wants on or off"));
        c.port.rts = v.toUpper();
    }
    if (parser.isSet(QStringLiteral("meters"))) {
        if (!ParseAddressList(parser.value(QStringLiteral("meters")), &c.meters))
            return fail(c, QStringLiteral("--meters wants slave addresses such as 1,3,5-7"));
    } else {
        // A folder of that name reads as no lines at all: say which it was.
        if (const QString why = TextFileProblem(c.paths.setEnvIni()); !why.isEmpty())
            warn(c, why);
        const MeterListMarks list = ReadMeterListMarks(c.paths.setEnvIni());
        for (int i = 0; i < list.marks.size(); ++i)
            if (list.marks[i] == QStringLiteral("O"))
                c.meters.append(i + 1);
        const QString warning = list.warning(c.paths.setEnvIni());
        if (!warning.isEmpty()) {
            c.err << "td700: " << warning << '\n';
            c.err.flush();
        }
    }
    if (parser.isSet(QStringLiteral("timeout"))) {
        bool ok = false;
        c.replyTimeoutMs = parser.value(QStringLiteral("timeout")).toInt(&ok);
        if (!ok || c.replyTimeoutMs < 20 || c.replyTimeoutMs > 60000)
            return fail(c, QStringLiteral("--timeout wants milliseconds from 20 to 60000"));
    }
    if (parser.isSet(QStringLiteral("select"))) {
        bool ok = false;
        c.selectAddress = parser.value(QStringLiteral("select")).toInt(&ok);
        if (!ok || !c.meters.contains(c.selectAddress))
            return fail(c, QStringLiteral("--select wants one of the meters' addresses"));
    }
    return true;
}

void AddBackoffOption(QCommandLineParser& parser) {
    parser.addOption(
        {QStringLiteral("backoff"),
         QStringLiteral("Dead-meter back-off: a meter that failed k cycles in a row is "
                        "asked only every 2^k cycles, up to MAX (2..1024); 0 asks "
                        "every meter in every cycle. Default: Comm.CFG's setting, "
                        "off unless set."),
         QStringLiteral("MAX")});
}

bool LoadBackoffOption(const QCommandLineParser& parser, CliContext& c) {
    if (!parser.isSet(QStringLiteral("backoff")))
        return true;
    bool ok = false;
    const int cycles = parser.value(QStringLiteral("backoff")).toInt(&ok);
    if (!ok || cycles < 0 || cycles == 1 || cycles > MeterHealth::MaxBackoffCycles)
        return fail(c, QStringLiteral("--backoff wants 0 (off) or the longest wait in cycles, "
                                      "2 to %1")
                           .arg(MeterHealth::MaxBackoffCycles));
    c.port.backoff = QString::number(cycles);
    return true;
}

void AddRequestIntervalOption(QCommandLineParser& parser, bool alsoAsInterval) {
    QStringList names{QStringLiteral("request-interval")};
    if (alsoAsInterval)
        names.prepend(QStringLiteral("interval"));
    parser.addOption(
        {names,
         QStringLiteral("Spacing of requests in milliseconds. 0 is the shortest: the next "
                        "request goes as soon as the line has been silent for 3.5 characters "
                        "after the reply (1.75 ms above 19200 baud), as fast as the bus allows. "
                        "Other values are the pause after each reply, never less than that "
                        "silence. Default: Comm.CFG's setting, else 50."),
         QStringLiteral("MS")});
}

bool LoadRequestIntervalOption(const QCommandLineParser& parser, CliContext& c) {
    if (!parser.isSet(QStringLiteral("request-interval")))
        return true;
    bool ok = false;
    const int ms = parser.value(QStringLiteral("request-interval")).toInt(&ok);
    if (!ok || ms < 0 || ms > 60000) {
        // Named as typed: log has an --interval of its own, beside --request-interval.
        const bool typedShort = !parser.optionNames().contains(QStringLiteral("request-interval"));
        return fail(c, QStringLiteral("--%1 wants milliseconds from 0 (the shortest) to 60000")
                           .arg(typedShort ? QStringLiteral("interval")
                                           : QStringLiteral("request-interval")));
    }
    c.port.txInterval = QString::number(ms);
    return true;
}

QString CommandHelp(const QCommandLineParser& parser, const QString& command) {
    QString text = parser.helpText();
    // Qt names the program by the path it was started with.
    const QString started =
        QStringLiteral("Usage: ") + QCoreApplication::arguments().value(0) + u' ';
    if (text.startsWith(started))
        text.replace(0, started.size(), QStringLiteral("Usage: td700 %1 ").arg(command));
    return text;
}

QString AsClause(const QString& sentence) {
    QString clause = sentence.trimmed();
    while (clause.endsWith(u'.'))
        clause.chop(1);
    return clause;
}

QString ExitStatusHelp(bool poll, bool log) {
    QString text = QStringLiteral("\nExit status: 0 done, 1 failed (the line was lost), 2 bad "
                                  "usage, 3 port not opened, 4 no meter answered");
    if (poll)
        text += QStringLiteral(", 5 a meter that had answered stopped answering during the run "
                               "(its values are marked stale)");
    if (log)
        text += QStringLiteral(", 6 records were lost (a meter went silent or a file could not "
                               "be written; each gap is named on standard error), 7 the broker "
                               "refused the credentials, or its certificate did not verify, on "
                               "the first connection");
    return text + u'.';
}
