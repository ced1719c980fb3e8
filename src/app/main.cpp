#include "app/AppStyle.h"
#include "app/DemoHome.h"
#include "app/MessageBoxes.h"
#include "app/StatusReport.h"
#include "app/frmTD_Main.h"
#include "core/Clock.h"
#include "core/Version.h"
#include "help/HelpCentre.h"
#include "language/Language.h"
#include "logging/SaveSettings.h"
#include "paramtext/ParamSetFiles.h"
#include "publish/BrokerOptions.h"
#include "viewer/GraphViewerWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <optional>

namespace {

// The viewer on its own, as a file manager opens a data file with the program.
int RunGraphViewer(const QStringList& files, const AppPaths& paths, bool report) {
    GraphViewerWindow viewer;
    viewer.setDialogRunner([](QDialog& dialog) { return RunModal(dialog); });
    viewer.setStartFolder(LoadSaveSettings(paths.saveDataIni()).gDSaveFolder);
    if (report) {
        QTextStream out(stdout);
        const bool opened = viewer.openFiles(files);
        const DataTimeLine& line = viewer.timeLine();
        out << "title: " << viewer.windowTitle() << '\n'
            << "files: " << line.files().size() << '\n'
            << "records: " << line.recordCount() << '\n'
            << "gaps: " << line.gaps().size() << '\n'
            << "events: " << line.events().size() << '\n'
            << viewer.viewText() << '\n';
        for (const QString& m : line.messages())
            out << "note: " << m << '\n';
        return opened ? 0 : 1;
    }
    viewer.show();
    if (files.isEmpty())
        QTimer::singleShot(0, &viewer, [&viewer] { viewer.chooseFiles(); });
    else
        viewer.openFiles(files);
    return QApplication::exec();
}

// Runs `command` once, when the engine first polls (the monitors show the selected meter,
// known only then).
void OpenWhenPolling(frmTD_Main& window, MainCommand command) {
    auto* once = new QObject(&window);
    QObject::connect(&window.engine(), &CommEngine::phaseChanged, once,
                     [&window, command, once](CommEngine::Phase phase) {
                         if (phase != CommEngine::Phase::Polling)
                             return;
                         once->deleteLater();
                         QObject::disconnect(&window.engine(), nullptr, once, nullptr);
                         QTimer::singleShot(0, &window,
                                            [&window, command] { window.runCommand(command); });
                     });
}

} // namespace

int main(int argc, char* argv[]) {
    // Help and version need no window: answer them on a machine without a display too.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v" ||
             arg == "--help-all") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TD700_File"));
    QApplication::setOrganizationName(QStringLiteral("TD700"));
    QApplication::setApplicationVersion(ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("td700-file"));
    ApplyAppStyle(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(ProgramCaption() +
                                     QStringLiteral(": the PC companion of the TD700 recorders."));
    parser.addHelpOption();
    // Qt's own version option prints the version alone; ours adds the build day, as the
    // other two programs do.
    const QCommandLineOption versionOption({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Displays version information."));
    parser.addOption(versionOption);
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Program folder with Comm.CFG and CFG/ (default: beside the program "
                       "when it holds them, else the user's data folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral(
            "Start on the built-in three-meter DEMO bus, with the port open, in the demo "
            "folder (TD700/demo in the user's data folder; a --home folder, when given, is set "
            "up for it unless it holds settings for another port). Files saved there are "
            "kept."));
    const QCommandLineOption openOption(QStringLiteral("open"),
                                        QStringLiteral("Open the port at start."));
    // For tests: prints the status list once the meter scan is over or the time is up, and
    // ends the program (exit status 0 when the scan finished in time).
    QCommandLineOption reportOption(QStringLiteral("report-status-within"),
                                    QStringLiteral("Print the meter status rows and quit."),
                                    QStringLiteral("SECONDS"));
    reportOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption viewOption(
        QStringLiteral("view"),
        QStringLiteral("Open the graph viewer alone, on the data files given (daily files of "
                       "one meter are shown as one time line), or with its open dialog."));
    // For tests: prints what the viewer holds once it has opened the files, and ends.
    QCommandLineOption reportViewOption(QStringLiteral("report-view"),
                                        QStringLiteral("Print the viewer's files and quit."));
    reportViewOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("Speak ko (Korean) or en (English) in this run, whatever Help > Language "
                       "holds (the choice there is not changed)."),
        QStringLiteral("LANG"));
    // For measurements: opens one monitor window as soon as the program polls.
    QCommandLineOption monitorOption(QStringLiteral("monitor"),
                                     QStringLiteral("Open a monitor once polling: line, bar, "
                                                    "text, multi or multi-pv."),
                                     QStringLiteral("KIND"));
    monitorOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption plantOption(
        QStringLiteral("plant"),
        QStringLiteral("Watch the plant through a broker instead of a local bus: every node and "
                       "meter that publishes to mqtt://HOST[:PORT]/PREFIX (or mqtts://...), as "
                       "td700 watch shows them. No port is opened and nothing is written to a "
                       "meter. The --mqtt-... flags as for td700 watch; the rest from "
                       "CFG/Plant.INI."),
        QStringLiteral("URL"));
    parser.addOptions({homeOption, demoOption, openOption, reportOption, viewOption,
                       reportViewOption, languageOption, monitorOption, plantOption});
    AddBrokerOptions(parser);
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("Data files (*.TDD) to open in the graph viewer, or a parameter file "
                       "(*.CFG, or its text *.txt) to open in the Parameter Setup window at "
                       "start."),
        QStringLiteral("[FILE.TDD...|FILE.CFG]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(versionOption)) {
        out << VersionText(QStringLiteral("TD700_File"));
        return 0;
    }
    // The windows speak the language chosen in Help > Language, at the first start the
    // system's (Korean for a Korean locale, else English). The command line stays English,
    // and so do the reports tests read.
    const std::optional<Language> asked = LanguageOfCode(parser.value(languageOption));
    if (parser.isSet(languageOption) && !asked) {
        err << "TD700_File: --language wants ko or en\n";
        return 2;
    }
    if (!parser.isSet(reportOption) && !parser.isSet(reportViewOption))
        ApplyLanguage(asked.value_or(StartLanguage()));
    // F1 and the Help menu, for every window of the program, the viewer alone too.
    HelpCentre help;

    // A parameter file goes to the main window, which owns the parameter window; data files
    // to the viewer alone.
    QString parameterFile;
    QStringList dataFiles;
    // A parameter set is a .CFG, or a .txt that holds one as text.
    const auto isParameterSet = [](const QString& file) {
        if (file.endsWith(QStringLiteral(".CFG"), Qt::CaseInsensitive))
            return true;
        // Only a regular file is looked into: a FIFO of that name must not hold the start.
        return IsTextFileName(file) && HoldsParameterText(file);
    };
    for (const QString& file : parser.positionalArguments()) {
        if (!isParameterSet(file))
            dataFiles << file;
        else if (parameterFile.isEmpty())
            parameterFile = file;
    }
    if (parser.isSet(viewOption) || (!dataFiles.isEmpty() && parameterFile.isEmpty()))
        return RunGraphViewer(dataFiles, AppPaths::resolve(parser.value(homeOption)),
                              parser.isSet(reportViewOption));

    const std::optional<MainCommand> monitor = MonitorCommandNamed(parser.value(monitorOption));
    if (parser.isSet(monitorOption) && !monitor) {
        err << "TD700_File: --monitor wants line, bar, text, multi or multi-pv\n";
        return 2;
    }

    QString home = parser.value(homeOption);
    if (!home.isEmpty() && QFileInfo(home).exists() && !QFileInfo(home).isDir()) {
        err << "TD700_File: --home " << home
            << " is a file; it wants the program folder that holds Comm.CFG and CFG/\n";
        return 2;
    }
    if (parser.isSet(demoOption)) {
        // A folder that stays: the data files and any parameter file saved in the demo are
        // found there after the program ends, and the next demo goes on in it.
        if (home.isEmpty())
            home = DefaultDemoHome();
        QString error;
        if (!PrepareDemoHome(home, &error)) {
            err << "TD700_File: cannot set up the demo folder: " << error << '\n';
            return 1;
        }
        out << "TD700_File: demo folder " << QDir::toNativeSeparators(home) << '\n';
        out.flush();
    }

    SystemClock clock;
    frmTD_Main::Options options;
    options.paths = AppPaths::resolve(home);
    options.rememberGeometry = !parser.isSet(reportOption);
    options.rememberLanguage = true;
    options.demo = parser.isSet(demoOption);
    frmTD_Main window(clock, options);
    window.show();

    if (parser.isSet(plantOption)) {
        PublishSettings plant = LoadPublishSettings(options.paths.plantIni());
        plant.url = parser.value(plantOption);
        ApplyBrokerOptions(parser, &plant);
        QString why;
        if (!window.startPlantMode(plant, &why)) {
            err << "TD700_File: " << why << '\n';
            return 2;
        }
    } else if (parser.isSet(demoOption) || parser.isSet(openOption)) {
        QTimer::singleShot(0, &window, [&window] { window.togglePort(); });
    }
    if (monitor)
        OpenWhenPolling(window, *monitor);
    if (!parameterFile.isEmpty()) {
        const QString file = QFileInfo(parameterFile).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, file] { window.openParameterWindow(file); });
    }

    if (parser.isSet(reportOption)) {
        bool ok = false;
        const double seconds = parser.value(reportOption).toDouble(&ok);
        if (!ok || seconds <= 0) {
            err << "TD700_File: --report-status-within wants a number of seconds\n";
            return 2;
        }
        // The scan is over when the program polls, or when the port, once open, has closed
        // again (nobody answered).
        auto opened = std::make_shared<bool>(false);
        QObject::connect(&window.engine(), &CommEngine::portOpenChanged, &window,
                         [opened](bool open) { *opened = *opened || open; });
        auto* poll = new QTimer(&window);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, &window,
                         [&window, &out, poll, started, opened, seconds] {
                             CommEngine& engine = window.engine();
                             const bool scanned = engine.phase() == CommEngine::Phase::Polling ||
                                                  (*opened && !engine.isPortOpen());
                             if (!scanned && started->elapsed() < qint64(seconds * 1000))
                                 return;
                             poll->stop();
                             for (const QString& row : StatusRows(engine.tables().sprdStatus))
                                 out << row << '\n';
                             out.flush();
                             window.quitWithoutAsking();
                             QCoreApplication::exit(scanned ? 0 : 1);
                         });
        poll->start(100);
    }
    return QApplication::exec();
}
