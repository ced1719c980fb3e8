#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/PublishOptions.h"
#include "core/Clock.h"
#include "core/PrintableText.h"
#include "plant/PlantJson.h"
#include "plant/PlantSubscriber.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QTimer>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int kDefaultWaitSeconds = 10;

QString watchFlagName(const char* key) {
    // The URL is the command's argument, not a flag.
    return QString::fromLatin1(key) == u"publish" ? QStringLiteral("URL")
                                                  : QStringLiteral("--") + QString::fromLatin1(key);
}

// "12 s", "3 min", "2 h": how long ago, as a glance at a table wants it.
QString ageText(qint64 ms) {
    const qint64 s = std::max<qint64>(0, ms / 1000);
    if (s < 120)
        return QStringLiteral("%1 s").arg(s);
    if (s < 7200)
        return QStringLiteral("%1 min").arg(s / 60);
    return QStringLiteral("%1 h").arg(s / 3600);
}

QString meterLine(const PlantMeter& m, qint64 nowMs) {
    QStringList parts{QStringLiteral("%1").arg(m.address, 3)};
    parts << (m.description.isValid() ? QStringLiteral("%1 ch").arg(m.description.channelCount, 2)
                                      : QStringLiteral("    "));
    parts << (m.link.isEmpty() ? QStringLiteral("--") : m.link);
    if (!m.hasRecord()) {
        parts << QStringLiteral("no record yet");
        return parts.join(u' ');
    }
    parts << m.ts.left(19).replace(u'T', u' ');
    parts << QStringLiteral("(%1%2)").arg(ageText(nowMs - m.receivedMs),
                                          m.stale ? QStringLiteral(", STALE") : QString());
    for (const PlantChannel& c : m.channels) {
        QString unit;
        if (m.description.isValid())
            unit = m.description.channels.channels[size_t(c.ch - 1)].unit;
        parts << QStringLiteral("%1=%2%3").arg(c.ch).arg(
            c.value ? QString::fromLatin1(PlantValueText(m, c.ch, *c.value))
                    : QStringLiteral("----"),
            PrintableText(unit));
    }
    if (!m.alarms.isEmpty()) {
        QStringList alarms;
        for (const PlantAlarm& a : m.alarms)
            alarms << QStringLiteral("%1/AL%2").arg(a.ch).arg(a.alarm);
        parts << QStringLiteral("ALARM ") + alarms.join(u',');
    }
    return parts.join(u' ');
}

// A line per node and per meter.
QString tableText(const PlantState& plant, qint64 nowMs) {
    QString text;
    for (const PlantNode& node : plant.nodes()) {
        text += PrintableText(node.name) + u' ' +
                (node.state.isEmpty() ? QStringLiteral("unknown") : node.state.toUpper());
        if (!node.since.isEmpty())
            text += QStringLiteral(" since ") + PrintableText(node.since);
        text += u'\n';
        for (const PlantMeter& m : node.meters)
            text += QStringLiteral("  ") + meterLine(m, nowMs) + u'\n';
    }
    return text;
}

// The messages left out, for whoever wonders why a node is missing.
QString leftOutText(const PlantState::Counts& c) {
    const qint64 n = c.malformed + c.tooLarge + c.overLimit;
    return n == 0 ? QString() : QStringLiteral("  (%1 messages left out)").arg(n);
}

bool isTerminal() {
#ifdef Q_OS_UNIX
    return ::isatty(STDOUT_FILENO) != 0;
#else
    return false;
#endif
}

// Whether every meter of an online node has had a record: the picture --once waits for, as
// the broker keeps no record.
bool everyMeterHasARecord(const PlantState& plant) {
    for (const PlantNode& node : plant.nodes())
        if (node.state == u"online")
            for (const PlantMeter& m : node.meters)
                if (!m.hasRecord())
                    return false;
    return true;
}

} // namespace

int RunWatch(const QStringList& arguments) {
    QTextStream out(&StandardOutput());
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Watches every node and meter that publishes to a broker (td700 log --publish): a line "
        "per node and meter with its state, link, last record and active alarms, kept up to "
        "date. Reads only: no bus is opened."));
    parser.addHelpOption();
    AddBrokerOptions(parser);
    parser.addOptions({
        {QStringLiteral("json"),
         QStringLiteral("Print one JSON object per change (with --once: one document).")},
        {QStringLiteral("once"),
         QStringLiteral("Print the plant once and end: exit status 0, 4 when no node is there.")},
        {QStringLiteral("wait"),
         QStringLiteral("With --once: how long to wait for the broker and for a record of every "
                        "meter of an online node (records are not kept by the broker; default "
                        "%1).")
             .arg(kDefaultWaitSeconds),
         QStringLiteral("SECONDS")},
    });
    parser.addPositionalArgument(QStringLiteral("URL"),
                                 QStringLiteral("mqtt://HOST[:PORT]/PREFIX or mqtts://..."));
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        err << "td700 watch: " << parser.errorText() << '\n';
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << CommandHelp(parser, QStringLiteral("watch"));
        return Exit::Done;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "td700 watch: give the broker's URL, mqtt://HOST[:PORT]/PREFIX (see td700 watch "
               "--help)\n";
        return Exit::Usage;
    }
    PublishSettings settings;
    settings.url = parser.positionalArguments().constFirst();
    ApplyBrokerOptions(parser, &settings);
    bool waitOk = true;
    const int waitSeconds = parser.isSet(QStringLiteral("wait"))
                                ? parser.value(QStringLiteral("wait")).toInt(&waitOk)
                                : kDefaultWaitSeconds;
    QString why = PublishSettingsProblem(settings, watchFlagName);
    if (why.isEmpty() && (!waitOk || waitSeconds < 1 || waitSeconds > 3600))
        why = QStringLiteral("--wait wants seconds from 1 to 3600");
    BrokerConnection::Options options;
    if (why.isEmpty())
        ConnectionOptions(settings, true,
                          QStringLiteral("td700-watch-%1-%2")
                              .arg(DefaultNodeName())
                              .arg(QCoreApplication::applicationPid()),
                          &options, &why);
    if (!why.isEmpty()) {
        err << "td700 watch: " << why << '\n';
        return Exit::Usage;
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool once = parser.isSet(QStringLiteral("once"));

    SystemClock clock;
    PlantSubscriber plant(clock, options);
    int exitCode = Exit::Done;
    bool caughtUp = false;
    const auto finish = [&](int code) {
        exitCode = code;
        plant.stop();
        QCoreApplication::exit(code);
    };
    bool printed = false;
    const auto printOnce = [&] {
        // A burst of messages can tell of changes after the end was asked for: one document.
        if (std::exchange(printed, true))
            return;
        if (json)
            out << PlantJson(plant.state()) << '\n';
        else
            out << tableText(plant.state(), clock.currentMSecsSinceEpoch());
        out.flush();
        finish(plant.state().nodes().isEmpty() ? Exit::NoMeterAnswered : Exit::Done);
    };
    QObject::connect(&plant, &PlantSubscriber::refused, [&](const QString& reason) {
        err << "td700 watch: the broker " << plant.brokerName() << " refused: " << reason << '\n';
        err.flush();
        finish(Exit::BrokerRefused);
    });
    QObject::connect(&plant, &PlantSubscriber::brokerState, [&](const QString& text, bool) {
        err << "td700 watch: broker " << plant.brokerName() << ": " << text << '\n';
        err.flush();
    });

    QTimer redraw;
    QSet<QPair<QString, int>> pending;
    if (once) {
        QObject::connect(&plant, &PlantSubscriber::caughtUp, [&] {
            caughtUp = true;
            if (everyMeterHasARecord(plant.state()))
                printOnce();
        });
        QObject::connect(&plant.state(), &PlantState::changed, [&] {
            if (caughtUp && everyMeterHasARecord(plant.state()))
                printOnce();
        });
        QTimer::singleShot(waitSeconds * 1000, [&] {
            if (!caughtUp) {
                err << "td700 watch: the broker " << plant.brokerName() << " was not reached in "
                    << waitSeconds << " s\n";
                err.flush();
                finish(Exit::Failed);
                return;
            }
            printOnce();
        });
    } else if (json) {
        QObject::connect(&plant.state(), &PlantState::changed,
                         [&](const QString& name, int address) {
                             out << PlantChangeJson(plant.state(), name, address) << '\n';
                             out.flush();
                         });
    } else {
        // The table at most once a second, whole; on a terminal in place of the last.
        const bool terminal = isTerminal();
        redraw.setInterval(1000);
        QObject::connect(&redraw, &QTimer::timeout, [&] {
            if (terminal)
                out << "\x1b[H\x1b[2J";
            out << QDateTime::currentDateTime().toString(Qt::ISODate) << "  " << plant.brokerName()
                << '/' << PrintableText(plant.state().prefix())
                << (plant.isConnected() ? QString() : QStringLiteral("  (broker away)"))
                << leftOutText(plant.state().counts()) << '\n'
                << tableText(plant.state(), clock.currentMSecsSinceEpoch()) << '\n';
            out.flush();
        });
        redraw.start();
    }
    plant.start();
    QCoreApplication::exec();
    return exitCode;
}
