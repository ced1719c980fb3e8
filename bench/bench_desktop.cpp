// What the desktop program's windows cost while it polls the three meters of the built-in bus:
// the main window alone and with each monitor window open, the same stretch of polling each,
// on a virtual clock, so that every run does exactly the same work (the same frames, the same
// 500 ms display ticks, the same repaints). Prints the CPU time each state took and what that
// is per second of polling. For counts that no load on the machine moves, run it under
// callgrind, which then counts the polling stretch alone:
//   valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*PollAndPaint*'
//            bench_desktop --state line
// bench/desktop_cpu --instructions does that for every state.
// --paints also prints how often each widget was painted in the stretch; --frozen holds the
// meters' values and clocks still, so that every repaint it counts is one of nothing new.
//   bench_desktop [--seconds N] [--paints] [--frozen] [--state main|multi-pv|multi|line|bar|text
//   ...]

#include "app/AppStyle.h"
#include "app/DemoHome.h"
#include "app/MessageBoxes.h"
#include "app/frmTD_Main.h"
#include "core/Clock.h"
#include "monitor/MonitorFactory.h"
#include "sim/SimBus.h"
#include "simlink/ProgramLinks.h"
#include "simlink/SimSerialLink.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr int StepMs = 1;
constexpr int TickMs = 500;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Counts the paint events of every widget class (and object name) while it is installed.
class PaintCounter : public QObject {
public:
    std::map<QString, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QString name = QString::fromLatin1(watched->metaObject()->className());
            if (!watched->objectName().isEmpty())
                name += u' ' + watched->objectName();
            else if (watched->parent() && !watched->parent()->objectName().isEmpty())
                name += QStringLiteral(" in ") + watched->parent()->objectName();
            ++counts[name];
        }
        return false;
    }
};

bool g_showPaints = false;
bool g_frozen = false;

void printPaints(const PaintCounter& counter, int seconds) {
    std::vector<std::pair<int, QString>> byCount;
    for (const auto& [name, count] : counter.counts)
        byCount.emplace_back(count, name);
    std::sort(byCount.rbegin(), byCount.rend());
    // The busiest ones: what repaints many times a second is what costs.
    if (byCount.size() > 30)
        byCount.resize(30);
    for (const auto& [count, name] : byCount)
        std::printf("      %7.2f paints/s  %s\n", double(count) / seconds, qPrintable(name));
}

// The measured stretch: the clock walks on in steps, the windows follow after each one, and
// an open monitor gets its display tick every 500 ms, as its timer would give it.
Q_NEVER_INLINE void PollAndPaint(VirtualClock& clock, QDialog* monitor, int seconds) {
    for (qint64 ms = StepMs; ms <= qint64(seconds) * 1000; ms += StepMs) {
        clock.advance(StepMs);
        if (monitor && ms % TickMs == 0)
            RunMonitorTick(monitor);
        QApplication::processEvents();
    }
}

bool runState(const QString& state, int seconds) {
    const std::optional<MainCommand> command = MonitorCommandNamed(state);
    if (state != QLatin1String("main") && !command) {
        std::fprintf(stderr, "bench_desktop: unknown state %s\n", qPrintable(state));
        return false;
    }
    QTemporaryDir home;
    QString error;
    if (!home.isValid() || !PrepareDemoHome(home.path(), &error)) {
        std::fprintf(stderr, "bench_desktop: no demo folder: %s\n", qPrintable(error));
        return false;
    }
    VirtualClock clock;
    frmTD_Main::Options options;
    options.paths = AppPaths(home.path());
    options.askBeforeQuit = false;
    options.linkFactory = [](const QString& portName, Clock& linkClock) {
        std::unique_ptr<SerialLink> link = CreateProgramLink(portName, linkClock);
        if (auto* bus = dynamic_cast<SimSerialLink*>(link.get()); bus && g_frozen)
            bus->bus().setFrozen(true);
        return link;
    };
    frmTD_Main window(clock, options);
    window.show();
    QApplication::processEvents();
    window.togglePort();
    // The scan, then a few seconds of polling before the measured stretch.
    for (int ms = 0; ms < 30000 && window.engine().phase() != CommEngine::Phase::Polling;
         ms += StepMs) {
        clock.advance(StepMs);
        QApplication::processEvents();
    }
    if (window.engine().phase() != CommEngine::Phase::Polling) {
        std::fprintf(stderr, "bench_desktop: the demo bus was not polled\n");
        return false;
    }
    PollAndPaint(clock, nullptr, 5);

    double cpu = 0;
    PaintCounter paints;
    const auto measure = [&](QDialog* monitor) {
        if (g_showPaints)
            qApp->installEventFilter(&paints);
        const double start = cpuSeconds();
        PollAndPaint(clock, monitor, seconds);
        cpu = cpuSeconds() - start;
        qApp->removeEventFilter(&paints);
    };
    if (command) {
        const ModalHook previous = SetModalHook([&](QDialog& dialog) {
            SetMonitorTimerEnabled(&dialog, false);
            dialog.show();
            QApplication::processEvents();
            measure(&dialog);
            return int(QDialog::Accepted);
        });
        window.runCommand(*command);
        SetModalHook(previous);
    } else {
        measure(nullptr);
    }
    window.quitWithoutAsking();
    std::printf("  %-9s %8.3f s CPU for %d s of polling  (%.2f %% of a core)\n", qPrintable(state),
                cpu, seconds, 100.0 * cpu / seconds);
    printPaints(paints, seconds);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyAppStyle(app); // the program's style sheet, which every repaint goes through
    int seconds = 60;
    QStringList states;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seconds") && i + 1 < args.size())
            seconds = std::max(1, args[++i].toInt());
        else if (args[i] == QLatin1String("--state") && i + 1 < args.size())
            states << args[++i];
        else if (args[i] == QLatin1String("--paints"))
            g_showPaints = true;
        else if (args[i] == QLatin1String("--frozen"))
            g_frozen = true;
        else {
            std::fprintf(stderr,
                         "usage: bench_desktop [--seconds N] [--paints] [--frozen] [--state "
                         "main|multi-pv|multi|line|bar|text ...]\n");
            return 2;
        }
    }
    if (states.isEmpty())
        states = {QStringLiteral("main"), QStringLiteral("multi-pv"), QStringLiteral("multi"),
                  QStringLiteral("line"), QStringLiteral("bar"),      QStringLiteral("text")};
    std::printf("the desktop program on the built-in bus (three meters), %d s of polling on a "
                "virtual clock, platform %s:\n",
                seconds, qPrintable(QGuiApplication::platformName()));
    for (const QString& state : std::as_const(states))
        if (!runState(state, seconds))
            return 1;
    return 0;
}
