#include "core/Clock.h"
#include "logging/DataFileAppend.h"
#include "publish/DeliveryState.h"
#include "publish/RecordNumbers.h"
#include "publish/RecordPublisher.h"
#include "support/DataFileBytes.h"

#include <QDir>
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

// A data file of `records` whole records stamped from `second` on, and `tail` bytes of one cut
// short after them.
void makeFile(const QString& path, int records, int tail = 0, int second = 0) {
    QByteArray bytes = DataFileBytes::header();
    for (int i = 0; i < records; ++i) {
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2026, 12, 7, 0, (second + i) / 60, (second + i) % 60);
        bytes += r.bytes();
    }
    bytes += QByteArray(tail, '\x01');
    DataFileBytes::write(path, bytes);
}

MeterFiles meterFiles(const QString& folder, int address = 1) {
    SaveSettings save;
    save.gDSaveFolder = folder;
    save.gDSaveName = QStringLiteral("RUN");
    return MeterFiles(save, address);
}

QStringList changeTexts(const QList<RecordNumbers::Change>& changes) {
    static const char* kinds[] = {"gone", "shrunk", "replaced"};
    QStringList out;
    for (const RecordNumbers::Change& c : changes)
        out << QStringLiteral("%1 %2 %3-%4").arg(kinds[c.kind], c.file).arg(c.first).arg(c.last);
    return out;
}

} // namespace

// Where a meter's delivery stands, and the numbers of its records through its data files.
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
        for (qint64 n : std::as_const(acks))
            s.markDelivered(n);
        QCOMPARE(s.seq, seq);
        QCOMPARE(rangesOf(s), ahead);
        for (qint64 n : std::as_const(acks))
            QVERIFY(s.isDelivered(n));
        // A span given up at once (records gone) is the same as its numbers one by one.
        DeliveryState spans;
        spans.markDelivered(4, 6);
        spans.markDelivered(1, 2);
        spans.markDelivered(3, 3);
        QCOMPARE(spans.seq, 6);
    }

    // A state file is used only when it is this meter's and the data file it names is still
    // there as it was; one of an earlier version is read too.
    void stateFileSaysWhoseItIs_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("verdict");
        const int read = int(StateLoaded::Read), notOurs = int(StateLoaded::NotOurs),
                  damaged = int(StateLoaded::Damaged);
        const QByteArray own = "meter=1\nname=RUN\nseq=9\nahead=12-14,20-20\nfile=RUN_01.TDD\n"
                               "next=3\ndata=RUN_01.TDD\nidentity=@id\nsize=@size\nlast=@last\n";
        QTest::newRow("this meter's") << own << read;
        QTest::newRow("of an earlier version")
            << QByteArray("file=RUN_01.TDD\nnext=4\nseq=9\nahead=12-14\n") << read;
        QTest::newRow("meter 2's") << QByteArray(own).replace("meter=1", "meter=2") << notOurs;
        QTest::newRow("of another name")
            << QByteArray(own).replace("name=RUN", "name=X") << notOurs;
        QTest::newRow("earlier version, meter 2's")
            << QByteArray("file=RUN_02.TDD\nnext=4\nseq=9\n") << notOurs;
        QTest::newRow("the data file replaced since")
            << QByteArray(own).replace("identity=@id", "identity=0123456789abcdef") << notOurs;
        QTest::newRow("the data file shorter than then")
            << QByteArray(own).replace("size=@size", "size=1088") << notOurs;
        QTest::newRow("a path, not a name")
            << QByteArray("file=../RUN_01.TDD\nnext=4\nseq=9\n") << notOurs;
        QTest::newRow("range touching the run")
            << QByteArray(own).replace("12-14", "10-14") << damaged;
        QTest::newRow("ranges out of order")
            << QByteArray(own).replace("12-14,20-20", "20-22,12-14") << damaged;
        QTest::newRow("cut short") << QByteArray("met") << damaged;
    }

    void stateFileSaysWhoseItIs() {
        QFETCH(QByteArray, text);
        QFETCH(int, verdict);
        QTemporaryDir dir;
        makeFile(dir.filePath("RUN_01.TDD"), 8);
        const MeterFiles files = meterFiles(dir.path());
        text.replace("@id", RecordNumbers::identityOf(dir.filePath("RUN_01.TDD")))
            .replace("@size", QByteArray::number(512 + 64 * 6))
            .replace("@last", "30");
        DataFileBytes::write(files.stateFile(), text);
        DeliveryState s;
        QString why;
        QCOMPARE(int(LoadDeliveryState(files, &s, &why)), verdict);
        QCOMPARE(why.isEmpty(), verdict == int(StateLoaded::Read));
        if (verdict != int(StateLoaded::Read))
            return;
        // Written and read again, it is the same state.
        DataFileBytes::write(files.stateFile(), DeliveryStateText(files, s, {"RUN_01.TDD", 3}));
        DeliveryState again;
        QCOMPARE(LoadDeliveryState(files, &again, &why), StateLoaded::Read);
        QCOMPARE(again.seq, s.seq);
        QCOMPARE(again.ahead, s.ahead);
    }

    // Three days of files (the middle one missing, the first ending in a cut record), numbered
    // and kept; whatever then befalls the files, records keep their numbers, none given twice.
    void numbersStayWithTheirRecords_data() {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("places"); // FILE:INDEX=SEQ after it
        QTest::addColumn<QString>("append");     // a record the writer appends then
        QTest::addColumn<qint64>("appended");    // its number
        const QString d5 = "RUN_01_20261205.TDD", d7 = "RUN_01_20261207.TDD";
        const QStringList before{"RUN_01.TDD:0=1", d5 + ":2=5", d7 + ":0=6", d7 + ":3=9"};
        QTest::newRow("nothing") << "" << QStringList{} << before << d7 << qint64(10);
        QTest::newRow("the oldest file deleted")
            << "delete RUN_01.TDD" << QStringList{"gone RUN_01.TDD 1-2"}
            << QStringList{d5 + ":0=3", d7 + ":3=9"} << d7 << qint64(10);
        QTest::newRow("a day moved away") << "delete " + d5 << QStringList{"gone " + d5 + " 3-5"}
                                          << QStringList{d7 + ":0=6"} << d7 << qint64(10);
        QTest::newRow("the last day cut shorter")
            << "cut " + d7 << QStringList{"shrunk " + d7 + " 8-9"}
            << QStringList{d7 + ":1=7", d5 + ":0=3"} << d7 << qint64(10);
        QTest::newRow("the last day replaced")
            << "replace " + d7 << QStringList{"replaced " + d7 + " 6-9"}
            << QStringList{d7 + ":0=10", d7 + ":3=13"} << d7 << qint64(14);
        QTest::newRow("an earlier day written again (the clock put back)")
            << "" << QStringList{} << before << d5 << qint64(10);
        QTest::newRow("a new day")
            << "day RUN_01_20261208.TDD" << QStringList{} << QStringList{"RUN_01_20261208.TDD:1=11"}
            << "RUN_01_20261208.TDD" << qint64(12);
    }

    void numbersStayWithTheirRecords() {
        QFETCH(QString, event);
        QFETCH(QStringList, changes);
        QFETCH(QStringList, places);
        QFETCH(QString, append);
        QFETCH(qint64, appended);
        QTemporaryDir dir;
        makeFile(dir.filePath("RUN_01.TDD"), 2);
        makeFile(dir.filePath("RUN_01_20261205.TDD"), 3, 20);
        makeFile(dir.filePath("RUN_01_20261207.TDD"), 4);
        makeFile(dir.filePath("RUN_02_20261206.TDD"), 9);
        makeFile(dir.filePath("RUN_01_backup.TDD"), 9);
        const MeterFiles files = meterFiles(dir.path());
        {
            RecordNumbers first(files);
            QString why;
            QCOMPARE(first.load(&why), RecordNumbers::Loaded::Missing);
            QVERIFY(first.scan().isEmpty());
            QCOMPARE(first.last(), 9);
            DataFileBytes::write(files.numbersFile(), first.text());
        }
        const QString what = event.section(u' ', 0, 0), file = dir.filePath(event.section(u' ', 1));
        if (what == u"delete")
            QVERIFY(QFile::remove(file));
        else if (what == u"cut")
            QVERIFY(QFile(file).resize(512 + 64 * 2));
        else if (what == u"replace")
            makeFile(file, 4, 0, 30);
        else if (what == u"day")
            makeFile(file, 2, 0, 30);
        RecordNumbers numbers(files);
        QString why;
        QCOMPARE(numbers.load(&why), RecordNumbers::Loaded::Read);
        QCOMPARE(changeTexts(numbers.scan()), changes);
        for (const QString& p : std::as_const(places))
            QCOMPARE(numbers.seqOf({p.section(u':', 0, 0),
                                    p.section(u':', 1).section(u'=', 0, 0).toLongLong()}),
                     p.section(u'=', 1).toLongLong());
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2026, 12, 7, 1, 0, 0);
        const qint64 index =
            AppendDataRecord(
                dir.filePath(append), [] { return DataFileBytes::header(); }, r.bytes())
                .index;
        QList<RecordNumbers::Change> none;
        QCOMPARE(numbers.number({append, index}, &none), appended);
        QVERIFY(none.isEmpty());
        QCOMPARE(numbers.last(), appended);
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
