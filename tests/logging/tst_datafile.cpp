#include "core/TextTable.h"
#include "logging/DataFile.h"
#include "support/GoldenFile.h"

#include <QTest>
#include <QtEndian>

namespace {

struct Channel {
    QString name;
    int unitCode;
    QString unitText;
    QString high, low; // display range, as the meter's row holds them
    int decimals;
};

// The row that tests/logging/data/make_data.py describes.
void fillGoldenRow(TextTable& mon) {
    // Device texts keep their zero bytes, as the decoder leaves them.
    const QString zero(1, QChar(0));
    const Channel channels[] = {
        {QStringLiteral("TEMP1") + zero.repeated(5), 3, {}, "150.5", "-50", 1},
        {QStringLiteral("IN-2"), 1, {}, "20", "0", 2},
        {QStringLiteral("FLOW"), 5, QStringLiteral("m3/h") + zero.repeated(2), "1000", "0", 0},
        {QStringLiteral("HUMID"), 2, {}, "100", "0", 1},
        {QStringLiteral("OVEN"), 4, {}, "212", "32", 3},
        {{}, 0, {}, "10", "-10", 4},
        {{}, 9, {}, "0", "0", 0},
        {QStringLiteral("온도"), 5, QStringLiteral("kg"), "2.5", "1.5", 1},
    };
    int col = 29;
    for (const Channel& c : channels) {
        mon.setText(col, 1, c.name);
        mon.setText(col + 1, 1, c.unitText);
        mon.setNumber(col + 2, 1, c.decimals);
        mon.setNumber(col + 3, 1, c.unitCode);
        mon.setText(col + 4, 1, c.high);
        mon.setText(col + 5, 1, c.low);
        col += 6;
    }
    const char* values[] = {"1.5",   "-2.25", "100",   "0.1", "12345.67", "-0",
                            "3E-05", "250",   "1E+10", "7",   "8",        "9"};
    for (int i = 0; i < 12; ++i)
        mon.setText(13 + i, 1, QString::fromLatin1(values[i]));
    mon.setNumber(6, 1, 0x0ABC);
    mon.setNumber(7, 1, 0x0123);
    mon.setNumber(8, 1, 0x8001);
    mon.setNumber(9, 1, 0x00FF);
    mon.setNumber(10, 1, 0x1234);
    mon.setNumber(11, 1, 0x8025);
    mon.setNumber(12, 1, 0x0F0F);
}

} // namespace

// The header and record of a data file, byte for byte.
class TestDataFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerMatchesGolden() {
        TextTable mon(100, 1);
        fillGoldenRow(mon);
        const QByteArray header = BuildDataHeader(mon, 1, 12, 1.08);
        QCOMPARE(header.size(), DataFile::HeaderSize);
        QVERIFY(MatchesGolden(header, QFINDTESTDATA("data/header.golden")));
    }

    void recordMatchesGolden() {
        TextTable mon(100, 1);
        fillGoldenRow(mon);
        const QByteArray record =
            BuildDataRecord(mon, 1, QDateTime(QDate(2009, 3, 7), QTime(14, 5, 9)));
        QCOMPARE(record.size(), DataFile::RecordSize);
        QVERIFY(MatchesGolden(record, QFINDTESTDATA("data/record.golden")));
    }

    void timeStampBitLayout_data() {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<quint32>("stamp");
        QTest::addColumn<QString>("text");
        QTest::newRow("2009-03-07 14:05:09")
            << QDateTime(QDate(2009, 3, 7), QTime(14, 5, 9))
            << quint32(9u << 26 | 3u << 22 | 7u << 17 | 14u << 12 | 5u << 6 | 9u)
            << QStringLiteral("2009-03-07 14:05:09");
        QTest::newRow("first instant")
            << QDateTime(QDate(2000, 1, 1), QTime(0, 0)) << quint32(1u << 22 | 1u << 17)
            << QStringLiteral("2000-01-01 00:00:00");
        // Every field at its largest: neighbours must not bleed into each other or into bit 31.
        QTest::newRow("last instant")
            << QDateTime(QDate(2031, 12, 31), QTime(23, 59, 59))
            << quint32(31u << 26 | 12u << 22 | 31u << 17 | 23u << 12 | 59u << 6 | 59u)
            << QStringLiteral("2031-12-31 23:59:59");
    }

    void timeStampBitLayout() {
        QFETCH(QDateTime, at);
        QFETCH(quint32, stamp);
        QCOMPARE(PackTimeStamp(at), stamp);
        QTEST(TimeStampText(stamp), "text");
        TextTable mon(100, 1);
        const QByteArray record = BuildDataRecord(mon, 1, at);
        QCOMPARE(qFromBigEndian<quint32>(record.constData()), stamp); // most significant byte first
    }

    void modelAndLayoutBytes_data() {
        QTest::addColumn<int>("channelCount");
        QTest::addColumn<QString>("ownModelCode");
        QTest::addColumn<double>("layout");
        QTest::addColumn<QByteArray>("bytes16to19");
        QTest::newRow("2 channels") << 2 << "20" << 1.06 << QByteArray("\x00\x00\x01\x06", 4);
        QTest::newRow("4 channels") << 4 << "20" << 1.07 << QByteArray("\x04\x00\x01\x07", 4);
        QTest::newRow("6 channels") << 6 << "0" << 1.08 << QByteArray("\x01\x00\x01\x08", 4);
        QTest::newRow("12 channels") << 12 << "0" << 1.07 << QByteArray("\x02\x00\x01\x07", 4);
        QTest::newRow("6 channels: the meter's own code")
            << 6 << "15" << 1.08 << QByteArray("\x01\x05\x01\x08", 4);
        QTest::newRow("other count: meter's own code")
            << 5 << "43" << 1.08 << QByteArray("\x04\x03\x01\x08", 4);
        QTest::newRow("before any scan") << 12 << "" << 0.0 << QByteArray("\x02\x00\x00\x00", 4);
    }

    void modelAndLayoutBytes() {
        QFETCH(int, channelCount);
        QFETCH(QString, ownModelCode);
        QFETCH(double, layout);
        QFETCH(QByteArray, bytes16to19);
        TextTable mon(100, 1);
        mon.setText(2, 1, ownModelCode);
        const QByteArray header = BuildDataHeader(mon, 1, channelCount, layout);
        QCOMPARE(header.left(16), DataFile::magic());
        QCOMPARE(header.mid(16, 4).toHex(' '), bytes16to19.toHex(' '));
    }

    void unknownUnitCodeKeepsTheLastHeadersUnit() {
        TextTable mon(100, 1);
        const int unitCodeColumn = 32 + 6 * 4; // channel 5
        const qsizetype unitAt = 32 + 40 * 4 + 2;
        mon.setNumber(unitCodeColumn, 1, 1);
        const QByteArray first = BuildDataHeader(mon, 1, 12, 1.08);
        QCOMPARE(first.mid(unitAt, 6), QByteArray("mV\0\0\0\0", 6));

        mon.setNumber(unitCodeColumn, 1, 7);
        QCOMPARE(BuildDataHeader(mon, 1, 12, 1.08, first).mid(unitAt, 6), first.mid(unitAt, 6));
        QCOMPARE(BuildDataHeader(mon, 1, 12, 1.08).mid(unitAt, 6), QByteArray(6, '\0'));
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
