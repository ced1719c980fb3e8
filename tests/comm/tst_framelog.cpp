#include "comm/FrameLog.h"
#include "core/TextTable.h"
#include "core/WinRgb.h"

#include <QTest>

class TestFrameLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsHoldLabelAndHexBytesReceivedOnGreen() {
        TextTable log;
        QCOMPARE(LogFrame(QStringLiteral("RECV"), QByteArray::fromHex("0A0BFF"), log), 1);
        QCOMPARE(LogFrame(QStringLiteral("SEND"), QByteArray::fromHex("0103753100"), log), 2);
        QCOMPARE(LogFrame(QStringLiteral("RECV"), QByteArray(9, '\x01'), log), 3);
        QStringList recv, send;
        for (int c = 0; c <= 5; ++c) {
            recv << log.text(c, 1);
            send << log.text(c, 2);
        }
        QCOMPARE(recv, QStringList({"RECV", "0A", "0B", "FF", "", ""}));
        QCOMPARE(send, QStringList({"SEND", "01", "03", "75", "31", "00"}));
        // Longer frames widened the log; received rows stay green to its last column.
        QCOMPARE(log.columnCount(), 9);
        for (int c = 1; c <= log.columnCount(); ++c) {
            QCOMPARE(log.backColour(c, 1), WinRgb::LightGreen);
            QCOMPARE(log.backColour(c, 2), TextTable::NoColour);
            QCOMPARE(log.backColour(c, 3), WinRgb::LightGreen);
        }
        QCOMPARE(log.backColour(0, 3), TextTable::NoColour);
    }

    void theFrameAfterTheThousandthRestartsTheLog() {
        TextTable log;
        for (int i = 1; i <= 1000; ++i)
            LogFrame(i % 2 ? QStringLiteral("RECV") : QStringLiteral("SEND"),
                     QByteArray(1, char(i & 0xFF)), log);
        QCOMPARE(log.rowCount(), 1000);
        QCOMPARE(log.text(1, 1000), QStringLiteral("E8"));

        QCOMPARE(LogFrame(QStringLiteral("SEND"), QByteArray::fromHex("0102"), log), 1);
        QCOMPARE(log.rowCount(), 1);
        QCOMPARE(log.text(0, 1), QStringLiteral("SEND"));
        QCOMPARE(log.text(1, 1), QStringLiteral("01"));
        // The green of the old first row must not stick to the new one.
        QCOMPARE(log.backColour(1, 1), TextTable::NoColour);
    }
};

QTEST_GUILESS_MAIN(TestFrameLog)
#include "tst_framelog.moc"
