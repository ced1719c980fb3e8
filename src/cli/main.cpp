#include "cli/CliContext.h"
#include "cli/Commands.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

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
    {"download", RunDownload, "download a parameter file (.CFG) to one meter or to each"},
    {"cfg", RunCfg, "show a parameter file, or the rows two files or a file and a meter differ"},
    {"clock", RunClock, "show or set the meters' clocks and reserved start"},
};

void printUsage(QTextStream& s) {
    s << "Usage: td700 COMMAND [options]\n\nCommands:\n";
    for (const Command& c : kCommands)
        s << "  " << QString::fromLatin1(c.name).leftJustified(10) << c.summary << '\n';
    s << "\nRun 'td700 COMMAND --help' for the options of a command.\n";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TD700"));
    QCoreApplication::setOrganizationName(QStringLiteral("TD700"));
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        printUsage(err);
        return Exit::Usage;
    }
    const QString word = args.at(1);
    if (word == QStringLiteral("--help") || word == QStringLiteral("-h") ||
        word == QStringLiteral("help")) {
        QTextStream out(stdout);
        printUsage(out);
        return Exit::Done;
    }
    for (const Command& c : kCommands)
        if (word == QLatin1String(c.name))
            return c.run(args);
    err << "td700: unknown command '" << word << "'\n\n";
    printUsage(err);
    return Exit::Usage;
}
