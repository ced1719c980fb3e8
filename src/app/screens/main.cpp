// td700-screens: renders the program's windows offscreen to PNG files, one per window and
// state, for review and documentation.
#include "app/AppStyle.h"
#include "app/MessageBoxes.h"
#include "app/screens/ScreenRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("td700-screens"));
    QApplication::setApplicationVersion(QStringLiteral("5.4.1"));
    ApplyAppStyle(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders the TD700 windows to PNG files (one per window and state)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("Output folder (default: build/screenshots)."));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Render only the named windows."),
                                        QStringLiteral("NAME"));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("List the windows and stop."));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("Main window size (default 1280x720)."),
                                        QStringLiteral("WxH"), QStringLiteral("1280x720"));
    parser.addOptions({onlyOption, listOption, sizeOption});
    parser.process(app);

    // Message boxes and dialogs opened while rendering are answered at once.
    SetModalHook([](QDialog&) { return int(QDialog::Rejected); });

    ScreenRegistry registry;
    RegisterAppScreens(registry);
    RegisterMonitorScreens(registry);
    RegisterParamScreens(registry);
    RegisterViewerScreens(registry);
    RegisterClockScreens(registry);
    RegisterHelpScreens(registry);
    RegisterPageScreens(registry);

    QTextStream out(stdout);
    if (parser.isSet(listOption)) {
        for (const auto& e : registry.entries())
            out << e.name << "\t" << e.description << '\n';
        return 0;
    }

    const QStringList size = parser.value(sizeOption).split(u'x');
    const QSize mainSize(size.value(0).toInt(), size.value(1).toInt());
    if (mainSize.width() < 320 || mainSize.height() < 240) {
        QTextStream(stderr) << "td700-screens: --size wants WxH, for example 1366x768\n";
        return 2;
    }
    const QString dir = parser.positionalArguments().value(0, QStringLiteral("build/screenshots"));
    if (!QDir().mkpath(dir)) {
        QTextStream(stderr) << "td700-screens: cannot create " << dir << '\n';
        return 1;
    }

    const QStringList only = parser.values(onlyOption);
    ScreenContext context(dir, mainSize);
    for (const auto& e : registry.entries())
        if (only.isEmpty() || only.contains(e.name))
            e.render(context);
    for (const QString& path : context.written())
        out << path << '\n';
    return context.written().isEmpty() ? 1 : 0;
}
