#include "cli/LogWatch.h"
#include "comm/EngineHarness.h"
#include "logging/DataFileWriter.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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
        SaveSettings settings;
        settings.gDSaveOn = QStringLiteral("Yes");
        settings.gDSaveInterval = 1;
        settings.gDSaveUnit = QStringLiteral("sec");
        settings.gDSaveFolder = dir.path();
        settings.gDSaveName = QStringLiteral("T");
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
};

QTEST_GUILESS_MAIN(TestLogWatch)
#include "tst_logwatch.moc"
