#include "screens/DemoSession.h"

#include "app/DemoHome.h"
#include "comm/MeterList.h"
#include "core/TextLines.h"
#include "simlink/SimSerialLink.h"

#include <QApplication>

DemoSession::DemoSession(const QStringList& extraMarks,
                         const std::function<void(const AppPaths&)>& beforeStart,
                         LinkFactoryFunction link)
    : m_clock(QDateTime(QDate(2026, 3, 14), QTime(9, 41, 0))) {
    if (!m_home.isValid() || !PrepareDemoHome(m_home.path()))
        return;
    const AppPaths paths(m_home.path());
    if (!extraMarks.isEmpty()) {
        QVector<MeterListLine> lines = ReadMeterListForEditing(paths.setEnvIni());
        for (const QString& mark : extraMarks)
            lines.append(
                {mark, mark == QStringLiteral("O") ? QStringLiteral("not on the bus") : QString()});
        SaveMeterList(paths.setEnvIni(), lines);
    }
    if (beforeStart)
        beforeStart(paths);
    frmTD_Main::Options options;
    options.paths = paths;
    options.askBeforeQuit = false;
    options.linkFactory = link ? std::move(link) : [this](const QString&, Clock& clock) {
        auto sim = std::make_unique<SimSerialLink>(clock);
        m_link = sim.get();
        return std::unique_ptr<SerialLink>(std::move(sim));
    };
    m_window = std::make_unique<frmTD_Main>(m_clock, options);
}

DemoSession::~DemoSession() = default;

MonitorContext DemoSession::monitorContext() {
    MonitorContext c;
    c.state = &engine().state();
    c.tables = &engine().tables();
    c.alarms = &m_window->alarmHistory();
    c.paths = &m_window->paths();
    c.clock = &m_clock;
    return c;
}

void DemoSession::openPort() {
    if (!engine().isPortOpen())
        m_window->togglePort();
}

bool DemoSession::runUntil(const std::function<bool()>& done, qint64 maxMs) {
    // Widgets repaint between the clock's steps, as they would between timer ticks.
    const qint64 end = m_clock.nowMs() + maxMs;
    while (!done() && m_clock.nowMs() < end) {
        m_clock.advance(10);
        QApplication::processEvents();
    }
    return done();
}

bool DemoSession::runUntilPolling(qint64 maxMs) {
    return runUntil([this] { return engine().phase() == CommEngine::Phase::Polling; }, maxMs);
}
