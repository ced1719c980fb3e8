#include "cli/Commands.h"
#include "cli/ParamSession.h"
#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"

#include <QDir>
#include <QFileInfo>

int RunUpload(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Uploads the selected meter's parameter set (--select, else the first meter that "
            "answers) and saves it as a parameter file. Progress goes to standard error.") +
        QStringLiteral("\n") + AsClause(ExitStatusHelp(false, false)) +
        QStringLiteral(", 5 the meter answered the scan but stopped answering (said with how "
                       "it failed: time-outs, damaged replies or refusals)."));
    parser.addOption({QStringLiteral("out"),
                      QStringLiteral("The parameter file to write, whole or not at all (a FIFO "
                                     "or a device is written into as a stream)."),
                      QStringLiteral("FILE.CFG")});
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode))
        return exitCode;
    const QString out = parser.value(QStringLiteral("out"));
    if (out.isEmpty()) {
        c.err << "td700: upload wants --out FILE.CFG\n";
        return Exit::Usage;
    }
    const FileKind kind = KindOfFile(out);
    if (!FileOutput::writes(kind)) {
        c.err << "td700: " << QDir::toNativeSeparators(out) << " is " << FileKindText(kind)
              << ", not a file to write\n";
        return Exit::Usage;
    }
    // Found out before the meter is read, not after.
    if (!QFileInfo(out).absoluteDir().exists()) {
        c.err << "td700: there is no folder "
              << QDir::toNativeSeparators(QFileInfo(out).absolutePath()) << " to save into\n";
        return Exit::Usage;
    }

    ParamSet set;
    ParamSession::Meter meter;
    if (!UploadSelectedMeter(c, set, &meter, &exitCode))
        return exitCode;
    const ParamFileResult saved = SaveParameterFile(set, out);
    if (!saved.ok) {
        c.err << "td700: " << saved.error << '\n';
        return Exit::Failed;
    }
    c.out << QDir::toNativeSeparators(out) << ": " << ParameterFileSize(set.versionHundredths())
          << " bytes from meter " << meter.address << ", " << meter.describe() << '\n';
    return Exit::Done;
}
