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
    void openNames_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("meters"); // empty: refused
        const auto row = [](const char* name, const char* port, const char* line, const char* m) {
            QTest::newRow(name) << QString(port) << QString(line) << QString(m);
        };
        row("default bus", "DEMO", "38400,N,8,1", "1:12:1.20,2:6:1.16,3:4:1.10");
        row("custom bus", "demo:1:12:1.20,3:6:1.16", "9600,E,8,1", "1:12:1.20,3:6:1.16");
        row("bad channel count", "DEMO:1:13:1.20", "38400,N,8,1", "");
        row("address twice", "DEMO:1:2:1.20,1:4:1.20", "38400,N,8,1", "");
        row("a real port", "COM1", "38400,N,8,1", "");
        row("bad line settings", "DEMO", "fast,N,8,1", "");
    }

    void openNames() {
        QFETCH(QString, port);
        QFETCH(QString, line);
        QFETCH(QString, meters);
        VirtualClock clock;
        SimSerialLink link(clock);
        QCOMPARE(link.open(port, line), !meters.isEmpty());
        QCOMPARE(link.isOpen(), !meters.isEmpty());
        if (meters.isEmpty()) {
            QVERIFY(!link.errorString().isEmpty());
            QVERIFY(!link.write(readRequest(1, 3, 30001, 2)));
            return;
        }
        QStringList configs;
        for (const SimMeterConfig& s : link.bus().configs())
            configs << s.toString();
        QCOMPARE(configs.join(QLatin1Char(',')), meters);
    }

    void thresholdNotifiesOnceAndRearms() {
        VirtualClock clock;
        SimSerialLink link(clock);
        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        QVERIFY(link.open(QStringLiteral("DEMO"), QStringLiteral("38400,N,8,1")));
        link.setReceiveThreshold(99);
        QVERIFY(link.write(readRequest(1, 3, 30001, 47)));
        link.write(QByteArray(1, '\0')); // the zero byte of RTS control is harmless
        clock.advance(200);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(link.bytesWaiting(), 99);
        const QByteArray reply = link.readAll();
        QVERIFY(simCrcValid(reply));
        QCOMPARE(reply.left(3), hex("01035E"));

        // A threshold the reply never reaches stays silent; lowering it with the bytes already
        // waiting notifies once, from the clock.
        link.setReceiveThreshold(50);
        link.write(readRequest(3, 3, 40014, 2));
        clock.advance(200);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(link.bytesWaiting(), 9);
        link.setReceiveThreshold(9);
        QCOMPARE(spy.count(), 1);
        clock.advance(1);
        QCOMPARE(spy.count(), 2);
        clock.advance(100);
        QCOMPARE(spy.count(), 2);
        link.discardInput();
        QCOMPARE(link.bytesWaiting(), 0);
        link.write(readRequest(2, 3, 40014, 2));
        clock.advance(200);
        QCOMPARE(spy.count(), 3);
    }

    void replyTimeFollowsTheBaudRate_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("turnaroundMs");
        QTest::addColumn<qint64>("expectedUs"); // last reply byte: request + turnaround + reply
        // 8 request bytes and 99 reply bytes, 10 or 11 bits each.
        const auto row = [](const char* line, int turnaround, qint64 us) {
            QTest::addRow("%s, turnaround %d", line, turnaround)
                << QString(line) << turnaround << us;
        };
        row("9600,N,8,1", 3, 8333 + 3646 + 103125); // never less than 3.5 characters
        row("19200,E,8,1", 3, 4583 + 3000 + 56718);
        row("38400,N,8,1", 3, 2083 + 3000 + 25781);
        row("57600,N,8,1", 3, 1388 + 3000 + 17187);
        // 0: as soon as the silence that ends the request has passed.
        row("9600,N,8,1", 0, 8333 + 3646 + 103125);
        row("19200,E,8,1", 0, 4583 + 2005 + 56718);
        row("115200,N,8,1", 0, 694 + 1750 + 8593);
    }

    void replyTimeFollowsTheBaudRate() {
        QFETCH(QString, line);
        QFETCH(int, turnaroundMs);
        QFETCH(qint64, expectedUs);
        VirtualClock clock;
        SimSerialLink link(clock);
        link.setTurnaroundMs(turnaroundMs);
        qint64 notifiedAt = -1;
        connect(&link, &SerialLink::receiveThresholdReached, this,
                [&] { notifiedAt = clock.nowUs(); });
        QVERIFY(link.open(QStringLiteral("DEMO"), line));
        link.setReceiveThreshold(99);
        link.write(readRequest(1, 3, 30001, 47));
        clock.advanceUs(expectedUs / 2);
        // Half-way the reply is partly there, as a real port delivers it in pieces.
        QVERIFY(link.bytesWaiting() > 0 && link.bytesWaiting() < 99);
        clock.advance(1000);
        // Each byte is delivered when its last bit is in, to the microsecond.
        QVERIFY2(qAbs(notifiedAt - expectedUs) <= 2, qPrintable(QString::number(notifiedAt)));
    }

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

    void reopenDropsRepliesOnTheirWayAndKeepsTheMeters() {
        VirtualClock clock;
        SimSerialLink link(clock);
        link.bus().meter(1)->setReg(40013, 99); // prepared before the engine opens the port
        link.bus().faults().add(SimFaultRule::delay(500));
        QVERIFY(link.open(QStringLiteral("DEMO"), QStringLiteral("38400,N,8,1")));
        link.write(readRequest(1, 3, 40014, 2));
        clock.advance(100);
        link.close();
        QVERIFY(link.open(QStringLiteral("DEMO:1:12:1.20,5:2:1.05"), QString()));
        clock.advance(1000);
        QCOMPARE(link.bytesWaiting(), 0);
        QCOMPARE(link.bus().meter(1)->reg(40013), quint16(99));
        QVERIFY(!link.bus().meter(2));
        QVERIFY(link.bus().meter(5));
    }

    void runsOnTheSystemClock() {
        SystemClock clock;
        SimSerialLink link(clock);
        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        QVERIFY(link.open(QStringLiteral("DEMO"), QStringLiteral("38400,N,8,1")));
        link.setReceiveThreshold(9);
        link.write(readRequest(3, 3, 30001, 2));
        QVERIFY(spy.wait(5000));
        QCOMPARE(link.readAll(), withCrc(hex("0303 04 0028 010A")));
    }
};

QTEST_GUILESS_MAIN(TestSimSerialLink)
#include "tst_simseriallink.moc"
