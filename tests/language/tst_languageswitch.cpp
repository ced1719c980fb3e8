// Help > Language switches the open main window between Korean and English at once.
#include "app/AppTestSupport.h"
#include "language/Language.h"
#include "logging/SaveSettings.h"
#include "logging/frmTD_Set_DSave.h"
#include "support/TestFiles.h"
#include "widgets/GradientLabel.h"
#include "widgets/SystemErrorTexts.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace {

QMenu* menuNamed(const QWidget& window, const char* name) {
    return window.findChild<QMenu*>(QString::fromLatin1(name));
}

} // namespace

class TestLanguageSwitch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void switchingReappliesTheTexts_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("portOpen");
        // Menu, buttons, header, save unit, Qt's own Yes (Debian: qt6-translations-l10n), an open
        // monitor and the system's words in a message.
        QTest::addColumn<QStringList>("texts");
        // The port-state caption follows too; English after Korean is the switch back.
        // clang-format off
        QTest::newRow("Korean, port open") << "ko" << true << QStringList{
            "설정(&S)", "계기 목록", "포트 닫기", "통신", "초", "예(&Y)",
            "단일 모니터링 - 트렌드 - 계기 1", "(디렉터리가 아닙니다)"};
        QTest::newRow("English, port closed") << "en" << false << QStringList{
            "&Setup", "Meter List", "Port Open", "Link", "sec", "&Yes", "", "(Not a directory)"};
        // clang-format on
    }
    void switchingReappliesTheTexts() {
        QFETCH(QString, code);
        QFETCH(bool, portOpen);
        DemoWindow demo({"O\t12 ch"});
        // The settings file's words ("No", "sec") are shown in the window's language.
        SaveSettings save;
        save.gDSaveOn = QStringLiteral("No");
        save.gDSaveInterval = 10;
        save.gDSaveUnit = QStringLiteral("sec");
        QVERIFY(WriteSaveSettings(demo.home.paths.saveDataIni(), save));
        auto& window = demo.open();
        if (portOpen) {
            QVERIFY(demo.poll());
            window->action(MainCommand::mOnlineSingleLine)->trigger();
        }

        // Through the menu, as a user switches: the window is open all the while.
        QMenu* languages = menuNamed(*window, "mLanguage");
        QVERIFY(languages);
        auto* choice = languages->findChild<QAction*>(QStringLiteral("mLanguage_") + code);
        QVERIFY(choice);
        choice->trigger();

        QCOMPARE(LanguageCode(CurrentLanguage()), code);
        QVERIFY(choice->isChecked());
        auto* unit = window->findChild<GradientLabel*>(QStringLiteral("lblDSave_Unit"));
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        const QList<QDialog*> open = window->openWindows();
        QTEST((QStringList{
                  menuNamed(*window, "mSet")->title(), window->btnMenu(0)->text(),
                  window->btnMenu(3)->text(),
                  window->sprdStatusView()->model()->headerData(1, Qt::Horizontal).toString(),
                  unit ? unit->text() : QString(), box.button(QMessageBox::Yes)->text(),
                  open.isEmpty() ? QString() : open.first()->windowTitle(),
                  InProgramLanguage(QStringLiteral("(Not a directory)"))}),
              "texts");
    }

    // A settings file saved from a Korean dialog holds the words it always held.
    void settingsFilesDoNotChangeWithTheLanguage() {
        TestHome home;
        SaveSettings save;
        save.gDSaveOn = QStringLiteral("Yes");
        save.gDSaveInterval = 5;
        save.gDSaveUnit = QStringLiteral("min");
        save.gDSaveFolder = home.dir.filePath(QStringLiteral("Data"));
        save.gDSaveName = QStringLiteral("PLANT");
        const QString path = home.paths.saveDataIni();
        QVERIFY(WriteSaveSettings(path, save));
        const QByteArray before = ReadBytes(path);

        ApplyLanguage(Language::Korean);
        frmTD_Set_DSave dialog(path);
        QCOMPARE(dialog.cmbSave->currentText(), QStringLiteral("예"));
        QCOMPARE(dialog.cmbUnit->currentText(), QStringLiteral("분"));
        dialog.btnOK_Click();
        ApplyLanguage(Language::English);
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(dialog.settings(), save);
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
