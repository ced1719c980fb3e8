#include "comm/ChannelDisplay.h"
#include "core/AppPaths.h"
#include "logging/AlarmHistory.h"
#include "monitor/MultiMonitor.h"
#include "monitor/TrendMonitor.h"
#include "support/EngineHarness.h"

#include <QTemporaryDir>
#include <QTest>

// The multi-meter grids against the engine polling the built-in simulated bus (meters 1: 12
// channels, 2: 6 channels, 3: 4 channels), on the virtual clock.
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
        m_context = {};
        m_context.state = &m_h->state();
        m_context.tables = &m_h->tables();
        m_context.alarms = m_alarms.get();
        m_context.paths = &m_paths;
        m_context.clock = &m_h->clock;
    }

    void cleanup() {
        m_h.reset();
        m_alarms.reset();
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
            // In the decimals the selected meter's settings give channel 1.
            const int decimals = ChannelDisplay::ReadChannelSettings(t, 0).decimals;
            QVERIFY2(first == ChannelDisplay::InvalidValueText(decimals) ||
                         first == ChannelDisplay::FormatValue(t.sprdMON.number(13, 1), decimals),
                     qPrintable(first));
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
