#include "MonitorFixture.h"
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
