#include "logging/DataFileNames.h"

#include "logging/DataFile.h"
#include "logging/SaveSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace {

constexpr int kLowestAddress = 1;
constexpr int kHighestAddress = 247;

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

const QString& extension() {
    static const QString ext = QStringLiteral(".TDD");
    return ext;
}

// The key a file sorts by among one meter's files: the single file (no day) first.
qint64 orderOf(const DataFileName& n) {
    return n.day.isValid() ? n.day.toJulianDay() : std::numeric_limits<qint64>::min();
}

} // namespace

DataFileName DataFileName::parse(const QString& path) {
    static const QRegularExpression form(
        QStringLiteral("^(.+)_(\\d{2,3})(?:_(\\d{8}))?\\.[Tt][Dd][Dd]$"));
    DataFileName n;
    const QRegularExpressionMatch m = form.match(QFileInfo(path).fileName());
    if (!m.hasMatch())
        return n;
    const int address = m.captured(2).toInt();
    if (address < kLowestAddress || address > kHighestAddress ||
        twoDigits(address) != m.captured(2))
        return n;
    if (m.hasCaptured(3)) {
        n.day = QDate::fromString(m.captured(3), QStringLiteral("yyyyMMdd"));
        if (!n.day.isValid())
            return n;
    }
    n.matches = true;
    n.name = m.captured(1);
    n.address = address;
    return n;
}

QString DataFileName::make(const QString& name, int address, const QDate& day) {
    QString file = name + u'_' + twoDigits(address);
    if (day.isValid())
        file += u'_' + day.toString(QStringLiteral("yyyyMMdd"));
    return file + extension();
}

namespace DataFileNames {

QString path(const SaveSettings& s, int address, const QDateTime& now) {
    QDate day;
    if (s.gDSaveDaily) {
        // Compared as texts, as the day-change time has always been compared.
        const QString nowText = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QString changeText = now.date().toString(QStringLiteral("yyyy-MM-dd ")) +
                                   twoDigits(s.gDSaveDayHour) + u':' +
                                   twoDigits(s.gDSaveDayMinute) + QStringLiteral(":00");
        day = nowText >= changeText ? now.date() : now.date().addDays(-1);
    }
    return QDir(s.gDSaveFolder).filePath(DataFileName::make(s.gDSaveName, address, day));
}

QStringList meterFiles(const QString& folder, const QString& name, int address) {
    return filesByMeter(folder, name).value(address);
}

QHash<int, QStringList> filesByMeter(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return {};
    std::map<std::pair<int, qint64>, QString> files;
    const QStringList names =
        QDir(folder).entryList({name + QStringLiteral("_*")}, QDir::Files | QDir::Hidden);
    for (const QString& file : names) {
        const DataFileName n = DataFileName::parse(file);
        if (!n.matches || n.name != name)
            continue;
        auto [it, added] = files.emplace(std::pair(n.address, orderOf(n)), file);
        if (!added && (file.endsWith(extension()) ||
                       (!it->second.endsWith(extension()) && file < it->second)))
            it->second = file;
    }
    QHash<int, QStringList> out;
    for (const auto& [key, file] : files)
        out[key.first] << file;
    return out;
}

QStringList filesAfter(const QString& folder, const QString& name, int address,
                       const QString& file) {
    const DataFileName self = DataFileName::parse(file);
    const qint64 from = self.matches ? orderOf(self) : std::numeric_limits<qint64>::min();
    QStringList out;
    for (const QString& other : meterFiles(folder, name, address))
        if (orderOf(DataFileName::parse(other)) > from)
            out << other;
    return out;
}

qint64 recordCount(const QString& path) {
    const QFileInfo info(path);
    const qint64 size = info.isFile() ? info.size() : 0;
    if (size < DataFile::HeaderSize)
        return 0;
    return (size - DataFile::HeaderSize) / DataFile::RecordSize;
}

} // namespace DataFileNames
