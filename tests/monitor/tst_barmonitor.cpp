#include "MonitorFixture.h"
#include "comm/ChannelDisplay.h"
#include "monitor/BarMonitor.h"
#include "monitor/BarScale.h"

#include <QLabel>
#include <QTest>

class TestBarMonitor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void barGeometry_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("invalid");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::newRow("minimum: empty") << 0.0 << false << 0.0 << 100.0 << 200 << 0;
        QTest::newRow("maximum: full") << 100.0 << false << 0.0 << 100.0 << 0 << 200;
        QTest::newRow("a quarter") << -25.0 << false << -50.0 << 50.0 << 150 << 50;
        QTest::newRow("halves to even") << 0.25 << false << 0.0 << 100.0 << 200 << 0; // 199.5
        QTest::newRow("above: past the scale") << 150.0 << false << 0.0 << 100.0 << -100 << 300;
        QTest::newRow("below: empty") << -10.0 << false << 0.0 << 100.0 << 200 << 0;
        QTest::newRow("invalid: empty") << 50.0 << true << 0.0 << 100.0 << 200 << 0;
        QTest::newRow("empty range: no division") << 5.0 << false << 5.0 << 5.0 << 200 << 0;
    }

    void barGeometry() {
        QFETCH(double, value);
        QFETCH(bool, invalid);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, top);
        QFETCH(int, height);
        QCOMPARE(BarGeometry::of(value, invalid, min, max, 200), (BarGeometry{top, height}));
    }

    // The range captions stand whole beside the scale, minus sign and all, and the lamps of the
    // four alarms inside the scale, also at its narrowest.
    void scaleCaptionsAndLampsStayWhole_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("-5 .. 5 V") << 3 << -5.0 << 5.0;
        QTest::newRow("-50.0 .. 150.0") << 1 << -50.0 << 150.0;
        QTest::newRow("-999.99 .. 999.99") << 2 << -999.99 << 999.99;
        QTest::newRow("-19999 .. 19999") << 0 << -19999.0 << 19999.0;
        QTest::newRow("0 .. 200.0") << 1 << 0.0 << 200.0;
    }

    void scaleCaptionsAndLampsStayWhole() {
        QFETCH(int, decimals);
        QFETCH(double, low);
        QFETCH(double, high);
        MonitorFixture f(12);
        f.tables.sprdP_CH.setNumber(1, 6, decimals);
        f.tables.sprdP_CH.setNumber(1, 21, high);
        f.tables.sprdP_CH.setNumber(1, 22, low);
        const ChannelDisplay::ChannelSettings s = ChannelDisplay::ReadChannelSettings(f.tables, 0);
        BarScale scale(0);
        scale.setScaleTexts(s.maxText, s.midText, s.minText);
        scale.setScale(s.min, s.max);
        for (int a = 0; a < 4; ++a)
            scale.setLamp(a, s.min + (s.max - s.min) * a / 3);
        scale.resize(scale.minimumSizeHint());
        scale.show();
        const QFontMetrics fm(scale.captionFont());
        for (const QString& caption : {s.maxText, s.midText, s.minText})
            QVERIFY2(fm.horizontalAdvance(caption) <= scale.barArea().left() - 4,
                     qPrintable(caption + QStringLiteral(" does not fit beside the scale")));
        QVERIFY(s.minText.startsWith(u'-') == (low < 0));
        for (int a = 0; a < 4; ++a)
            QVERIFY2(scale.rect().contains(scale.lamp(a)->geometry()),
                     qPrintable(QStringLiteral("lamp %1 is cut off").arg(a + 1)));
    }

    void barsFollowValuesInTheWindow_data() {
        QTest::addColumn<int>("channels");
        for (int c : {12, 6, 4, 2})
            QTest::newRow(qPrintable(QString::number(c))) << c;
    }

    void barsFollowValuesInTheWindow() {
        QFETCH(int, channels);
        MonitorFixture f(channels);
        f.setValue(1, 0);
        f.setValue(2, 100);
        f.tables.sprdMON.setNumber(7, 1, 0x30);     // channel 3 without a value
        f.tables.sprdP_CH.setNumber(2, 21, 100.04); // shown as 100.0: the caption is the scale
        std::unique_ptr<QDialog> dialog(CreateBarMonitor(channels, f.context(), nullptr));
        auto* w = qobject_cast<BarMonitor*>(dialog.get());
        QVERIFY(w);
        QCOMPARE(w->objectName(), BarMonitor::windowName(channels));
        w->resize(1200, 700);
        w->tmrDispGraph().stop();
        w->tmrDispGraph_Timer();
        const int h = w->scale(0)->barAreaHeight();
        QCOMPARE(w->scale(0)->bar(), (BarGeometry{h, 0}));
        QCOMPARE(w->scale(1)->bar(), (BarGeometry{0, h}));
        QCOMPARE(w->valueLabel(1)->text(), QStringLiteral("100.0"));
        if (channels > 2) {
            QCOMPARE(w->scale(2)->bar(), (BarGeometry{h, 0}));
            QCOMPARE(w->valueLabel(2)->text(), QStringLiteral("----.-"));
        }
        QCOMPARE(w->unitLabel(0)->text(), QStringLiteral("\u00B0C"));
        QVERIFY(!w->scale(channels)); // no more channels than the variant has
    }

    void lampStandsAtTheValueWhereTheAlarmCameOn() {
        MonitorFixture f(4);
        BarMonitor w(4, f.context(), nullptr);
        w.resize(1000, 700);
        w.tmrDispGraph().stop();
        f.setValue(2, 75);
        f.setAlarmWord1to4(0x80); // alarm 4 of channel 2 comes on at 75
        f.setValue(2, 20);        // and the value moves on
        w.tmrDispGraph_Timer();
        BarScale* scale = w.scale(1);
        const int h = scale->barAreaHeight();
        QCOMPARE(scale->lampLevel(3), std::optional<int>(ChannelDisplay::RoundHalfEven(h * 0.25)));
        QVERIFY(!scale->lamp(3)->isHidden());
        QCOMPARE(scale->lamp(3)->geometry().center().y(),
                 scale->barArea().top() + *scale->lampLevel(3));
        for (int a = 0; a < 3; ++a)
            QVERIFY(scale->lamp(a)->isHidden());
        QCOMPARE(scale->bar().height, ChannelDisplay::RoundHalfEven(h * 0.2));

        f.setAlarmWord1to4(0);
        w.tmrDispGraph_Timer();
        QVERIFY(scale->lamp(3)->isHidden());
    }
};

QTEST_MAIN(TestBarMonitor)
#include "tst_barmonitor.moc"
