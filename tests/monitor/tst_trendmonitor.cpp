#include "MonitorFixture.h"
#include "monitor/ChannelPanel.h"
#include "monitor/MonitorStatusArea.h"
#include "monitor/MonitorStyle.h"
#include "monitor/TrendGraph.h"
#include "monitor/TrendMonitor.h"
#include "widgets/GradientLabel.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class TestTrendMonitor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void factoryOpensTheVariantOfTheChannelCount_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("name");
        QTest::newRow("12") << 12 << "frmTD_Mon_Line12";
        QTest::newRow("6") << 6 << "frmTD_Mon_Line06";
        QTest::newRow("4") << 4 << "frmTD_Mon_Line04";
        QTest::newRow("2") << 2 << "frmTD_Mon_Line02";
        QTest::newRow("3 opens nothing") << 3 << "";
        QTest::newRow("0 opens nothing") << 0 << "";
    }

    void factoryOpensTheVariantOfTheChannelCount() {
        QFETCH(int, channels);
        MonitorFixture f;
        std::unique_ptr<QDialog> w(CreateLineMonitor(channels, f.context(), nullptr));
        QTEST(w ? w->objectName() : QString(), "name");
        if (!w)
            return;
        QCOMPARE(w->windowTitle(), QStringLiteral("Single Monitoring - LINE - Meter 1"));
        QCOMPARE(w->findChildren<ChannelPanel*>().size(), channels);
    }

    void clickTogglesTraceAtOnce_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<bool>("wholePanel");
        QTest::newRow("12: number only, unit kept") << 12 << false;
        QTest::newRow("6: whole panel, CH.OFF") << 6 << true;
        QTest::newRow("2: whole panel, CH.OFF") << 2 << true;
    }

    void clickTogglesTraceAtOnce() {
        QFETCH(int, channels);
        QFETCH(bool, wholePanel);
        MonitorFixture f(channels);
        TrendMonitor w(*TrendVariant::forChannels(channels), f.context(), nullptr);
        w.tmrDispGraph().stop();
        for (int i = 0; i < 5; ++i)
            w.tmrDispGraph_Timer();
        ChannelPanel* panel = w.channelPanel(1);

        QTest::mouseClick(panel->lblCH_Val(), Qt::LeftButton);
        QCOMPARE(w.model().traceOn(1), !wholePanel);
        if (!wholePanel)
            QTest::mouseClick(panel->lblCH(), Qt::LeftButton);
        QVERIFY(!w.model().traceOn(1));
        QCOMPARE(panel->lblCH_Unit()->text(),
                 wholePanel ? QStringLiteral("CH.OFF") : QStringLiteral("\u00B0C"));
        QCOMPARE(panel->lblCH()->fromColour(), MonitorStyle::traceOffRgb());
        w.tmrDispGraph_Timer();
        QCOMPARE(panel->lblCH_Unit()->text(),
                 wholePanel ? QStringLiteral("CH.OFF") : QStringLiteral("\u00B0C"));

        QTest::mouseClick(panel->lblCH(), Qt::LeftButton);
        QVERIFY(w.model().traceOn(1));
        QCOMPARE(panel->lblCH_Unit()->text(), QStringLiteral("\u00B0C"));
        QCOMPARE(panel->lblCH()->fromColour(), 0xFF0000); // colour code 1
    }

    void pictureFreezesWhenPollingStops() {
        MonitorFixture f;
        TrendMonitor w(*TrendVariant::forChannels(12), f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        QCOMPARE(w.model().sample(), 1);
        QCOMPARE(w.channelPanel(0)->lblCH_Val()->text(), QStringLiteral("50.0"));

        f.state.gPollCycleDone = false; // a settings read is under way
        f.setValue(1, 60);
        w.tmrDispGraph_Timer();
        QCOMPARE(w.model().sample(), 1);
        QCOMPARE(w.channelPanel(0)->lblCH_Val()->text(), QStringLiteral("50.0"));
        QCOMPARE(w.warningText(), QString()); // one missed tick is no stop
        w.tmrDispGraph_Timer();
        w.tmrDispGraph_Timer();
        QVERIFY(w.warningText().contains(QStringLiteral("NO NEW DATA")));

        f.state.gPollCycleDone = true;
        f.state.gMeterOnline = {false}; // the selected meter dropped out
        w.tmrDispGraph_Timer();
        QCOMPARE(w.model().sample(), 1);

        f.state.gMeterOnline = {true};
        f.tables.sprdMON.setText(1, 1, QStringLiteral("NG"));
        w.tmrDispGraph_Timer();
        QCOMPARE(w.channelPanel(0)->lblCH_Val()->text(), QStringLiteral("60.0"));
        QVERIFY(w.warningText().contains(QStringLiteral("NOT ANSWERING")));
        f.tables.sprdMON.setText(1, 1, QStringLiteral("OK"));
        w.tmrDispGraph_Timer();
        QCOMPARE(w.warningText(), QString());
    }

    void invalidChannelShowsDashesAndUserUnit() {
        MonitorFixture f(4);
        f.tables.sprdMON.setNumber(7, 1, 0x4 | 0x80); // channels 2 and 4 without a value
        f.tables.sprdP_CH.setNumber(4, 6, 3);
        f.tables.sprdP_CH.setNumber(3, 7, 5);
        f.tables.sprdP_CH.setText(3, 2, QStringLiteral("kPa") + QString(3, QChar(0)));
        TrendMonitor w(*TrendVariant::forChannels(4), f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        QCOMPARE(w.channelPanel(0)->lblCH_Val()->text(), QStringLiteral("50.0"));
        QCOMPARE(w.channelPanel(1)->lblCH_Val()->text(), QStringLiteral("----.-"));
        QCOMPARE(w.channelPanel(3)->lblCH_Val()->text(), QStringLiteral("--.---"));
        QCOMPARE(w.channelPanel(2)->lblCH_Unit()->text(), QStringLiteral("kPa"));
        QCOMPARE(w.model().history(0, 1), ChannelDisplay::NoValue);
        QVERIFY(!w.graph()->scaleBarY(1)); // no bar for a channel without a value
        QVERIFY(w.graph()->scaleBarY(0));
    }

    void statusAreaAndBackground() {
        MonitorFixture f(2);
        f.tables.sprdMON.setNumber(11, 1, 0x8000 | 0x2); // input 2 on, card present
        f.tables.sprdMON.setNumber(5, 1, 0);
        f.tables.sprdMON.setNumber(26, 1, 800);
        f.tables.sprdMON.setNumber(27, 1, 202); // 25.25 %
        f.tables.sprdMON.setNumber(28, 1, 7);
        f.setAlarmWord1to4(0x10); // alarm 1 of channel 2
        TrendMonitor w(*TrendVariant::forChannels(2), f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.tmrDispGraph_Timer();
        MonitorStatusArea* s = w.statusArea();
        QCOMPARE((QStringList{s->dateText(), s->timeText(), s->sdcText(), s->memText()}),
                 (QStringList{"2026-03-09", "14:05:09", "025", "007"}));
        QCOMPARE((QList<int>{s->lblDInput(0)->fromColour(), s->lblDInput(1)->fromColour(),
                             s->lblDInput(1)->toColour(), s->alarmIcon(), s->cardIcon()}),
                 (QList<int>{MonitorStatusArea::InputOffFrom, MonitorStatusArea::InputOnFrom,
                             MonitorStatusArea::InputOnTo, MonitorIcons::SoundOn,
                             MonitorIcons::CardPresent}));
        QVERIFY(!w.graph()->whiteBackground());

        f.tables.sprdMON.setNumber(5, 1, 3);
        f.tables.sprdMON.setNumber(26, 1, 0); // no capacity: no division
        f.setAlarmWord1to4(0);
        f.tables.sprdP_Common.setNumber(1, 15, 1); // white background chosen on the meter
        w.tmrDispGraph_Timer();
        QCOMPARE(s->cardIcon(), MonitorIcons::CardInUse);
        QCOMPARE(s->sdcText(), QStringLiteral("000"));
        QCOMPARE(s->alarmIcon(), MonitorIcons::SoundOff);
        QVERIFY(w.graph()->whiteBackground());
        f.tables.sprdMON.setNumber(11, 1, 0);
        f.tables.sprdMON.setText(4, 1, QStringLiteral("x")); // too short: the clock stays
        f.tables.sprdP_Common.setNumber(1, 15, 0);
        w.tmrDispGraph_Timer();
        QCOMPARE(s->cardIcon(), MonitorIcons::CardNone);
        QCOMPARE(s->timeText(), QStringLiteral("14:05:09"));
        QVERIFY(!w.graph()->whiteBackground());
    }

    // The time under the newest line stays whole at the right end of the axis, from the first
    // sample on and while the trace scrolls.
    void newestTimeStaysWholeAtTheEndOfTheAxis_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("ticks");
        for (int c : {12, 2})
            for (int t : {1, 30, 119})
                QTest::addRow("%d channels, %d ticks", c, t) << c << t;
    }

    void newestTimeStaysWholeAtTheEndOfTheAxis() {
        QFETCH(int, channels);
        QFETCH(int, ticks);
        MonitorFixture f(channels);
        TrendMonitor w(*TrendVariant::forChannels(channels), f.context(), nullptr);
        w.tmrDispGraph().stop();
        w.resize(1100, 640);
        w.show();
        QApplication::processEvents();
        for (int i = 0; i < ticks; ++i)
            w.tmrDispGraph_Timer();
        QVERIFY(!w.timeLabels().constLast().isEmpty());
        const std::optional<QRectF> box = w.graph()->timeLabelRect(0);
        QVERIFY(box);
        const QRect viewport = w.graph()->viewportRect();
        QVERIFY2(box->right() <= viewport.right() + 1,
                 qPrintable(QStringLiteral("the label ends at %1, the axis at %2")
                                .arg(box->right())
                                .arg(viewport.right() + 1)));
        QVERIFY(box->left() >= 0);
    }

    // Alarm marks that meet stack their numbers; what does not fit is counted ("+5") in the last
    // place, never drawn over another number or outside the picture.
    void markNumbersStackOrAreCounted_data() {
        QTest::addColumn<int>("marks");  // at one place, all at once
        QTest::addColumn<int>("height"); // of the picture
        QTest::addColumn<bool>("counted");
        QTest::newRow("three fit") << 3 << 420 << false;
        QTest::newRow("forty-eight in a tall picture") << 48 << 640 << true;
        QTest::newRow("twelve in a low picture") << 12 << 200 << true;
    }

    void markNumbersStackOrAreCounted() {
        QFETCH(int, marks);
        QFETCH(int, height);
        const TrendModel model(*TrendVariant::forChannels(12));
        TrendGraph graph(model);
        graph.resize(900, height);
        graph.show();
        QApplication::processEvents();
        QVector<TrendMark> all;
        for (int i = 0; i < marks; ++i)
            all.append({0, graph.surfaceHeight() / 2, i % 4 + 1, 0x0000FF, true, i / 4 + 1});
        graph.redraw({}, {}, all);

        const QStringList texts = graph.markTexts();
        const QList<QRectF> boxes = graph.markBoxes();
        int shown = 0;
        for (const QString& t : texts)
            shown += t.startsWith(u'+') ? t.mid(1).toInt() : 1;
        QCOMPARE(shown, marks);
        QTEST(std::any_of(texts.cbegin(), texts.cend(),
                          [](const QString& t) { return t.startsWith(u'+'); }),
              "counted");
        const QRectF picture(0, 0, graph.width(), graph.viewportRect().height());
        for (int i = 0; i < boxes.size(); ++i) {
            QVERIFY2(picture.contains(boxes[i]), qPrintable(texts[i]));
            for (int j = 0; j < i; ++j)
                QVERIFY(!boxes[i].intersects(boxes[j]));
        }
    }

    void portOpenedAgainRestartsTheTrend() {
        MonitorFixture f(2);
        TrendMonitor w(*TrendVariant::forChannels(2), f.context(), nullptr);
        w.tmrDispGraph().stop();
        for (int i = 0; i < 10; ++i)
            w.tmrDispGraph_Timer();
        QCOMPARE(w.model().sample(), 10);
        ++f.state.gPortOpens;
        w.tmrDispGraph_Timer();
        QCOMPARE(w.model().sample(), 1);
        QVERIFY(w.model().redrawSegments({}, 1000).isEmpty());
    }
};

QTEST_MAIN(TestTrendMonitor)
#include "tst_trendmonitor.moc"
