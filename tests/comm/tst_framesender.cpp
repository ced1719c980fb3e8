#include "comm/FrameSender.h"
#include "support/FakeSerialLink.h"

#include <QTest>

class TestFrameSender : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOverOrder_data() {
        QTest::addColumn<bool>("rtsControl");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("RTS off") << false
                                 << QStringList{"discard", "write 01 03 75 31 00 2F 4F D5"};
        QTest::newRow("RTS on") << true
                                << QStringList{"discard", "rts on", "write 01 03 75 31 00 2F 4F D5",
                                               "write 00", "rts off"};
    }

    void handOverOrder() {
        QFETCH(bool, rtsControl);
        QFETCH(QStringList, calls);
        FakeSerialLink link;
        link.open(QStringLiteral("COM1"), QStringLiteral("38400,N,8,1"));
        link.calls.clear();
        const QByteArray frame = QByteArray::fromHex("01037531002F4FD5");
        QVERIFY(SendFrame(link, frame, rtsControl));
        QCOMPARE(link.calls, calls);
        QCOMPARE(link.writes.join(), rtsControl ? frame + QByteArray(1, '\0') : frame);
        QVERIFY(!link.rts);
    }

    void nothingGoesToAClosedPort() {
        FakeSerialLink link;
        QVERIFY(!SendFrame(link, QByteArray::fromHex("0103"), true));
        QVERIFY(link.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFrameSender)
#include "tst_framesender.moc"
