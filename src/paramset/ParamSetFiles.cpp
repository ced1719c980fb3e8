#include "paramset/ParamSetFiles.h"

#include "core/FileRead.h"
#include "core/FileWrite.h"
#include "paramset/ParamSet.h"
#include "paramset/ParamTextExport.h"
#include "paramset/ParamTextImport.h"

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

QString nameOf(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

bool IsParameterText(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.contains('\0'))
        return false;
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        const QByteArray line = bytes.mid(at, end - at).trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            return line.startsWith('[');
        at = end + 1;
    }
    return false;
}

bool IsTextFileName(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0;
}

std::optional<QByteArray> ReadParameterBytes(const QString& path, QString* error,
                                             const ParamFileContents* base) {
    const QString name = nameOf(path);
    QFile file;
    QString why;
    if (!OpenRegularFile(file, path, &why)) {
        *error = ParamSetFilesTexts::tr("Cannot open %1: %2.").arg(name, why);
        return std::nullopt;
    }
    QByteArray bytes = file.read(ParamLayout::FileSizeWithFormulas + 1);
    const bool text = IsParameterText(bytes);
    if (text && file.size() > kLargestText) {
        *error =
            ParamSetFilesTexts::tr("%1 is %2 bytes long, far more than a parameter set as text")
                .arg(name)
                .arg(file.size());
        return std::nullopt;
    }
    if (text)
        bytes += file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = ParamSetFilesTexts::tr("Cannot read %1: %2").arg(name, file.errorString());
        return std::nullopt;
    }
    if (!IsParameterText(bytes))
        return bytes;
    const ParamTextResult r = ParameterFileFromText(bytes, name, base);
    if (!r.bytes) {
        *error =
            ParamSetFilesTexts::tr("%1 is a parameter set as text with faults; nothing was read:\n")
                .arg(name) +
            r.errors.join(u'\n');
        return std::nullopt;
    }
    return r.bytes;
}

std::optional<ParamFileContents> ReadParameterContents(const QString& path, QString* error,
                                                       const ParamFileContents* base) {
    const auto bytes = ReadParameterBytes(path, error, base);
    if (!bytes)
        return std::nullopt;
    return ParseParameterFile(*bytes, nameOf(path), error);
}

ParamFileResult LoadParameterSetFile(ParamSet& set, const QString& path) {
    QFile probe;
    if (OpenRegularFile(probe, path, nullptr) &&
        !IsParameterText(probe.read(ParamLayout::FileSizeWithFormulas + 1)))
        return LoadParameterFile(set, path); // as it always was, warnings and all
    ParamFileResult result;
    const auto bytes = ReadParameterBytes(path, &result.error);
    if (!bytes)
        return result;
    return LoadParameterBytes(set, *bytes, nameOf(path));
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
