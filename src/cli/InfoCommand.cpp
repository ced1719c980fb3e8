#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "core/PrintableText.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"

#include <QCommandLineParser>
#include <QJsonDocument>

int RunInfo(const QStringList& arguments) {
    QTextStream out(&StandardOutput());
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Describes a data file (.TDD): header, record count, time span. \"-\" "
                       "reads the data file from standard input."));
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
    if (!reader.open(path, DataFileReader::Source::FileOrStream)) {
        err << "td700 info: " << PrintableText(reader.errorString()) << '\n';
        return Exit::Failed;
    }
    const bool all = parser.isSet(QStringLiteral("all-channels"));
    // Described first: a stream is read to its end for its count, and only then are its
    // warnings known.
    const QString description =
        parser.isSet(QStringLiteral("json"))
            ? QString::fromUtf8(QJsonDocument(DescribeDataFileJson(reader, path, all)).toJson())
            : DescribeDataFile(reader, path, all);
    for (const QString& w : reader.warnings())
        err << "td700 info: warning: " << PrintableText(w) << '\n';
    err.flush();
    out << description;
    return Exit::Done;
}
