#include "cli/LogWatch.h"
#include "comm/EngineHarness.h"
#include "logging/DataFileReader.h"
#include "logging/DataFileWriter.h"
#include "logging/DataTime.h"
#include "logging/SaveSchedule.h"

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
    }

    void gapsAreNamed() {
        QFETCH(QString, outage);
        QFETCH(QString, why);
        QFETCH(int, meters);
        QTemporaryDir dir;
        EngineHarness h(QStringLiteral("DEMO"), {1, 2});
        DataFileWriter writer(h.clock, h.engine);
        const SaveSettings settings = everySeconds(dir.path(), 1);
        writer.setSettings(settings);
        QStringList said;
        LogWatch watch(h.engine, writer, h.clock, settings,
                       [&](const QString& line) { said << line; });
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
        } else {
            h.link.simulateLinkLoss(QStringLiteral("adapter removed."));
            watch.portClosed(h.engine.lastFailure());
            h.clock.advance(20000);
            QVERIFY(h.engine.openPort());
            QVERIFY(h.runUntil([&] { return h.engine.phase() == CommEngine::Phase::Polling; }));
        }
        h.clock.advance(15000);
        watch.finish();

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
        }
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
        DataFileWriter writer(h.clock, h.engine);
        const SaveSettings settings = everySeconds(dir.path(), interval);
        const SaveSchedule schedule(settings);
        writer.setSettings(settings);
        QStringList said;
        LogWatch watch(h.engine, writer, h.clock, settings,
                       [&](const QString& line) { said << line; });
        QVERIFY(h.openAndSettle());
        writer.tmrDSave().start();
        h.clock.advance(3000); // both meters read and saved
        QVERIFY(h.addFaults(faults + QStringLiteral(",meter=1")));
        h.clock.advance(120000);
        const QDateTime last = schedule.lastUpTo(h.clock.currentDateTime().addMSecs(-1000));
        watch.finish();

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
