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

// The page and anchor the guide's window shows, or "none" when it is not open.
QString shownPage(HelpCentre& help) {
    HelpWindow* w = help.helpWindow();
    if (!w || !w->isVisible())
        return QStringLiteral("none");
    return w->currentAnchor().isEmpty() ? w->currentPage()
                                        : w->currentPage() + u'#' + w->currentAnchor();
}

} // namespace

// F1 in each window shows its page of the guide, "Help" the contents; the guide stays usable
// beside a modal window.
class TestHelpKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void f1OpensTheWindowsPage_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("polling");
        QTest::addColumn<QString>("page");
        // clang-format off
        QTest::newRow("Data Save Setup") << int(MainCommand::mSetDSave) << false << "data-saving.html";
        QTest::newRow("Port Setup") << int(MainCommand::mSetPort) << false << "getting-connected.html#port-setup";
        QTest::newRow("Meter List") << int(MainCommand::mSetMC) << false << "main-window.html#meter-list";
        QTest::newRow("About") << int(MainCommand::mHelpAbout) << false << "index.html";
        QTest::newRow("Monitoring - LINE") << int(MainCommand::mOnlineSingleLine) << true << "monitors.html#trend";
        QTest::newRow("Multi Monitoring - PV") << int(MainCommand::mOnlineMultiPV) << true << "monitors.html#multi";
        QTest::newRow("Date/Time Reserve") << int(MainCommand::mPMeterSysDate) << true << "clock.html#date-reserve";
        // clang-format on
    }

    void f1OpensTheWindowsPage() {
        QFETCH(int, command);
        QFETCH(bool, polling);
        QFETCH(QString, page);
        DemoWindow demo({"O\t12 ch", "O\t6 ch"});
        auto& window = demo.open();
        QVERIFY(!polling || demo.poll());

        QString opened;
        QString shown;
        const auto pressF1 = [&](QWidget& dialog) {
            opened = dialog.objectName();
            dialog.show();
            QApplication::processEvents();
            // Where the keyboard is inside the window, or the window itself.
            QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(target, Qt::Key_F1);
            shown = shownPage(window->help());
        };
        const ModalHook previous = SetModalHook([&](QDialog& dialog) {
            pressF1(dialog);
            return int(QDialog::Rejected);
        });
        window->action(MainCommand(command))->trigger();
        SetModalHook(previous);
        // The monitors and the clock window stand beside the main window.
        for (QDialog* beside : window->openWindows())
            pressF1(*beside);
        QVERIFY2(!opened.isEmpty(), "no window opened");
        QCOMPARE(shown, page);
    }

    // F1 on a parameter page opened by a click on a value shows that page's section.
    void f1OnTheParameterPages() {
        TestHome home;
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        QString shown;
        QStringList opened;
        const ModalHook previous = SetModalHook([&](QDialog& dialog) {
            opened << dialog.objectName();
            if (auto* parameters = qobject_cast<frmTD_Parameter*>(&dialog)) {
                parameters->clickCell(frmTD_Parameter::Grid::Channel, 4, 3); // input type
                return int(QDialog::Rejected);
            }
            dialog.show();
            QApplication::processEvents();
            QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(target, Qt::Key_F1);
            shown = shownPage(window->help());
            return int(QDialog::Rejected);
        });
        window->action(MainCommand::mPMeterList)->trigger();
        SetModalHook(previous);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(shown, QStringLiteral("parameter-pages.html#channel"));
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

    // A search shows its first page with the words marked.
    void searchInTheHelpWindow() {
        TestHome home;
        VirtualClock clock;
        auto window = MakeMainWindow(clock, home);
        HelpWindow* w = window->help().showPage(QStringLiteral("index.html"));
        w->search(QStringLiteral("dialout"));
        QVERIFY(w->results()->count() > 0);
        w->openResult(0);
        QVERIFY(w->browser()->highlighted().contains(QStringLiteral("dialout")));
    }
};

QTEST_MAIN(TestHelpKeys)
#include "tst_helpkeys.moc"
