#include "comm/ModbusRtu.h"

#include <QTest>

// Frames as they cross the line, written in hex as a line analyser shows them.
static QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

class TestModbusRtu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crcKnownAnswers_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("sent"); // the two CRC bytes in line order
        QTest::newRow("abc") << QByteArray("abc") << hex("49 57");
        QTest::newRow("read 47 from 30001") << hex("01 03 75 31 00 2F") << hex("4F D5");
        QTest::newRow("read 2 from 40001") << hex("01 03 9C 41 00 02") << hex("BA 4F");
        QTest::newRow("write reply") << hex("11 10 00 01 00 02") << hex("12 98");
        QTest::newRow("check string") << QByteArray("123456789") << hex("37 4B");
        QTest::newRow("nothing") << QByteArray() << hex("FF FF");
    }

    void crcKnownAnswers() {
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, sent);
        const quint16 crc = Crc16(data.constData(), data.size());
        QCOMPARE(quint8(crc & 0xFF), quint8(sent[0]));
        QCOMPARE(quint8(crc >> 8), quint8(sent[1]));

        const QByteArray framed = CrcAppend(data + QByteArray(2, '\0'));
        QCOMPARE(framed, data + sent);
        QVERIFY(CrcCheck(framed));
    }

    void everySingleBitFlipFailsTheCheck() {
        // A real identification reply: slave 3, model 20, firmware 1.20.
        const QByteArray reply = CrcAppend(hex("03 03 04 00 14 01 14 00 00"));
        QVERIFY(CrcCheck(reply));
        for (int bit = 0; bit < reply.size() * 8; ++bit) {
            QByteArray bad = reply;
            bad[bit / 8] = char(bad[bit / 8] ^ (1 << (bit % 8)));
            if (CrcCheck(bad))
                QFAIL(qPrintable(QStringLiteral("bit %1 flipped went unnoticed").arg(bit)));
        }
        // Frames too short to hold a CRC never pass, nor get one.
        QVERIFY(!CrcCheck(QByteArray()));
        QVERIFY(!CrcCheck(hex("FF")));
        QCOMPARE(CrcAppend(hex("AB")), hex("AB"));
    }

    void frameBuilders_data() {
        QTest::addColumn<QByteArray>("built");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("read values")
            << BuildReadFrame(1, 30001, 47) << hex("01 03 75 31 00 2F 4F D5");
        QTest::newRow("read status")
            << BuildReadFrame(7, 40014, 2) << hex("07 03 9C 4E 00 02 8A 2A");
        QTest::newRow("read memory formulas")
            << BuildReadFrame(247, 47001, 78) << hex("F7 03 B7 99 00 4E 26 F3");
        QTest::newRow("read channel formula 12")
            << BuildReadFrame(255, 51201, 50) << hex("FF 03 C8 01 00 32 BE 61");
        QTest::newRow("write channel key")
            << BuildWriteFrame(2, 40110, {0x1234}) << hex("02 10 9C AE 00 01 02 12 34 FA 50");
        QTest::newRow("write two registers") << BuildWriteFrame(1, 40001, {0x0001, 0xFFFE})
                                             << hex("01 10 9C 41 00 02 04 00 01 FF FE 5E E5");
    }

    void frameBuilders() {
        QFETCH(QByteArray, built);
        QFETCH(QByteArray, frame);
        QCOMPARE(built.toHex(' '), frame.toHex(' '));
    }

    void writeOfMoreThan127RegistersIsRefused() {
        const QByteArray biggest = BuildWriteFrame(1, 40011, QVector<quint16>(127, 0x0102));
        QCOMPARE(biggest.size(), 9 + 2 * 127);
        QCOMPARE(quint8(biggest[6]), quint8(254));
        QVERIFY(CrcCheck(biggest));
        QVERIFY(BuildWriteFrame(1, 40011, QVector<quint16>(128, 0)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModbusRtu)
#include "tst_modbusrtu.moc"
