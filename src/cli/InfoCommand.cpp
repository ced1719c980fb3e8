#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"

#include <QCommandLineParser>
#include <QJsonDocument>

int RunInfo(const QStringList& arguments) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Describes a data file (.TDD): header, record count, time span."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("all-channels"),
         QStringLiteral("List all twelve channel slots, not only the model's channels.")},
        {QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE.TDD"), QStringLiteral("The data file."));
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        err << "td700 info: " << parser.errorText() << '\n';
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << CommandHelp(parser, QStringLiteral("info"));
        return Exit::Done;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "td700 info: give exactly one data file (see td700 info --help)\n";
        return Exit::Usage;
    }
    const QString path = parser.positionalArguments().constFirst();
    DataFileReader reader;
    if (!reader.open(path)) {
        err << "td700 info: " << reader.errorString() << '\n';
        return Exit::Failed;
    }
    for (const QString& w : reader.warnings())
        err << "td700 info: warning: " << w << '\n';
    err.flush();
    const bool all = parser.isSet(QStringLiteral("all-channels"));
    if (parser.isSet(QStringLiteral("json")))
        out << QJsonDocument(DescribeDataFileJson(reader, path, all)).toJson();
    else
        out << DescribeDataFile(reader, path, all);
    return Exit::Done;
}
