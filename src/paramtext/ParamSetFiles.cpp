#include "paramtext/ParamSetFiles.h"

#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamTextExport.h"
#include "paramtext/ParamTextImport.h"
#include "paramtext/ParamTextSyntax.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct ParamSetFilesTexts {
    Q_DECLARE_TR_FUNCTIONS(ParamSetFiles)
};

// A text of a parameter set is a few hundred lines; anything far larger is something else.
constexpr qint64 kLargestText = 4 * 1024 * 1024;
// What a parameter file's parts and one byte more take: enough to tell a longer file.
constexpr qint64 kFileBytes = ParamLayout::FileSizeWithFormulas + 1;

QString nameOf(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

bool IsParameterText(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.contains('\0'))
        return false;
    for (const QString& line : TextLinesOf(QString::fromUtf8(bytes))) {
        QString why;
        const auto parsed = ParseTextLine(line, &why);
        if (!parsed)
            return false;
        if (parsed->kind != TextLine::Kind::Blank)
            return true;
    }
    return true; // comments alone: a text, an empty one
}

bool IsTextFileName(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0;
}

std::optional<ParamSetSource> ReadParameterSource(const QString& path, QString* error) {
    const QString name = nameOf(path);
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, &why)) {
        *error = ParamSetFilesTexts::tr("Cannot open %1: %2.").arg(name, why);
        return std::nullopt;
    }
    ParamSetSource source;
    source.bytes = file.read(kFileBytes);
    // A parameter file has zero bytes in its header; anything without one may be a text, and a
    // text is told by all of it (a long history of comments may come before its first section).
    if (!source.bytes.isEmpty() && !source.bytes.contains('\0')) {
        source.bytes += file.read(kLargestText + 1 - source.bytes.size());
        source.text = IsParameterText(source.bytes);
    }
    if (file.error() != QFileDevice::NoError) {
        *error = ParamSetFilesTexts::tr("Cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    source.size = std::max<qint64>(file.size(), source.bytes.size());
    if (source.text && source.size > kLargestText) {
        *error =
            ParamSetFilesTexts::tr("%1 is %2 bytes long, far more than a parameter set as text")
                .arg(name)
                .arg(source.size);
        return std::nullopt;
    }
    return source;
}

bool HoldsParameterText(const QString& path) {
    QString error;
    const auto source = ReadParameterSource(path, &error);
    return source && source->text;
}

std::optional<QByteArray> ParameterBytesOfText(const QByteArray& text, const QString& name,
                                               QString* error, const ParamFileContents* base) {
    const ParamTextResult r = ParameterFileFromText(text, name, base);
    if (!r.bytes)
        *error =
            ParamSetFilesTexts::tr("%1 is a parameter set as text with faults; nothing was read:\n")
                .arg(name) +
            r.errors.join(u'\n');
    return r.bytes;
}

std::optional<QByteArray> ReadParameterBytes(const QString& path, QString* error,
                                             const ParamFileContents* base) {
    const auto source = ReadParameterSource(path, error);
    if (!source)
        return std::nullopt;
    if (!source->text)
        return source->bytes;
    return ParameterBytesOfText(source->bytes, nameOf(path), error, base);
}

std::optional<ParamFileContents> ReadParameterContents(const QString& path, QString* error,
                                                       const ParamFileContents* base) {
    const auto source = ReadParameterSource(path, error);
    if (!source)
        return std::nullopt;
    const QString name = nameOf(path);
    if (!source->text) {
        auto contents = ParseParameterFile(source->bytes, name, error);
        if (contents)
            contents->extraBytes = source->size - ParameterFileSize(contents->versionHundredths);
        return contents;
    }
    const auto bytes = ParameterBytesOfText(source->bytes, name, error, base);
    if (!bytes)
        return std::nullopt;
    return ParseParameterFile(*bytes, name, error);
}

ParamFileResult LoadParameterSetFile(ParamSet& set, const QString& path) {
    ParamFileResult result;
    const auto source = ReadParameterSource(path, &result.error);
    if (!source)
        return result;
    const QString name = nameOf(path);
    if (!source->text)
        return LoadParameterBytes(set, source->bytes, name, source->size);
    const auto bytes = ParameterBytesOfText(source->bytes, name, &result.error);
    if (!bytes)
        return result;
    return LoadParameterBytes(set, *bytes, name);
}

ParamFileResult SaveParameterSetFile(ParamSet& set, const QString& path) {
    if (!IsTextFileName(path))
        return SaveParameterFile(set, path);
    ParamFileResult result;
    QString why;
    result.ok = WriteFileWhole(path, ParameterSetText(set).toUtf8(), &why);
    if (!result.ok)
        result.error =
            ParamSetFilesTexts::tr("%1 was not saved: %2. A file of that name is left as it was.")
                .arg(nameOf(path), why);
    return result;
}
