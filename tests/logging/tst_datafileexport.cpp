#include "logging/DataFileExport.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"
#include "logging/DataTime.h"
#include "support/DataFileBytes.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

// Reading data files back: CSV export and the description, whole and damaged files.
class TestDataFileExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        m_sample = ReadBytes(QFINDTESTDATA("data/sample.TDD"));
        m_csv = ReadBytes(QFINDTESTDATA("data/sample.csv"));
        QCOMPARE(m_sample.size(), 512 + 3 * 64);
        QVERIFY(!m_csv.isEmpty());
    }

    void allChannelsGiveEveryColumn() {
        const QList<QByteArray> lines =
            exportOf(QFINDTESTDATA("data/sample.TDD"), true).split('\n');
        QCOMPARE(lines.size(), 5); // title, three rows, nothing after the last CR LF
        QVERIFY(lines[0].startsWith("Time,"));
        QVERIFY(lines[0].contains(",CH12 (V),"));
        QVERIFY(lines[0].endsWith("CH12 Alarm,DI,Relay\r"));
        // Unquoted rows: every row has the title's 1 + 12 x 3 + 2 fields.
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(lines[i].count(','), 12 * 3 + 2);
    }

    void damagedFileIsReadAsFarAsItIsWhole_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("warned");
        QTest::newRow("whole: the known CSV") << 704 << 3 << false;
        QTest::newRow("last record one byte short") << 703 << 2 << true;
        QTest::newRow("last record gone") << 640 << 2 << false;
        QTest::newRow("header and a byte") << 513 << 0 << true;
        QTest::newRow("header only") << 512 << 0 << false;
        QTest::newRow("header cut short") << 300 << 0 << true;
        QTest::newRow("empty") << 0 << 0 << true;
    }

    void damagedFileIsReadAsFarAsItIsWhole() {
        QFETCH(int, length);
        QFETCH(int, records);
        const QString path =
            WriteBytes(m_dir.filePath(QStringLiteral("cut.TDD")), m_sample.left(length));
        DataFileReader reader;
        QVERIFY(reader.open(path));
        QCOMPARE(reader.recordCount(), qint64(records));
        QTEST(!reader.warnings().isEmpty(), "warned");
        if (!reader.warnings().isEmpty() && length > 512)
            QVERIFY(reader.warnings().join(u'\n').contains(QStringLiteral("not a whole record")));
        if (length >= 512) {
            // The rows that are there are the sample's first rows.
            const QList<QByteArray> expected = m_csv.split('\n').mid(0, records + 1);
            QCOMPARE(exportOf(path), expected.join('\n') + '\n');
        }
    }

    void foreignFileIsRefused() {
        const QString path =
            WriteBytes(m_dir.filePath(QStringLiteral("notes.TDD")), "Some notes, not data.\r\n");
        DataFileReader reader;
        QVERIFY(!reader.open(path));
        QVERIFY(reader.errorString().contains(QStringLiteral("not a TD700 data file")));
        QVERIFY(!reader.open(m_dir.filePath(QStringLiteral("missing.TDD"))));
    }

    void valuesCarryTheirChannelsDecimals_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("cell");
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("half rounds away from zero") << 21.75f << 1 << 0 << "21.8";
        QTest::newRow("negative half") << -21.75f << 1 << 0 << "-21.8";
        QTest::newRow("no minus on a zero") << -0.04f << 1 << 0 << "0.0";
        QTest::newRow("no decimals") << -0.5f << 0 << 0 << "-1";
        QTest::newRow("small, three decimals") << 0.001f << 3 << 0 << "0.001";
        QTest::newRow("below the last place") << 0.00004f << 4 << 0 << "0.0000";
        QTest::newRow("beyond whole numbers") << 1e20f << 1 << 0 << "100000002004087734272.0";
        QTest::newRow("more places than shown") << 1.5f << 7 << 0 << "1.5000";
        QTest::newRow("a half in the third place") << 0.0625f << 3 << 0 << "0.063";
        QTest::newRow("just short of a half, negative") << -0.05f << 1 << 0 << "-0.1";
        QTest::newRow("more than 32 bits of digits") << 5e9f << 0 << 0 << "5000000000";
        QTest::newRow("the largest whole numbers") << 1e11f << 3 << 0 << "99999997952.000";
        QTest::newRow("invalid state") << 370.0f << 1 << 2 << "";
        QTest::newRow("not a number") << nan << 1 << 0 << "";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << 2 << 0 << "";
    }

    void valuesCarryTheirChannelsDecimals() {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(int, state);
        QByteArray bytes = DataFileBytes::header(10);
        DataFileBytes::setChannel(bytes, 2, "FLOW", decimals);
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2024, 3, 4, 5, 6, 7);
        r.values[1] = value;
        r.states[1] = state;
        bytes += r.bytes();
        const QList<QByteArray> lines =
            exportOf(WriteBytes(m_dir.filePath(QStringLiteral("v.TDD")), bytes)).split('\n');
        QCOMPARE(lines.size(), 3);
        const QList<QByteArray> cells = lines[1].split(',');
        QCOMPARE(cells[0], QByteArray("2024-03-04 05:06:07"));
        QTEST(QString::fromLatin1(cells[2]), "cell");
        QCOMPARE(cells[8], QByteArray::number(state)); // the state column says why
    }

    // Everything after the time stamp: the values (all 1.0), then the states, the alarms, the
    // digital inputs and the relays.
    void statusColumns_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QVector<int>>("channels");
        QTest::addColumn<QVector<int>>("states"); // of channels 1..12
        QTest::addColumn<quint64>("alarms");      // bit 4 (channel - 1) + alarm - 1
        QTest::addColumn<int>("inputs");
        QTest::addColumn<int>("relays");
        QTest::addColumn<QString>("row");
        const QVector<int> valid(12, 0);
        QTest::newRow("every input and relay of a twelve-channel meter")
            << 20 << QVector<int>{1, 6, 12} << valid << quint64(0) << 0xFF << 0xFFFF
            << ",1.0,1.0,1.0,0,,,,,,1 2 3 4 5 6,1 2 3 4 5 6 7 8 9 10 11 12";
        QTest::newRow("a two-channel meter: two inputs, two relays")
            << 0 << QVector<int>{} << valid << quint64(0) << 0xFF << 0xFFFF
            << ",1.0,1.0,0,0,,,1 2,1 2";
        QTest::newRow("a six-channel meter: six inputs, six relays")
            << 10 << QVector<int>{6} << valid << quint64(0) << 0x2A << 0x0FA0 << ",1.0,,,2 4 6,6";
        QTest::newRow("relays past the ninth")
            << 20 << QVector<int>{1} << valid << quint64(0) << 0 << 0x0E01 << ",1.0,0,,,1 10 11 12";
        QTest::newRow("every alarm of every channel")
            << 20 << QVector<int>{} << valid << quint64(0xFFFFFFFFFFFF) << 0 << 0
            << QStringLiteral(",1.0").repeated(12) + ",0,0,0,0,0,,0,0,0,0,0," +
                   QStringLiteral(",1 2 3 4").repeated(12) + ",,";
        QTest::newRow("one alarm word after another")
            << 20 << QVector<int>{4, 5, 9, 12} << valid
            << (quint64(1) << 15 | quint64(1) << 16 | quint64(3) << 33 | quint64(1) << 44) << 0 << 0
            << ",1.0,1.0,1.0,1.0,0,0,0,,4,1,2 3,1,,";
        QTest::newRow("alarms up a word")
            << 20 << QVector<int>{2, 8} << valid << (quint64(1) << 4 | quint64(1) << 30) << 0 << 0
            << ",1.0,1.0,0,0,1,3,,";
        QTest::newRow("invalid states empty their values")
            << 20 << QVector<int>{1, 5, 7, 11} << QVector<int>{1, 0, 0, 0, 3, 0, 2, 0, 0, 0, 0, 0}
            << quint64(0) << 0 << 0 << ",,,,1.0,1,3,2,0,,,,,,";
    }

    void statusColumns() {
        QFETCH(int, model);
        QFETCH(QVector<int>, channels);
        QFETCH(QVector<int>, states);
        QFETCH(quint64, alarms);
        QFETCH(int, inputs);
        QFETCH(int, relays);
        QByteArray bytes = DataFileBytes::header(model);
        DataFileBytes::Record r;
        r.stamp = DataFileBytes::stamp(2024, 3, 4, 5, 6, 7);
        r.values.fill(1.0f);
        std::copy(states.begin(), states.end(), r.states.begin());
        r.alarms = alarms;
        r.inputs = quint8(inputs);
        r.relays = quint16(relays);
        bytes += r.bytes();
        DataFileReader reader;
        QVERIFY(reader.open(WriteBytes(m_dir.filePath(QStringLiteral("s.TDD")), bytes)));
        CsvOptions options;
        options.channels = channels;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(ExportCsv(reader, out, options));
        const QList<QByteArray> lines = out.data().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].startsWith("2024-03-04 05:06:07"));
        QTEST(QString::fromLatin1(lines[1].mid(19).chopped(1)), "row");
    }

    void spanAndChannelsOverSeveralFiles_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QVector<int>>("channels");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("title");
        QTest::newRow("everything") << ""
                                    << "" << QVector<int>{} << 54 << "2024-03-04 23:00:00"
                                    << "2024-03-05 00:47:00"
                                    << "Time,CH1 CH-1 (V),CH2";
        QTest::newRow("across midnight, two channels")
            << "2024-03-04 23:50"
            << "2024-03-05 00:10" << QVector<int>{3, 1} << 10 << "2024-03-04 23:50:00"
            << "2024-03-05 00:09:00"
            << "Time,CH3 CH-3 (V),CH1 CH-1 (V),CH3 State,CH1 State,CH3 Alarm";
        QTest::newRow("a whole day by its date")
            << "2024-03-05"
            << "2024-03-05" << QVector<int>{12} << 24 << "2024-03-05 00:00:00"
            << "2024-03-05 00:47:00"
            << "Time,CH12 CH-12 (V),CH12 State";
        QTest::newRow("nothing in the span") << "2024-03-06"
                                             << "" << QVector<int>{1} << 0 << ""
                                             << ""
                                             << "Time,CH1";
    }

    void spanAndChannelsOverSeveralFiles() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QVector<int>, channels);
        // Two files, a record every two minutes: 23:00, 23:02 .. 23:58; then 00:00, 00:03,
        // 00:05 .. 00:47.
        QByteArray day1 = DataFileBytes::header(), day2 = DataFileBytes::header();
        for (int m = 0; m < 60; m += 2) {
            DataFileBytes::Record r;
            r.stamp = DataFileBytes::stamp(2024, 3, 4, 23, m, 0);
            day1 += r.bytes();
        }
        for (int m = 1; m < 48; m += 2) {
            DataFileBytes::Record r;
            r.stamp = DataFileBytes::stamp(2024, 3, 5, 0, m - (m == 1 ? 1 : 0), 0);
            day2 += r.bytes();
        }
        DataFileReader a, b;
        QVERIFY(a.open(WriteBytes(m_dir.filePath(QStringLiteral("d1.TDD")), day1)));
        QVERIFY(b.open(WriteBytes(m_dir.filePath(QStringLiteral("d2.TDD")), day2)));
        CsvOptions options;
        options.channels = channels;
        if (!from.isEmpty())
            options.from = DataTime::parse(from, false);
        if (!to.isEmpty())
            options.to = DataTime::parse(to, true);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        qint64 rows = -1;
        QVERIFY(ExportCsv({&a, &b}, out, options, nullptr, &rows));
        const QList<QByteArray> lines = out.data().split('\n');
        QTEST(int(rows), "rows");
        QCOMPARE(lines.size(), int(rows) + 2);
        QFETCH(QString, title);
        QVERIFY2(lines[0].startsWith(title.toUtf8()), lines[0].constData());
        if (rows > 0) {
            QTEST(QString::fromLatin1(lines[1].left(19)), "first");
            QTEST(QString::fromLatin1(lines[int(rows)].left(19)), "last");
            // Every row has as many fields as the title row.
            QCOMPARE(lines[1].count(','), lines[0].count(','));
        }
    }

    void descriptionOfTheSample() {
        const QString path = QFINDTESTDATA("data/sample.TDD");
        DataFileReader reader;
        QVERIFY(reader.open(path));
        // Everything after the first line, which names the file.
        QCOMPARE(DescribeDataFile(reader, path, false).section(u'\n', 1),
                 QString::fromUtf8(ReadBytes(QFINDTESTDATA("data/sample.info"))));
    }

private:
    QByteArray exportOf(const QString& path, bool allChannels = false) {
        DataFileReader reader;
        if (!reader.open(path))
            return "cannot open: " + reader.errorString().toUtf8();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        CsvOptions options;
        options.allChannels = allChannels;
        if (!ExportCsv(reader, out, options))
            return "export failed";
        return out.data();
    }

    QByteArray m_sample;
    QByteArray m_csv;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestDataFileExport)
#include "tst_datafileexport.moc"
