#include "comm/LineSettings.h"
#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QTest>

// The gap after a reply: at the shortest interval exactly a frame's closing silence, else the
// interval's milliseconds; a cycle at the shortest takes what the wire needs, no more.
class TestEngineSpacing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nextRequestAfterTheReply_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("interval"); // Comm.CFG's eighth line
        QTest::addColumn<qint64>("gapUs");     // from the reply's last byte to the next request
        QTest::newRow("shortest at 9600,N,8,1") << "9600,N,8,1"
                                                << "0" << qint64(3646);
        QTest::newRow("shortest at 19200,E,8,1") << "19200,E,8,1"
                                                 << "0" << qint64(2006);
        QTest::newRow("shortest at 115200,N,8,1") << "115200,N,8,1"
                                                  << "0" << qint64(1750);
        QTest::newRow("standard at 38400,N,8,1") << "38400,N,8,1"
                                                 << "" << qint64(50000);
        QTest::newRow("standard at 115200,N,8,1") << "115200,N,8,1"
                                                  << "50" << qint64(50000);
        QTest::newRow("20 ms at 9600,N,8,1") << "9600,N,8,1"
                                             << "20" << qint64(20000);
    }

    void nextRequestAfterTheReply() {
        QFETCH(QString, line);
        QFETCH(QString, interval);
        QFETCH(qint64, gapUs);
        EngineHarness h(QStringLiteral("DEMO:1:12:1.20"), {1});
        const QStringList parts = line.split(u',');
        PortSettings port;
        port.portName = QStringLiteral("DEMO:1:12:1.20");
        port.baud = parts[0];
        port.parity = parts[1];
        port.dataBits = parts[2];
        port.stopBits = parts[3];
        port.txInterval = interval;
        h.engine.setPortSettings(port);
        h.link.setTurnaroundMs(0); // the meter answers as soon as the request has ended
        QVERIFY(h.openAndSettle());

        qint64 lastByteUs = -1;
        QObject::connect(&h.link, &SerialLink::receiveThresholdReached,
                         [&] { lastByteUs = h.clock.nowUs(); });
        const int from = h.sent.size();
        QVERIFY(h.runUntil([&] { return h.sent.size() >= from + 1; }));
        QList<qint64> gaps;
        QObject::connect(&h.engine, &CommEngine::requestSent,
                         [&] { gaps << h.clock.nowUs() - lastByteUs; });
        QVERIFY(h.runUntil([&] { return gaps.size() >= 20; }));
        for (qint64 gap : gaps)
            QCOMPARE(gap, gapUs);

        // One meter's status and values: 124 characters on the wire, each reply after a
        // request's closing silence, each request after the gap.
        const auto settings = ParseLineSettings(line);
        const qint64 wireUs = settings->wireTimeUs(124);
        const qint64 expectedUs = wireUs + 2 * settings->frameSilenceUs() + 2 * gapUs;
        QList<qint64> starts;
        for (int i = from; i < h.sent.size(); ++i)
            if (h.sent[i].code == RequestCode::RC_POLL_STATUS)
                starts << h.sent[i].atUs;
        QVERIFY(starts.size() >= 5);
        for (int i = 1; i < starts.size(); ++i)
            QVERIFY2(qAbs(starts[i] - starts[i - 1] - expectedUs) <= 4,
                     qPrintable(QStringLiteral("cycle %1 us, expected %2 us")
                                    .arg(starts[i] - starts[i - 1])
                                    .arg(expectedUs)));
    }
};

QTEST_GUILESS_MAIN(TestEngineSpacing)
#include "tst_enginespacing.moc"
