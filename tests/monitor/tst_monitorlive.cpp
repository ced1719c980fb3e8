#include "comm/ChannelDisplay.h"
#include "comm/EngineHarness.h"
#include "core/AppPaths.h"
#include "logging/AlarmHistory.h"
#include "monitor/ChannelPanel.h"
#include "monitor/MultiMonitor.h"
#include "monitor/TrendMonitor.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The monitors against the engine polling the built-in simulated bus (meters 1: 12 channels,
// 2: 6 channels, 3: 4 channels), on the virtual clock: what they show is what the engine
// decoded, column for column.
class TestMonitorLive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        m_paths = AppPaths(m_home->path());
        m_h = std::make_unique<EngineHarness>();
        m_alarms = std::make_unique<AlarmHistory>(m_h->state(), m_h->tables(), m_paths);
        m_h->engine.setAlarmHistory(m_alarms.get());
        QVERIFY(m_h->engine.openPort());
        QVERIFY(m_h->runUntil([this] {
            return m_h->engine.phase() == CommEngine::Phase::Polling && m_h->state().gPollCycleDone;
        }));
        m_context = {&m_h->state(), &m_h->tables(), m_alarms.get(), &m_paths, &m_h->clock};
    }

    void cleanup() {
        m_h.reset();
        m_alarms.reset();
    }

    void trendPlotsTheSelectedMetersValues() {
        const CommState& s = m_h->engine.state();
        const DeviceTables& t = m_h->engine.tables();
        QCOMPARE(s.gChannelCount, 12);
        std::unique_ptr<QDialog> dialog(CreateLineMonitor(s.gChannelCount, m_context, nullptr));
        auto* w = qobject_cast<TrendMonitor*>(dialog.get());
        QVERIFY(w);
        SetMonitorTimerEnabled(w, false);
        const int row = s.gSelMeter + 1;
        for (int i = 0; i < 40; ++i) {
            tick(w);
            const int sample = w->model().newestSample();
            QCOMPARE(sample, i);
            const auto states = ChannelDisplay::DecodeChannelStates(t.sprdMON.integer(6, row),
                                                                    t.sprdMON.integer(7, row));
            for (int ch = 0; ch < 12; ++ch) {
                const ChannelDisplay::ChannelSettings cs =
                    ChannelDisplay::ReadChannelSettings(t, ch);
                const QString shown = w->channelPanel(ch)->lblCH_Val()->text();
                if (states[std::size_t(ch)] != 0) {
                    QCOMPARE(w->model().history(sample, ch), ChannelDisplay::NoValue);
                    QCOMPARE(shown, ChannelDisplay::InvalidValueText(cs.decimals));
                    continue;
                }
                QCOMPARE(w->model().history(sample, ch), float(t.sprdMON.number(13 + ch, row)));
                QCOMPARE(shown,
                         ChannelDisplay::FormatValue(t.sprdMON.number(13 + ch, row), cs.decimals));
            }
        }
    }

    void gridsShowEveryMeter() {
        const DeviceTables& t = m_h->engine.tables();
        for (auto kind : {MultiGrid::Kind::PresentValues, MultiGrid::Kind::Full}) {
            MultiMonitor w(kind, m_context, nullptr);
            SetMonitorTimerEnabled(&w, false);
            tick(&w);
            QCOMPARE(w.grid().rowCount(), 3);
            for (int r = 1; r <= 3; ++r) {
                QCOMPARE(w.grid().text(0, r), QString::number(r));
                QCOMPARE(w.grid().text(MultiGrid::CommColumn, r), kind == MultiGrid::Kind::Full
                                                                      ? QStringLiteral("OK")
                                                                      : QStringLiteral("O"));
            }
            // 12, 6 and 4 channels: the six-channel meter's channels 7..12 are black.
            QCOMPARE(w.grid().backColour(MultiGrid::PvColumn + 6, 2), int(MultiGrid::Black));
            QCOMPARE(w.grid().backColour(MultiGrid::PvColumn + 4, 3), int(MultiGrid::Black));
            const QString first = w.grid().text(MultiGrid::PvColumn, 1);
            QVERIFY(first == QStringLiteral("----.-") || first == t.sprdMON.text(13, 1));
            QCOMPARE(w.warningText(), QString());
            // The engine closes the port (an unplugged adapter): the grid says its data is old.
            m_h->link.simulateLinkLoss(QStringLiteral("unplugged"));
            for (int i = 0; i < 12; ++i)
                tick(&w);
            QVERIFY(w.warningText().contains(QStringLiteral("No new data")));
            QVERIFY(m_h->engine.openPort());
            QVERIFY(m_h->runUntil(
                [this] { return m_h->engine.phase() == CommEngine::Phase::Polling; }));
        }
    }

private:
    void tick(QDialog* w) {
        m_h->clock.advance(500);
        RunMonitorTick(w);
    }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<EngineHarness> m_h;
    std::unique_ptr<AlarmHistory> m_alarms;
    AppPaths m_paths;
    MonitorContext m_context;
};

QTEST_MAIN(TestMonitorLive)
#include "tst_monitorlive.moc"
