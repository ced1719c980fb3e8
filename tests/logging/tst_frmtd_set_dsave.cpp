#include "logging/frmTD_Set_DSave.h"

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
    void init();
    void opensWithTheFileAndRecreatesADeletedFolder();
    void intervalIsCorrectedAsTyped_data();
    void intervalIsCorrectedAsTyped();
    void okRefusesMissingEntries_data();
    void okRefusesMissingEntries();
    void okWritesEveryLine();
    void cancelWritesNothing();

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("CFG/SaveData.INI")); }
    QString dataFolder() const { return m_dir->filePath(QStringLiteral("data")); }
    void writeIni(const QByteArray& bytes);
    QByteArray readIni() const;
    // Clicks OK and answers the message box it may show; returns the box's text.
    QString clickOk(frmTD_Set_DSave& dialog);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSetDSave::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_dir->filePath(QStringLiteral("CFG")));
}

void TestSetDSave::writeIni(const QByteArray& bytes) {
    QFile f(iniPath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray TestSetDSave::readIni() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QString TestSetDSave::clickOk(frmTD_Set_DSave& dialog) {
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

void TestSetDSave::opensWithTheFileAndRecreatesADeletedFolder() {
    writeIni("Yes\r\n15\r\nmin\r\n" + dataFolder().toUtf8() + "\r\nPLANT\r\n1\r\n6\r\n30\r\n");
    QVERIFY(!QFileInfo(dataFolder()).exists());
    frmTD_Set_DSave dialog(iniPath());
    QVERIFY(QFileInfo(dataFolder()).isDir());
    QCOMPARE(dialog.cmbSave->currentText(), QStringLiteral("Yes"));
    QCOMPARE(dialog.txtSaveInterval->text(), QStringLiteral("15"));
    QCOMPARE(dialog.cmbUnit->currentText(), QStringLiteral("min"));
    QCOMPARE(dialog.lblFolder->text(), dataFolder());
    QCOMPARE(dialog.txtFName->text(), QStringLiteral("PLANT"));
    QVERIFY(dialog.chbDSaveF->isChecked());
    QCOMPARE(dialog.txtDayHH->text(), QStringLiteral("6"));
    QCOMPARE(dialog.txtDayMM->text(), QStringLiteral("30"));
    QCOMPARE(dialog.cmbUnit->itemText(0), QStringLiteral("sec")); // in this order
}

void TestSetDSave::intervalIsCorrectedAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0 becomes 1") << "0"
                                 << "1";
    QTest::newRow("75 becomes 60") << "75"
                                   << "60";
    QTest::newRow("in range") << "30"
                              << "30";
    QTest::newRow("upper limit") << "60"
                                 << "60";
    QTest::newRow("letters refused") << "a"
                                     << "";
}

void TestSetDSave::intervalIsCorrectedAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    frmTD_Set_DSave dialog(iniPath());
    dialog.txtSaveInterval->clear();
    QTest::keyClicks(dialog.txtSaveInterval, typed);
    QCOMPARE(dialog.txtSaveInterval->text(), shown);
}

void TestSetDSave::okRefusesMissingEntries_data() {
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("no folder") << false << "PLANT"
                               << "Select Folder.";
    QTest::newRow("no folder, no name") << false << ""
                                        << "Select Folder.";
    QTest::newRow("no name") << true << ""
                             << "Input Filename.";
}

void TestSetDSave::okRefusesMissingEntries() {
    QFETCH(bool, folder);
    QFETCH(QString, name);
    QFETCH(QString, message);
    frmTD_Set_DSave dialog(iniPath());
    dialog.lblFolder->setText(folder ? dataFolder() : QString());
    dialog.txtFName->setText(name);
    QCOMPARE(clickOk(dialog), message);
    QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open, nothing decided
    QCOMPARE(readIni(), QByteArray("(missing)"));
}

void TestSetDSave::okWritesEveryLine() {
    frmTD_Set_DSave dialog(iniPath());
    dialog.cmbSave->setCurrentText(QStringLiteral("Yes"));
    dialog.txtSaveInterval->setText(QStringLiteral("7"));
    dialog.cmbUnit->setCurrentText(QStringLiteral("sec"));
    dialog.lblFolder->setText(dataFolder() + QStringLiteral("/new"));
    dialog.txtFName->setText(QStringLiteral("LINE2"));
    dialog.chbDSaveF->setChecked(false);
    dialog.txtDayHH->setText(QStringLiteral("0"));
    dialog.txtDayMM->setText(QStringLiteral("5"));
    QCOMPARE(clickOk(dialog), QString());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(QFileInfo(dataFolder() + QStringLiteral("/new")).isDir());
    const QByteArray folder =
        QDir::toNativeSeparators(dataFolder() + QStringLiteral("/new")).toUtf8();
    QCOMPARE(readIni(), "Yes\r\n7\r\nsec\r\n" + folder + "\r\nLINE2\r\n0\r\n0\r\n5\r\n");

    const SaveSettings s = dialog.settings();
    QCOMPARE(s, LoadSaveSettings(iniPath()));
    const SaveSettingsLabels labels = LabelsOf(s);
    QCOMPARE(labels.lblDSave_Enable + labels.lblDSave_Intv + labels.lblDSave_Unit +
                 labels.lblDaySave,
             QStringLiteral("Yes7secNo"));
}

void TestSetDSave::cancelWritesNothing() {
    const QByteArray before =
        "No\r\n1\r\nsec\r\n" + dataFolder().toUtf8() + "\r\nA\r\n0\r\n0\r\n0\r\n";
    writeIni(before);
    frmTD_Set_DSave dialog(iniPath());
    dialog.txtFName->setText(QStringLiteral("CHANGED"));
    dialog.btnCancel->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(readIni(), before);
}

QTEST_MAIN(TestSetDSave)
#include "tst_frmtd_set_dsave.moc"
