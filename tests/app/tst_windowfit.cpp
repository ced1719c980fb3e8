// Every window in every rendered state fits the screen's area (title bar included) unsqueezed,
// on each TD700_TEST_SCREEN CTest runs it with ("1366x768", "1280x720", "2732x1536@2").

#include "app/AppStyle.h"
#include "app/MessageBoxes.h"
#include "screens/OffscreenScreen.h"
#include "screens/ScreenRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

class TestWindowFit : public QObject {
    Q_OBJECT
public:
    TestWindowFit() {
        for (auto* add : {RegisterAppScreens, RegisterMonitorScreens, RegisterParamScreens,
                          RegisterViewerScreens, RegisterClockScreens, RegisterHelpScreens,
                          RegisterPageScreens})
            add(m_registry);
    }

private Q_SLOTS:
    void initTestCase() {
        SetModalHook([](QDialog&) { return int(QDialog::Rejected); });
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        qInfo("available area %dx%d", area.width(), area.height());
        QVERIFY(area.width() <= 1366 && area.height() <= 768);
    }

    void everyWindowFits_data() {
        QTest::addColumn<QString>("window");
        for (const ScreenRegistry::Entry& e : m_registry.entries())
            QTest::newRow(qPrintable(e.name)) << e.name;
    }

    void everyWindowFits() {
        QFETCH(QString, window);
        ScreenContext context(QString(), ScreenContext::Mode::Check);
        for (const ScreenRegistry::Entry& e : m_registry.entries())
            if (e.name == window)
                e.render(context);
        QVERIFY2(!context.written().isEmpty(), "no window was shown");
        QVERIFY2(context.problems().isEmpty(), qPrintable(context.problems().join(u'\n')));
    }

private:
    ScreenRegistry m_registry;
};

int main(int argc, char* argv[]) {
    const ScreenSpec screen =
        ScreenSpec::parse(qEnvironmentVariable("TD700_TEST_SCREEN", "1366x768"));
    if (!screen.isValid() || !UseOffscreenScreen(screen.pixels, screen.scale))
        return 2;
    QApplication app(argc, argv);
    ApplyAppStyle(app);
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowfit.moc"
