// td700-screens: renders the program's windows offscreen to PNG files, one per window and
// state, for review and documentation.
#include "app/AppStyle.h"
#include "app/MessageBoxes.h"
#include "core/Version.h"
#include "language/Language.h"
#include "screens/OffscreenScreen.h"
#include "screens/ScreenRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QTextStream>

namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE", read before the application
// exists (the screen must be set up first).
QString earlyOption(int argc, char* argv[], const char* name) {
    const QByteArray flag = QByteArray("--") + name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == flag && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (arg.startsWith(flag + '='))
            return QString::fromLocal8Bit(arg.mid(flag.size() + 1));
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    ScreenSpec screen = ScreenSpec::parse(earlyOption(argc, argv, "size").isEmpty()
                                              ? QStringLiteral("1280x720")
                                              : earlyOption(argc, argv, "size"));
    if (const QString scale = earlyOption(argc, argv, "scale"); !scale.isEmpty())
        screen.scale = scale.toDouble();
    if (!screen.isValid()) {
        QTextStream(stderr) << "td700-screens: --size wants WxH, for example 1366x768, and "
                               "--scale a factor such as 2\n";
        return 2;
    }
    if (!UseOffscreenScreen(screen.pixels, screen.scale)) {
        QTextStream(stderr) << "td700-screens: cannot set up the screen\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("td700-screens"));
    QApplication::setApplicationVersion(ProgramVersion());
    ApplyAppStyle(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders the TD700 windows to PNG files (one per window and state), each "
                       "window fitted to the screen as the program fits it."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("Output folder (default: build/screenshots)."));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Render only the named windows."),
                                        QStringLiteral("NAME"));
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("List the windows and stop."));
    const QCommandLineOption sizeOption(
        QStringLiteral("size"),
        QStringLiteral("The screen in pixels, WxH or WxH@SCALE (default 1280x720); main windows "
                       "fill what it offers."),
        QStringLiteral("WxH"), QStringLiteral("1280x720"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Scale factor of the screen (default 1)."),
                                         QStringLiteral("FACTOR"), QStringLiteral("1"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("The language of the windows: ko (Korean) or en (English, the default)."),
        QStringLiteral("LANG"), QStringLiteral("en"));
    parser.addOptions({onlyOption, listOption, sizeOption, scaleOption, languageOption});
    parser.process(app);
    const std::optional<Language> language = LanguageOfCode(parser.value(languageOption));
    if (!language) {
        QTextStream(stderr) << "td700-screens: --language wants ko or en\n";
        return 2;
    }
    // The pictures speak the language asked for, whatever the locale of the shell.
    ApplyLanguage(*language);

    // Message boxes and dialogs opened while rendering are answered at once.
    SetModalHook([](QDialog&) { return int(QDialog::Rejected); });

    ScreenRegistry registry;
    RegisterAppScreens(registry);
    RegisterMonitorScreens(registry);
    RegisterParamScreens(registry);
    RegisterViewerScreens(registry);
    RegisterClockScreens(registry);
    RegisterPlantScreens(registry);
    RegisterHelpScreens(registry);
    RegisterPageScreens(registry);
    RegisterPlantAlarmScreens(registry);

    QTextStream out(stdout);
    if (parser.isSet(listOption)) {
        for (const auto& e : registry.entries())
            out << e.name << "\t" << e.description << '\n';
        return 0;
    }

    const QString dir = parser.positionalArguments().value(0, QStringLiteral("build/screenshots"));
    if (!QDir().mkpath(dir)) {
        QTextStream(stderr) << "td700-screens: cannot create " << dir << '\n';
        return 1;
    }

    const QStringList only = parser.values(onlyOption);
    ScreenContext context(dir);
    for (const auto& e : registry.entries())
        if (only.isEmpty() || only.contains(e.name))
            e.render(context);
    for (const QString& path : context.written())
        out << path << '\n';
    return context.written().isEmpty() ? 1 : 0;
}
