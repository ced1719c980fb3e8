#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/LogWatch.h"
#include "cli/PublishOptions.h"
#include "logging/DataFileWriter.h"
#include "logging/SaveSettings.h"
#include "publish/EnginePublishing.h"
#include "publish/RecordPublisher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTimer>
#include <csignal>

namespace {

// Set by the signal handler, acted on by the event loop: a handler may do no more.
volatile std::sig_atomic_t g_stopSignal = 0;

extern "C" void onStopSignal(int signal) {
    g_stopSignal = signal;
}

constexpr int kStopPollMs = 100;
constexpr int kReopenMs = 10000;

// "90", "90s", "15m", "2h" -> milliseconds.
bool parseDuration(const QString& text, qint64* ms) {
    static const QRegularExpression form(QStringLiteral("^(\\d+)([smh]?)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed().toLower());
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const qint64 n = m.captured(1).toLongLong(&ok);
    const QString unit = m.captured(2);
    const qint64 scale = unit == u"h" ? 3600000 : unit == u"m" ? 60000 : 1000;
    if (!ok || n <= 0 || n > std::numeric_limits<qint64>::max() / scale)
        return false;
    *ms = n * scale;
    return true;
}

// Applies the flags over the settings file; false with the reason on a bad value.
bool applyFlags(const QCommandLineParser& p, SaveSettings& s, QString* why) {
    if (p.isSet(QStringLiteral("folder")))
        s.gDSaveFolder =
            QDir::cleanPath(QDir::fromNativeSeparators(p.value(QStringLiteral("folder"))));
    if (p.isSet(QStringLiteral("name")))
        s.gDSaveName = p.value(QStringLiteral("name"));
    if (p.isSet(QStringLiteral("interval"))) {
        bool ok = false;
        s.gDSaveInterval = p.value(QStringLiteral("interval")).toInt(&ok);
        if (!ok)
            s.gDSaveInterval = 0;
    }
    if (p.isSet(QStringLiteral("unit"))) {
        s.gDSaveUnit = p.value(QStringLiteral("unit")).toLower();
        if (s.gDSaveUnit != u"sec" && s.gDSaveUnit != u"min") {
            *why = QStringLiteral("--unit wants sec or min");
            return false;
        }
    }
    if (p.isSet(QStringLiteral("daily")) && p.isSet(QStringLiteral("single"))) {
        *why = QStringLiteral("give --daily or --single, not both");
        return false;
    }
    if (p.isSet(QStringLiteral("daily"))) {
        static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
        const QRegularExpressionMatch m = form.match(p.value(QStringLiteral("daily")));
        if (!m.hasMatch() || m.captured(1).toInt() > 23 || m.captured(2).toInt() > 59) {
            *why = QStringLiteral("--daily wants the day-change time as HH:MM, e.g. 06:30");
            return false;
        }
        s.gDSaveDaily = true;
        s.gDSaveDayHour = m.captured(1).toInt();
        s.gDSaveDayMinute = m.captured(2).toInt();
    }
    if (p.isSet(QStringLiteral("single")))
        s.gDSaveDaily = false;

    if (s.gDSaveInterval < 1 || s.gDSaveInterval > 60) {
        *why = QStringLiteral("the save interval must be 1..60 (give --interval; the spacing "
                              "of requests is --request-interval)");
        return false;
    }
    if (s.gDSaveFolder.isEmpty()) {
        *why = QStringLiteral("no data folder is set (give --folder)");
        return false;
    }
    if (s.gDSaveName.isEmpty()) {
        *why = QStringLiteral("no file name is set (give --name)");
        return false;
    }
    static const QRegularExpression badName(QStringLiteral("[\\\\/:*?\"<>|]"));
    if (s.gDSaveName.contains(badName)) {
        *why = QStringLiteral("the file name may not hold \\ / : * ? \" < > |");
        return false;
    }
    // Running this command is the request to log, whatever the settings file says.
    s.gDSaveOn = QStringLiteral("Yes");
    return true;
}

QString describe(const SaveSettings& s) {
    QString text = QStringLiteral("every %1 %2 into %3 as %4_NN%5.TDD")
                       .arg(s.gDSaveInterval)
                       .arg(s.gDSaveUnit == u"min" ? QStringLiteral("min") : QStringLiteral("sec"),
                            QDir::toNativeSeparators(s.gDSaveFolder), s.gDSaveName,
                            s.gDSaveDaily ? QStringLiteral("_YYYYMMDD") : QString());
    if (s.gDSaveDaily)
        text += QStringLiteral(", new files at %1:%2")
                    .arg(s.gDSaveDayHour, 2, 10, QChar(u'0'))
                    .arg(s.gDSaveDayMinute, 2, 10, QChar(u'0'));
    return text;
}

} // namespace

int RunLog(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Polls every meter that answers and saves its values into data files, one "
                       "record per save instant, until interrupted (Ctrl+C, SIGTERM) or "
                       "--duration has passed. The settings come from CFG/SaveData.INI; the "
                       "flags override them for this run. Records that could not be written are "
                       "named on standard error: the meter, the span and why. With --publish "
                       "every saved record also goes to an MQTT broker; what it does not get "
                       "(down, unreachable, a restart of this command) is read back from the "
                       "data files and sent when it is back.") +
        ExitStatusHelp(false, true));
    parser.addOptions({
        {QStringLiteral("folder"), QStringLiteral("Folder of the data files."),
         QStringLiteral("DIR")},
        {QStringLiteral("name"), QStringLiteral("Base name of the data files."),
         QStringLiteral("NAME")},
        {QStringLiteral("interval"),
         QStringLiteral("Save interval, 1..60 (the spacing of requests is --request-interval)."),
         QStringLiteral("N")},
        {QStringLiteral("unit"), QStringLiteral("Unit of the interval: sec or min."),
         QStringLiteral("sec|min")},
        {QStringLiteral("daily"), QStringLiteral("One file per day, changing at HH:MM."),
         QStringLiteral("HH:MM")},
        {QStringLiteral("single"), QStringLiteral("One file per meter, not per day.")},
        {QStringLiteral("duration"),
         QStringLiteral("Stop after this time: seconds, or with s, m or h (90, 15m, 8h)."),
         QStringLiteral("TIME")},
    });
    AddBackoffOption(parser);
    AddRequestIntervalOption(parser, false);
    AddPublishOptions(parser);
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode))
        return exitCode;
    if (!LoadBackoffOption(parser, c) || !LoadRequestIntervalOption(parser, c))
        return Exit::Usage;

    SaveSettings settings = LoadSaveSettings(c.paths.saveDataIni());
    QString why;
    if (!applyFlags(parser, settings, &why)) {
        c.err << "td700 log: " << why << '\n';
        return Exit::Usage;
    }
    qint64 durationMs = 0;
    if (parser.isSet(QStringLiteral("duration")) &&
        !parseDuration(parser.value(QStringLiteral("duration")), &durationMs)) {
        c.err << "td700 log: --duration wants a time such as 90, 15m or 8h\n";
        return Exit::Usage;
    }
    PublishSettings publishing;
    if (!LoadPublishOptions(parser, c, &publishing, &why)) {
        c.err << "td700 log: " << why << '\n';
        return Exit::Usage;
    }
    if (!QDir().mkpath(settings.gDSaveFolder)) {
        c.err << "td700 log: cannot create the folder "
              << QDir::toNativeSeparators(settings.gDSaveFolder) << '\n';
        return Exit::Failed;
    }

    EngineSession session(c);
    CommEngine& engine = session.engine();
    // One clock for the engine and the saving, so that the save check takes its turn among
    // the engine's timers in time order.
    Clock& clock = session.clock();
    DataFileWriter writer(clock, engine);
    writer.setSettings(settings);

    const auto say = [&c](const QString& line) {
        c.err << "td700 log: " << line << '\n';
        c.err.flush();
    };
    // Connected first: a save instant's gaps are known before its line is printed.
    LogWatch records(engine, writer, clock, settings, say);

    QObject::connect(
        &writer, &DataFileWriter::saved, [&](const QDateTime& at, const QStringList& files) {
            const QString time = at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            QStringList shown;
            for (const QString& f : files)
                shown << QDir::toNativeSeparators(f);
            if (c.json) {
                c.out << QJsonDocument(QJsonObject{{QStringLiteral("time"), time},
                                                   {QStringLiteral("meters"), int(files.size())},
                                                   {QStringLiteral("files"),
                                                    QJsonArray::fromStringList(shown)}})
                             .toJson(QJsonDocument::Compact)
                      << '\n';
            } else {
                c.out << time << "  " << files.size() << (files.size() == 1 ? " meter" : " meters");
                if (!shown.isEmpty())
                    c.out << "  " << shown.join(u' ');
                c.out << '\n';
            }
            c.out.flush();
        });
    QObject::connect(&writer, &DataFileWriter::writeFailed,
                     [&](const QString& file, const QString& reason) {
                         c.err << "td700 log: " << QDir::toNativeSeparators(file)
                               << " not written: " << reason << '\n';
                         c.err.flush();
                     });

    g_stopSignal = 0;
    const auto oldInt = std::signal(SIGINT, onStopSignal);
    const auto oldTerm = std::signal(SIGTERM, onStopSignal);
    const auto restoreSignals = qScopeGuard([&] {
        std::signal(SIGINT, oldInt);
        std::signal(SIGTERM, oldTerm);
    });
    if (!OpenSessionPort(session, c, "td700 log"))
        return Exit::PortNotOpened;
    c.err << "td700 log: logging " << describe(settings) << "; Ctrl+C stops\n";
    c.err.flush();

    QEventLoop loop;
    QString stopReason;
    bool polled = false;
    const auto stop = [&](int code, const QString& reason) {
        exitCode = code;
        stopReason = reason;
        loop.quit();
    };
    RecordPublisher publisher(clock, publishing, settings);
    publisher.setPortName(c.port.portName);
    if (publishing.enabled) {
        QObject::connect(&publisher, &RecordPublisher::message, say);
        QObject::connect(&publisher, &RecordPublisher::refused, [&](const QString& reason) {
            stop(Exit::BrokerRefused,
                 QStringLiteral("the broker refused the connection (%1)").arg(AsClause(reason)));
        });
        ConnectPublisher(writer, engine, publisher);
        // Records an earlier run saved and did not deliver go out first.
        publisher.setMeters(c.meters);
        if (!publisher.start(&why)) {
            c.err << "td700 log: " << why << '\n';
            session.close();
            return Exit::Usage;
        }
    }
    writer.tmrDSave().start();
    QTimer reopen;
    reopen.setSingleShot(true);
    reopen.setInterval(kReopenMs);
    QObject::connect(&reopen, &QTimer::timeout, [&] {
        QString reason;
        if (!session.open(&reason)) {
            c.err << "td700 log: port " << c.port.portName << " still closed: " << AsClause(reason)
                  << '\n';
            c.err.flush();
            reopen.start();
        }
    });
    const auto phaseWatch =
        QObject::connect(&engine, &CommEngine::phaseChanged, [&](CommEngine::Phase phase) {
            if (phase == CommEngine::Phase::Polling) {
                if (polled) {
                    c.err << "td700 log: polling again\n";
                    c.err.flush();
                }
                polled = true;
                return;
            }
            if (phase != CommEngine::Phase::Closed)
                return;
            const QString reason = !session.lostReason().isEmpty() ? session.lostReason()
                                   : !engine.lastFailure().isEmpty()
                                       ? engine.lastFailure()
                                       : QStringLiteral("no meter answered");
            if (!polled) {
                stop(Exit::NoMeterAnswered,
                     QStringLiteral("no meter answered on %1 (%2)").arg(c.port.portName, reason));
                return;
            }
            // Unattended: the line may come back (adapter plugged in again, meters powered up).
            c.err << "td700 log: the port closed (" << AsClause(reason) << "); trying again every "
                  << kReopenMs / 1000 << " s\n";
            c.err.flush();
            records.portClosed(reason);
            reopen.start();
        });

    QElapsedTimer running;
    running.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (g_stopSignal != 0)
            stop(Exit::Done, g_stopSignal == SIGINT ? QStringLiteral("interrupted")
                                                    : QStringLiteral("terminated"));
        else if (durationMs > 0 && running.elapsed() >= durationMs)
            stop(Exit::Done, QStringLiteral("duration reached"));
    });
    watch.start(kStopPollMs);

    loop.exec();
    // The run ends here; what follows (the port closing, the broker taking its leave) is no
    // part of it, and no save instant passing meanwhile was due.
    const QDateTime end = clock.currentDateTime();

    // Every record is on disk once its tick returns; stopping only ends the ticks.
    writer.tmrDSave().stop();
    QObject::disconnect(phaseWatch);
    reopen.stop();
    session.close();
    if (polled)
        records.finish(end);
    qint64 undelivered = 0;
    if (publisher.isRunning()) {
        publisher.stop();
        undelivered = publisher.waiting();
    }
    c.err << "td700 log: " << stopReason << "; " << records.summary();
    if (undelivered > 0)
        c.err << ", " << undelivered << (undelivered == 1 ? " record" : " records")
              << " not yet at the broker (sent on the next run)";
    c.err << '\n';
    c.err.flush();
    if (exitCode == Exit::Done && records.recordsMissing() > 0)
        return Exit::RecordsLost;
    return exitCode;
}
