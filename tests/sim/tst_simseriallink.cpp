#include "SimTestSupport.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimCrc.h"
#include "simlink/SimSerialLink.h"

#include <QSignalSpy>
#include <QTest>

using namespace simtest;

class TestSimSerialLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitReplyWaitsForItsSecondPart() {
        VirtualClock clock;
        SimSerialLink link(clock);
        link.bus().faults().add(SimFaultRule::split(4, 300).forMeter(2));
        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        QVERIFY(link.open(QStringLiteral("DEMO"), QStringLiteral("38400,N,8,1")));
        link.setReceiveThreshold(9);
        link.write(readRequest(2, 3, 40014, 2));
        clock.advance(100);
        QCOMPARE(link.bytesWaiting(), 4);
        QCOMPARE(spy.count(), 0);
        clock.advance(300);
        QCOMPARE(spy.count(), 1);
        QVERIFY(simCrcValid(link.readAll()));
    }

    // Replies leave in the order their requests came, as behind a slow converter: the reply
    // after a late one starts only once the late one has passed, also to another meter.
    void lateReplyHoldsTheNextBack() {
        VirtualClock clock;
        SimSerialLink link(clock);
        link.bus().faults().add(SimFaultRule::delay(500).atMost(1));
        QVERIFY(link.open(QStringLiteral("DEMO"), QStringLiteral("9600,N,8,1")));
        const QByteArray first = readRequest(1, 3, 30001, 2), second = readRequest(3, 3, 30001, 2);
        link.write(first);
        clock.advance(100);
        link.write(second);
        clock.advance(300);
        QCOMPARE(link.bytesWaiting(), 0);
        clock.advance(1000);
        const QByteArray replies = link.readAll();
        QCOMPARE(replies.size(), 18);
        QCOMPARE(replies.left(9), SimBus::answer(*link.bus().meter(1), first));
        QCOMPARE(replies.mid(9), SimBus::answer(*link.bus().meter(3), second));
    }
};

QTEST_GUILESS_MAIN(TestSimSerialLink)
#include "tst_simseriallink.moc"
