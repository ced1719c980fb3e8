#include "monitor/TrendModel.h"

#include <QTest>

using Inputs = std::array<TrendChannelInput, ChannelDisplay::MaxChannels>;
Q_DECLARE_METATYPE(TrendVariant)

namespace {

// All channels on a 0..100 scale with the same value.
Inputs inputs(double value, bool invalid = false) {
    Inputs in{};
    for (auto& c : in) {
        c.value = value;
        c.invalid = invalid;
        c.min = 0;
        c.max = 100;
        c.colour = 0x00FF00;
    }
    return in;
}

constexpr int H = 1000; // surface height, twips

} // namespace

class TestTrendModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scaleY_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("y");
        QTest::newRow("minimum at the bottom") << 0.0 << 0.0 << 100.0 << H;
        QTest::newRow("maximum at the top") << 100.0 << 0.0 << 100.0 << 0;
        QTest::newRow("quarter") << 25.0 << 0.0 << 100.0 << 750;
        QTest::newRow("negative range") << -25.0 << -50.0 << 50.0 << 750;
        QTest::newRow("half down to even") << 0.05 << 0.0 << 100.0 << 1000; // 999.5 -> 1000
        QTest::newRow("half up to even") << 0.15 << 0.0 << 100.0 << 998;    // 998.5 -> 998
        QTest::newRow("above the range") << 150.0 << 0.0 << 100.0 << -500;
    }

    void scaleY() {
        QFETCH(double, value);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, y);
        QCOMPARE(ChannelDisplay::ScaleY(value, min, max, H), std::optional<int>(y));
    }

    void ticksAndBufferShift_data() {
        QTest::addColumn<TrendVariant>("variant");
        for (int channels : {12, 6, 4, 2})
            QTest::newRow(qPrintable(QString::number(channels)))
                << *TrendVariant::forChannels(channels);
    }

    // The first sample draws no segment, every later tick one per channel; the newest point
    // stands where the time axis says "now", also after the buffer shifts.
    void ticksAndBufferShift() {
        QFETCH(TrendVariant, variant);
        TrendModel model(variant);
        const TrendStep first = model.step(inputs(50), H);
        QVERIFY(first.segments.isEmpty());
        QVERIFY(first.periodStart);
        QCOMPARE(model.sample(), 1);
        const TrendStep second = model.step(inputs(75), H);
        QCOMPARE(second.segments.size(), variant.channels);
        // k = 1: x0 = (origin - 120 + 1) * 15 + 1800, one sample (15 twips) wide.
        const int x0 = (variant.trendOrigin - 120 + 1) * 15 + 1800;
        QCOMPARE(second.segments[0], (TrendSegment{0, QPoint(x0, 500), QPoint(x0 + 15, 250)}));
        QCOMPARE(second.y[0], std::optional<int>(250));

        for (int s = 2; s <= variant.shiftAt + 3; ++s) {
            const TrendStep step = model.step(inputs(s % 100), H);
            QCOMPARE(step.shifted, s == variant.shiftAt);
            QCOMPARE(model.x(model.newestSample()) + model.left(), variant.trendOrigin * 15);
            if (!step.segments.isEmpty()) // the segment of this tick ends on the newest point
                QCOMPARE(step.segments[0].p1.x(), model.x(model.newestSample()));
            if (step.shifted) {
                QCOMPARE(model.sample(), variant.keep() + 1);
                QCOMPARE(model.history(variant.keep(), 0), float(s % 100));
                QCOMPARE(model.history(0, 0), float(120 % 100));
                // The redraw after the shift ends exactly where the tick's segment ended.
                const QVector<TrendSegment> all = model.redrawSegments(inputs(0), H);
                QCOMPARE(all.last().p1, step.segments.last().p1);
            }
        }
    }

    void redrawAgreesWithTheTicks() {
        TrendModel model(*TrendVariant::forChannels(2));
        QVector<TrendSegment> drawn;
        for (int s = 0; s < 130; ++s) {
            const TrendStep step = model.step(inputs((s * 7) % 100), H);
            if (step.periodStart)
                drawn.clear(); // the surface starts over with every period
            drawn += step.segments;
        }
        const QVector<TrendSegment> redrawn = model.redrawSegments(inputs(0), H);
        // Segments of the present period are where the ticks put them.
        for (const TrendSegment& s : drawn)
            QVERIFY2(redrawn.contains(s), qPrintable(QStringLiteral("missing x %1").arg(s.p0.x())));
        QCOMPARE(redrawn.size(), 2 * 129);
    }

    void invalidSamplesLeaveGaps() {
        TrendModel model(*TrendVariant::forChannels(2));
        model.step(inputs(10), H);
        model.step(inputs(20), H);
        QVERIFY(model.step(inputs(30, true), H).segments.isEmpty());
        QCOMPARE(model.history(2, 0), ChannelDisplay::NoValue);
        QVERIFY(model.step(inputs(40), H).segments.isEmpty()); // no segment from the gap either
        QCOMPARE(model.step(inputs(50), H).segments.size(), 2);
        // Redrawn: 0-1 and 3-4 per channel, nothing touching sample 2.
        const QVector<TrendSegment> all = model.redrawSegments(inputs(0), H);
        QCOMPARE(all.size(), 4);
        for (const TrendSegment& s : all)
            QVERIFY(s.p0.x() != model.x(2) && s.p1.x() != model.x(2));
    }

    // Records that arrive late after an outage, "ms:hold:value" from the first sample's
    // moment, into a trend of three live samples, six without data and three live, a tick
    // (500 ms) apart. Expected: channel 1 of each sample, "-" for none.
    void lateRecordsFillTheGap_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the nearest sample within half a tick")
            << QStringList{"1740:0:31", "1760:0:32", "3900:0:34"}
            << "10 10 10 31 32 - - - 34 20 20 20";
        QTest::newRow("held for the save interval, a later record wins, in any order")
            << QStringList{"2500:2000:33", "1500:2000:31"} << "10 10 10 31 31 33 33 33 33 20 20 20";
        QTest::newRow("never over a live sample")
            << QStringList{"500:0:41", "4500:0:42", "1000:3500:43"}
            << "10 10 10 43 43 43 43 43 43 20 20 20";
        QTest::newRow("older than the first sample or newer than the newest")
            << QStringList{"-300:5000:51", "5800:0:52"} << "10 10 10 - - - - - - 20 20 20";
    }

    void lateRecordsFillTheGap() {
        QFETCH(QStringList, records);
        TrendModel model(*TrendVariant::forChannels(2));
        constexpr qint64 t0 = 1'700'000'000'000;
        for (int s = 0; s < 12; ++s)
            model.step(inputs(s < 3 ? 10 : 20, s >= 3 && s < 9), H, t0 + 500 * s, s < 3 || s >= 9);
        for (const QString& r : records) {
            const QStringList f = r.split(u':');
            std::array<float, ChannelDisplay::MaxChannels> values{};
            values.fill(f[2].toFloat());
            model.fillPast(t0 + f[0].toLongLong(), f[1].toLongLong(), 500, values);
        }
        QStringList shown;
        for (int s = 0; s < 12; ++s) {
            const float v = model.history(s, 0);
            shown << (v == ChannelDisplay::NoValue ? QStringLiteral("-") : QString::number(v));
        }
        QTEST(shown.join(u' '), "expected");
        // The filled gap draws as lines, joined to the live samples on both sides.
        if (!shown.contains(QStringLiteral("-")))
            QCOMPARE(model.redrawSegments(inputs(0), H).size(), 2 * 11);
    }

    void emptyRangeDrawsNothing() {
        TrendModel model(*TrendVariant::forChannels(2));
        Inputs in = inputs(5);
        in[1].min = in[1].max = 10;
        for (int s = 0; s < 5; ++s) {
            const TrendStep step = model.step(in, H);
            QVERIFY(!step.y[1]);
            for (const TrendSegment& seg : step.segments)
                QCOMPARE(seg.channel, 0);
        }
        for (const TrendSegment& seg : model.redrawSegments(in, H))
            QCOMPARE(seg.channel, 0);
    }

    void alarmMarksOnStartAndEnd() {
        TrendModel model(*TrendVariant::forChannels(6));
        std::array<quint8, 48> states{};
        states[3 * 12 + 5] = 1; // alarm 4 of channel 6 already on when the trend starts: no news
        model.restart(states);
        Inputs in = inputs(60);
        in[5].alarms[3] = 1;
        in[2].colour = 0x0000FF;
        QVERIFY(model.step(in, H).marks.isEmpty());
        in[2].alarms[1] = 1; // alarm 2 of channel 3 comes on
        TrendStep on = model.step(in, H);
        QCOMPARE(on.marks.size(), 1);
        QCOMPARE(on.marks[0], (TrendMark{1, 400, 2, 0x0000FF, true, 3}));
        QVERIFY(model.step(in, H).marks.isEmpty()); // still on: no new mark
        in[2].alarms[1] = 0;
        in[2].value = 20;
        TrendStep off = model.step(in, H);
        QCOMPARE(off.marks.size(), 1);
        QCOMPARE(off.marks[0], (TrendMark{3, 800, 2, 0x0000FF, false, 3}));
        QCOMPARE(model.marks().size(), 2);
        in[5].alarms[3] = 0;
        QCOMPARE(model.step(in, H).marks.size(), 1); // but its end is

        // A mark of a channel without a value stays inside the graph.
        in[0].invalid = true;
        in[0].alarms[0] = 1;
        const TrendStep invalid = model.step(in, H);
        QCOMPARE(invalid.marks.size(), 1);
        QVERIFY(invalid.marks[0].y >= 0 && invalid.marks[0].y <= H);
    }

    void shiftDropsOldMarks() {
        const TrendVariant variant = *TrendVariant::forChannels(4);
        TrendModel model(variant);
        Inputs in = inputs(50);
        for (int s = 0; s <= variant.shiftAt; ++s) {
            in[0].alarms[0] = (s == 50 || s == 300) ? 1 : 0; // on and off around samples 50, 300
            model.step(in, H);
        }
        // Marks at 50 and 51 fell off the start; those at 300 and 301 moved back by 120.
        QCOMPARE(model.marks().size(), 2);
        QCOMPARE(model.marks()[0].sample, 180);
        QCOMPARE(model.marks()[1].sample, 181);
    }

    void traceOffLeavesChannelOutAndOnBringsHistoryBack() {
        TrendModel model(*TrendVariant::forChannels(2));
        Inputs in = inputs(50);
        for (int s = 0; s < 10; ++s) {
            in[1].alarms[0] = s >= 5 ? 1 : 0;
            model.step(in, H);
        }
        model.setTraceOn(1, false);
        QVERIFY(model.step(in, H).segments.size() == 1);
        for (const TrendSegment& s : model.redrawSegments(in, H))
            QCOMPARE(s.channel, 0);
        QVERIFY(model.visibleMarks().isEmpty());
        model.setTraceOn(1, true);
        QCOMPARE(model.redrawSegments(in, H).size(), 2 * 10);
        QCOMPARE(model.visibleMarks().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTrendModel)
#include "tst_trendmodel.moc"
