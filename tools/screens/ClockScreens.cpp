#include "clock/frmTD_DateReserve.h"
#include "screens/DemoSession.h"
#include "screens/ScreenRegistry.h"
#include "sim/SimBus.h"
#include "simlink/SimSerialLink.h"

#include <QCheckBox>

namespace {

// The demo bus polling, meter 1 selected and its settings read; meter 2's clock is four
// minutes behind the PC's and meter 1 holds a reserved start switched on.
bool prepare(DemoSession& session) {
    if (!session.isValid())
        return false;
    session.openPort();
    if (!session.runUntilPolling())
        return false;
    SimBus& bus = session.demoLink()->bus();
    const QDateTime now = session.clock().currentDateTime();
    bus.meter(2)->setDeviceClock(now.addSecs(-250));
    bus.meter(1)->setDeviceClock(now.addSecs(3));
    SimMeter& meter = *bus.meter(1);
    const int reserve[] = {1, 2026, 3, 16, 6, 30, 0};
    for (int i = 0; i < 7; ++i)
        meter.setReg(40018 + i, quint16(reserve[i]));
    session.engine().selectMeter(1);
    if (!session.runUntil([&] { return session.engine().settingsComplete(); }))
        return false;
    // Every meter polled again, so that each shows its clock.
    session.runUntil([] { return false; }, 3000);
    return true;
}

void renderMainWithDrift(ScreenContext& context) {
    DemoSession session;
    session.window().resize(context.mainWindowSize());
    if (prepare(session))
        context.save(session.window(), QStringLiteral("frmTD_Main-clock-drift"));
}

void renderDateReserve(ScreenContext& context) {
    for (bool same : {false, true}) {
        DemoSession session;
        if (!prepare(session))
            return;
        frmTD_Main& main = session.window();
        frmTD_DateReserve window(session.engine(), session.clock(), main.clockWriter(),
                                 main.clockDrift(), &main);
        window.chbSameDT->setChecked(same);
        session.runUntil([&] { return !window.tmrRefresh().isEnabled(); });
        session.runUntil([] { return false; }, 1500);
        context.save(window, same ? QStringLiteral("frmTD_DateReserve-same-as-pc")
                                  : QStringLiteral("frmTD_DateReserve"));
    }
}

} // namespace

void RegisterClockScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("frmTD_DateReserve"),
                 QStringLiteral("clock and reserved start window: fields from the meter, and "
                                "following the PC clock"),
                 renderDateReserve);
    registry.add(QStringLiteral("frmTD_Main-clock-drift"),
                 QStringLiteral("main window: a meter whose clock is minutes off, in amber"),
                 renderMainWithDrift);
}
