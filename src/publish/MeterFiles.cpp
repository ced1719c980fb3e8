#include "publish/MeterFiles.h"

#include "logging/DataFileNames.h"

#include <QDir>
#include <QFileInfo>

MeterFiles::MeterFiles(const SaveSettings& settings, int address)
    : m_folder(settings.gDSaveFolder)
    , m_prefix(settings.gDSaveName + QStringLiteral("_%1").arg(address, 2, 10, QChar(u'0')))
    , m_settings(settings)
    , m_address(address) {}

QString MeterFiles::path(const QString& file) const {
    return QDir(m_folder).filePath(file);
}

QString MeterFiles::currentFile(const QDateTime& now) const {
    return QFileInfo(DataFileNames::path(m_settings, m_address, now)).fileName();
}

QString MeterFiles::stateFile() const {
    if (m_folder.isEmpty())
        return {};
    return path(m_prefix + QStringLiteral(".PUB"));
}

QStringList MeterFiles::filesAfter(const QString& file) const {
    return DataFileNames::filesAfter(m_folder, m_settings.gDSaveName, m_address, file);
}

qint64 MeterFiles::recordCount(const QString& path) {
    return DataFileNames::recordCount(path);
}

qint64 MeterFiles::distance(const RecordPlace& from, const RecordPlace& to) const {
    if (to.file == from.file)
        return to.index >= from.index ? to.index - from.index : -1;
    if (to.file < from.file)
        return -1;
    qint64 n = std::max<qint64>(0, recordCount(path(from.file)) - from.index);
    for (const QString& file : filesAfter(from.file)) {
        if (file == to.file)
            return n + to.index;
        if (file > to.file)
            break;
        n += recordCount(path(file));
    }
    return -1;
}

RecordPlace MeterFiles::advance(const RecordPlace& from, qint64 count) const {
    RecordPlace at = from;
    qint64 left = std::max<qint64>(0, recordCount(path(at.file)) - at.index);
    if (count <= left) {
        at.index += count;
        return at;
    }
    count -= left;
    at.index += left;
    for (const QString& file : filesAfter(from.file)) {
        const qint64 n = recordCount(path(file));
        at = {file, std::min(count, n)};
        if (count <= n)
            return at;
        count -= n;
    }
    return at;
}

qint64 MeterFiles::recordsFrom(const RecordPlace& from) const {
    qint64 n = std::max<qint64>(0, recordCount(path(from.file)) - from.index);
    for (const QString& file : filesAfter(from.file))
        n += recordCount(path(file));
    return n;
}
