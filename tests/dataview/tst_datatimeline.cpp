#include "TimeLineFiles.h"
#include "dataview/DataTimeLine.h"

#include <QTemporaryDir>
#include <QTest>

using namespace TimeLineFiles;
using Gaps = QList<QPair<qint64, qint64>>; // offsets of the record before and after

// Data files as one time line: order, segments, the save interval, gaps, alarm changes, the
// record under the cursor, and files that grow while they are shown.
class TestDataTimeLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dailyFilesMakeOneTimeLine() {
        // Three days, 10 s apart, given out of order; ten silent minutes on day two; channel 3's
        // alarm on from 23:58 of day one to 00:03 of day two, across the change of file.
        QStringList paths;
        for (int day : {2, 0, 1}) {
            QByteArray bytes = DataFileBytes::header();
            for (qint64 t = day * 86400; t < (day + 1) * 86400; t += 10) {
                if (t >= 86400 + 3600 && t < 86400 + 4200)
                    continue;
                DataFileBytes::Record r = recordAt(t);
                if (t >= 86400 - 120 && t < 86400 + 180)
                    r.alarms = quint64(1) << (4 * 2);
                bytes += r.bytes();
            }
            paths << DataFileBytes::write(
                m_dir.filePath(QStringLiteral("LOG_03_2024030%1.TDD").arg(4 + day)), bytes);
        }
        DataTimeLine line;
        QCOMPARE(line.add(paths), 3);
        QVERIFY2(line.messages().isEmpty(), qPrintable(line.messages().join(u'\n')));
        QCOMPARE(line.files().front()->path, paths[1]);
        QCOMPARE(line.recordCount(), qint64(3 * 8640 - 60));
        QCOMPARE(line.firstTime(), kBase);
        QCOMPARE(line.lastTime(), kBase + 3 * 86400 - 10);
        QCOMPARE(line.interval(), qint64(10));
        QCOMPARE(int(line.segments().size()), 3);
        for (size_t k = 1; k < 3; ++k)
            QVERIFY(line.continues(line.segments()[k - 1], line.segments()[k]));
        QCOMPARE(gapsOf(line), (Gaps{{86400 + 3590, 86400 + 4200}}));
        // One change on, one off, nothing at the change of file; and the silence.
        QCOMPARE(int(line.events().size()), 3);
        QCOMPARE(int(line.events()[0].kind), int(TimeLineEvent::Kind::AlarmOn));
        QCOMPARE(line.events()[0].time, kBase + 86400 - 120);
        QCOMPARE(line.events()[0].channel, 3);
        QCOMPARE(line.events()[0].alarm, 1);
        QCOMPARE(int(line.events()[1].kind), int(TimeLineEvent::Kind::AlarmOff));
        QCOMPARE(line.events()[1].time, kBase + 86400 + 180);
        QCOMPARE(int(line.events()[2].kind), int(TimeLineEvent::Kind::NoData));
    }

    void intervalsGapsAndSegments_data() {
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<qint64>("interval");
        QTest::addColumn<Gaps>("gaps");
        QTest::addColumn<int>("segments");
        QTest::addColumn<bool>("joined"); // the segments run on from one to the next

        // clang-format off
        QTest::newRow("every second") << every(1, 0, 100) << qint64(1) << Gaps{} << 1 << true;
        QTest::newRow("a save missed, 1 s") << every(1, 0, 50) + every(1, 52, 100) << qint64(1) << Gaps{{50, 52}} << 1 << true;
        // Saves at seconds 0, 7 .. 56: the last step of each minute is 4 s, no gap.
        QList<qint64> sevens;
        for (qint64 minute = 0; minute < 10; ++minute)
            sevens += every(7, minute * 60, minute * 60 + 56);
        QTest::newRow("7 s, short last step") << sevens << qint64(7) << Gaps{} << 1 << true;
        QList<qint64> sevensMissing = sevens;
        sevensMissing.removeAt(20);
        QTest::newRow("7 s, one missed") << sevensMissing << qint64(7) << Gaps{{sevens[19], sevens[21]}} << 1 << true;
        // 40 s: steps of 20 and 40 in turn, both regular (the 20 s ones one more).
        QList<qint64> forties{40};
        for (qint64 minute = 1; minute < 20; ++minute)
            forties << minute * 60 << minute * 60 + 40;
        QTest::newRow("40 s, two steps") << forties << qint64(40) << Gaps{} << 1 << true;
        QTest::newRow("5 min, a quarter hour silent") << every(300, 0, 3000) + every(300, 4200, 9000) << qint64(300) << Gaps{{3000, 4200}} << 1 << true;
        // The clock put back an hour: two segments over the same hour, not joined.
        QTest::newRow("clock put back an hour") << every(60, 0, 7200) + every(60, 3660, 9000) << qint64(60) << Gaps{} << 2 << false;
        QTest::newRow("clock put back a second") << every(10, 0, 600) + every(10, 599, 1200) << qint64(10) << Gaps{} << 2 << true;
        QTest::newRow("an unreadable stamp") << every(1, 0, 49) + QList<qint64>{kBadStamp} + every(1, 51, 100) << qint64(1) << Gaps{{49, 51}} << 2 << false;
        QTest::newRow("one record") << QList<qint64>{500} << qint64(0) << Gaps{} << 1 << true;
        // clang-format on
    }

    void intervalsGapsAndSegments() {
        QFETCH(QList<qint64>, times);
        QFETCH(int, segments);
        QFETCH(bool, joined);
        DataTimeLine line;
        QCOMPARE(line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("t.TDD")),
                                                fileOf(times))}),
                 1);
        QTEST(line.interval(), "interval");
        QTEST(gapsOf(line), "gaps");
        QCOMPARE(int(line.segments().size()), segments);
        if (segments == 2)
            QCOMPARE(line.continues(line.segments()[0], line.segments()[1]), joined);
        QCOMPARE(line.files().front()->badStamps, qint64(times.count(kBadStamp)));
    }

    // Segments stay bounded: a clock put back now and then keeps every stretch, stamps going
    // back and forth all the time do not make a segment of every few records.
    void segmentsStayWithinTheirBudget_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("stretch"); // records between two steps back
        QTest::addColumn<int>("segments");
        QTest::addColumn<int>("leftOut");
        QTest::newRow("put back every 4096 records") << 65536 << 4096 << 16 << 0;
        QTest::newRow("put back every 64 records") << 65536 << 64 << 1024 << 0;
        // Up to 1024 + 65536 / 64 segments (the last one still open): the others left out.
        QTest::newRow("back every 2 records") << 65536 << 2 << 2047 << 61442;
        QTest::newRow("back at every record") << 65536 << 1 << 2047 << 63489;
    }

    void segmentsStayWithinTheirBudget() {
        QFETCH(int, records);
        QFETCH(int, stretch);
        QList<qint64> times;
        for (int i = 0; i < records; ++i)
            times << 100000 + i % stretch - i / stretch; // each stretch starts a second earlier
        DataTimeLine line;
        QCOMPARE(line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("b.TDD")),
                                                fileOf(times))}),
                 1);
        QTEST(int(line.segments().size()), "segments");
        QTEST(int(line.files().front()->leftOut), "leftOut");
        QVERIFY(line.segments().size() <= size_t(DataTimeLine::SegmentBudget(records) + 1));
        QCOMPARE(line.messages().join(u'\n').contains(QStringLiteral("not drawn")),
                 line.files().front()->leftOut > 0);
    }

    void cursorReadsTheRecordThatHolds_data() {
        QTest::addColumn<qint64>("at");
        QTest::addColumn<qint64>("record"); // its offset, -1: none
        QTest::newRow("on a record") << qint64(100) << qint64(100);
        QTest::newRow("between two") << qint64(109) << qint64(100);
        QTest::newRow("just before the silence") << qint64(1004) << qint64(1000);
        QTest::newRow("in the silence") << qint64(1500) << qint64(-1);
        QTest::newRow("after the silence") << qint64(2003) << qint64(2000);
        QTest::newRow("before the first") << qint64(-5) << qint64(-1);
        QTest::newRow("long after the last") << qint64(4000) << qint64(-1);
    }

    void cursorReadsTheRecordThatHolds() {
        QFETCH(qint64, at);
        QFETCH(qint64, record);
        DataTimeLine line;
        line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("c.TDD")),
                                       fileOf(every(10, 0, 1000) + every(10, 2000, 3000)))});
        const auto ref = line.recordAt(kBase + at);
        QCOMPARE(ref ? ref->time - kBase : qint64(-1), record);
        if (ref)
            QCOMPARE(qint64(line.reader(ref->file).recordData(ref->record) != nullptr), qint64(1));
    }

    void growingFileIsFollowed() {
        const QString path = m_dir.filePath(QStringLiteral("GROW_05_20240304.TDD"));
        DataFileBytes::write(path, fileOf(every(1, 0, 999)));
        DataTimeLine line;
        line.add({path});
        QCOMPARE(line.recordCount(), qint64(1000));
        QVERIFY(!line.refresh(true));

        // More records, a silence among them, and half a record still being written.
        QByteArray more;
        for (qint64 t : every(1, 1000, 1999) + every(1, 2100, 2999))
            more += recordAt(t).bytes();
        DataFileBytes::append(path, more + recordAt(3000).bytes().left(20));
        QVERIFY(line.refresh(false));
        QCOMPARE(line.recordCount(), qint64(2900));
        QCOMPARE(line.lastTime(), kBase + 2999);
        QCOMPARE(gapsOf(line), (Gaps{{1999, 2100}}));
        // What the summary learnt record by record equals what reading it whole gives.
        DataTimeLine fresh;
        fresh.add({path});
        const RecordSummary& grown = line.summary(0);
        const RecordSummary& whole = fresh.summary(0);
        for (qint64 a = 0; a < 2900; a += 97) {
            const qint64 b = std::min<qint64>(2900, a + 1 + a * 7 % 1500);
            QCOMPARE(grown.span(line.reader(0), a, b).high, whole.span(fresh.reader(0), a, b).high);
            QCOMPARE(grown.span(line.reader(0), a, b).low, whole.span(fresh.reader(0), a, b).low);
        }

        // The next day's file appears beside it.
        DataFileBytes::write(m_dir.filePath(QStringLiteral("GROW_05_20240305.TDD")),
                             fileOf(every(1, 86400, 86500)));
        QVERIFY(!line.refresh(false));
        QVERIFY(line.refresh(true));
        QCOMPARE(int(line.files().size()), 2);
        QCOMPARE(line.lastTime(), kBase + 86500);

        // Cut back behind the viewer's back: read again, no crash.
        DataFileBytes::write(path, fileOf(every(1, 0, 9)));
        QVERIFY(line.refresh(false));
        QCOMPARE(line.recordCount(), qint64(10 + 101));
    }

    void unreadableFilesAreLeftOutWithAReason() {
        DataTimeLine line;
        const QString notes =
            DataFileBytes::write(m_dir.filePath(QStringLiteral("n.TDD")), "not a data file at all");
        const QString good =
            DataFileBytes::write(m_dir.filePath(QStringLiteral("g.TDD")), fileOf(every(1, 0, 9)));
        QCOMPARE(line.add({notes, good, m_dir.filePath(QStringLiteral("missing.TDD")), good}), 1);
        const QString said = line.messages().join(u'\n');
        QVERIFY2(said.contains(QStringLiteral("not a TD700 data file")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("missing.TDD")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("open already")), qPrintable(said));
        QCOMPARE(line.recordCount(), qint64(10));
    }

private:
    static Gaps gapsOf(const DataTimeLine& line) {
        Gaps out;
        for (const TimeGap& g : line.gaps())
            out << qMakePair(g.from - kBase, g.to - kBase);
        return out;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataTimeLine)
#include "tst_datatimeline.moc"
