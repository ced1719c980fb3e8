#include "AppTestSupport.h"
#include "publish/PublishSettings.h"
#include "publish/frmTD_Set_Publish.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>

namespace {

int freePort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

} // namespace

// Publish Setup and the broker panel of the main window's status bar.
class TestPublishSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // OK keeps the dialog open on a setting that cannot work, writes the file otherwise, and
    // the next dialog shows what was written.
    void okChecksThenWrites() {
        TestHome home;
        QFile password(WriteBytes(home.dir.filePath("password"), "pw\n"));
        password.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

        frmTD_Set_Publish dialog(home.paths.publishIni());
        dialog.findChild<QCheckBox*>("chbPublish")->setChecked(true);
        dialog.findChild<QLineEdit*>("txtUrl")->setText("mqtt://127.0.0.1:1883/plant");
        dialog.findChild<QLineEdit*>("txtUser")->setText("td700");
        dialog.findChild<QLineEdit*>("txtPasswordFile")->setText(password.fileName());
        auto* ok = dialog.findChild<QPushButton*>("btnOK");
        auto* error = dialog.findChild<QLabel*>("lblError");
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY2(error->text().contains("may be read by others"), qPrintable(error->text()));
        QVERIFY(!QFile::exists(home.paths.publishIni()));

        password.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        dialog.findChild<QCheckBox*>("chbSparkplug")->setChecked(true);
        dialog.findChild<QLineEdit*>("txtGroup")->setText("plant");
        ok->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PublishSettings written = LoadPublishSettings(home.paths.publishIni());
        QCOMPARE(written, dialog.settings());
        QVERIFY(written.enabled);
        QCOMPARE(written.passwordFile, password.fileName());
        QCOMPARE(written.sparkplugGroup, QStringLiteral("plant"));

        frmTD_Set_Publish again(home.paths.publishIni());
        QCOMPARE(again.settings(), written);
    }

    // The panel tells the broker's state while the port is open; a broker that is not there
    // leaves the port polling.
    void panelFollowsThePortAndTheBroker() {
        ModalRecorder modals;
        DemoWindow demo({"O\t12 ch"});
        const QString ini = demo.home.paths.publishIni();
        PublishSettings s;
        s.enabled = true;
        s.url = QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(freePort());
        QVERIFY(WritePublishSettings(ini, s));
        auto& window = demo.open();
        QVERIFY(window->brokerPanelText().contains("starts when the port opens"));
        window->togglePort();
        QVERIFY(window->publisher());
        QVERIFY2(window->brokerPanelText().contains("away (connection refused)"),
                 qPrintable(window->brokerPanelText()));
        QVERIFY(RunUntil(demo.clock,
                         [&] { return window->engine().phase() == CommEngine::Phase::Polling; }));
        window->togglePort();
        QVERIFY(!window->publisher());
        QVERIFY(window->brokerPanelText().contains("starts when the port opens"));

        s.enabled = false;
        QVERIFY(WritePublishSettings(ini, s));
        auto quiet = MakeMainWindow(demo.clock, demo.home);
        QVERIFY(quiet->brokerPanelText().isEmpty());
        window->quitWithoutAsking();
        quiet->quitWithoutAsking();
    }
};

QTEST_MAIN(TestPublishSetup)
#include "tst_publishsetup.moc"
