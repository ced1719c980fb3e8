#include "core/Clock.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileWriter.h"
#include "publish/DeliveryState.h"
#include "publish/MeterFiles.h"
#include "publish/RecordPublisher.h"
#include "support/DataFileBytes.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Ranges = QList<QPair<qint64, qint64>>;

Ranges rangesOf(const DeliveryState& s) {
    Ranges out;
    for (const DeliveryState::Range& r : s.ahead)
        out.append({r.first, r.last});
    return out;
}

// A data file of `records` whole records, and `tail` bytes of one cut short after them.
void makeFile(const QString& path, int records, int tail = 0) {
    QByteArray bytes = DataFileBytes::header();
    for (int i = 0; i < records; ++i) {
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2026, 12, 7, 0, 0, i % 60);
        bytes += r.bytes();
    }
    bytes += QByteArray(tail, '\x01');
    DataFileBytes::write(path, bytes);
}

} // namespace

// Where a meter's delivery stands, and the record numbers counted through its data files.
class TestDeliveryState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Acknowledgements come in any order (live records ahead of a backlog); the delivered run
    // grows only over numbers with nothing missing before them.
    void acknowledgementsGrowTheRun_data() {
        QTest::addColumn<QList<qint64>>("acks");
        QTest::addColumn<qint64>("seq");
        QTest::addColumn<Ranges>("ahead");
        QTest::newRow("in order") << QList<qint64>{1, 2, 3} << qint64(3) << Ranges{};
        QTest::newRow("live ahead of a backlog")
            << QList<qint64>{7, 8, 9, 1, 2} << qint64(2) << Ranges{{7, 9}};
        QTest::newRow("backlog fills the gap")
            << QList<qint64>{7, 8, 1, 2, 3, 4, 5, 6} << qint64(8) << Ranges{};
        QTest::newRow("two holes")
            << QList<qint64>{3, 6, 5, 9} << qint64(0) << Ranges{{3, 3}, {5, 6}, {9, 9}};
        QTest::newRow("a range joins its neighbours")
            << QList<qint64>{3, 5, 4, 1} << qint64(1) << Ranges{{3, 5}};
        QTest::newRow("a copy changes nothing")
            << QList<qint64>{1, 1, 4, 4} << qint64(1) << Ranges{{4, 4}};
    }

    void acknowledgementsGrowTheRun() {
        QFETCH(QList<qint64>, acks);
        QFETCH(qint64, seq);
        QFETCH(Ranges, ahead);
        DeliveryState s;
        qint64 total = 0;
        for (qint64 n : std::as_const(acks)) {
            qint64 grown = 0;
            s.markDelivered(n, &grown);
            total += grown;
        }
        QCOMPARE(s.seq, seq);
        QCOMPARE(total, seq);
        QCOMPARE(rangesOf(s), ahead);
        for (qint64 n : std::as_const(acks))
            QVERIFY(s.isDelivered(n));
    }

    void stateFileReadsBackOrIsRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("loads");
        QTest::newRow("whole") << QByteArray("file=A_01.TDD\nnext=4\nseq=9\nahead=12-14,20-20\n")
                               << true;
        QTest::newRow("no place") << QByteArray("seq=9\n") << false;
        QTest::newRow("range touching the run")
            << QByteArray("file=A_01.TDD\nnext=4\nseq=9\nahead=10-12\n") << false;
        QTest::newRow("ranges out of order")
            << QByteArray("file=A_01.TDD\nnext=4\nseq=9\nahead=20-22,12-14\n") << false;
        QTest::newRow("a path, not a name")
            << QByteArray("file=../A_01.TDD\nnext=4\nseq=9\n") << false;
        QTest::newRow("cut short") << QByteArray("file=A_01.TDD\nnex") << false;
    }

    void stateFileReadsBackOrIsRefused() {
        QFETCH(QByteArray, text);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        const QString path = DataFileBytes::write(dir.filePath("A_01.PUB"), text);
        DeliveryState s;
        QCOMPARE(LoadDeliveryState(path, &s), loads);
        if (!loads)
            return;
        // Written and read again, it is the same state.
        QVERIFY(WriteDeliveryState(path, s));
        DeliveryState again;
        QVERIFY(LoadDeliveryState(path, &again));
        QCOMPARE(again, s);
        QCOMPARE(s.ahead.size(), 2);
    }

    // The files of meter 1 over three days, the middle one not there, the first ending in a
    // record cut short by a power cut; meter 2's file and a stray name lie beside them.
    void recordsAreCountedThroughTheFiles_data() {
        QTest::addColumn<QString>("fromFile");
        QTest::addColumn<qint64>("fromIndex");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QString>("toFile");
        QTest::addColumn<qint64>("toIndex");
        QTest::addColumn<qint64>("left");
        const QString d5 = "RUN_01_20261205.TDD", d6 = "RUN_01_20261206.TDD",
                      d7 = "RUN_01_20261207.TDD";
        QTest::newRow("within a file")
            << d5 << qint64(0) << qint64(2) << d5 << qint64(2) << qint64(7);
        QTest::newRow("to the end of a file stays there")
            << d5 << qint64(0) << qint64(3) << d5 << qint64(3) << qint64(7);
        QTest::newRow("over midnight")
            << d5 << qint64(1) << qint64(3) << d7 << qint64(1) << qint64(6);
        QTest::newRow("from a day with no file")
            << d6 << qint64(0) << qint64(1) << d7 << qint64(1) << qint64(4);
        QTest::newRow("past the last record")
            << d5 << qint64(0) << qint64(99) << d7 << qint64(4) << qint64(7);
        QTest::newRow("from the single file into the daily ones")
            << "RUN_01.TDD" << qint64(1) << qint64(2) << d5 << qint64(1) << qint64(8);
    }

    void recordsAreCountedThroughTheFiles() {
        QFETCH(QString, fromFile);
        QFETCH(qint64, fromIndex);
        QFETCH(qint64, count);
        QFETCH(QString, toFile);
        QFETCH(qint64, toIndex);
        QFETCH(qint64, left);
        QTemporaryDir dir;
        makeFile(dir.filePath("RUN_01.TDD"), 2);
        makeFile(dir.filePath("RUN_01_20261205.TDD"), 3, 20);
        makeFile(dir.filePath("RUN_01_20261207.TDD"), 4);
        makeFile(dir.filePath("RUN_02_20261206.TDD"), 9);
        makeFile(dir.filePath("RUN_01_backup.TDD"), 9);
        SaveSettings save;
        save.gDSaveFolder = dir.path();
        save.gDSaveName = QStringLiteral("RUN");
        const MeterFiles files(save, 1);
        const RecordPlace from{fromFile, fromIndex};
        const RecordPlace to = files.advance(from, count);
        QCOMPARE(to.file, toFile);
        QCOMPARE(to.index, toIndex);
        QCOMPARE(files.recordsFrom(from), left);
        // Counting back gives the same number of records: a record's number does not depend
        // on how it was reached.
        QCOMPARE(files.distance(from, to), std::min(count, left));
        QCOMPARE(files.distance(to, from), to == from ? 0 : -1);
    }

    // Records saved while the broker cannot be reached wait for it, also across a restart;
    // the first record of a meter met only when it is saved is one of them.
    void undeliveredRecordsWaitAcrossARestart() {
        QTemporaryDir dir;
        SaveSettings save;
        save.gDSaveFolder = dir.path();
        save.gDSaveName = QStringLiteral("RUN");
        SystemClock clock;
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        PublishSettings publish;
        publish.enabled = true;
        publish.url = QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(closed.serverPort());
        closed.close();
        const auto saveRecords = [&](RecordPublisher& p, int count) {
            for (int i = 0; i < count; ++i) {
                SavedRecord r;
                r.address = 7;
                r.file = dir.filePath("RUN_07.TDD");
                DataFileBytes::Record rec;
                rec.stamp = DataFileBytes::stamp(2026, 12, 7, 10, 0, i);
                r.record = rec.bytes();
                r.index = AppendDataRecord(
                              r.file, [] { return DataFileBytes::header(); }, r.record)
                              .index;
                p.recordSaved(r);
            }
        };
        {
            RecordPublisher first(clock, publish, save);
            QString why;
            QVERIFY2(first.start(&why), qPrintable(why));
            saveRecords(first, 3);
            QCOMPARE(first.waiting(), 3);
            QCOMPARE(first.brokerState(), RecordPublisher::BrokerState::Away);
            first.stop();
        }
        RecordPublisher second(clock, publish, save);
        second.addMeter(7);
        QCOMPARE(second.waiting(), 3);
        QString why;
        QVERIFY(second.start(&why));
        saveRecords(second, 2);
        QCOMPARE(second.waiting(), 5);
        QCOMPARE(second.deliveryState(7)->seq, 0);
        QCOMPARE(second.deliveryState(7)->next, (RecordPlace{"RUN_07.TDD", 0}));
    }

    // With no data folder set nothing is saved, and no state file lands in whatever folder the
    // program was started from.
    void noDataFolderLeavesTheWorkingFolderAlone() {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        {
            VirtualClock clock;
            RecordPublisher publisher(clock, PublishSettings{}, SaveSettings{});
            publisher.addMeter(1);
            publisher.linkChanged(1, true, 5, 0, 0);
            publisher.stop();
        }
        QDir::setCurrent(before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestDeliveryState)
#include "tst_deliverystate.moc"
