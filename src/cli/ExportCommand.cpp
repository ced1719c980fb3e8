#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "core/PrintableText.h"
#include "logging/DataFileExport.h"
#include "logging/DataFileReader.h"
#include "logging/DataTime.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Each message goes out whole when said, not held until the program ends.
QTextStream err() {
    return QTextStream(stderr);
}

int usage(const QString& why) {
    err() << "td700 export: " << why << " (see td700 export --help)\n";
    return Exit::Usage;
}

// A time flag, or a usage error. `last`: the flag names the end of a span.
bool timeFlag(const QCommandLineParser& parser, const QString& name, bool last,
              std::optional<qint64>* out) {
    if (!parser.isSet(name))
        return true;
    *out = DataTime::parse(parser.value(name), last);
    return out->has_value();
}

// The same file under two names (the --out target is one of the data files) must not be
// overwritten: the export would replace the data with its own CSV.
bool sameFile(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

int RunExport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Turns data files (.TDD) into one CSV: a title row with each channel's name and unit, "
        "then a row per record with its time, the values with the channel's decimal places "
        "(an empty cell where the channel had no valid value), the channel states, alarms, "
        "digital inputs and relays. Several files (daily files of one meter) follow one "
        "another in the order given. \"-\" reads a data file from standard input."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("out"),
         QStringLiteral("Write the CSV to FILE instead of standard output; FILE is replaced only "
                        "once the whole CSV is written (a FIFO or a device is written into as a "
                        "stream)."),
         QStringLiteral("FILE")},
        {QStringLiteral("from"),
         QStringLiteral("Only records at or after TIME: YYYY-MM-DD, YYYY-MM-DD HH:MM or "
                        "YYYY-MM-DD HH:MM:SS."),
         QStringLiteral("TIME")},
        {QStringLiteral("to"),
         QStringLiteral("Only records up to TIME, the whole of the day or minute it names "
                        "(--to 2024-01-05 ends at 23:59:59)."),
         QStringLiteral("TIME")},
        {QStringLiteral("channels"), QStringLiteral("Only these channels, for example 1,3,5-7."),
         QStringLiteral("LIST")},
        {QStringLiteral("all-channels"),
         QStringLiteral("All twelve channel slots, not only the model's channels.")},
        {QStringLiteral("bom"),
         QStringLiteral("Start with a UTF-8 byte-order mark (lets Excel see UTF-8).")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE.TDD"),
                                 QStringLiteral("The data files, \"-\" for standard input."),
                                 QStringLiteral("FILE.TDD..."));
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        err() << "td700 export: " << parser.errorText() << '\n';
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(&StandardOutput()) << CommandHelp(parser, QStringLiteral("export"));
        return Exit::Done;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        return usage(QStringLiteral("give one or more data files"));

    CsvOptions options;
    options.allChannels = parser.isSet(QStringLiteral("all-channels"));
    options.byteOrderMark = parser.isSet(QStringLiteral("bom"));
    if (!timeFlag(parser, QStringLiteral("from"), false, &options.from))
        return usage(QStringLiteral("--from wants a time such as 2024-01-05 14:00"));
    if (!timeFlag(parser, QStringLiteral("to"), true, &options.to))
        return usage(QStringLiteral("--to wants a time such as 2024-01-05 15:00"));
    if (options.from && options.to && *options.from > *options.to)
        return usage(QStringLiteral("--from is later than --to"));
    if (parser.isSet(QStringLiteral("channels")) &&
        !ParseNumberList(parser.value(QStringLiteral("channels")), 1, 12, &options.channels))
        return usage(QStringLiteral("--channels wants channel numbers 1..12 such as 1,3,5-7"));
    const QString outPath = parser.value(QStringLiteral("out"));
    if (parser.isSet(QStringLiteral("out")) && outPath.isEmpty())
        return usage(QStringLiteral("--out wants a file name"));

    // Every file is opened before anything is written: a misspelt name writes nothing.
    std::vector<std::unique_ptr<DataFileReader>> readers;
    QList<DataFileReader*> order;
    bool opened = true;
    for (const QString& path : paths) {
        if (!outPath.isEmpty() && sameFile(path, outPath))
            return usage(
                QStringLiteral("--out names the data file %1 itself").arg(PrintableText(path)));
        auto reader = std::make_unique<DataFileReader>();
        if (!reader->open(path, DataFileReader::Source::FileOrStream)) {
            err() << "td700 export: " << PrintableText(reader->errorString()) << '\n';
            opened = false;
        }
        order << reader.get();
        readers.push_back(std::move(reader));
    }
    if (!opened)
        return Exit::Failed;
    const int modelChannels = options.allChannels ? 12 : order.front()->header().channelCount;
    for (int ch : std::as_const(options.channels))
        if (ch > modelChannels)
            return usage(QStringLiteral("channel %1: %2 has %3 channels (--all-channels gives "
                                        "all twelve slots)")
                             .arg(ch)
                             .arg(PrintableText(paths.front()))
                             .arg(modelChannels));
    for (const QString& note : CompareChannelLayouts(order))
        err() << "td700 export: warning: " << note << '\n';

    QString error;
    qint64 rows = 0;
    bool ok = false;
    if (!outPath.isEmpty()) {
        ok = ExportCsvFile(order, outPath, options, &error, &rows);
        if (!ok)
            error = QStringLiteral("%1 not written: %2")
                        .arg(PrintableText(QDir::toNativeSeparators(outPath)), error);
    } else {
#ifdef Q_OS_WIN
        _setmode(_fileno(stdout), _O_BINARY); // the rows end in CR LF already
#endif
        // A write that fails is told, with the others on standard output, as the program ends.
        ok = ExportCsv(order, StandardOutput(), options, &error, &rows);
        error.clear();
    }
    // Warnings that reading found (a partial record at the end of a stream shows only there).
    for (const DataFileReader* reader : std::as_const(order))
        for (const QString& w : reader->warnings())
            err() << "td700 export: warning: " << PrintableText(w) << '\n';
    if (!ok) {
        if (!error.isEmpty())
            err() << "td700 export: " << error << '\n';
        return Exit::Failed;
    }
    if (rows == 0 && (options.from || options.to))
        err() << "td700 export: no record falls in the time span given\n";
    return Exit::Done;
}
