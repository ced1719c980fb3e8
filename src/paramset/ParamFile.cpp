#include "paramset/ParamFile.h"

#include "comm/MeterModels.h"
#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct ParamFileTexts {
    Q_DECLARE_TR_FUNCTIONS(ParamFile)
};

} // namespace

using namespace ParamLayout;

// The loader's way to give a set the identity of its file.
class ParamFileAccess {
public:
    static void setIdentity(ParamSet& set, int channels, int version) {
        set.setIdentity(channels, version);
    }
};

namespace {

const QByteArray kDataFileMagic("TD700 LOG DATA");

QString versionText(int hundredths) {
    return QStringLiteral("%1.%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

bool refuse(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

// A header written by the program always has a zero after the model code and hundredths
// below 100; firmware majors are single digits. Text has printable characters there.
bool plausibleHeader(const QByteArray& bytes) {
    return quint8(bytes[HeaderZero]) == 0 && quint8(bytes[HeaderMajor]) <= 9 &&
           quint8(bytes[HeaderHundredths]) <= 99;
}

} // namespace

int ChannelCountOfFileModel(int modelCode) {
    // The header holds the model code's quotient by ten.
    return modelCode >= 0 && modelCode <= 255 ? ChannelCountOfModel(modelCode * 10) : 0;
}

int ParameterFileSize(int versionHundredths) {
    return versionHundredths >= VersionFormulas ? FileSizeWithFormulas : FileSizeWithoutFormulas;
}

std::optional<ParamFileContents> ParseParameterFile(const QByteArray& bytes, const QString& name,
                                                    QString* error) {
    const qsizetype size = bytes.size();
    if (size == 0) {
        refuse(error, ParamFileTexts::tr("%1 is empty, not a parameter file.").arg(name));
        return std::nullopt;
    }
    if (bytes.startsWith(kDataFileMagic)) {
        refuse(error,
               ParamFileTexts::tr("%1 is a data file (TD700 LOG DATA), not a parameter file.")
                   .arg(name));
        return std::nullopt;
    }
    if (size <= HeaderHundredths || !plausibleHeader(bytes)) {
        refuse(error,
               ParamFileTexts::tr("%1 is not a parameter file: its header holds no model and "
                                  "firmware version.")
                   .arg(name));
        return std::nullopt;
    }
    // Zero bytes (a file that was never written, /dev/zero) have a header of this shape too:
    // every real header names one of the four models and a firmware.
    const int model = quint8(bytes[HeaderModel]);
    const int version = quint8(bytes[HeaderMajor]) * 100 + quint8(bytes[HeaderHundredths]);
    if (ChannelCountOfFileModel(model) == 0 || version == 0) {
        refuse(error,
               ParamFileTexts::tr("%1 is not a parameter file: its header names %2 (a "
                                  "parameter file names one of the four models and its "
                                  "firmware).")
                   .arg(name,
                        version == 0
                            ? ParamFileTexts::tr("firmware 0.00")
                            : ParamFileTexts::tr("model code %1, which is no model").arg(model)));
        return std::nullopt;
    }
    ParamFileContents c;
    const int needed = ParameterFileSize(version);
    if (size < needed) {
        refuse(error, ParamFileTexts::tr("%1 is too short: %2 bytes, where a parameter file of "
                                         "firmware %3 has %4. Nothing was loaded.")
                          .arg(name)
                          .arg(size)
                          .arg(versionText(version))
                          .arg(needed));
        return std::nullopt;
    }
    c.header.assign(bytes, 0);
    c.image.assign(bytes, HeaderSize);
    c.hasFormulas = version >= VersionFormulas;
    if (c.hasFormulas)
        for (int i = 0; i < FormulaRecsInFile; ++i)
            c.formulas[size_t(i)].assign(bytes, FileSizeWithoutFormulas + i * FormulaRecSize);
    c.channels = ChannelCountOfFileModel(c.header.modelCode());
    c.versionHundredths = version;
    c.extraBytes = size - needed;
    return c;
}

namespace {

// `size`: the whole file's, of which `bytes` may hold only the first part.
ParamFileResult load(ParamSet& set, const QByteArray& bytes, qint64 size, const QString& name) {
    ParamFileResult result;
    const auto contents = ParseParameterFile(bytes, name, &result.error);
    if (!contents)
        return result;

    set.header = contents->header;
    set.image = contents->image;
    if (contents->hasFormulas)
        std::copy(contents->formulas.begin(), contents->formulas.end(), set.gFormulaTable.begin());
    ParamFileAccess::setIdentity(set, contents->channels, contents->versionHundredths);
    ShowImageInTables(set);
    result.ok = true;

    const int needed = ParameterFileSize(contents->versionHundredths);
    if (size > needed)
        result.warnings << ParamFileTexts::tr(
                               "%1 is %2 bytes longer than a parameter file of "
                               "firmware %3 (%4 bytes): the extra bytes were ignored.")
                               .arg(name)
                               .arg(size - needed)
                               .arg(versionText(contents->versionHundredths))
                               .arg(needed);
    return result;
}

} // namespace

ParamFileResult LoadParameterFile(ParamSet& set, const QString& path) {
    ParamFileResult result;
    const QString name = QDir::toNativeSeparators(path);
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, &why)) {
        result.error = ParamFileTexts::tr("Cannot open %1: %2.").arg(name, why);
        return result;
    }
    // Nothing after the parts of a parameter file is read; a little beyond them tells that
    // the file is longer.
    const QByteArray bytes = file.read(FileSizeWithFormulas + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = ParamFileTexts::tr("Cannot read %1: %2").arg(name, file.errorString());
        return result;
    }
    return load(set, bytes, std::max<qint64>(file.size(), bytes.size()), name);
}

ParamFileResult LoadParameterBytes(ParamSet& set, const QByteArray& bytes, const QString& name,
                                   qint64 size) {
    return load(set, bytes, std::max<qint64>(size, bytes.size()), name);
}

QByteArray ParameterFileBytes(ParamSet& set) {
    TakeImageFromTables(set);
    set.header.describe(set.channelCount(), set.deviceVersion());
    QByteArray bytes = set.header.toByteArray() + set.image.toByteArray();
    if (set.hasFormulasInFile())
        for (int i = 0; i < FormulaRecsInFile; ++i)
            bytes += set.gFormulaTable[size_t(i)].toByteArray();
    return bytes;
}

ParamFileResult SaveParameterFile(ParamSet& set, const QString& path) {
    ParamFileResult result;
    QString why;
    result.ok = WriteFileWhole(path, ParameterFileBytes(set), &why);
    if (!result.ok)
        result.error =
            ParamFileTexts::tr("%1 was not saved: %2. A file of that name is left as it was.")
                .arg(QDir::toNativeSeparators(path), why);
    return result;
}
