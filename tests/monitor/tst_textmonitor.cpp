#include "MonitorFixture.h"
#include "monitor/TextMonitor.h"
#include "widgets/GradientLabel.h"
#include "widgets/TwoColourBar.h"

#include <QLabel>
#include <QTest>

class TestTextMonitor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void percentOfRange_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("percent");
        QTest::newRow("at low") << 4.0 << 4.0 << 20.0 << 2 << "4.00" << 0.0;
        QTest::newRow("at high") << 20.0 << 4.0 << 20.0 << 2 << "20.00" << 100.0;
        QTest::newRow("middle") << 12.0 << 4.0 << 20.0 << 2 << "12.00" << 50.0;
        QTest::newRow("below: clipped") << -5.0 << 0.0 << 100.0 << 1 << "-5.0" << 0.0;
        QTest::newRow("above: clipped") << 130.0 << 0.0 << 100.0 << 1 << "130.0" << 100.0;
        // The figure is taken from the caption as shown: 24.96 shows as 25.0.
        QTest::newRow("from the shown figure") << 24.96 << 0.0 << 100.0 << 1 << "25.0" << 25.0;
        QTest::newRow("empty range: no division") << 7.0 << 7.0 << 7.0 << 0 << "7" << 0.0;
    }

    void percentOfRange() {
        QFETCH(double, value);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(int, decimals);
        MonitorFixture f(2);
        f.tables.sprdP_CH.setText(1, 21, QString::number(high));
        f.tables.sprdP_CH.setText(1, 22, QString::number(low));
        f.tables.sprdP_CH.setNumber(1, 6, decimals);
        f.setValue(1, value);
        TextMonitor w(2, f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        QTEST(w.lblPV(0)->text(), "shown");
        QTEST(w.progress(0)->value(), "percent");
    }

    void alarmIndicatorsOfAChannel_data() {
        QTest::addColumn<int>("channel"); // from 0
        QTest::addColumn<int>("alarm");   // from 0
        QTest::addColumn<int>("array");
        QTest::addColumn<int>("element");
        QTest::newRow("channel 1 alarm 1") << 0 << 0 << 1 << 0;
        QTest::newRow("channel 3 alarm 1") << 2 << 0 << 2 << 0;
        QTest::newRow("channel 4 alarm 1") << 3 << 0 << 2 << 4;
        QTest::newRow("channel 4 alarm 4") << 3 << 3 << 2 << 7;
        QTest::newRow("channel 12 alarm 3") << 11 << 2 << 6 << 6;
    }

    void alarmIndicatorsOfAChannel() {
        QFETCH(int, channel);
        QFETCH(int, alarm);
        QFETCH(int, array);
        QFETCH(int, element);
        MonitorFixture f(12);
        f.tables.sprdMON.setNumber(10 - channel / 4, 1, 1 << (4 * (channel % 4) + alarm));
        f.alarms.CheckAlarmHistory();
        TextMonitor w(12, f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        for (int a = 1; a <= 6; ++a)
            for (int e = 0; e < 8; ++e)
                QCOMPARE(!w.lblALM(a, e)->isHidden(), a == array && e == element);
        // The indicator sits in its channel's card.
        QCOMPARE(w.lblALM(array, element)->parentWidget()->objectName(),
                 QStringLiteral("picCH(%1)").arg(channel));

        f.tables.sprdMON.setNumber(10 - channel / 4, 1, 0);
        f.alarms.CheckAlarmHistory();
        w.tmrDispGraph_Timer();
        QVERIFY(w.lblALM(array, element)->isHidden());
    }

    void coloursAndCaptions() {
        MonitorFixture f(6);
        f.tables.sprdP_CH.setNumber(3, 10, 2);   // green
        f.tables.sprdP_CH.setNumber(4, 10, 99);  // unknown code: white
        f.tables.sprdP_CH.setNumber(3, 7, 0);    // unknown unit: V
        f.tables.sprdMON.setNumber(7, 1, 0x300); // channel 5 without a value
        f.tables.sprdP_CH.setNumber(5, 6, 2);
        TextMonitor w(6, f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        QCOMPARE((QList<int>{w.lblCH_Name(2)->fromColour(), w.lblUnit(2)->toColour(),
                             w.progress(2)->fromColour(), w.progress(2)->toColour(),
                             w.lblCH_Name(3)->fromColour()}),
                 (QList<int>{0x00FF00, 0x00FF00, 0x00FF00, 0x00FF00, 0xFFFFFF}));
        QCOMPARE((QStringList{w.lblCH_Name(2)->text(), w.lblUnit(2)->text(), w.lblRangeH(0)->text(),
                              w.lblRangeL(0)->text(), w.lblPV(4)->text()}),
                 (QStringList{"CH03", "V", "100.0", "0.0", "---.--"}));
        QCOMPARE(w.progress(4)->value(), 0.0);
    }
};

QTEST_MAIN(TestTextMonitor)
#include "tst_textmonitor.moc"
