// Help > Language switches the open main window between Korean and English at once.
#include "app/AppTestSupport.h"
#include "language/Language.h"
#include "logging/SaveSettings.h"
#include "logging/frmTD_Set_DSave.h"
#include "widgets/GradientLabel.h"
#include "widgets/SystemErrorTexts.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        QTest::addColumn<QString>("setupMenu");
        QTest::addColumn<QString>("meterButton");
        QTest::addColumn<QString>("portButton");
        QTest::addColumn<QString>("linkHeader");
        QTest::addColumn<QString>("saveUnit");
        QTest::addColumn<QString>("yesButton");    // Qt's own text
        QTest::addColumn<QString>("monitorTitle"); // a monitor open meanwhile, port open
        QTest::addColumn<QString>("systemError");  // the system's words in a message
        QTest::newRow("Korean, port closed") << "ko" << false << "설정(&S)"
                                             << "계기 목록"
                                             << "포트 열기"
                                             << "통신"
                                             << "초"
                                             << "예(&Y)"
                                             << ""
                                             << "(디렉터리가 아닙니다)";
        QTest::newRow("English, port closed") << "en" << false << "&Setup"
                                              << "Meter List"
                                              << "Port Open"
                                              << "Link"
                                              << "sec"
                                              << "&Yes"
                                              << ""
                                              << "(Not a directory)";
        // A caption that follows the port's state is said in the new language too.
        QTest::newRow("Korean, port open") << "ko" << true << "설정(&S)"
                                           << "계기 목록"
                                           << "포트 닫기"
                                           << "통신"
                                           << "초"
                                           << "예(&Y)"
                                           << "단일 모니터링 - 트렌드 - 계기 1"
                                           << "(디렉터리가 아닙니다)";
        QTest::newRow("English, port open") << "en" << true << "&Setup"
                                            << "Meter List"
                                            << "Port Close"
                                            << "Link"
                                            << "sec"
                                            << "&Yes"
                                            << "Single Monitoring - LINE - Meter 1"
                                            << "(Not a directory)";
    }
    void switchingReappliesTheTexts() {
        QFETCH(QString, code);
        QFETCH(bool, portOpen);
        QFETCH(QString, setupMenu);
        QFETCH(QString, meterButton);
        QFETCH(QString, portButton);
        QFETCH(QString, linkHeader);
        QFETCH(QString, saveUnit);
        QFETCH(QString, yesButton);
        QFETCH(QString, monitorTitle);
        QFETCH(QString, systemError);

        TestHome home;
        home.writeCommCfg(QString("DEMO,38400,N,8,1,Modbus RTU,OFF").split(u','));
        home.writeMeterList({"O\t12 ch"});
        // The settings file's words ("No", "sec") are shown in the window's language.
        SaveSettings save;
        save.gDSaveOn = QStringLiteral("No");
        save.gDSaveInterval = 10;
        save.gDSaveUnit = QStringLiteral("sec");
        QVERIFY(WriteSaveSettings(home.paths.saveDataIni(), save));
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        if (portOpen) {
            window->togglePort();
            QVERIFY(RunUntil(
                clock, [&] { return window->engine().phase() == CommEngine::Phase::Polling; }));
            window->action(MainCommand::mOnlineSingleLine)->trigger();
        }

        // Through the menu, as a user switches: the window is open all the while.
        QMenu* languages = menuNamed(*window, "mLanguage");
        QVERIFY(languages);
        auto* choice = languages->findChild<QAction*>(QStringLiteral("mLanguage_") + code);
        QVERIFY(choice);
        choice->trigger();

        QCOMPARE(LanguageCode(CurrentLanguage()), code);
        QCOMPARE(menuNamed(*window, "mSet")->title(), setupMenu);
        QCOMPARE(window->btnMenu(0)->text(), meterButton);
        QCOMPARE(window->btnMenu(3)->text(), portButton);
        QCOMPARE(window->sprdStatusView()->model()->headerData(1, Qt::Horizontal).toString(),
                 linkHeader);
        auto* unit = window->findChild<GradientLabel*>(QStringLiteral("lblDSave_Unit"));
        QVERIFY(unit);
        QCOMPARE(unit->text(), saveUnit);
        QVERIFY(choice->isChecked());
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        QVERIFY2(box.button(QMessageBox::Yes)->text() == yesButton,
                 "Qt's own translations (Debian: qt6-translations-l10n) are not loaded");
        QCOMPARE(InProgramLanguage(QStringLiteral("(Not a directory)")), systemError);
        const QList<QDialog*> open = window->openWindows();
        QCOMPARE(open.isEmpty() ? QString() : open.first()->windowTitle(), monitorTitle);
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
        const QByteArray before = ReadAll(path);

        ApplyLanguage(Language::Korean);
        frmTD_Set_DSave dialog(path);
        QCOMPARE(dialog.cmbSave->currentText(), QStringLiteral("예"));
        QCOMPARE(dialog.cmbUnit->currentText(), QStringLiteral("분"));
        dialog.btnOK_Click();
        ApplyLanguage(Language::English);
        QCOMPARE(ReadAll(path), before);
        QCOMPARE(dialog.settings(), save);
    }
};

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
