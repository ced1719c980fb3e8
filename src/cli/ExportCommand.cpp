#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "logging/DataFileExport.h"
#include "logging/DataFileReader.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

} // namespace

int RunExport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Turns a data file (.TDD) into CSV."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("out"), QStringLiteral("Write the CSV to FILE instead of standard output."),
         QStringLiteral("FILE")},
        {QStringLiteral("all-channels"),
         QStringLiteral("All twelve channel slots, not only the model's channels.")},
        {QStringLiteral("bom"),
         QStringLiteral("Start with a UTF-8 byte-order mark (lets Excel see UTF-8).")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE.TDD"), QStringLiteral("The data file."));
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        err() << "td700 export: " << parser.errorText() << '\n';
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << CommandHelp(parser, QStringLiteral("export"));
        return Exit::Done;
    }
    if (parser.positionalArguments().size() != 1) {
        err() << "td700 export: give exactly one data file (see td700 export --help)\n";
        return Exit::Usage;
    }
    const QString path = parser.positionalArguments().constFirst();

    DataFileReader reader;
    if (!reader.open(path)) {
        err() << "td700 export: " << reader.errorString() << '\n';
        return Exit::Failed;
    }
    for (const QString& w : reader.warnings())
        err() << "td700 export: warning: " << w << '\n';
    err().flush();

    CsvOptions options;
    options.allChannels = parser.isSet(QStringLiteral("all-channels"));
    options.byteOrderMark = parser.isSet(QStringLiteral("bom"));
    QString error;
    if (parser.isSet(QStringLiteral("out"))) {
        // All or nothing: a failed export leaves no half-written CSV behind.
        QSaveFile out(parser.value(QStringLiteral("out")));
        if (!out.open(QIODevice::WriteOnly)) {
            err() << "td700 export: cannot write " << out.fileName() << ": " << out.errorString()
                  << '\n';
            return Exit::Failed;
        }
        if (!ExportCsv(reader, out, options, &error) || !out.commit()) {
            err() << "td700 export: " << out.fileName() << ": "
                  << (error.isEmpty() ? out.errorString() : error) << '\n';
            out.cancelWriting();
            return Exit::Failed;
        }
        return Exit::Done;
    }
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY); // the rows end in CR LF already
#endif
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !ExportCsv(reader, out, options, &error)) {
        err() << "td700 export: " << (error.isEmpty() ? out.errorString() : error) << '\n';
        return Exit::Failed;
    }
    return Exit::Done;
}
