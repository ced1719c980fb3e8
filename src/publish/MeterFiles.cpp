#include "publish/MeterFiles.h"

#include "logging/DataFileNames.h"

#include <QDir>
#include <QFileInfo>

MeterFiles::MeterFiles(const SaveSettings& settings, int address)
    : m_settings(settings)
    , m_address(address) {}

QString MeterFiles::path(const QString& file) const {
    return QDir(folder()).filePath(file);
}

QString MeterFiles::currentFile(const QDateTime& now) const {
    return QFileInfo(DataFileNames::path(m_settings, m_address, now)).fileName();
}

QString MeterFiles::ownFile(const QString& extension) const {
    if (folder().isEmpty())
        return {};
    const QString single = DataFileName::make(name(), m_address);
    return path(single.left(single.size() - 4) + extension);
}

QStringList MeterFiles::dataFiles() const {
    return DataFileNames::meterFiles(folder(), name(), m_address);
}

bool MeterFiles::isOwn(const QString& file) const {
    const DataFileName n = DataFileName::parse(file);
    return n.matches && n.name == name() && n.address == m_address && !file.contains(u'/');
}
