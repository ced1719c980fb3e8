#include "monitor/MonitorDemo.h"
#include "monitor/MonitorFactory.h"
#include "screens/ScreenRegistry.h"

#include <QDialog>
#include <memory>

namespace {

// Enough half-second refreshes for the trend to fill most of its width and for the demo's
// alarms to start and end along the way.
constexpr int kDemoTicks = 420;

void renderMonitor(ScreenContext& context, const QString& name, int channels) {
    MonitorDemo demo(channels);
    std::unique_ptr<QDialog> window(CreateMonitorWindow(name, demo.context(), nullptr));
    if (!window)
        return;
    // Driven tick by tick here, not by its own timer.
    SetMonitorTimerEnabled(window.get(), false);
    for (int i = 0; i < kDemoTicks; ++i) {
        demo.advance();
        RunMonitorTick(window.get());
    }
    context.save(*window, name);
}

} // namespace

void RegisterMonitorScreens(ScreenRegistry& registry) {
    for (int channels : {12, 6, 4, 2}) {
        for (const QString& name : MonitorWindowNames(channels)) {
            // The multi-meter windows show the whole bus: once is enough.
            if (name.startsWith(QStringLiteral("frmTD_Mon_Multi")) && channels != 12)
                continue;
            registry.add(name,
                         QStringLiteral("monitor with demo data (an alarm, an invalid "
                                        "channel, a digital input on)"),
                         [name, channels](ScreenContext& context) {
                             renderMonitor(context, name, channels);
                         });
        }
    }
}
