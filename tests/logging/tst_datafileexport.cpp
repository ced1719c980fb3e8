#include "logging/DataFileExport.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("one record and a byte") << 577 << 1 << true;
        QTest::newRow("header and a byte") << 513 << 0 << true;
        QTest::newRow("header only") << 512 << 0 << false;
        QTest::newRow("header cut short") << 300 << 0 << true;
        QTest::newRow("magic only") << 16 << 0 << true;
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
