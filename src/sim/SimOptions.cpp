#include "sim/SimOptions.h"

#include <QCommandLineParser>

namespace {

std::optional<SimOptions> failed(QString* error, const QString& message) {
    if (error)
        *error = message;
    return std::nullopt;
}

bool parseDump(const QString& text, SimOptions::Dump* dump) {
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    bool a = false;
    bool f = false;
    bool c = false;
    dump->address = parts[0].toInt(&a);
    dump->first = parts[1].toInt(&f);
    dump->count = parts[2].toInt(&c);
    return a && f && c && dump->address >= 1 && dump->address <= 255 && dump->first >= 0 &&
           dump->first <= 65535 && dump->count >= 1 && dump->count <= 125;
}

} // namespace

std::optional<SimOptions> SimOptions::parse(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption meter(QStringLiteral("meter"), QString(), QStringLiteral("m"));
    const QCommandLineOption pty(QStringLiteral("pty"), QString());
    const QCommandLineOption ptyLink(QStringLiteral("pty-link"), QString(), QStringLiteral("p"));
    const QCommandLineOption tcp(QStringLiteral("tcp"), QString(), QStringLiteral("t"));
    const QCommandLineOption baud(QStringLiteral("baud"), QString(), QStringLiteral("b"));
    const QCommandLineOption turnaround(QStringLiteral("turnaround"), QString(),
                                        QStringLiteral("t"));
    const QCommandLineOption echo(QStringLiteral("echo"), QString());
    const QCommandLineOption keepReplies(QStringLiteral("keep-replies"), QString());
    const QCommandLineOption fault(QStringLiteral("fault"), QString(), QStringLiteral("f"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("s"));
    const QCommandLineOption freeze(QStringLiteral("freeze"), QString());
    const QCommandLineOption clock(QStringLiteral("clock"), QString(), QStringLiteral("c"));
    const QCommandLineOption dump(QStringLiteral("dump"), QString(), QStringLiteral("d"));
    const QCommandLineOption verbose({QStringLiteral("v"), QStringLiteral("verbose")}, QString());
    const QCommandLineOption version(QStringLiteral("version"), QString());
    parser.addOptions({help, version, meter, pty, ptyLink, tcp, baud, turnaround, echo, keepReplies,
                       fault, seed, freeze, clock, dump, verbose});
    if (!parser.parse(arguments))
        return failed(error, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failed(
            error,
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    SimOptions o;
    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    QString why;
    for (const QString& text : parser.values(meter)) {
        const auto list = SimMeterConfig::parseList(text, &why);
        if (!list)
            return failed(error, why);
        for (const SimMeterConfig& config : *list) {
            for (const SimMeterConfig& other : o.meters)
                if (other.address == config.address)
                    return failed(
                        error,
                        QStringLiteral("meter address %1 is given twice").arg(config.address));
            o.meters.append(config);
        }
    }
    if (o.meters.isEmpty())
        o.meters = SimMeterConfig::demoBus();
    o.tcp = parser.value(tcp);
    o.ptyLink = parser.value(ptyLink);
    o.pty = parser.isSet(pty) || parser.isSet(ptyLink) || !parser.isSet(tcp);
    if (parser.isSet(baud)) {
        const auto line = SimLine::parse(parser.value(baud), &why);
        if (!line || line->baud <= 0)
            return failed(error, line ? QStringLiteral("--baud needs a rate above 0") : why);
        o.line = *line;
    }
    if (parser.isSet(turnaround)) {
        bool ok = false;
        o.turnaroundMs = parser.value(turnaround).toInt(&ok);
        if (!ok || o.turnaroundMs < 0 || o.turnaroundMs > 60000)
            return failed(error, QStringLiteral("--turnaround needs milliseconds, 0..60000"));
    }
    o.echo = parser.isSet(echo);
    o.keepReplies = parser.isSet(keepReplies);
    if (o.keepReplies && o.tcp.isEmpty())
        return failed(error, QStringLiteral("--keep-replies is a device server's: it needs --tcp"));
    for (const QString& text : parser.values(fault)) {
        const auto rule = SimFaultRule::parse(text, &why);
        if (!rule)
            return failed(error, why);
        o.faults.append(*rule);
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        o.seed = parser.value(seed).toUInt(&ok);
        if (!ok)
            return failed(error, QStringLiteral("--seed needs a whole number"));
    }
    o.freeze = parser.isSet(freeze);
    if (parser.isSet(clock)) {
        QString text = parser.value(clock).trimmed();
        text.replace(QLatin1Char(' '), QLatin1Char('T'));
        o.clock = QDateTime::fromString(text, Qt::ISODate);
        if (!o.clock.isValid())
            return failed(error, QStringLiteral("--clock needs \"YYYY-MM-DD HH:MM:SS\""));
    }
    for (const QString& text : parser.values(dump)) {
        Dump d;
        if (!parseDump(text, &d))
            return failed(
                error,
                QStringLiteral("--dump \"%1\": expected ADDRESS:FIRST:COUNT (1..125)").arg(text));
        o.dumps.append(d);
    }
    o.verbose = parser.isSet(verbose);
    return o;
}

QString SimOptions::helpText() {
    return QStringLiteral(
               "Usage: td700-sim [options]\n"
               "A TD700 recorder simulator: meters answering Modbus RTU (functions 3, 4, 6 and "
               "16)\non a pseudo-terminal or over TCP, with faults to order.\n"
               "\n"
               "Options:\n"
               "  --meter ADDR:CHANNELS:FIRMWARE  a meter, for example 1:12:1.20 (channels 2, "
               "4, 6\n"
               "                           or 12); repeatable or comma-separated. Default:\n"
               "                           1:12:1.20,2:6:1.16,3:4:1.10\n"
               "  --pty                    serve on a pseudo-terminal; its device path is the\n"
               "                           first line printed (the default without --tcp)\n"
               "  --pty-link PATH          also make PATH a symbolic link to that device\n"
               "  --tcp HOST:PORT          serve RTU frames over TCP (port 0: a free one); the\n"
               "                           line \"tcp://HOST:PORT\" is printed after the pty line\n"
               "  --baud RATE[,P,D,S]      emulate the wire time of this line (for example\n"
               "                           9600 or 9600,E,8,1); default: no wire time\n"
               "  --turnaround MS          time from the end of a request to its reply, never\n"
               "                           less than the silence that ends a frame at --baud\n"
               "                           (3.5 characters, 1.75 ms above 19200 baud); 0 answers\n"
               "                           right after that silence, as fast as a slave may\n"
               "                           (default 3)\n"
               "  --echo                   the line echoes every request back in front of the\n"
               "                           reply, as a two-wire converter that hears its own\n"
               "                           transmitter does\n"
               "  --keep-replies           over TCP, as a device server with one serial line:\n"
               "                           replies to a client that has gone go to the next\n"
               "                           client that connects\n"
               "  --fault RULE             a fault rule (below); repeatable\n"
               "  --seed N                 seed of random faults and junk bytes (default 1)\n"
               "  --freeze                 values and clocks stand still\n"
               "  --clock \"YYYY-MM-DD HH:MM:SS\"  set every meter's clock at start\n"
               "  --dump ADDR:FIRST:COUNT  print COUNT registers from FIRST of meter ADDR, as a\n"
               "                           read would answer them, once the endpoints are up:\n"
               "                           \"ADDR:FIRST:COUNT v1 v2 ...\" (or \"... exception "
               "N\")\n"
               "  --verbose                every request and reply in hex on stderr\n"
               "  --help                   this text\n"
               "  --version                the version and the day it was built\n"
               "\n"
               "Registers: 30001..30047 present values (functions 3 and 4; function 4 also from "
               "0),\n40001..40077 common settings (40075.. from firmware 1.10), 40101+100(n-1) "
               "..+92\nchannel n, 47001..47156 memory formulas, 50101+100(n-1) ..+49 channel "
               "formulas.\nA bad CRC or another slave's address gets no reply; a register the "
               "meter lacks\ngets exception 2. SIGINT or SIGTERM ends the program cleanly.\n"
               "\n") +
           SimFaultPlan::syntaxHelp();
}
