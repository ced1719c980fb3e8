#include "SimTestSupport.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimFramer.h"
#include "sim/SimPort.h"
#include "sim/SimTcpEndpoint.h"

#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTest>

using namespace simtest;

// The simulator's TCP server in this process, on a loopback port, with clients that flood it.
class TestSimTcpEndpoint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void othersServedDuringAFlood_data() {
        QTest::addColumn<QString>("flood");
        QTest::newRow("1 MiB of junk") << "junk";
        QTest::newRow("requests sent, replies never read") << "pipeline";
    }

    // One client floods; another asks and must get every answer, whole and right, while the
    // server holds a bounded amount for both.
    void othersServedDuringAFlood() {
        QFETCH(QString, flood);
        SystemClock clock;
        SimBus bus(clock);
        bus.setMeters(SimMeterConfig::demoBus());
        bus.setFrozen(true); // replies comparable with the bus's own answer
        SimTcpEndpoint endpoint(bus, clock);
        endpoint.setPortSetup([](SimPort& port) { port.setTurnaroundMs(0); });
        QString error;
        QVERIFY2(endpoint.listen(QStringLiteral("127.0.0.1:0"), &error), qPrintable(error));

        QTcpSocket flooder;
        QTcpSocket asker;
        for (QTcpSocket* s : {&flooder, &asker}) {
            s->connectToHost(QStringLiteral("127.0.0.1"), endpoint.port());
            QVERIFY(s->waitForConnected(5000));
        }
        QTRY_COMPARE(endpoint.clientCount(), 2);

        const QByteArray request = readRequest(1, 3, 30001, 47);
        QByteArray stream;
        if (flood == QStringLiteral("junk")) {
            stream.resize(1 << 20);
            QRandomGenerator rng(7);
            rng.fillRange(reinterpret_cast<quint32*>(stream.data()), stream.size() / 4);
        } else {
            stream = request.repeated(200000); // 1.6 MB of requests, never a read
            flooder.setReadBufferSize(1);
        }
        flooder.write(stream);

        SimMeter* meter = bus.meter(1);
        const QByteArray expected = SimBus::answer(*meter, request);
        // Per client: one chunk in, the replies to one chunk of requests and the unread bound.
        const qint64 bound =
            2 * (SimPort::ReadChunk + SimPort::MaxUnreadReplyBytes +
                 SimPort::ReadChunk / request.size() * expected.size() + SimFramer::MaxFrame);
        qint64 mostHeld = 0;
        for (int i = 0; i < 20; ++i) {
            asker.write(request);
            QByteArray reply;
            QDeadlineTimer deadline(5000);
            while (reply.size() < expected.size() && !deadline.hasExpired()) {
                QTest::qWait(1);
                reply += asker.readAll();
                mostHeld = std::max(mostHeld, endpoint.heldBytes());
            }
            QCOMPARE(reply.toHex(' '), expected.toHex(' '));
        }
        QVERIFY2(mostHeld <= bound, qPrintable(QString::number(mostHeld)));
    }
};

QTEST_GUILESS_MAIN(TestSimTcpEndpoint)
#include "tst_simtcpendpoint.moc"
