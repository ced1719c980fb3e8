#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "comm/SimSerialLink.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "logging/AlarmHistory.h"
#include "monitor/ChannelDisplay.h"
#include "monitor/ChannelPanel.h"
#include "monitor/MultiMonitor.h"
#include "monitor/TrendMonitor.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

// The monitors against the engine polling the built-in simulated bus (meters 1: 12 channels,
// 2: 6 channels, 3: 4 channels), on the virtual clock: what they show is what the engine
// decoded, column for column.
class TestMonitorLive : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void trendPlotsTheSelectedMetersValues();
    void gridsShowEveryMeter();

private:
    void tick(QDialog* w);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<VirtualClock> m_clock;
    std::unique_ptr<SimSerialLink> m_link;
    std::unique_ptr<CommEngine> m_engine;
    std::unique_ptr<AlarmHistory> m_alarms;
    AppPaths m_paths;
    MonitorContext m_context;
};

void TestMonitorLive::init() {
    m_home = std::make_unique<QTemporaryDir>();
    m_paths = AppPaths(m_home->path());
    m_clock = std::make_unique<VirtualClock>();
    m_link = std::make_unique<SimSerialLink>(*m_clock);
    m_engine = std::make_unique<CommEngine>(*m_clock);
    m_alarms = std::make_unique<AlarmHistory>(m_engine->state(), m_engine->tables(), m_paths);
    BuildMeterTables({QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("O")},
                     m_engine->state(), m_engine->tables());
    PortSettings port;
    port.portName = QStringLiteral("DEMO");
    m_engine->setPortSettings(port);
    m_engine->setLink(m_link.get());
    m_engine->setAlarmHistory(m_alarms.get());
    QVERIFY(m_engine->openPort());
    QVERIFY(m_clock->runUntil(
        [this] {
            return m_engine->phase() == CommEngine::Phase::Polling &&
                   m_engine->state().gPollCycleDone;
        },
        120000));
    m_context = {&m_engine->state(), &m_engine->tables(), m_alarms.get(), &m_paths, m_clock.get()};
}

void TestMonitorLive::cleanup() {
    m_engine.reset();
    m_link.reset();
    m_alarms.reset();
}

void TestMonitorLive::tick(QDialog* w) {
    m_clock->advance(500);
    RunMonitorTick(w);
}

void TestMonitorLive::trendPlotsTheSelectedMetersValues() {
    const CommState& s = m_engine->state();
    const DeviceTables& t = m_engine->tables();
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
            const ChannelDisplay::ChannelSettings cs = ChannelDisplay::ReadChannelSettings(t, ch);
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
    const QString dir = qEnvironmentVariable("TD700_PICTURES_DIR");
    if (!dir.isEmpty()) {
        for (int i = 0; i < 300; ++i)
            tick(w);
        w->setAttribute(Qt::WA_DontShowOnScreen);
        w->show();
        QDir().mkpath(dir);
        QVERIFY(w->grab().save(QDir(dir).filePath(QStringLiteral("live-Line12.png"))));
    }
}

void TestMonitorLive::gridsShowEveryMeter() {
    const DeviceTables& t = m_engine->tables();
    for (auto kind : {MultiGrid::Kind::PresentValues, MultiGrid::Kind::Full}) {
        MultiMonitor w(kind, m_context, nullptr);
        SetMonitorTimerEnabled(&w, false);
        tick(&w);
        QCOMPARE(w.grid().rowCount(), 3);
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(w.grid().text(0, r), QString::number(r));
            QCOMPARE(w.grid().text(MultiGrid::CommColumn, r),
                     kind == MultiGrid::Kind::Full ? QStringLiteral("OK") : QStringLiteral("O"));
        }
        // 12, 6 and 4 channels: the six-channel meter's channels 7..12 are black.
        QCOMPARE(w.grid().backColour(MultiGrid::PvColumn + 6, 2), int(MultiGrid::Black));
        QCOMPARE(w.grid().backColour(MultiGrid::PvColumn + 4, 3), int(MultiGrid::Black));
        const QString first = w.grid().text(MultiGrid::PvColumn, 1);
        QVERIFY(first == QStringLiteral("----.-") || first == t.sprdMON.text(13, 1));
        QCOMPARE(w.warningText(), QString());
        const QString dir = qEnvironmentVariable("TD700_PICTURES_DIR");
        if (!dir.isEmpty()) {
            w.resize(w.sizeHint());
            w.setAttribute(Qt::WA_DontShowOnScreen);
            w.show();
            QVERIFY(w.grab().save(
                QDir(dir).filePath(QStringLiteral("live-%1.png").arg(w.objectName()))));
        }
        // The engine closes the port (an unplugged adapter): the grid says its data is old.
        m_link->simulateLinkLoss(QStringLiteral("unplugged"));
        for (int i = 0; i < 12; ++i)
            tick(&w);
        QVERIFY(w.warningText().contains(QStringLiteral("No new data")));
        QVERIFY(m_engine->openPort());
        QVERIFY(m_clock->runUntil(
            [this] { return m_engine->phase() == CommEngine::Phase::Polling; }, 120000));
    }
}

QTEST_MAIN(TestMonitorLive)
#include "tst_monitorlive.moc"
