#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/StandardOutput.h"
#include "core/FileWrite.h"
#include "core/Version.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList&);
    const char* summary;
};

const Command kCommands[] = {
    {"scan", RunScan, "scan the bus and list every configured meter"},
    {"poll", RunPoll, "scan, read settings, poll N cycles and print the present values"},
    {"log", RunLog, "log polled values into data files until interrupted"},
    {"export", RunExport, "turn a data file (.TDD) into CSV"},
    {"info", RunInfo, "describe a data file (.TDD): header, record count, time span"},
    {"upload", RunUpload, "upload the selected meter's parameter set into a file (.CFG)"},
    {"download", RunDownload,
     "download a parameter file (.CFG or its text) to one meter or to each"},
    {"cfg", RunCfg,
     "show, compare, export as text or import a parameter set; audit a bus against one"},
    {"clock", RunClock, "show or set the meters' clocks and reserved start"},
    {"watch", RunWatch, "watch every node and meter that publishes to a broker, live"},
};

void printUsage(QTextStream& s) {
    s << "Usage: td700 COMMAND [options]\n"
         "The command-line companion of the TD700 recorders: the desktop program's engine and "
         "settings files, for scripts and unattended logging.\n\nCommands:\n";
    for (const Command& c : kCommands)
        s << "  " << QString::fromLatin1(c.name).leftJustified(10) << c.summary << '\n';
    s << "\nRun 'td700 COMMAND --help' for the options of a command, 'td700 --help-all' for "
         "those of every command, 'td700 --version' for the version.\n";
}

// Every command's own --help after the overview, as one text (the manual page is made from
// it). Each command is asked in a process of its own, so that a command added to the table
// needs nothing more to be described here.
int printAllHelp(QTextStream& out) {
    printUsage(out);
    for (const Command& c : kCommands) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(c.name), QStringLiteral("--help")});
        if (!child.waitForFinished(10000) || child.exitCode() != 0) {
            QTextStream(stderr) << "td700: the help of '" << c.name << "' could not be read\n";
            return Exit::Failed;
        }
        QString text = QString::fromLocal8Bit(child.readAllStandardOutput());
        // Qt's own --help-all line says nothing about the command.
        text.remove(QStringLiteral("  --help-all          Displays help including Qt specific "
                                   "options.\n"));
        out << "\nCommand " << c.name << ":\n" << text;
    }
    return Exit::Done;
}

// The command the arguments name, run.
int run(const QStringList& args) {
    QTextStream err(stderr);
    if (args.size() < 2) {
        printUsage(err);
        return Exit::Usage;
    }
    const QString word = args.at(1);
    QTextStream out(&StandardOutput());
    if (word == QStringLiteral("--help") || word == QStringLiteral("-h") ||
        word == QStringLiteral("help")) {
        printUsage(out);
        return Exit::Done;
    }
    if (word == QStringLiteral("--help-all"))
        return printAllHelp(out);
    if (word == QStringLiteral("--version") || word == QStringLiteral("-v")) {
        out << VersionText(QStringLiteral("td700"));
        return Exit::Done;
    }
    for (const Command& c : kCommands)
        if (word == QLatin1String(c.name))
            return c.run(args);
    err << "td700: unknown command '" << word << "'\n\n";
    printUsage(err);
    return Exit::Usage;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TD700"));
    QCoreApplication::setOrganizationName(QStringLiteral("TD700"));
    QCoreApplication::setApplicationVersion(ProgramVersion());
    // An --out FIFO waits for its reader, as a shell's redirection does.
    FileOutput::setWaitForFifoReaders(true);
    // Every stream on standard output is gone by now, flushed: what failed is told once.
    return FinishStandardOutput(run(QCoreApplication::arguments()));
}
