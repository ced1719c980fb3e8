#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>
#include <map>

using namespace RequestCode;

namespace {

// The status words of meter 1 (the selected meter) and, once its values were read, its
// identification hold what the meter holds: no stray bytes were decoded into them.
void expectTrueValues(EngineHarness& h, bool valuesRead) {
    SimMeter* meter = h.bus().meter(1);
    QCOMPARE(h.tables().sprdP_Common.integer(1, 14), meter->reg(40014));
    QCOMPARE(h.tables().sprdP_Common.integer(1, 15), meter->reg(40015));
    if (valuesRead) {
        QCOMPARE(h.tables().sprdMON.text(2, 1), "20");
        QCOMPARE(h.tables().sprdMON.text(3, 1), "1.20");
    }
}

} // namespace

// What the engine makes of faulty replies, silent meters and a lost line: counted, repeated,
// passed over, never decoded, and polling goes on.
class TestEngineFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void faultyReplies_data() {
        QTest::addColumn<QString>("faults"); // on the status requests (11) to meter 1
        QTest::addColumn<int>("tries");      // times 11 went to meter 1 before the story ended
        QTest::addColumn<int>("timeouts");
        QTest::addColumn<int>("badFrames");
        QTest::addColumn<bool>("answered"); // else the third failure passed on to meter 2

        const QString on = QStringLiteral(",meter=1,reg=40014");
        const auto row = [&](const char* name, const QString& faults, int tries, int timeouts,
                             int bad, bool answered) {
            QTest::newRow(name) << faults << tries << timeouts << bad << answered;
        };
        // One row a verdict of the reply collector (whose own test takes every byte pattern
        // apart): how each is counted, repeated and passed on.
        row("clean line", {}, 1, 0, 0, true);
        row("two time-outs then a reply", "noreply,times=2" + on, 3, 2, 0, true);
        row("three time-outs", "noreply,times=3" + on, 3, 3, 0, false);
        row("bad CRC then two time-outs", "flip:4,times=1" + on + ";noreply,skip=1,times=2" + on, 3,
            2, 1, false);
        row("exception once", "exception:2,times=1" + on, 2, 0, 1, true);
        row("exception three times", "exception:2,times=3" + on, 3, 0, 3, false);
        row("reply from another slave", "wrong-address,times=1" + on, 2, 0, 1, true);
        row("reply one register short", "short:1,times=1" + on, 2, 0, 1, true);
        // A reply that never completes is a time-out at the time-out, not a bad frame.
        row("reply cut short", "truncate:2,times=1" + on, 2, 1, 0, true);
        row("reply cut short three times", "truncate:3,times=3" + on, 3, 3, 0, false);
        row("cut short, bad CRC, cut short",
            "truncate:2,times=1" + on + ";flip:5,skip=1,times=1" + on +
                ";truncate:1,skip=2,times=1" + on,
            3, 2, 1, false);
        row("slow but in time", "delay:900,times=1" + on, 1, 0, 0, true);
        row("junk before the reply", "junk-before:5,times=1" + on, 1, 0, 0, true);
        row("split in two", "split:4:30,times=1" + on, 1, 0, 0, true);
    }

    void faultyReplies() {
        QFETCH(QString, faults);
        QFETCH(int, tries);
        QFETCH(bool, answered);

        EngineHarness h;
        QVERIFY(h.addFaults(faults));
        QVERIFY(h.openAndSettle());
        const int first = h.firstOf(RC_POLL_STATUS);
        const int goodBefore = h.counter(0, 1);
        const QString pattern = answered ? "11@1*%1 12@1" : "11@1*%1 11@2";
        const QString expected = EngineHarness::expand(pattern.arg(tries));
        QVERIFY(h.runUntil([&] { return h.sent.size() >= first + tries + 2; }));
        QCOMPARE(h.trace(first, tries + 1), expected);

        QTEST(h.counter(0, 2), "timeouts");
        QTEST(h.counter(0, 3), "badFrames");
        QCOMPARE(h.counter(0, 1) - goodBefore, answered ? 2 : 0);
        QCOMPARE(h.state().gRetryCount, 0);
        // "NG" stays after a time-out that no good reply followed; a bad frame leaves the link.
        const bool ng = !answered && h.counter(0, 2) > 0;
        QCOMPARE(h.tables().sprdStatus.text(2, 1), ng ? "NG" : "OK");
        // Nothing of a bad frame was decoded.
        expectTrueValues(h, answered);
    }

    void lateReplyIsNeverTakenForALaterRequest_data() {
        QTest::addColumn<int>("delayMs");
        for (int ms : {1010, 1040, 1070, 1100, 1130, 1160, 1200, 1300})
            QTest::addRow("%d ms", ms) << ms;
    }

    // A status reply after its time-out, however it falls against the repeat and the values
    // request (a collision may cost one repeat), is never read as the values reply.
    void lateReplyIsNeverTakenForALaterRequest() {
        QFETCH(int, delayMs);
        EngineHarness h;
        QVERIFY(h.addFaults(QStringLiteral("delay:%1,meter=1,reg=40014,times=1").arg(delayMs)));
        QVERIFY(h.openAndSettle());
        const int first = h.firstOf(RC_POLL_STATUS);
        QVERIFY(h.runUntil([&] { return h.sent.size() >= first + 8; }));
        QCOMPARE(h.trace(first, 3), "11@1 11@1 12@1");
        QCOMPARE(h.counter(0, 2), 1);
        QVERIFY(h.counter(0, 3) <= 1);
        expectTrueValues(h, true);
    }

    void lateMeterIsChargedToItself_data() {
        QTest::addColumn<int>("delayMs");
        for (int ms : {3200, 3600, 4000})
            QTest::addRow("%d ms", ms) << ms;
    }

    // Meter 2's replies to every third request come so late the cycle waits for meter 3: they are
    // dropped as meter 2's, the other meters' counters clean, without a repeat.
    void lateMeterIsChargedToItself() {
        QFETCH(int, delayMs);
        EngineHarness h;
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(QStringLiteral("delay:%1,meter=2,every=3").arg(delayMs)));
        h.clock.advance(60000);
        for (int meter : {0, 2}) {
            QCOMPARE(h.counter(meter, 2), 0);
            QCOMPARE(h.counter(meter, 3), 0);
        }
        QVERIFY(h.counter(1, 2) > 0);
        QVERIFY(h.engine.totals().lateReplies > 0);
        expectTrueValues(h, true);
    }

    void replyLeftOnTheLineIsNeverTaken_data() {
        QTest::addColumn<bool>("midFence"); // the run before ended in its own opening fence
        QTest::newRow("a status request") << false;
        QTest::newRow("the opening fence") << true;
    }

    // A reply left on the line by a run that ended waiting (killed, or an older version) is
    // dropped as late on the next opening, without a bad frame or a repeat.
    void replyLeftOnTheLineIsNeverTaken() {
        QFETCH(bool, midFence);
        EngineHarness h(QStringLiteral("DEMO:1:12:1.20"), {1});
        h.link.setTurnaroundMs(300);
        h.link.setKeepsReplies(true);
        const auto endMidRequest = [&](int code) {
            const int from = int(h.sent.size());
            QVERIFY(h.engine.openPort());
            QVERIFY(h.runUntil([&] { return h.firstOf(code, from) >= 0; }));
            h.engine.closePort();
        };
        endMidRequest(RC_POLL_STATUS);
        if (midFence)
            endMidRequest(RC_FENCE);
        const int from = int(h.sent.size());
        h.engine.countClear();
        QVERIFY(h.engine.openPort());
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));
        QCOMPARE((QStringList{h.tables().sprdStatus.text(3, 1), h.tables().sprdStatus.text(4, 1)}),
                 (QStringList{"20", "1.20"}));
        QCOMPARE((QList<int>{h.counter(0, 2), h.counter(0, 3)}), (QList<int>{0, 0}));
        QCOMPARE(h.trace(from, 3), "98@1 99@1 901@1");
        QVERIFY(h.engine.totals().lateReplies > 0);
    }

    void deadMeterIsPassedOverWithoutBurst() {
        EngineHarness h;
        std::map<int, int> answered, passed;
        QObject::connect(&h.engine, &CommEngine::meterPolled,
                         [&](int meter, bool ok) { ++(ok ? answered : passed)[meter]; });
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(QStringLiteral("noreply,meter=2")));
        h.clock.advance(60000);
        QVERIFY(answered[0] >= 10 && answered[2] >= 10);
        QVERIFY(passed[1] >= 5);
        QCOMPARE(h.tables().sprdStatus.text(2, 2), "NG");
        QCOMPARE(h.tables().sprdMON.text(1, 2), "NG");

        // The meter comes back: it is polled again, and the requests keep their rhythm.
        h.bus().faults().clear();
        const int from = int(h.sent.size());
        const int before = answered[1];
        h.clock.advance(20000);
        QVERIFY(answered[1] > before);
        QCOMPARE(h.tables().sprdStatus.text(2, 2), "OK");
        for (int i = from + 1; i < h.sent.size(); ++i)
            QVERIFY2(h.sent[i].atMs - h.sent[i - 1].atMs >= 50, qPrintable(h.trace(i - 1, 2)));
    }

    void lineLostInTheMiddleOfARequest() {
        EngineHarness h;
        QVERIFY(h.openAndSettle());
        QSignalSpy open(&h.engine, &CommEngine::portOpenChanged);
        QSignalSpy menus(&h.engine, &CommEngine::portClosedMenus);
        QVERIFY(h.engine.tmrRX_TOVR().isEnabled()); // the first status request is out
        h.link.simulateLinkLoss(QStringLiteral("adapter removed"));

        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toBool(), false);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.first().first().toBool(), true);
        QVERIFY(h.panel4.last().contains(QStringLiteral("adapter removed")));
        QCOMPARE(h.engine.phase(), CommEngine::Phase::Closed);
        QCOMPARE(h.engine.lastFailure(), "adapter removed");
        QCOMPARE(h.tables().sprdStatus.text(2, 1), "OK"); // how the meter last answered
        const int sent = int(h.sent.size());
        h.clock.advance(10000);
        QCOMPARE(int(h.sent.size()), sent);
        QCOMPARE(h.counter(0, 2), 0); // the lost request is not a time-out

        // The port opens again and the scan starts over, behind the fence of a line opened.
        QVERIFY(h.engine.openPort());
        QVERIFY(h.runUntil([&] { return h.sent.size() > sent + 1; }));
        QCOMPARE(h.trace(sent, 2), "98@1 99@1");
        // Closed by hand, the link cells are cleared and no failure is left.
        QVERIFY(h.runUntil([&] { return h.tables().sprdStatus.text(2, 1) == "OK"; }));
        h.engine.closePort();
        QCOMPARE(h.tables().sprdStatus.text(2, 1), QString());
        QCOMPARE(h.engine.lastFailure(), QString());
    }
};

QTEST_GUILESS_MAIN(TestEngineFaults)
#include "tst_enginefaults.moc"
