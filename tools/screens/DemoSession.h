#pragma once

#include "app/frmTD_Main.h"
#include "core/Clock.h"
#include "monitor/MonitorFactory.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A main window on the built-in DEMO bus, run on a virtual clock so that every picture shows
// the same moment: the demo folder, the three demo meters and whatever addresses are added.
class SimSerialLink;

class DemoSession {
public:
    // `extraMarks` adds meter-list lines after the three demo meters ("O" marks an address
    // that no demo meter answers, which shows how a silent meter looks).
    // `beforeStart` may change the demo folder's files before the window reads them.
    // `link`, when given, stands for the port instead of the simulated bus (a port that will
    // not open, for one).
    explicit DemoSession(const QStringList& extraMarks = {},
                         const std::function<void(const AppPaths&)>& beforeStart = {},
                         LinkFactoryFunction link = {});
    ~DemoSession();

    bool isValid() const { return m_window != nullptr; }
    frmTD_Main& window() { return *m_window; }
    CommEngine& engine() { return m_window->engine(); }
    VirtualClock& clock() { return m_clock; }
    QString home() const { return m_home.path(); }
    // What a monitor window reads, taken from this session's window.
    MonitorContext monitorContext();

    // Opens the port as the port command does.
    void openPort();
    // The simulated bus behind the port once it has been opened (faults can be laid on it).
    SimSerialLink* demoLink() const { return m_link; }
    // Runs the virtual clock until `done` or until `maxMs` have passed.
    bool runUntil(const std::function<bool()>& done, qint64 maxMs = 60000);
    void advance(qint64 ms) { m_clock.advance(ms); }
    bool runUntilPolling(qint64 maxMs = 60000);

private:
    QTemporaryDir m_home;
    VirtualClock m_clock;
    std::unique_ptr<frmTD_Main> m_window;
    SimSerialLink* m_link = nullptr;
};
