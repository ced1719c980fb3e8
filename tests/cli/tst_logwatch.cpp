#include "cli/LogWatch.h"
#include "logging/DataFileReader.h"
#include "logging/DataFileWriter.h"
#include "logging/DataTime.h"
#include "logging/SaveSchedule.h"
#include "support/EngineHarness.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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

// What `td700 log` tells on the virtual clock when a meter falls silent or the port closes in
// the middle of a run: the meter's loss and return, and each gap of records with its span,
// its size and why.
class TestLogWatch : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
        // Every save instant and what it wrote, counted apart from the watch.
        QList<QPair<QDateTime, int>> instants;
        connect(&writer, &DataFileWriter::saved, this,
                [&](const QDateTime& at, const QStringList& files) {
                    instants << qMakePair(at, int(files.size()));
                });

        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        h.clock.advance(10000);
        const int before = int(instants.size());
        QVERIFY(before >= 8);
        QCOMPARE(watch.recordsMissing(), 0u);

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
            int short_ = 0;
            for (int i = before; i < instants.size(); ++i)
                short_ += 2 - instants[i].second;
            QCOMPARE(quint64(short_), watch.recordsMissing());
            int written = 0;
            for (const auto& instant : std::as_const(instants))
                written += instant.second;
            QCOMPARE(watch.summary(), QStringLiteral("%1 save instants; %2 records written, %3 "
                                                     "missing")
                                          .arg(instants.size())
                                          .arg(written)
                                          .arg(short_));
        }
    }

    void everyInstantComesWhateverThePollingPace_data() {
        QTest::addColumn<int>("meters");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("interval"); // between requests; 0 the shortest
        QTest::addColumn<int>("turnaround");   // how soon a meter answers, ms
        QTest::newRow("32 meters, shortest, 9600, answers after 5 ms") << 32 << "9600"
                                                                       << "0" << 5;
        QTest::newRow("32 meters, 10 ms, 19200, answers after 8 ms") << 32 << "19200"
                                                                     << "10" << 8;
        QTest::newRow("2 meters, 20 ms, 38400, answers at once") << 2 << "38400"
                                                                 << "20" << 0;
    }

    // The save check runs late, with whatever wakes the program (the requests and replies), as
    // the program's clock runs it; however the polling paces them, every instant of the
    // schedule has its records.
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
        QTest::newRow("every 4th reply 2.5 s late") << "delay:2500,every=4" << 1;
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
