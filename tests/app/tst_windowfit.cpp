// Every window of the program, in every state the screenshot renderer knows, opens within the
// area its screen offers (a title bar included) and is not squeezed below what its layout
// needs. The screen is TD700_TEST_SCREEN ("1366x768", "1280x720", "2732x1536@2" for a scale factor
// of 2): CTest runs this test once for each.

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
        RegisterAppScreens(m_registry);
        RegisterMonitorScreens(m_registry);
        RegisterParamScreens(m_registry);
        RegisterViewerScreens(m_registry);
        RegisterClockScreens(m_registry);
        RegisterHelpScreens(m_registry);
        RegisterPageScreens(m_registry);
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
