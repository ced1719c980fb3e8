#include "cli/Commands.h"
#include "cli/EngineSession.h"
#include "cli/LogReload.h"
#include "cli/LogSettings.h"
#include "cli/LogWatch.h"
#include "cli/PublishOptions.h"
#include "logging/DataFileWriter.h"
#include "logging/SaveSettings.h"
#include "publish/EnginePublishing.h"
#include "publish/RecordPublisher.h"
#include "service/JournalLines.h"
#include "service/LogService.h"
#include "service/MetricsServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScopeGuard>
#include <QTimer>
#include <csignal>

namespace {

// Set by the signal handler, acted on by the event loop: a handler may do no more.
volatile std::sig_atomic_t g_stopSignal = 0;
volatile std::sig_atomic_t g_reloadSignal = 0;

extern "C" void onStopSignal(int signal) {
    g_stopSignal = signal;
}

extern "C" void onReloadSignal(int) {
    g_reloadSignal = 1;
}

constexpr int kStopPollMs = 100;
constexpr int kReopenMs = 10000;
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
                       "data files and sent when it is back. SIGHUP reads the settings files "
                       "again. Run by systemd (td700-log@.service), it tells it when it is "
                       "ready, how it stands and that it is alive.") +
        ExitStatusHelp(false, true));
    AddLogOptions(parser);
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
    if (!ApplySaveFlags(parser, settings, &why)) {
        c.err << "td700 log: " << why << '\n';
        return Exit::Usage;
    }
    qint64 durationMs = 0;
    if (parser.isSet(QStringLiteral("duration")) &&
        !ParseDuration(parser.value(QStringLiteral("duration")), &durationMs)) {
        c.err << "td700 log: --duration wants a time such as 90, 15m or 8h\n";
        return Exit::Usage;
    }
    const QString metrics = parser.value(QStringLiteral("metrics"));
    QHostAddress metricsHost;
    quint16 metricsPort = 0;
    if (parser.isSet(QStringLiteral("metrics")) &&
        !MetricsServer::parseAddress(metrics, &metricsHost, &metricsPort, &why)) {
        c.err << "td700 log: --metrics " << why << '\n';
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

    // Each line with its priority when standard error is the journal's.
    JournalLines lines(c.err, QStringLiteral("td700 log: "));
    const auto say = [&lines](const QString& line) { lines.say(line); };
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
    QObject::connect(
        &writer, &DataFileWriter::writeFailed, [&](const QString& file, const QString& reason) {
            lines.say(JournalLines::Priority::Error,
                      QDir::toNativeSeparators(file) + QStringLiteral(" not written: ") + reason);
        });
    LogService service(clock, engine, writer, lines);
    service.setSaveSettings(settings);
    service.setMeters(c.meters);
    if (parser.isSet(QStringLiteral("metrics")) && !service.serveMetrics(metrics, &why)) {
        c.err << "td700 log: the figures cannot be served on " << metrics << ": " << why << '\n';
        return Exit::Failed;
    }

    g_stopSignal = 0;
    g_reloadSignal = 0;
    const auto oldInt = std::signal(SIGINT, onStopSignal);
    const auto oldTerm = std::signal(SIGTERM, onStopSignal);
#ifdef SIGHUP
    const auto oldHup = std::signal(SIGHUP, onReloadSignal);
#endif
    const auto restoreSignals = qScopeGuard([&] {
        std::signal(SIGINT, oldInt);
        std::signal(SIGTERM, oldTerm);
#ifdef SIGHUP
        std::signal(SIGHUP, oldHup);
#endif
    });
    if (!OpenSessionPort(session, c, "td700 log"))
        return Exit::PortNotOpened;
    lines.say(JournalLines::Priority::Notice,
              QStringLiteral("logging %1; Ctrl+C stops").arg(DescribeSaving(settings)));

    QEventLoop loop;
    QString stopReason;
    bool polled = false;
    const auto stop = [&](int code, const QString& reason) {
        exitCode = code;
        stopReason = reason;
        loop.quit();
    };
    std::unique_ptr<RecordPublisher> publisher;
    const auto startPublishing = [&](const PublishSettings& to, QString* problem) {
        service.setPublisher(nullptr);
        publisher = std::make_unique<RecordPublisher>(clock, to, settings);
        publisher->setPortName(c.port.portName);
        if (!to.enabled)
            return true;
        QObject::connect(publisher.get(), &RecordPublisher::message, say);
        QObject::connect(publisher.get(), &RecordPublisher::refused, [&](const QString& reason) {
            stop(Exit::BrokerRefused,
                 QStringLiteral("the broker refused the connection (%1)").arg(AsClause(reason)));
        });
        ConnectPublisher(writer, engine, *publisher);
        // Records an earlier run saved and did not deliver go out first.
        publisher->setMeters(c.meters);
        if (!publisher->start(problem))
            return false;
        service.setPublisher(publisher.get());
        return true;
    };
    if (!startPublishing(publishing, &why)) {
        c.err << "td700 log: " << why << '\n';
        session.close();
        return Exit::Usage;
    }
    writer.tmrDSave().start();
    service.started();
    QTimer reopen;
    reopen.setSingleShot(true);
    reopen.setInterval(kReopenMs);
    QObject::connect(&reopen, &QTimer::timeout, [&] {
        QString reason;
        if (!session.open(&reason)) {
            lines.say(
                QStringLiteral("port %1 still closed: %2").arg(c.port.portName, AsClause(reason)));
            reopen.start();
        }
    });
    const auto phaseWatch =
        QObject::connect(&engine, &CommEngine::phaseChanged, [&](CommEngine::Phase phase) {
            if (phase == CommEngine::Phase::Polling) {
                if (polled)
                    lines.say(JournalLines::Priority::Notice, QStringLiteral("polling again"));
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
            lines.say(QStringLiteral("the port closed (%1); trying again every %2 s")
                          .arg(AsClause(reason))
                          .arg(kReopenMs / 1000));
            records.portClosed(reason);
            reopen.start();
        });

    // SIGHUP: the settings files are read again. What the line needs (the port, its settings,
    // the meters) takes the program started anew in its place; the rest changes as it runs.
    bool restart = false;
    const auto reload = [&] {
        service.reloading();
        CliContext read;
        SaveSettings save;
        PublishSettings publish;
        QString problem;
        if (!ReadLogSettings(parser, &read, &save, &publish, &problem)) {
            lines.say(JournalLines::Priority::Error,
                      QStringLiteral("settings not reloaded: %1; logging goes on as before")
                          .arg(AsClause(problem)));
        } else if (LineSettingsDiffer(c, read)) {
            restart = true;
            stop(Exit::Done, QStringLiteral("reloading: the port or the meter list changed"));
            return;
        } else {
            if (save != settings && QDir().mkpath(save.gDSaveFolder)) {
                settings = save;
                writer.setSettings(settings);
                records.setSettings(settings);
                service.setSaveSettings(settings);
                if (publisher)
                    publisher->setSaveSettings(settings);
                lines.say(JournalLines::Priority::Notice,
                          QStringLiteral("now logging %1").arg(DescribeSaving(settings)));
            }
            if (publish != publishing) {
                if (publisher && publisher->isRunning())
                    publisher->stop();
                if (!startPublishing(publish, &problem))
                    lines.say(JournalLines::Priority::Error,
                              QStringLiteral("publishing stopped: %1").arg(AsClause(problem)));
                publishing = publish;
            }
            lines.say(JournalLines::Priority::Notice, QStringLiteral("settings reloaded"));
        }
        service.reloaded();
    };

    QElapsedTimer running;
    running.start();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (std::exchange(g_reloadSignal, 0) != 0 && g_stopSignal == 0)
            reload();
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
    const qint64 endUs = clock.nowUs();
    service.stopping();

    // Every record is on disk once its tick returns; stopping only ends the ticks.
    writer.tmrDSave().stop();
    QObject::disconnect(phaseWatch);
    reopen.stop();
    session.close();
    if (polled)
        records.finish(end, endUs);
    qint64 undelivered = 0;
    if (publisher && publisher->isRunning()) {
        publisher->stop();
        undelivered = publisher->waiting();
    }
    QString last = stopReason + QStringLiteral("; ") + records.summary();
    if (undelivered > 0)
        last += QStringLiteral(", %1 %2 not yet at the broker (sent on the next run)")
                    .arg(undelivered)
                    .arg(undelivered == 1 ? QStringLiteral("record") : QStringLiteral("records"));
    lines.say(records.recordsMissing() > 0 ? JournalLines::Priority::Warning
                                           : JournalLines::Priority::Notice,
              last);
    if (restart) {
        c.err << "td700 log: cannot start again with the new settings: " << RestartInPlace()
              << '\n';
        return Exit::Failed;
    }
    if (exitCode == Exit::Done && records.recordsMissing() > 0)
        return Exit::RecordsLost;
    return exitCode;
}
