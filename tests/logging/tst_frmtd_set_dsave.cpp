#include "logging/frmTD_Set_DSave.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The data-save settings dialog: what it reads, how it corrects, what OK and Cancel write.
class TestSetDSave : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(m_dir->filePath(QStringLiteral("CFG")));
    }

    void opensWithTheFileAndRecreatesADeletedFolder() {
        WriteBytes(iniPath(), "Yes\r\n15\r\nmin\r\n" + dataFolder().toUtf8() +
                                  "\r\nPLANT\r\n1\r\n6\r\n30\r\n");
        QVERIFY(!QFileInfo(dataFolder()).exists());
        frmTD_Set_DSave dialog(iniPath());
        QVERIFY(QFileInfo(dataFolder()).isDir());
        QCOMPARE((QStringList{dialog.cmbSave->currentText(), dialog.txtSaveInterval->text(),
                              dialog.cmbUnit->currentText(), dialog.lblFolder->text(),
                              dialog.txtFName->text(), dialog.chbDSaveF->isChecked() ? "daily" : "",
                              dialog.txtDayHH->text(), dialog.txtDayMM->text()}),
                 (QStringList{"Yes", "15", "min", dataFolder(), "PLANT", "daily", "6", "30"}));
        QCOMPARE(dialog.cmbUnit->itemText(0), QStringLiteral("sec")); // in this order
    }

    void intervalIsCorrectedAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 becomes 1") << "0" << QString("1");
        QTest::newRow("75 becomes 60") << "75" << QString("60");
        QTest::newRow("upper limit") << "60" << QString("60");
        QTest::newRow("letters refused") << "a" << QString();
    }

    void intervalIsCorrectedAsTyped() {
        QFETCH(QString, typed);
        frmTD_Set_DSave dialog(iniPath());
        dialog.txtSaveInterval->clear();
        QTest::keyClicks(dialog.txtSaveInterval, typed);
        QTEST(dialog.txtSaveInterval->text(), "shown");
    }

    void okRefusesMissingEntries_data() {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("no folder") << false << "PLANT" << QString("Select Folder.");
        QTest::newRow("no name") << true << "" << QString("Input Filename.");
    }

    void okRefusesMissingEntries() {
        QFETCH(bool, folder);
        QFETCH(QString, name);
        frmTD_Set_DSave dialog(iniPath());
        dialog.lblFolder->setText(folder ? dataFolder() : QString());
        dialog.txtFName->setText(name);
        QTEST(clickOk(dialog), "message");
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open, nothing decided
        QVERIFY(!QFile::exists(iniPath()));
    }

    void okWritesEveryLine() {
        frmTD_Set_DSave dialog(iniPath());
        dialog.cmbSave->setCurrentText(QStringLiteral("Yes"));
        dialog.txtSaveInterval->setText(QStringLiteral("7"));
        dialog.cmbUnit->setCurrentText(QStringLiteral("sec"));
        dialog.lblFolder->setText(dataFolder() + QStringLiteral("/new"));
        dialog.txtFName->setText(QStringLiteral("LINE2"));
        dialog.chbDSaveF->setChecked(false);
        dialog.txtDayHH->setText(QStringLiteral("0"));
        dialog.txtDayMM->setText(QStringLiteral("5"));
        dialog.txtKeepFree->setText(QStringLiteral("10 percent"));
        QCOMPARE(clickOk(dialog), QStringLiteral("Free space to keep: a size such as 500M or 2G, "
                                                 "or a share of the disk below 100% such as 10%."));
        QVERIFY(!QFile::exists(iniPath()));
        dialog.txtKeepDays->setText(QStringLiteral("30"));
        dialog.txtKeepFree->setText(QStringLiteral("2048m"));
        QCOMPARE(clickOk(dialog), QString());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(dataFolder() + QStringLiteral("/new")).isDir());
        const QByteArray folder =
            QDir::toNativeSeparators(dataFolder() + QStringLiteral("/new")).toUtf8();
        QCOMPARE(ReadBytes(iniPath()),
                 "Yes\r\n7\r\nsec\r\n" + folder + "\r\nLINE2\r\n0\r\n0\r\n5\r\n30\r\n2G\r\n");
        // Opened again, it shows what it wrote.
        frmTD_Set_DSave again(iniPath());
        QCOMPARE(again.txtKeepDays->text() + u' ' + again.txtKeepFree->text(),
                 QStringLiteral("30 2G"));
        QCOMPARE(dialog.settings(), LoadSaveSettings(iniPath()));
        const SaveSettingsLabels labels = LabelsOf(dialog.settings()); // the main window's
        QCOMPARE(labels.lblDSave_Enable + labels.lblDSave_Intv + labels.lblDSave_Unit,
                 QStringLiteral("Yes7sec"));
    }

    void cancelWritesNothing() {
        const QByteArray before =
            "No\r\n1\r\nsec\r\n" + dataFolder().toUtf8() + "\r\nA\r\n0\r\n0\r\n0\r\n";
        WriteBytes(iniPath(), before);
        frmTD_Set_DSave dialog(iniPath());
        dialog.txtFName->setText(QStringLiteral("CHANGED"));
        dialog.btnCancel->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ReadBytes(iniPath()), before);
    }

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("CFG/SaveData.INI")); }
    QString dataFolder() const { return m_dir->filePath(QStringLiteral("data")); }
    // Clicks OK and answers the message box it may show; returns the box's text.
    QString clickOk(frmTD_Set_DSave& dialog) {
        QString message;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        dialog.btnOK->click();
        return message;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestSetDSave)
#include "tst_frmtd_set_dsave.moc"
