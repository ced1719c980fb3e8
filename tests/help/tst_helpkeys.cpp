#include "app/AppTestSupport.h"
#include "app/MainMenus.h"
#include "app/frmTD_About.h"
#include "core/Version.h"
#include "help/HelpBrowser.h"
#include "help/HelpCentre.h"
#include "help/HelpWindow.h"
#include "paramwindow/frmTD_Parameter.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kDemoPort = QString("DEMO,38400,N,8,1,Modbus RTU,OFF").split(u',');

// The page and anchor the guide's window shows, or "none" when it is not open.
QString shownPage(HelpCentre& help) {
    HelpWindow* w = help.helpWindow();
    if (!w || !w->isVisible())
        return QStringLiteral("none");
    return w->currentAnchor().isEmpty() ? w->currentPage()
                                        : w->currentPage() + u'#' + w->currentAnchor();
}

} // namespace

// F1 in the program's windows, opened as the menus open them, shows that window's page of
// the guide; "Help" shows the contents. The guide's window stays usable beside a window that
// is open modally.
class TestHelpKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A parameter page is opened from Parameter Setup as a click on a value opens it.
    void f1OpensTheWindowsPage_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("polling");
        QTest::addColumn<int>("grid"); // of Parameter Setup, -1: F1 in the window itself
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("page");
        const auto window = [](const char* name, MainCommand command, bool polling,
                               const char* page) {
            QTest::newRow(name) << int(command) << polling << -1 << 0 << QString(page);
        };
        window("Data Save Setup", MainCommand::mSetDSave, false, "data-saving.html");
        window("Port Setup", MainCommand::mSetPort, false, "getting-connected.html#port-setup");
        window("Meter List", MainCommand::mSetMC, false, "main-window.html#meter-list");
        window("About", MainCommand::mHelpAbout, false, "index.html");
        window("Monitoring - LINE", MainCommand::mOnlineSingleLine, true, "monitors.html#trend");
        window("Multi Monitoring - PV", MainCommand::mOnlineMultiPV, true, "monitors.html#multi");
        window("Date/Time Reserve", MainCommand::mPMeterSysDate, true, "clock.html#date-reserve");
        const auto page = [](const char* name, frmTD_Parameter::Grid grid, int row,
                             const char* anchor) {
            QTest::newRow(name) << int(MainCommand::mPMeterList) << false << int(grid) << row
                                << QString(anchor);
        };
        const auto common = frmTD_Parameter::Grid::Common, channel = frmTD_Parameter::Grid::Channel;
        page("channel: input type", channel, 4, "parameter-pages.html#channel");
        page("alarm: hysteresis", channel, 27, "parameter-pages.html#alarm");
        page("record/display", common, 1, "parameter-pages.html#home");
        page("display", common, 2, "parameter-pages.html#display");
        page("system", common, 10, "parameter-pages.html#system");
    }

    void f1OpensTheWindowsPage() {
        QFETCH(int, command);
        QFETCH(bool, polling);
        QFETCH(int, grid);
        QFETCH(int, row);
        TestHome home;
        home.writeCommCfg(QStringList{QStringLiteral("DEMO")} + kDemoPort.mid(1));
        home.writeMeterList({"O\t12 ch", "O\t6 ch"});
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        if (polling) {
            window->togglePort();
            QVERIFY(RunUntil(
                clock, [&] { return window->engine().phase() == CommEngine::Phase::Polling; }));
        }
        QStringList opened;
        QString shown;
        const ModalHook previous = SetModalHook([&](QDialog& dialog) {
            opened << dialog.objectName();
            auto* parameters = qobject_cast<frmTD_Parameter*>(&dialog);
            if (parameters && grid >= 0) {
                parameters->clickCell(frmTD_Parameter::Grid(grid), row, 3);
                return int(QDialog::Rejected);
            }
            dialog.show();
            QApplication::processEvents();
            // Where the keyboard is inside the window, or the window itself.
            QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(target, Qt::Key_F1);
            shown = shownPage(window->help());
            return int(QDialog::Rejected);
        });
        window->action(MainCommand(command))->trigger();
        SetModalHook(previous);
        QCOMPARE(opened.size(), grid >= 0 ? 2 : 1);
        QTEST(shown, "page");
    }

    void f1InTheMainWindowAndHelpTheContents() {
        TestHome home;
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        HelpCentre& help = window->help();
        QCOMPARE(shownPage(help), QStringLiteral("none"));
        QTest::keyClick(window->btnMenu(3), Qt::Key_F1);
        QCOMPARE(shownPage(help), QStringLiteral("main-window.html"));
        // With a modifier it is another key; the page stays.
        help.showPage(QStringLiteral("clock.html"));
        QTest::keyClick(window.get(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(shownPage(help), QStringLiteral("clock.html"));
        window->action(MainCommand::mHelpHelp)->trigger();
        QCOMPARE(shownPage(help), QStringLiteral("index.html"));
        // Help again brings the same window forward, not a second one.
        HelpWindow* first = help.helpWindow();
        window->action(MainCommand::mHelpHelp)->trigger();
        QCOMPARE(help.helpWindow(), first);
    }

    void aboutBoxSaysWhatVersionSays() {
        frmTD_About about;
        const auto* label = about.findChild<QLabel*>(QStringLiteral("lblVersion"));
        QVERIFY(label);
        QVERIFY2(
            label->text().contains(ProgramVersion() + QStringLiteral(", built ") + BuildDate()),
            qPrintable(label->text()));
    }

    void linksAndHistoryInTheHelpWindow() {
        TestHome home;
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        HelpCentre& help = window->help();
        HelpWindow* w = help.showPage(QStringLiteral("index.html"));
        w->showPage(QStringLiteral("data-saving.html"));
        w->showPage(QStringLiteral("troubleshooting.html#ng"));
        w->browser()->backward();
        QCOMPARE(shownPage(help), QStringLiteral("data-saving.html"));
        w->browser()->backward();
        QCOMPARE(shownPage(help), QStringLiteral("index.html"));
        w->browser()->forward();
        QCOMPARE(shownPage(help), QStringLiteral("data-saving.html"));
        // A search shows its first page with the words marked.
        w->search(QStringLiteral("dialout"));
        QVERIFY(w->results()->count() > 0);
        w->openResult(0);
        QVERIFY(w->browser()->highlighted().contains(QStringLiteral("dialout")));
    }
};

QTEST_MAIN(TestHelpKeys)
#include "tst_helpkeys.moc"
