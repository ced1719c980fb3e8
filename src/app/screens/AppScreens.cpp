#include "app/PortServices.h"
#include "app/frmTD_About.h"
#include "app/frmTD_SetMC.h"
#include "app/frmTD_SetPort.h"
#include "app/screens/DemoSession.h"
#include "app/screens/ScreenRegistry.h"
#include "comm/SimSerialLink.h"
#include "logging/frmTD_Set_DSave.h"
#include "sim/SimBus.h"

namespace {

// The demo meters and, at address 5, a configured meter that does not answer.
const QStringList kWithSilentMeter{QString(), QStringLiteral("O")};

void renderMain(ScreenContext& context) {
    {
        DemoSession session(kWithSilentMeter);
        if (!session.isValid())
            return;
        session.window().resize(context.mainWindowSize());
        context.save(session.window(), QStringLiteral("frmTD_Main-closed"));
    }
    {
        DemoSession session(kWithSilentMeter);
        session.window().resize(context.mainWindowSize());
        session.openPort();
        const TextTable& status = session.engine().tables().sprdStatus;
        session.runUntil([&] { return status.text(2, 2) == QStringLiteral("OK"); });
        context.save(session.window(), QStringLiteral("frmTD_Main-scanning"));
    }
    {
        DemoSession session(kWithSilentMeter);
        session.window().resize(context.mainWindowSize());
        session.window().setCommViewVisible(true);
        session.openPort();
        session.runUntilPolling();
        // A noisy line: now and then a reply from meter 2 arrives with a bit flipped.
        session.demoLink()->bus().faults().add(SimFaultRule::flipBit(5, 3).forMeter(2).everyNth(4));
        session.runUntil([] { return false; }, 6000);
        context.save(session.window(), QStringLiteral("frmTD_Main-polling"));
    }
    {
        // Dead-meter back-off on: meter 2 falls silent and is asked less and less often.
        DemoSession session(kWithSilentMeter);
        session.window().resize(context.mainWindowSize());
        PortSettings port = session.engine().portSettings();
        port.backoff = QStringLiteral("8");
        session.engine().setPortSettings(port);
        session.openPort();
        session.runUntilPolling();
        session.demoLink()->bus().faults().add(SimFaultRule::noReply().forMeter(2));
        session.runUntil([&] { return session.engine().backoffCycles(1) >= 4; }, 120000);
        context.save(session.window(), QStringLiteral("frmTD_Main-backoff"));
    }
}

void renderSetPort(ScreenContext& context) {
    DemoSession session;
    if (!session.isValid())
        return;
    const QString path = session.window().paths().commCfg();
    {
        frmTD_SetPort dialog(session.engine().portSettings(), path, DefaultPortTester());
        context.save(dialog, QStringLiteral("frmTD_SetPort"));
    }
    {
        // A port this machine does not have: the test's message shows.
        PortSettings missing = session.engine().portSettings();
        missing.portName = QStringLiteral("/dev/ttyUSB7");
        missing.rts = QStringLiteral("ON");
        missing.txInterval = QStringLiteral("20");
        frmTD_SetPort dialog(missing, path, DefaultPortTester());
        context.save(dialog, QStringLiteral("frmTD_SetPort-missing-port"));
    }
}

void renderSetMC(ScreenContext& context) {
    DemoSession session(kWithSilentMeter);
    if (!session.isValid())
        return;
    frmTD_SetMC dialog(session.window().paths().setEnvIni(), session.engine().state(),
                       session.engine().tables());
    context.save(dialog, QStringLiteral("frmTD_SetMC"));
}

void renderSetDSave(ScreenContext& context) {
    DemoSession session;
    if (!session.isValid())
        return;
    frmTD_Set_DSave dialog(session.window().paths().saveDataIni());
    context.save(dialog, QStringLiteral("frmTD_Set_DSave"));
}

void renderAbout(ScreenContext& context) {
    frmTD_About about;
    context.save(about, QStringLiteral("frmTD_About"));
}

} // namespace

void RegisterAppScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("frmTD_Main"),
                 QStringLiteral("main window: port closed, scanning, polling"), renderMain);
    registry.add(QStringLiteral("frmTD_SetPort"), QStringLiteral("port settings dialog"),
                 renderSetPort);
    registry.add(QStringLiteral("frmTD_SetMC"), QStringLiteral("meter list dialog"), renderSetMC);
    registry.add(QStringLiteral("frmTD_Set_DSave"), QStringLiteral("data save settings dialog"),
                 renderSetDSave);
    registry.add(QStringLiteral("frmTD_About"), QStringLiteral("about box"), renderAbout);
}
