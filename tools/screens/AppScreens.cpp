#include "app/PortServices.h"
#include "app/frmTD_About.h"
#include "app/frmTD_SetMC.h"
#include "app/frmTD_SetPort.h"
#include "comm/PortSettings.h"
#include "comm/SerialOpenProblem.h"
#include "core/TextLines.h"
#include "logging/frmTD_Set_DSave.h"
#include "publish/frmTD_Set_Publish.h"
#include "screens/DemoSession.h"
#include "screens/ScreenRegistry.h"
#include "sim/SimBus.h"
#include "simlink/SimSerialLink.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A USB adapter the user may not use yet: its open fails as a real one would on a machine
// where the user is not in the device's group, the same on every machine.
class RefusedLink final : public SerialLink {
public:
    bool open(const QString& portName, const QString&) override {
        SerialDeviceAccess access;
        access.exists = true;
        access.group = QStringLiteral("dialout");
        m_error = SerialOpenMessage(portName, portName, SerialOpenFailure::NoPermission, {}, access,
                                    {QStringLiteral("/dev/ttyS0"), portName});
        return false;
    }
    void close() override {}
    bool isOpen() const override { return false; }
    QString errorString() const override { return m_error; }
    void setReceiveThreshold(int) override {}
    int bytesWaiting() const override { return 0; }
    QByteArray readAll() override { return {}; }
    void discardInput() override {}
    bool write(const QByteArray&) override { return false; }
    void setRts(bool) override {}

private:
    QString m_error;
};

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
    {
        // A port settings file cut short: named at start, the defaults shown.
        DemoSession session({}, [](const AppPaths& paths) {
            WriteTextLines(paths.commCfg(), {QStringLiteral("COM3"), QStringLiteral("9600")});
        });
        session.window().resize(context.mainWindowSize());
        context.save(session.window(), QStringLiteral("frmTD_Main-settings-problem"));
    }
    {
        // The data folder is gone and a file stands in its place: every save names it.
        DemoSession session({}, [](const AppPaths& paths) {
            QDir(paths.file(QStringLiteral("Data"))).removeRecursively();
            WriteTextLines(paths.file(QStringLiteral("Data")), {});
        });
        session.window().resize(context.mainWindowSize());
        session.openPort();
        session.runUntilPolling();
        session.runUntil([] { return false; }, 12000);
        context.save(session.window(), QStringLiteral("frmTD_Main-save-failing"));
    }
    {
        DemoSession session(
            {},
            [](const AppPaths& paths) {
                PortSettings port;
                port.portName = QStringLiteral("/dev/ttyUSB0");
                SavePortSettings(paths.commCfg(), port);
            },
            [](const QString&, Clock&) { return std::unique_ptr<SerialLink>(new RefusedLink); });
        session.window().resize(context.mainWindowSize());
        session.openPort();
        context.save(session.window(), QStringLiteral("frmTD_Main-port-not-opened"));
    }
}

// A path no file can be written to (a file stands where its folder should be), so that the
// dialogs show how a failed save looks.
QString blockedPath(const DemoSession& session, const QString& name) {
    const QString blocker = QDir(session.home()).filePath(QStringLiteral("blocked"));
    WriteTextLines(blocker, {});
    return QDir(blocker).filePath(name);
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
    {
        frmTD_SetPort dialog(session.engine().portSettings(),
                             blockedPath(session, QStringLiteral("Comm.CFG")), DefaultPortTester());
        dialog.btnOK->click();
        context.save(dialog, QStringLiteral("frmTD_SetPort-not-saved"));
    }
}

void renderSetMC(ScreenContext& context) {
    DemoSession session(kWithSilentMeter);
    if (!session.isValid())
        return;
    {
        frmTD_SetMC dialog(session.window().paths().setEnvIni(), session.engine().state(),
                           session.engine().tables());
        context.save(dialog, QStringLiteral("frmTD_SetMC"));
    }
    {
        frmTD_SetMC dialog(blockedPath(session, QStringLiteral("SetEnv.INI")),
                           session.engine().state(), session.engine().tables());
        dialog.toggleMark(1);
        dialog.btnOK->click();
        context.save(dialog, QStringLiteral("frmTD_SetMC-not-saved"));
    }
}

void renderSetDSave(ScreenContext& context) {
    DemoSession session;
    if (!session.isValid())
        return;
    {
        frmTD_Set_DSave dialog(session.window().paths().saveDataIni());
        // A folder as a user's would read, not the renderer's temporary one.
        dialog.lblFolder->setText(QStringLiteral("/home/plant/TD700/Data"));
        context.save(dialog, QStringLiteral("frmTD_Set_DSave"));
    }
    {
        // The settings of the demo, to be written where no file can be.
        frmTD_Set_DSave dialog(blockedPath(session, QStringLiteral("SaveData.INI")));
        dialog.txtSaveInterval->setText(QStringLiteral("10"));
        dialog.lblFolder->setText(session.window().paths().file(QStringLiteral("Data")));
        dialog.txtFName->setText(QStringLiteral("DEMO"));
        dialog.btnOK->click();
        context.save(dialog, QStringLiteral("frmTD_Set_DSave-not-saved"));
    }
}

void renderSetPublish(ScreenContext& context) {
    DemoSession session;
    if (!session.isValid())
        return;
    const QString path = session.window().paths().publishIni();
    {
        frmTD_Set_Publish dialog(path);
        context.save(dialog, QStringLiteral("frmTD_Set_Publish"));
    }
    PublishSettings s;
    s.enabled = true;
    s.url = QStringLiteral("mqtts://broker.plant.local/plant/boiler-house");
    s.node = QStringLiteral("td700-boiler");
    s.user = QStringLiteral("recorder");
    s.passwordFile = QStringLiteral("/etc/td700/mqtt-password");
    s.caFile = QStringLiteral("/etc/td700/plant-ca.pem");
    {
        WritePublishSettings(path, s);
        frmTD_Set_Publish dialog(path);
        context.save(dialog, QStringLiteral("frmTD_Set_Publish-json"));
    }
    {
        s.sparkplugGroup = QStringLiteral("boiler-house");
        s.sparkplugHost = QStringLiteral("scada");
        WritePublishSettings(path, s);
        frmTD_Set_Publish dialog(path);
        context.save(dialog, QStringLiteral("frmTD_Set_Publish-sparkplug"));
    }
    {
        // A broker typed without its scheme: OK refuses it and says what it wants.
        s = PublishSettings();
        s.enabled = true;
        s.url = QStringLiteral("broker.plant.local:1883");
        WritePublishSettings(path, s);
        frmTD_Set_Publish dialog(path);
        dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        context.save(dialog, QStringLiteral("frmTD_Set_Publish-refused"));
    }
}

void renderAbout(ScreenContext& context) {
    frmTD_About about;
    context.save(about, QStringLiteral("frmTD_About"));
}

} // namespace

void RegisterAppScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("frmTD_Main"),
                 QStringLiteral("main window: port closed, scanning, polling, a settings file "
                                "that cannot be used, data files that cannot be written, a port "
                                "the user may not open"),
                 renderMain);
    registry.add(QStringLiteral("frmTD_SetPort"), QStringLiteral("port settings dialog"),
                 renderSetPort);
    registry.add(QStringLiteral("frmTD_SetMC"), QStringLiteral("meter list dialog"), renderSetMC);
    registry.add(QStringLiteral("frmTD_Set_DSave"), QStringLiteral("data save settings dialog"),
                 renderSetDSave);
    registry.add(QStringLiteral("frmTD_Set_Publish"),
                 QStringLiteral("publish settings dialog: off, JSON topics over TLS, a Sparkplug B "
                                "edge node, a broker address refused"),
                 renderSetPublish);
    registry.add(QStringLiteral("frmTD_About"), QStringLiteral("about box"), renderAbout);
}
