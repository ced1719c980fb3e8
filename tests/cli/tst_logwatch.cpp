#include "cli/LogWatch.h"
#include "dataview/DataTimeLine.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileReader.h"
#include "logging/DataFileWriter.h"
#include "logging/DataTime.h"
#include "logging/SaveSchedule.h"
#include "support/EngineHarness.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QtEndian>
#include <ctime>
#include <map>

namespace {

SaveSettings everySeconds(const QString& folder, int seconds) {
    SaveSettings settings;
    settings.gDSaveOn = QStringLiteral("Yes");
    settings.gDSaveInterval = seconds;
    settings.gDSaveUnit = QStringLiteral("sec");
    settings.gDSaveFolder = folder;
    settings.gDSaveName = QStringLiteral("T");
    return settings;
}

// Seconds since 2000 of the PC's clock, as record stamps count.
const QDateTime kStampZero(QDate(2000, 1, 1), QTime(0, 0));
qint64 stampOf(const QDateTime& t) {
    return kStampZero.secsTo(t);
}

// The writer and the watch of a log run on the engine, and what the watch says.
struct Logging {
    Logging(EngineHarness& h, const SaveSettings& settings)
        : writer(h.clock, h.engine)
        , watch(h.engine, writer, h.clock, settings,
                [this](const QString& line) { said << line; }) {
        writer.setSettings(settings);
    }
    DataFileWriter writer;
    QStringList said;
    LogWatch watch;
};

} // namespace

// What `td700 log` tells when a meter falls silent or the port closes mid-run: the loss and
// return, and each gap of records with its span, size and reason.
class TestLogWatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Local times are Berlin's, whose clocks change to summer time and back.
    void initTestCase() {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void clockSetWhileLogging_data() {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("step");     // seconds the PC's clock is set by, 30 s into the run
        QTest::addColumn<int>("interval"); // of saving, seconds; whole minutes from 60 on
        QTest::addColumn<int>("runSeconds");
        const QDateTime june(QDate(2026, 6, 10), QTime(12, 0));
        QTest::newRow("a time server puts it back 5 min") << june << -300 << 1 << 150;
        QTest::newRow("forward 3 h") << june << 10800 << 1 << 150;
        QTest::newRow("back across midnight into the day before")
            << QDateTime(QDate(2026, 6, 11), QTime(0, 0, 10)) << -90 << 2 << 150;
        QTest::newRow("summer time begins")
            << QDateTime(QDate(2026, 3, 29), QTime(1, 59, 20)) << 0 << 1 << 120;
        QTest::newRow("every minute for months, winter time begins")
            << QDateTime(QDate(2026, 10, 25), QTime(2, 50), QTimeZone(7200)) << 0 << 60 << 1500;
    }

    // The PC's clock set while logging (time server, summer time): every instant that passes has
    // its records, none twice, in the files in saving order and read whole by the viewer.
    void clockSetWhileLogging() {
        QFETCH(QDateTime, start);
        QFETCH(int, step);
        QFETCH(int, interval);
        QFETCH(int, runSeconds);
        QTemporaryDir dir;
        EngineHarness h(QStringLiteral("DEMO"), {1, 2});
        h.clock.setDateTime(start.toLocalTime());
        SaveSettings settings = everySeconds(dir.path(), interval >= 60 ? interval / 60 : interval);
        if (interval >= 60)
            settings.gDSaveUnit = QStringLiteral("min");
        settings.gDSaveDaily = true;
        Logging log(h, settings);
        auto& [writer, said, watch] = log;
        // A run of months has the due time of the saving caught up with the clock.
        if (interval >= 60) {
            const QDateTime now = h.clock.currentDateTime();
            writer.LastDue = double(QDate(1899, 12, 30).daysTo(now.date())) +
                             now.time().msecsSinceStartOfDay() / 86400000.0 - interval / 86400.0;
        }
        // The stamps of the records saved into each file, in the order saved.
        std::map<QString, QList<quint32>> saved;
        connect(&writer, &DataFileWriter::recordSaved, this, [&](const SavedRecord& r) {
            saved[r.file] << qFromBigEndian<quint32>(r.record.constData());
        });

        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        const qint64 startUs = h.clock.nowUs();
        for (int second = 1; second <= runSeconds; ++second) {
            h.clock.advance(1000);
            if (second == 30 && step != 0)
                h.clock.setDateTime(h.clock.currentDateTime().addSecs(step));
        }
        watch.finish(h.clock.currentDateTime());
        const qint64 ranSeconds = (h.clock.nowUs() - startUs) / 1000000;

        QVERIFY2(watch.recordsMissing() == 0, qPrintable(said.join(u'\n')));
        for (int address : {1, 2}) {
            // Each file holds what the writer saved into it, in the order saved (the clock put
            // back into the day before appends to that day's file again).
            QStringList paths;
            qint64 records = 0;
            for (const QString& file :
                 DataFileNames::meterFiles(dir.path(), QStringLiteral("T"), address)) {
                paths << QDir(dir.path()).filePath(file);
                DataFileReader reader;
                QVERIFY(reader.open(paths.last()));
                QVERIFY(reader.warnings().isEmpty());
                QList<quint32> stamps;
                DataRecord r;
                for (qint64 i = 0; reader.record(i, &r); ++i)
                    stamps << r.stamp;
                QCOMPARE(stamps, saved[paths.last()]);
                records += stamps.size();
            }
            // One record per save instant that really passed.
            QVERIFY2(std::abs(records - ranSeconds / interval) <= 2,
                     qPrintable(QStringLiteral("%1 records in %2 s").arg(records).arg(ranSeconds)));
            // Read whole by the viewer.
            DataTimeLine line;
            QCOMPARE(line.add(paths), int(paths.size()));
            QCOMPARE(line.recordCount(), records);
            QVERIFY2(line.messages().isEmpty(), qPrintable(line.messages().join(u'\n')));
        }
    }

    void gapsAreNamed_data() {
        QTest::addColumn<QString>("outage");
        QTest::addColumn<QString>("why");
        QTest::addColumn<int>("meters"); // meters whose records go missing
        QTest::newRow("meter 2 falls silent") << "silent"
                                              << "no answer" << 1;
        QTest::newRow("the port closes") << "port"
                                         << "the port was closed: adapter removed" << 2;
        // Stopping takes a while after the saving ends (the port, the broker's goodbye): the
        // instants passing meanwhile were not due.
        QTest::newRow("a slow stop") << "stop"
                                     << "" << 0;
    }

    void gapsAreNamed() {
        QFETCH(QString, outage);
        QFETCH(QString, why);
        QFETCH(int, meters);
        QTemporaryDir dir;
        EngineHarness h(QStringLiteral("DEMO"), {1, 2});
        const SaveSettings settings = everySeconds(dir.path(), 1);
        Logging log(h, settings);
        auto& [writer, said, watch] = log;
        // The save instants, the records written and those short of two an instant from 10 s
        // on, counted apart from the watch.
        int instants = 0, written = 0, fewer = 0;
        bool counting = false;
        connect(&writer, &DataFileWriter::saved, this, [&](const QDateTime&, const QStringList& f) {
            ++instants;
            written += int(f.size());
            fewer += counting ? 2 - int(f.size()) : 0;
        });

        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        h.clock.advance(10000);
        QVERIFY(instants >= 8);
        QCOMPARE(watch.recordsMissing(), 0u);
        counting = true;

        if (outage == u"silent") {
            QVERIFY(h.addFaults(QStringLiteral("noreply,meter=2")));
            h.clock.advance(20000);
            h.bus().faults().clear();
        } else if (outage == u"port") {
            h.link.simulateLinkLoss(QStringLiteral("adapter removed."));
            watch.portClosed(h.engine.lastFailure());
            h.clock.advance(20000);
            QVERIFY(h.engine.openPort());
            QVERIFY(h.runUntil([&] { return h.engine.phase() == CommEngine::Phase::Polling; }));
        }
        QDateTime end;
        if (outage == u"stop") {
            writer.tmrDSave().stop();
            end = h.clock.currentDateTime();
            h.clock.advance(5000);
        } else {
            h.clock.advance(15000);
            end = h.clock.currentDateTime();
        }
        watch.finish(end);

        // The gap, once, with its reason; its size is the records missing.
        const QRegularExpression gap(
            QStringLiteral("^meter (\\d+): (\\d+) records missing from (.+) to (.+) \\((.+)\\)$"));
        quint64 named = 0;
        QSet<QString> gapMeters;
        for (const QString& line : std::as_const(said)) {
            const QRegularExpressionMatch m = gap.match(line);
            if (!m.hasMatch())
                continue;
            QCOMPARE(m.captured(5), why);
            QVERIFY(m.captured(3) < m.captured(4));
            named += m.captured(2).toULongLong();
            gapMeters << m.captured(1);
        }
        QCOMPARE(int(gapMeters.size()), meters);
        QCOMPARE(named, watch.recordsMissing());
        // Every second of the outage cost each affected meter one record, give or take the
        // instants at its edges.
        QVERIFY2(watch.recordsMissing() >= quint64(15 * meters) &&
                     watch.recordsMissing() <= quint64(25 * meters),
                 qPrintable(said.join(u'\n')));
        if (outage == u"silent") {
            QCOMPARE(said.filter(QRegularExpression(
                                     QStringLiteral("^meter 2 stopped answering at 2026-01-01 ")))
                         .size(),
                     1);
            QVERIFY(!said.filter(QStringLiteral("meter 2 answers again")).isEmpty());
            QVERIFY(watch.meters().anyLost());
            QVERIFY(!watch.meters().isStale(1));
            // The writer's own count agrees: one record fewer per instant of the outage.
            QCOMPARE(quint64(fewer), watch.recordsMissing());
            QCOMPARE(watch.summary(),
                     QStringLiteral("%1 save instants; %2 records written, %3 missing")
                         .arg(instants)
                         .arg(written)
                         .arg(fewer));
        }
    }

    void everyInstantComesWhateverThePollingPace_data() {
        QTest::addColumn<int>("meters");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("interval"); // between requests; 0 the shortest
        QTest::addColumn<int>("turnaround");   // how soon a meter answers, ms
        QTest::newRow("32 meters, shortest, 9600, answers after 5 ms") << 32 << "9600"
                                                                       << "0" << 5;
    }

    // The save check runs late, woken by requests and replies; however the polling paces them,
    // every instant of the schedule has its records.
    void everyInstantComesWhateverThePollingPace() {
        QFETCH(int, meters);
        QFETCH(QString, baud);
        QFETCH(QString, interval);
        QFETCH(int, turnaround);
        QStringList bus;
        QList<int> addresses;
        for (int a = 1; a <= meters; ++a) {
            bus << QStringLiteral("%1:%2:1.20").arg(a).arg(a % 2 ? 12 : 4);
            addresses << a;
        }
        QTemporaryDir dir;
        EngineHarness h(QStringLiteral("DEMO:") + bus.join(u','), addresses);
        h.clock.setSlackTaken(true);
        h.link.setTurnaroundMs(turnaround);
        PortSettings port = h.engine.portSettings();
        port.baud = baud;
        port.txInterval = interval;
        h.engine.setPortSettings(port);
        const SaveSettings settings = everySeconds(dir.path(), 1);
        Logging log(h, settings);
        auto& [writer, said, watch] = log;
        QList<QDateTime> saves; // of every meter
        connect(&writer, &DataFileWriter::saved, this,
                [&](const QDateTime& at, const QStringList& files) {
                    if (files.size() == meters)
                        saves << at;
                });
        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        QVERIFY(h.runUntil([&] { return !saves.isEmpty(); }, 60000));
        h.clock.advance(120000);
        watch.finish(h.clock.currentDateTime());

        QVERIFY2(watch.recordsMissing() == 0, qPrintable(said.join(u'\n')));
        const SaveSchedule schedule(settings);
        QCOMPARE(qint64(saves.size()), schedule.count(saves.first().addSecs(-1), saves.last()));
        QVERIFY(saves.size() >= 120);
    }

    void gapsNameExactlyTheInstantsWithoutARecord_data() {
        QTest::addColumn<QString>("faults"); // on meter 1
        QTest::addColumn<int>("interval");
        QTest::newRow("every 3rd reply 1.5 s late") << "delay:1500,every=3" << 1;
        QTest::newRow("every 7 s, every 2nd reply 1.2 s late") << "delay:1200,every=2" << 7;
    }

    // Polling held up by late replies saves late in its second, or not at all: standard error
    // names exactly the instants of which a data file holds no record.
    void gapsNameExactlyTheInstantsWithoutARecord() {
        QFETCH(QString, faults);
        QFETCH(int, interval);
        QTemporaryDir dir;
        EngineHarness h(QStringLiteral("DEMO"), {1, 2});
        const SaveSettings settings = everySeconds(dir.path(), interval);
        const SaveSchedule schedule(settings);
        Logging log(h, settings);
        auto& [writer, said, watch] = log;
        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        h.clock.advance(3000); // both meters read and saved
        QVERIFY(h.addFaults(faults + QStringLiteral(",meter=1")));
        h.clock.advance(120000);
        const QDateTime last = schedule.lastUpTo(h.clock.currentDateTime().addMSecs(-1000));
        watch.finish(h.clock.currentDateTime());

        const QRegularExpression gap(QStringLiteral(
            "^meter (\\d+): (\\d+) records? missing (?:at (\\S+ \\S+)|from (\\S+ \\S+) to "
            "(\\S+ \\S+))"));
        QMap<int, QSet<qint64>> named;
        quint64 total = 0;
        for (const QString& line : std::as_const(said)) {
            const QRegularExpressionMatch m = gap.match(line);
            if (!m.hasMatch())
                continue;
            const auto time = [&](int n) {
                return QDateTime::fromString(m.captured(n), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            };
            const QDateTime from = m.captured(3).isEmpty() ? time(4) : time(3);
            const QDateTime to = m.captured(3).isEmpty() ? time(5) : time(3);
            QSet<qint64>& instants = named[m.captured(1).toInt()];
            for (QDateTime t = from; t <= to; t = schedule.firstAfter(t))
                instants << stampOf(t);
            QCOMPARE(schedule.count(from.addSecs(-1), to), m.captured(2).toLongLong());
            total += m.captured(2).toULongLong();
        }
        QCOMPARE(watch.recordsMissing(), total);
        QVERIFY2(!named[1].isEmpty(), qPrintable(said.join(u'\n')));

        for (int address : {1, 2}) {
            DataFileReader file;
            QVERIFY(file.open(DataFileWriter::DataFileName(settings, address, last)));
            QSet<qint64> recorded;
            DataRecord record;
            for (qint64 i = 0; file.record(i, &record); ++i)
                recorded << *DataTime::stampSeconds(record.stamp);
            // From the meter's first record on.
            QSet<qint64> missing;
            const qint64 start = *std::min_element(recorded.begin(), recorded.end());
            for (QDateTime t = kStampZero.addSecs(start); t <= last; t = schedule.firstAfter(t))
                if (!recorded.contains(stampOf(t)))
                    missing << stampOf(t);
            QCOMPARE(named[address], missing);
        }
    }
};

QTEST_GUILESS_MAIN(TestLogWatch)
#include "tst_logwatch.moc"
