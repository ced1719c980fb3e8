#include "core/Clock.h"
#include "sim/SimMeter.h"

#include <QTest>
#include <cmath>

class TestSimMeter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readAreas_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("exception");
        QTest::addColumn<QList<quint16>>("expected"); // none: not looked at
        const char* big = "1:12:1.20";
        const char* old = "1:6:1.05";
        const auto row = [](const char* name, const char* setup, int function, int first, int count,
                            int exception, const QList<quint16>& expected = {}) {
            QTest::newRow(name) << QString(setup) << function << first << count << exception
                                << expected;
        };
        // The identification: model code and firmware word of each kind of meter.
        row("identity 12 channels", big, 3, 30001, 2, 0, {20, 0x0114});
        row("identity 6 channels", "2:6:1.16", 3, 30001, 2, 0, {10, 0x0110});
        row("identity 4 channels", "3:4:1.10", 3, 30001, 2, 0, {40, 0x010A});
        row("identity, one-digit fraction", "9:2:1.5", 3, 30001, 2, 0, {0, 0x0132});
        row("identity, old firmware", old, 3, 30001, 2, 0, {10, 0x0105});
        row("present values", big, 3, 30001, 47, 0);
        row("status pair", big, 3, 40014, 2, 0);
        row("common block with prefix", big, 3, 40001, 77, 0);
        row("old firmware has no prefix", old, 3, 40001, 77, 2);
        row("old firmware short common block", old, 3, 40001, 74, 0);
        row("channel probe", big, 3, 40101, 35, 0);
        row("channel 12 block", big, 3, 41201, 93, 0);
        row("channel 12 of a 2-channel meter", "1:2:1.20", 3, 41201, 93, 0);
        row("one past a channel block", big, 3, 40101, 94, 2);
        row("memory formulas 1-6", big, 3, 47001, 78, 0);
        row("memory formulas 7-12", big, 3, 47079, 78, 0);
        row("past memory formulas", big, 3, 47150, 10, 2);
        row("channel 12 formula", big, 3, 51201, 50, 0);
        row("past a channel formula", big, 3, 51201, 51, 2);
        row("past present values", big, 3, 30040, 10, 2);
        row("after the common block", big, 3, 40078, 1, 2);
        row("input registers by number", big, 4, 30001, 47, 0);
        row("input registers from zero", big, 4, 0, 47, 0);
        row("settings are no input registers", big, 4, 40001, 2, 2);
        row("count 0", big, 3, 40001, 0, 3);
        row("count 126", big, 3, 47001, 126, 3);
    }

    void readAreas() {
        QFETCH(QString, setup);
        QFETCH(int, function);
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, exception);
        VirtualClock clock;
        SimMeter meter(*SimMeterConfig::parse(setup), clock);
        QList<quint16> values;
        const int code = function == 3 ? meter.readHolding(first, count, &values)
                                       : meter.readInput(first, count, &values);
        QCOMPARE(code, exception);
        if (exception == 0)
            QCOMPARE(values.size(), count);
        QFETCH(QList<quint16>, expected);
        if (!expected.isEmpty())
            QCOMPARE(values, expected);
    }

    void channelLayoutFollowsFirmware() {
        VirtualClock clock;
        SimMeter before(SimMeterConfig{1, 4, 149}, clock);
        SimMeter from(SimMeterConfig{1, 4, 150}, clock);
        // Before 1.50, k = 19 and 20 are two small numbers; from 1.50 one FLOAT.
        QCOMPARE(before.reg(40319), quint16(3));
        QCOMPARE(before.reg(40320), quint16(1));
        QCOMPARE(from.floatAt(40319), 20.0f);
    }

    void clockRunsAndCanBeSet() {
        VirtualClock clock(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        QList<quint16> v;
        QCOMPARE(meter.writeHolding(40025, {2024, 2, 29, 13, 5, 9}), 0);
        QCOMPARE(meter.readHolding(30003, 6, &v), 0);
        QCOMPARE(v, (QList<quint16>{2024, 2, 29, 13, 5, 9}));
        clock.advance(61000);
        QCOMPARE(meter.readHolding(40025, 6, &v), 0);
        QCOMPARE(v, (QList<quint16>{2024, 2, 29, 13, 6, 10}));
        // A single field moves only that field.
        QCOMPARE(meter.writeHolding(40027, {1}), 0);
        QCOMPARE(meter.deviceClock(), QDateTime(QDate(2024, 2, 1), QTime(13, 6, 10)));
        // An impossible date is refused and the clock stays.
        QCOMPARE(meter.writeHolding(40025, {2023, 2, 29, 0, 0, 0}), 3);
        QCOMPARE(meter.deviceClock(), QDateTime(QDate(2024, 2, 1), QTime(13, 6, 10)));
    }

    void reserveTakesRealPartsOnly_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<QList<quint16>>("values");
        QTest::addColumn<int>("result");
        QTest::newRow("switch on") << 40018 << QList<quint16>{1} << 0;
        QTest::newRow("switch 2") << 40018 << QList<quint16>{2} << 3;
        QTest::newRow("whole start") << 40018 << QList<quint16>{1, 2027, 3, 4, 5, 6, 7} << 0;
        QTest::newRow("year 0") << 40019 << QList<quint16>{0} << 3;
        QTest::newRow("month 13") << 40020 << QList<quint16>{13} << 3;
        QTest::newRow("day 0") << 40021 << QList<quint16>{0} << 3;
        QTest::newRow("day 31 whatever the month") << 40021 << QList<quint16>{31} << 0;
        QTest::newRow("hour 24") << 40022 << QList<quint16>{24} << 3;
        QTest::newRow("second 60 after a good minute") << 40023 << QList<quint16>{30, 60} << 3;
    }

    void reserveTakesRealPartsOnly() {
        QFETCH(int, first);
        QFETCH(QList<quint16>, values);
        QFETCH(int, result);
        VirtualClock clock;
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        QList<quint16> before, after;
        QCOMPARE(meter.readHolding(40018, 7, &before), 0);
        QCOMPARE(meter.writeHolding(first, values), result);
        QCOMPARE(meter.readHolding(40018, 7, &after), 0);
        if (result != 0)
            QCOMPARE(after, before); // a refused write changes nothing
        else
            QCOMPARE(after.mid(first - 40018, values.size()), values);
    }

    // The clock running into a reserved start switched on starts the recording; a start that
    // lay behind the clock already, or that a clock set jumps over, is never reached.
    void reservedStartStartsTheRecording_data() {
        QTest::addColumn<int>("startMinute"); // from 00:00:30
        QTest::addColumn<bool>("setPast");    // the clock is set an hour on first
        QTest::addColumn<bool>("starts");
        QTest::newRow("ahead") << 1 << false << true;
        QTest::newRow("already past") << -1 << false << false;
        QTest::newRow("clock set past it") << 1 << true << false;
    }

    void reservedStartStartsTheRecording() {
        QFETCH(int, startMinute);
        QFETCH(bool, setPast);
        QFETCH(bool, starts);
        const QDateTime begin(QDate(2026, 1, 1), QTime(0, 0, 30));
        VirtualClock clock(begin);
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        const QDateTime at = begin.addSecs(60 * startMinute);
        QCOMPARE(meter.writeHolding(40001, {0}), 0);
        QCOMPARE(
            meter.writeHolding(40018, {1, quint16(at.date().year()), quint16(at.date().month()),
                                       quint16(at.date().day()), quint16(at.time().hour()),
                                       quint16(at.time().minute()), quint16(at.time().second())}),
            0);
        if (setPast)
            QCOMPARE(meter.writeHolding(40028, {1}), 0);
        clock.advance(59000);
        QCOMPARE(meter.reg(40001), quint16(0));
        QCOMPARE(meter.reg(40018), quint16(1));
        clock.advance(2000);
        QCOMPARE(meter.reg(40001), quint16(starts ? 1 : 0));
        QCOMPARE(meter.reg(40018), quint16(starts ? 0 : 1));
    }

    void alarmsFollowSetValues_data() {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("setOffset"); // set value = present value + offset
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("bit");
        QTest::newRow("high, value above") << 1 << 1 << 3 << -1.0 << true << 30014 << 0;
        QTest::newRow("high, value below") << 1 << 1 << 3 << 1.0 << false << 30014 << 0;
        QTest::newRow("low, value below") << 4 << 2 << 4 << 1.0 << true << 30014 << 13;
        QTest::newRow("low, value above") << 4 << 2 << 4 << -1.0 << false << 30014 << 13;
        QTest::newRow("channel 5 alarm 1") << 5 << 1 << 3 << -1.0 << true << 30013 << 0;
        QTest::newRow("channel 12 alarm 4") << 12 << 4 << 3 << -1.0 << true << 30012 << 15;
        QTest::newRow("switched off") << 12 << 4 << 0 << -1.0 << false << 30012 << 15;
    }

    void alarmsFollowSetValues() {
        QFETCH(int, channel);
        QFETCH(int, alarm);
        QFETCH(int, type);
        QFETCH(double, setOffset);
        QFETCH(bool, on);
        QFETCH(int, word);
        QFETCH(int, bit);
        VirtualClock clock;
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        meter.setFrozen(true);
        const int base = 40100 * 1 + 100 * (channel - 1) + 42 + 13 * (alarm - 1);
        meter.setFloat(base, float(meter.presentValue(channel) + setOffset));
        meter.setFloat(base + 2, 0.0f); // no hysteresis
        meter.setReg(base + 6, quint16(type));
        meter.setReg(base + 10, 3); // relay 3
        QCOMPARE(bool(meter.reg(word) & (1 << bit)), on);
        QCOMPARE(meter.alarmOn(channel, alarm), on);
        if (on)
            QVERIFY(meter.reg(30016) & (1 << 2));
    }

    void burnoutShowsInStateWordAndAlarm() {
        VirtualClock clock;
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        QCOMPARE(meter.reg(30010), quint16(0));
        QCOMPARE(meter.reg(30011), quint16(0));
        meter.setForcedBurnout(8, true);
        meter.setForcedBurnout(2, true);
        QCOMPARE(meter.reg(30010), quint16(1 << 2)); // channel 8: bits 2..3 of the high word
        QCOMPARE(meter.reg(30011), quint16(1 << 2)); // channel 2: bits 2..3 of the low word
        QVERIFY(meter.reg(30013) & (1 << 14));       // alarm 3 of channel 8 is a burn-out alarm
        QCOMPARE(meter.presentValue(8), meter.floatAt(40832)); // up-scale
        meter.setForcedBurnout(8, false);
        QCOMPARE(meter.channelState(8), 0);
    }

    void valuesWaveInsideTheDisplayRange() {
        VirtualClock clock;
        SimMeter meter(SimMeterConfig{2, 6, 116}, clock);
        float low[6];
        float high[6];
        std::fill(std::begin(low), std::end(low), 1e9f);
        std::fill(std::begin(high), std::end(high), -1e9f);
        bool alarmSeen[2] = {false, false};
        int burnouts = 0;
        for (int s = 0; s < 1200; s += 5) {
            clock.advance(5000);
            for (int n = 1; n <= 6; ++n) {
                if (meter.channelState(n) != 0) {
                    ++burnouts;
                    continue;
                }
                const float v = meter.presentValue(n);
                low[n - 1] = std::min(low[n - 1], v);
                high[n - 1] = std::max(high[n - 1], v);
            }
            alarmSeen[meter.alarmOn(1, 1)] = true;
        }
        for (int n = 1; n <= 6; ++n) {
            const float max = meter.floatAt(40032 + 100 * n);
            const float min = meter.floatAt(40034 + 100 * n);
            QVERIFY2(low[n - 1] >= min && high[n - 1] <= max, qPrintable(QString::number(n)));
            QVERIFY(high[n - 1] - low[n - 1] > 0.5f * (max - min)); // it really moves
        }
        QVERIFY(alarmSeen[0] && alarmSeen[1]); // the high alarm came and went
        QVERIFY(burnouts > 0);                 // a channel was in burn-out now and then
        QCOMPARE(meter.reg(30041) != 0, true); // the thirteenth value is there too
    }

    void frozenMeterStandsStill() {
        VirtualClock clock;
        SimMeter meter(SimMeterConfig{1, 12, 120}, clock);
        clock.advance(12345);
        meter.setFrozen(true);
        QList<quint16> before;
        QList<quint16> after;
        meter.readHolding(30001, 47, &before);
        clock.advance(3600 * 1000);
        meter.readHolding(30001, 47, &after);
        QCOMPARE(after, before);
        meter.setFrozen(false);
        clock.advance(2000);
        QCOMPARE(meter.deviceClock(), QDateTime(QDate(2026, 1, 1), QTime(0, 0, 14, 345)));
    }
};

QTEST_GUILESS_MAIN(TestSimMeter)
#include "tst_simmeter.moc"
