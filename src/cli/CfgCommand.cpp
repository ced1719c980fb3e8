#include "cli/CfgCommands.h"
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

int show(CliContext& c, const QString& path) {
    ParamSet set;
    if (!ReadParameterFileFor(set, path, c.err))
        return Exit::Usage;
    if (c.json) {
        QJsonObject o = ParameterSetJson(set);
        o.insert(QStringLiteral("file"), QDir::toNativeSeparators(path));
        o.insert(QStringLiteral("bytes"), QFileInfo(path).size());
        c.out << QJsonDocument(o).toJson(QJsonDocument::Indented);
    } else {
        c.out << QDir::toNativeSeparators(path) << ": " << set.channelCount()
              << " channels, firmware " << set.versionText() << ", " << QFileInfo(path).size()
              << " bytes\n\n";
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
    return report(c, CompareParameterSets(left, right, true), QDir::toNativeSeparators(a),
                  QDir::toNativeSeparators(b));
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
    const int status =
        report(c, CompareParameterSets(file, uploaded, false), QDir::toNativeSeparators(path),
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
        "Parameter sets without a meter, against one, or against a whole bus. A set is a "
        "parameter file (.CFG) or its text (cfg export); every command takes either.\n"
        "  td700 cfg show FILE                 the set as the parameter window shows it\n"
        "  td700 cfg diff A B                  the rows in which two sets differ\n"
        "  td700 cfg diff FILE --meter         the rows in which the selected meter differs\n"
        "  td700 cfg export FILE [--out T.txt] the set as text: [file], [common], [CH01] ..,\n"
        "                                      [formulas], [reserved]; KEY = value per row\n"
        "  td700 cfg import T.txt --out F.CFG  the text back into a parameter file; with\n"
        "        [--base B]                    --base the text gives only the rows it changes\n"
        "  td700 cfg audit REF --meters LIST   uploads each meter in turn and compares it with\n"
        "        [--ignore KEYS] [--out DIR]   REF on the rows a download writes: one line per\n"
        "                                      meter (same, N rows differ: KEY .., did not\n"
        "                                      answer, another model or firmware)\n"
        "A text that has a fault is refused whole (each fault named by its line) and nothing is "
        "written. Exit status: cfg diff 0 when the sets agree, 1 when they differ; cfg audit 0 "
        "when every meter is the same, 1 when any differs or is another model, else 5 when one "
        "did not answer (at the scan or during its upload), 4 when none answered the scan; 2 "
        "for a bad command line or a file that is no parameter set (or a text with "
        "a fault); with a meter 3 when the port did not open, 4 when no meter answered, 5 when "
        "the meter stopped answering or the line was lost during the upload."));
    parser.addPositionalArgument(QStringLiteral("show|diff|export|import|audit"),
                                 QStringLiteral("What to do."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Parameter files (.CFG) or their texts."));
    AddCommonOptions(parser);
    parser.addOptions({
        {QStringLiteral("meter"),
         QStringLiteral("diff: compare with the selected meter, uploaded now (with the port "
                        "flags of scan and poll).")},
        {QStringLiteral("out"),
         QStringLiteral("export: the text file to write (else standard output); import: the "
                        "parameter file to write; audit: a folder that keeps each meter's "
                        "uploaded set as text (meter001.txt ..)."),
         QStringLiteral("PATH")},
        {QStringLiteral("base"),
         QStringLiteral("import: the set the text changes; the text then needs only the rows it "
                        "changes."),
         QStringLiteral("FILE")},
        {QStringLiteral("ignore"),
         QStringLiteral("audit: row keys not compared, e.g. CH_NAME,UNIT_NAME (the names differ "
                        "from recorder to recorder). The machine addresses are never compared: "
                        "each meter has its own."),
         QStringLiteral("KEYS")},
    });
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
    const QString out = parser.value(QStringLiteral("out"));
    const QString base = parser.value(QStringLiteral("base"));
    const QStringList ignore =
        parser.value(QStringLiteral("ignore")).split(u',', Qt::SkipEmptyParts);
    const int files = what == QStringLiteral("diff") && !meter ? 2 : 1;
    const bool known =
        QStringList{QStringLiteral("show"), QStringLiteral("diff"), QStringLiteral("export"),
                    QStringLiteral("import"), QStringLiteral("audit")}
            .contains(what);
    if (!known || p.size() != files + 1 || (meter && what != QStringLiteral("diff")) ||
        (!out.isEmpty() && what != QStringLiteral("export") && what != QStringLiteral("import") &&
         what != QStringLiteral("audit")) ||
        (!base.isEmpty() && what != QStringLiteral("import")) ||
        (!ignore.isEmpty() && what != QStringLiteral("audit"))) {
        c.err << "td700: cfg wants 'show FILE', 'diff A B', 'diff FILE --meter', 'export FILE', "
                 "'import TEXT --out FILE.CFG' or 'audit REF --meters LIST'\n\n"
              << CommandHelp(parser, QStringLiteral("cfg"));
        return Exit::Usage;
    }
    if (what == QStringLiteral("import") && out.isEmpty()) {
        c.err << "td700: cfg import wants --out FILE.CFG, the parameter file to write\n";
        return Exit::Usage;
    }
    if (!LoadCommonOptions(parser, c))
        return Exit::Usage;
    if (what == QStringLiteral("show"))
        return show(c, p[1]);
    if (what == QStringLiteral("export"))
        return CfgExport(c, p[1], out);
    if (what == QStringLiteral("import"))
        return CfgImport(c, p[1], out, base);
    if (what == QStringLiteral("audit"))
        return CfgAudit(c, p[1], ignore, out);
    if (!meter)
        return diffFiles(c, p[1], p[2]);
    if (c.meters.isEmpty()) {
        c.err << "td700: no meter to talk to: mark addresses in " << c.paths.setEnvIni()
              << " or give --meters\n";
        return Exit::Usage;
    }
    return diffMeter(c, p[1]);
}
