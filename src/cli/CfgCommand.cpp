#include "cli/Commands.h"
#include "cli/ParamListing.h"
#include "cli/ParamSession.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

namespace {

// Exit status of cfg diff: the sets agree or they do not; trouble is told apart by 2 and up.
constexpr int kSame = Exit::Done;
constexpr int kDifferent = Exit::Failed;

QString nameOf(const QString& path) {
    return QDir::toNativeSeparators(path);
}

int show(CliContext& c, const QString& path) {
    ParamSet set;
    if (!ReadParameterFileFor(set, path, c.err))
        return Exit::Usage;
    if (c.json) {
        QJsonObject o = ParameterSetJson(set);
        o.insert(QStringLiteral("file"), nameOf(path));
        o.insert(QStringLiteral("bytes"), QFileInfo(path).size());
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        c.out << nameOf(path) << ": " << set.channelCount() << " channels, firmware "
              << set.versionText() << ", " << QFileInfo(path).size() << " bytes\n\n";
        PrintParameterSet(c.out, set);
    }
    return Exit::Done;
}

int report(CliContext& c, const QVector<ParamDifference>& differences, const QString& left,
           const QString& right) {
    if (c.json)
        c.out << QJsonDocument(DifferencesJson(differences, left, right))
                     .toJson(QJsonDocument::Indented);
    else
        PrintDifferences(c.out, differences, left, right);
    return differences.isEmpty() ? kSame : kDifferent;
}

int diffFiles(CliContext& c, const QString& a, const QString& b) {
    ParamSet left, right;
    if (!ReadParameterFileFor(left, a, c.err) || !ReadParameterFileFor(right, b, c.err))
        return Exit::Usage;
    return report(c, CompareParameterSets(left, right, true), nameOf(a), nameOf(b));
}

int diffMeter(CliContext& c, const QString& path) {
    ParamSet file;
    if (!ReadParameterFileFor(file, path, c.err))
        return Exit::Usage;
    ParamSet uploaded;
    ParamSession::Meter meter;
    int exitCode = Exit::Done;
    // 1 tells that the sets differ: a meter that stops answering or a lost line ends with 5.
    if (!UploadSelectedMeter(c, uploaded, &meter, &exitCode))
        return exitCode == Exit::Failed ? Exit::MeterLost : exitCode;
    // Compared as a save of the meter's set would write it.
    TakeImageFromTables(uploaded);
    const int status = report(c, CompareParameterSets(file, uploaded, false), nameOf(path),
                              QStringLiteral("meter %1").arg(meter.address));
    if (!c.json && meter.channels > 6 && file.hasFormulasInFile())
        c.out << "(The formulas of channels 7 to 12 are not kept in a parameter file and were "
                 "not compared.)\n";
    return status;
}

} // namespace

int RunCfg(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Parameter files without a meter, or against one:\n"
        "  td700 cfg show FILE.CFG            the set as the parameter window shows it\n"
        "  td700 cfg diff A.CFG B.CFG         the rows in which two files differ\n"
        "  td700 cfg diff FILE.CFG --meter    the rows in which the selected meter differs\n"
        "cfg diff exits with 0 when the sets agree, 1 when they differ, 2 for a bad command "
        "line or a file that is not a parameter file; with --meter 3 when the port did not "
        "open, 4 when no meter answered, 5 when the meter stopped answering or the line was "
        "lost during the upload."));
    parser.addPositionalArgument(QStringLiteral("show|diff"), QStringLiteral("What to do."));
    parser.addPositionalArgument(QStringLiteral("FILE.CFG"), QStringLiteral("Parameter files."));
    AddCommonOptions(parser);
    parser.addOption({QStringLiteral("meter"),
                      QStringLiteral("Compare with the selected meter, uploaded now (with the "
                                     "port flags of scan and poll).")});
    QStringList args = arguments;
    if (args.size() > 1)
        args.removeAt(1);
    if (!parser.parse(args)) {
        c.err << "td700: " << parser.errorText() << "\n\n"
              << CommandHelp(parser, QStringLiteral("cfg"));
        return Exit::Usage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        c.out << CommandHelp(parser, QStringLiteral("cfg"));
        return Exit::Done;
    }
    const QStringList p = parser.positionalArguments();
    const QString what = p.value(0);
    const bool meter = parser.isSet(QStringLiteral("meter"));
    const int files = what == QStringLiteral("show") || meter ? 1 : 2;
    if ((what != QStringLiteral("show") && what != QStringLiteral("diff")) ||
        p.size() != files + 1 || (meter && what != QStringLiteral("diff"))) {
        c.err << "td700: cfg wants 'show FILE', 'diff A B' or 'diff FILE --meter'\n\n"
              << CommandHelp(parser, QStringLiteral("cfg"));
        return Exit::Usage;
    }
    if (!LoadCommonOptions(parser, c))
        return Exit::Usage;
    if (what == QStringLiteral("show"))
        return show(c, p[1]);
    if (!meter)
        return diffFiles(c, p[1], p[2]);
    if (c.meters.isEmpty()) {
        c.err << "td700: no meter to talk to: mark addresses in " << c.paths.setEnvIni()
              << " or give --meters\n";
        return Exit::Usage;
    }
    return diffMeter(c, p[1]);
}
