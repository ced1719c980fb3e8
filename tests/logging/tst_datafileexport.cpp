#include "logging/DataFileExport.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Reading data files back: CSV export and the description, whole and damaged files.
class TestDataFileExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sampleBecomesTheKnownCsv();
    void allChannelsGiveEveryColumn();
    void damagedFileIsReadAsFarAsItIsWhole_data();
    void damagedFileIsReadAsFarAsItIsWhole();
    void foreignFileIsRefused();
    void descriptionOfTheSample();

private:
    QByteArray exportOf(const QString& path, bool allChannels = false);
    QByteArray m_sample;
    QByteArray m_csv;
    QTemporaryDir m_dir;
};

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

void TestDataFileExport::initTestCase() {
    m_sample = readAll(QFINDTESTDATA("data/sample.TDD"));
    m_csv = readAll(QFINDTESTDATA("data/sample.csv"));
    QCOMPARE(m_sample.size(), 512 + 3 * 64);
    QVERIFY(!m_csv.isEmpty());
}

QByteArray TestDataFileExport::exportOf(const QString& path, bool allChannels) {
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

void TestDataFileExport::sampleBecomesTheKnownCsv() {
    const QByteArray csv = exportOf(QFINDTESTDATA("data/sample.TDD"));
    if (csv != m_csv) {
        QFile actual(QStringLiteral("sample.csv.actual"));
        if (actual.open(QIODevice::WriteOnly))
            actual.write(csv);
    }
    QCOMPARE(QString::fromUtf8(csv), QString::fromUtf8(m_csv));
}

void TestDataFileExport::allChannelsGiveEveryColumn() {
    const QList<QByteArray> lines = exportOf(QFINDTESTDATA("data/sample.TDD"), true).split('\n');
    QCOMPARE(lines.size(), 5); // title, three rows, nothing after the last CR LF
    QVERIFY(lines[0].startsWith("Time,"));
    QVERIFY(lines[0].contains(",CH12 (V),"));
    QVERIFY(lines[0].endsWith("CH12 Alarm,DI,Relay\r"));
    // Unquoted rows: every row has the title's 1 + 12 x 3 + 2 fields.
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(lines[i].count(','), 12 * 3 + 2);
}

void TestDataFileExport::damagedFileIsReadAsFarAsItIsWhole_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("records");
    QTest::addColumn<bool>("warned");
    QTest::newRow("whole") << 704 << 3 << false;
    QTest::newRow("last record one byte short") << 703 << 2 << true;
    QTest::newRow("last record gone") << 640 << 2 << false;
    QTest::newRow("one record and a byte") << 577 << 1 << true;
    QTest::newRow("header and a byte") << 513 << 0 << true;
    QTest::newRow("header only") << 512 << 0 << false;
    QTest::newRow("header cut short") << 300 << 0 << true;
    QTest::newRow("magic only") << 16 << 0 << true;
    QTest::newRow("empty") << 0 << 0 << true;
}

void TestDataFileExport::damagedFileIsReadAsFarAsItIsWhole() {
    QFETCH(int, length);
    QFETCH(int, records);
    QFETCH(bool, warned);
    const QString path = m_dir.filePath(QStringLiteral("cut.TDD"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(m_sample.left(length));
    f.close();

    DataFileReader reader;
    QVERIFY(reader.open(path));
    QCOMPARE(reader.recordCount(), qint64(records));
    QCOMPARE(!reader.warnings().isEmpty(), warned);
    if (length >= 512) {
        // The rows that are there are the sample's first rows.
        const QList<QByteArray> expected = m_csv.split('\n').mid(0, records + 1);
        QCOMPARE(exportOf(path), expected.join('\n') + '\n');
    }
}

void TestDataFileExport::foreignFileIsRefused() {
    const QString path = m_dir.filePath(QStringLiteral("notes.TDD"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("Some notes, not data.\r\n");
    f.close();
    DataFileReader reader;
    QVERIFY(!reader.open(path));
    QVERIFY(reader.errorString().contains(QStringLiteral("not a TD700 data file")));
    QVERIFY(!reader.open(m_dir.filePath(QStringLiteral("missing.TDD"))));
}

void TestDataFileExport::descriptionOfTheSample() {
    const QString path = QFINDTESTDATA("data/sample.TDD");
    DataFileReader reader;
    QVERIFY(reader.open(path));
    const QStringList lines = DescribeDataFile(reader, path, false).split(u'\n');
    const QStringList expected{
        QStringLiteral("Size:     704 bytes"),
        QStringLiteral("Model:    10 (6 channels)"),
        QStringLiteral("Layout:   1.07"),
        QStringLiteral("Channels:"),
        QStringLiteral("  CH  Name       Unit   Low          High         Decimals"),
        QStringLiteral("   1  TEMP,1     °C     0            100          1"),
        QStringLiteral("   2  FLOW \"A\"   m3/h   0            50           2"),
        QStringLiteral("   3  습도         %      0            100          0"),
        QStringLiteral("   4             V      -5           5            3"),
        QStringLiteral("   5  CH5        mV     0            20           1"),
        QStringLiteral("   6  CH6        °F     0            500          0"),
        QStringLiteral("Records:  3"),
        QStringLiteral("First:    2009-03-07 14:05:00"),
        QStringLiteral("Last:     2009-03-07 14:05:14"),
        QString(),
    };
    QCOMPARE(lines.mid(1), expected);
}

QTEST_GUILESS_MAIN(TestDataFileExport)
#include "tst_datafileexport.moc"
