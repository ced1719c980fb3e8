#include "clock/ClockFrames.h"
#include "clock/ClockWriter.h"
#include "comm/RequestCodes.h"
#include "support/EngineHarness.h"

#include <QSignalSpy>
#include <QTest>

using namespace RequestCode;

namespace {
QList<QByteArray> sentClockFrames(const EngineHarness& h, int from) {
    QList<QByteArray> frames;
    for (int i = from; i < h.sent.size(); ++i)
        if (h.sent[i].code == RC_SEND_CLOCK_FRAME)
            frames << h.sent[i].frame;
    return frames;
}
} // namespace

// Clock and reserve writes on their way to the meter: one at a time, each frame exactly as
// built, none lost to the one before, and none sent for ever.
class TestClockWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesGoOneAfterAnother_data() {
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QList<QByteArray>>("sent");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QList<int>>("registers"); // 40018.. as the meter holds them after
        const QByteArray set = ClockSetFrame(1, {2024, 2, 29, 13, 5, 9});
        const QByteArray year = ReserveFieldFrame(1, ClockField::Year, 2027);
        const QByteArray month = ReserveFieldFrame(1, ClockField::Month, 3);
        const QByteArray day5 = ReserveFieldFrame(1, ClockField::Day, 5);
        const QByteArray day6 = ReserveFieldFrame(1, ClockField::Day, 6);
        const QByteArray on = ReserveSwitchFrame(1, true);
        QTest::newRow("clock set")
            << QList{set} << QList{set} << EngineHarness::expand("601@1 100-112@1 11@1")
            << QList<int>{0, 2026, 6, 1, 8, 0, 0, 2024, 2, 29, 13, 5};
        QTest::newRow("three edits in a row") << QList{year, month, on} << QList{year, month, on}
                                              << EngineHarness::expand("601@1*3 100-112@1 11@1")
                                              << QList<int>{1, 2027, 3, 1, 8, 0, 0};
        // The day is edited twice while the year is on its way: the later edit goes.
        QTest::newRow("an edit replaced while it waits")
            << QList{year, day5, day6} << QList{year, day6}
            << EngineHarness::expand("601@1*2 100-112@1 11@1")
            << QList<int>{0, 2027, 6, 6, 8, 0, 0};
    }

    void writesGoOneAfterAnother() {
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QList<QByteArray>, sent);
        QFETCH(QString, trace);
        QFETCH(QList<int>, registers);
        EngineHarness h;
        h.bus().setFrozen(true); // the clock read back is the clock written
        QVERIFY(h.openAndSettle());
        ClockWriter writer(h.engine);
        QSignalSpy written(&writer, &ClockWriter::written);
        QSignalSpy finished(&writer, &ClockWriter::finished);
        const int from = int(h.sent.size());
        for (const QByteArray& frame : frames)
            QVERIFY(writer.write(frame));
        QVERIFY(writer.isBusy());
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));

        QCOMPARE(h.trace(from, int(trace.count(u' ')) + 1), trace);
        QCOMPARE(sentClockFrames(h, from), sent);
        QCOMPARE(written.count(), sent.size());
        for (const QList<QVariant>& w : written)
            QVERIFY(w.at(1).toBool());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!writer.isBusy());
        QVERIFY(h.engine.settingsComplete());
        SimMeter* meter = h.bus().meter(1);
        for (int i = 0; i < registers.size(); ++i)
            QCOMPARE(int(meter->reg(40018 + i)), registers[i]);
        // The settings tables hold what the meter holds.
        for (int i = 0; i < registers.size(); ++i)
            QCOMPARE(int(h.tables().sprdP_Common.integer(1, 18 + i)), registers[i]);
    }

    void writeNotTakenIsGivenUp_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("predicate");
        QTest::newRow("refused") << "exception:3,meter=1,fn=16"
                                 << "refused the clock write (exception 3: illegal data value)";
        QTest::newRow("unanswered") << "noreply,meter=1,fn=16"
                                    << "does not answer (3 time-outs in a row on the clock write)";
    }

    void writeNotTakenIsGivenUp() {
        QFETCH(QString, fault);
        EngineHarness h;
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(fault));
        const quint16 switchBefore = h.bus().meter(1)->reg(40018);
        ClockWriter writer(h.engine);
        QSignalSpy written(&writer, &ClockWriter::written);
        QSignalSpy givenUp(&h.engine, &CommEngine::requestGivenUp);
        const int from = int(h.sent.size());
        QVERIFY(writer.write(ReserveSwitchFrame(1, true)));
        QVERIFY(writer.write(ReserveFieldFrame(1, ClockField::Hour, 7)));
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));

        // Three tries each, then the settings are read again and monitoring goes on.
        const QString expected = EngineHarness::expand("601@1*6 100-112@1 11@1");
        QCOMPARE(h.trace(from, int(expected.count(u' ')) + 1), expected);
        QCOMPARE(written.count(), 2);
        QVERIFY(!written.at(0).at(1).toBool());
        QVERIFY(!written.at(1).at(1).toBool());
        QCOMPARE(h.panel4.count(QStringLiteral("Meter [1] ==> Clock write failed")), 2);
        QCOMPARE(givenUp.count(), 2);
        QTEST(givenUp.first().first().value<FailedRequest>().predicate(), "predicate");
        // A meter that refuses a write does not carry it out.
        if (fault.startsWith(QStringLiteral("exception")))
            QCOMPARE(h.bus().meter(1)->reg(40018), switchBefore);
        // Whether the meter acted on a write whose answer was lost is known only from the
        // settings read that follows: the tables show what it holds.
        QVERIFY(h.engine.settingsComplete());
        QCOMPARE(int(h.tables().sprdP_Common.integer(1, 18)), int(h.bus().meter(1)->reg(40018)));
        QCOMPARE(int(h.tables().sprdP_Common.integer(1, 22)), int(h.bus().meter(1)->reg(40022)));
    }

    // A meter that stops answering while writes wait for it: the cancel drops them, ends the
    // write being repeated as not taken, and the next meter's write goes out and is taken.
    void cancelEndsTheWritesOfASilentMeter() {
        EngineHarness h(QStringLiteral("DEMO:1:12:1.20,2:6:1.16"), {1, 2});
        QVERIFY(h.openAndSettle());
        QVERIFY(h.addFaults(QStringLiteral("noreply,meter=1")));
        ClockWriter writer(h.engine);
        QSignalSpy written(&writer, &ClockWriter::written);
        QSignalSpy finished(&writer, &ClockWriter::finished);
        const int from = int(h.sent.size());
        QVERIFY(writer.write(ReserveFieldFrame(1, ClockField::Hour, 7)));
        QVERIFY(writer.write(ReserveSwitchFrame(1, true)));
        // Cut off between the first try and its repeat.
        QVERIFY(h.runUntil([&] { return h.counter(0, 2) > 0; }));
        writer.cancel();
        QVERIFY(h.engine.cancelTransfer());
        QVERIFY(h.runUntil([&] { return h.firstOf(RC_POLL_STATUS, from) >= 0; }));
        QCOMPARE(sentClockFrames(h, from).size(), 1);
        QCOMPARE(written.count(), 2);
        QVERIFY(!written.at(0).at(1).toBool() && !written.at(1).at(1).toBool());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!writer.isBusy());

        h.engine.selectMeter(2);
        QVERIFY(h.runUntil([&] { return h.engine.settingsComplete(); }));
        const int second = int(h.sent.size());
        QVERIFY(writer.write(ReserveSwitchFrame(2, true)));
        QVERIFY(h.runUntil([&] { return !writer.isBusy() && h.engine.settingsComplete(); }));
        QCOMPARE(sentClockFrames(h, second), QList{ReserveSwitchFrame(2, true)});
        QVERIFY(written.last().at(1).toBool());
        QCOMPARE(h.bus().meter(2)->reg(40018), quint16(1));
    }

    void theLinkGoingDropsWhatWaits() {
        EngineHarness h;
        QVERIFY(h.openAndSettle());
        ClockWriter writer(h.engine);
        QSignalSpy written(&writer, &ClockWriter::written);
        QVERIFY(writer.write(ReserveSwitchFrame(1, true)));
        QVERIFY(writer.write(ReserveSwitchFrame(1, false)));
        h.link.simulateLinkLoss(QStringLiteral("unplugged"));
        QCOMPARE(written.count(), 2);
        QVERIFY(!writer.isBusy());
        QVERIFY(!writer.write(ReserveSwitchFrame(1, true))); // nothing goes to a closed port
        // Nor to a bus still being scanned, nor a frame that is no write.
        QVERIFY(h.engine.openPort());
        QCOMPARE(h.engine.phase(), CommEngine::Phase::Scanning);
        QVERIFY(!writer.write(ReserveSwitchFrame(1, true)));
        QVERIFY(h.runUntil([&] { return h.engine.phase() == CommEngine::Phase::Polling; }));
        QByteArray damaged = ReserveSwitchFrame(1, true);
        damaged[8] = 5;
        QVERIFY(!writer.write(damaged));
        QVERIFY(!writer.write(QByteArray()));
    }
};

QTEST_GUILESS_MAIN(TestClockWriter)
#include "tst_clockwriter.moc"
