#pragma once

#include "app/MessageBoxes.h"
#include "app/frmTD_Main.h"
#include "core/Clock.h"
#include "core/TextLines.h"
#include "support/ModalRecorder.h"

#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A program folder in a temporary directory.
struct TestHome {
    QTemporaryDir dir;
    AppPaths paths{dir.path()};

    TestHome() { paths.ensureCfgFolder(); }
    void writeCommCfg(const QStringList& lines) { WriteTextLines(paths.commCfg(), lines); }
    void writeMeterList(const QStringList& lines) { WriteTextLines(paths.setEnvIni(), lines); }
};

inline std::unique_ptr<frmTD_Main> MakeMainWindow(Clock& clock, const TestHome& home,
                                                  LinkFactoryFunction links = {}) {
    frmTD_Main::Options options;
    options.paths = home.paths;
    options.linkFactory = std::move(links);
    auto window = std::make_unique<frmTD_Main>(clock, options);
    window->resize(1100, 700);
    window->show();
    return window;
}

// Walks the virtual clock forward in small steps, letting the widgets follow, until `done`.
inline bool RunUntil(VirtualClock& clock, const std::function<bool()>& done, qint64 maxMs = 60000) {
    const qint64 end = clock.nowMs() + maxMs;
    while (!done() && clock.nowMs() < end) {
        clock.advance(10);
        QApplication::processEvents();
    }
    return done();
}

// The main window on the demo bus in a program folder of its own, the meter list's lines
// given; open() when the folder holds what the test needs, poll() to open the port.
struct DemoWindow {
    TestHome home;
    VirtualClock clock;
    std::unique_ptr<frmTD_Main> window;

    explicit DemoWindow(const QStringList& meters, const QString& port = QStringLiteral("DEMO")) {
        home.writeCommCfg({port, "38400", "N", "8", "1", "Modbus RTU", "OFF"});
        home.writeMeterList(meters);
    }
    std::unique_ptr<frmTD_Main>& open(LinkFactoryFunction links = {}) {
        window = MakeMainWindow(clock, home, std::move(links));
        return window;
    }
    bool poll() {
        window->togglePort();
        return RunUntil(clock,
                        [this] { return window->engine().phase() == CommEngine::Phase::Polling; });
    }
};
