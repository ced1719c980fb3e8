#include "cli/CfgCommands.h"
#include "cli/ParamListing.h"
#include "core/FileWrite.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamSetFiles.h"
#include "paramtext/ParamTextExport.h"

#include <QDir>

int CfgExport(CliContext& c, const QString& path, const QString& out) {
    QString error;
    const auto contents = ReadParameterContents(path, &error);
    if (!contents) {
        c.err << "td700: " << error << '\n';
        return Exit::Usage;
    }
    if (contents->extraBytes > 0)
        c.err << "td700: warning: " << QDir::toNativeSeparators(path) << " is "
              << contents->extraBytes
              << " bytes longer than its parameter set: the extra bytes are not in the text\n";
    const auto text = ParameterText(*contents, &error);
    if (!text) {
        c.err << "td700: " << QDir::toNativeSeparators(path)
              << " cannot be written as text: " << error << '\n';
        return Exit::Usage;
    }
    if (out.isEmpty()) {
        c.out << *text;
        return Exit::Done;
    }
    if (!WriteFileWhole(out, text->toUtf8(), &error)) {
        c.err << "td700: " << QDir::toNativeSeparators(out) << " was not written: " << error
              << '\n';
        return Exit::Failed;
    }
    c.out << QDir::toNativeSeparators(out) << ": " << contents->channels << " channels, firmware "
          << contents->versionHundredths / 100 << '.'
          << QString::number(contents->versionHundredths % 100).rightJustified(2, u'0') << ", "
          << text->count(u'\n') << " lines\n";
    return Exit::Done;
}

int CfgImport(CliContext& c, const QString& path, const QString& out, const QString& base) {
    QString error;
    const auto source = ReadParameterSource(path, &error);
    if (!source) {
        c.err << "td700: " << error << '\n';
        return Exit::Usage;
    }
    // Whatever holds no zero byte is read as the text it is meant to be, so that its faults
    // are named by their lines; a parameter file is no text.
    if (!source->text && source->bytes.contains('\0')) {
        c.err << "td700: " << QDir::toNativeSeparators(path)
              << " is not a parameter set as text: it holds bytes no text has (a parameter file "
                 "is made into its text by cfg export)\n";
        return Exit::Usage;
    }
    std::optional<QByteArray> baseBytes;
    std::optional<ParamFileContents> baseContents;
    if (!base.isEmpty()) {
        baseBytes = ReadParameterBytes(base, &error);
        if (baseBytes)
            baseContents = ParseParameterFile(*baseBytes, QDir::toNativeSeparators(base), &error);
        if (!baseContents) {
            c.err << "td700: the base set: " << error << '\n';
            return Exit::Usage;
        }
    }
    const auto bytes = ParameterBytesOfText(source->bytes, QDir::toNativeSeparators(path), &error,
                                            baseContents ? &*baseContents : nullptr);
    if (!bytes) {
        c.err << "td700: " << error << '\n' << "Nothing was written.\n";
        return Exit::Usage;
    }
    if (!WriteFileWhole(out, *bytes, &error)) {
        c.err << "td700: " << QDir::toNativeSeparators(out) << " was not written: " << error
              << '\n';
        return Exit::Failed;
    }
    c.out << QDir::toNativeSeparators(out) << ": " << bytes->size() << " bytes";
    if (baseContents) {
        ParamSet before, after;
        LoadParameterBytes(before, *baseBytes, base);
        LoadParameterBytes(after, *bytes, out);
        const auto differences = CompareParameterSets(before, after, true);
        c.out << ", " << differences.size()
              << (differences.size() == 1 ? " row differs" : " rows differ") << " from "
              << QDir::toNativeSeparators(base);
    }
    c.out << '\n';
    return Exit::Done;
}
