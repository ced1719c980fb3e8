#include "dataview/DataFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <map>

namespace {
const QRegularExpression& form() {
    static const QRegularExpression re(QStringLiteral("^(.*)_(\\d{2,3})(?:_(\\d{8}))?\\.TDD$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}
} // namespace

DataFileName DataFileName::parse(const QString& path) {
    DataFileName n;
    const QRegularExpressionMatch m = form().match(QFileInfo(path).fileName());
    if (!m.hasMatch())
        return n;
    n.matches = true;
    n.name = m.captured(1);
    n.address = m.captured(2).toInt();
    if (m.hasCaptured(3))
        n.day = QDate::fromString(m.captured(3), QStringLiteral("yyyyMMdd"));
    return n;
}

QStringList DataFileName::laterDailyFiles(const QString& path) {
    const DataFileName self = parse(path);
    if (!self.matches || !self.day.isValid())
        return {};
    const QFileInfo info(path);
    std::map<QDate, QString> later;
    const QStringList names =
        info.dir().entryList({self.name + QStringLiteral("_*")}, QDir::Files | QDir::Readable);
    for (const QString& name : names) {
        const DataFileName other = parse(name);
        if (other.matches && other.name == self.name && other.address == self.address &&
            other.day.isValid() && other.day > self.day)
            later.emplace(other.day, info.dir().filePath(name));
    }
    QStringList out;
    for (const auto& [day, file] : later)
        out << file;
    return out;
}
