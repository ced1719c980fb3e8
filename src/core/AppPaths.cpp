#include "core/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppPaths::AppPaths(const QString& home)
    : m_home(QDir::cleanPath(QDir(home).absolutePath())) {}

AppPaths AppPaths::resolve(const QString& homeOverride) {
    if (!homeOverride.isEmpty())
        return AppPaths(homeOverride);
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (!exeDir.isEmpty() && (QFileInfo::exists(exeDir + QStringLiteral("/Comm.CFG")) ||
                              QFileInfo(exeDir + QStringLiteral("/CFG")).isDir()))
        return AppPaths(exeDir);
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.td700");
    QDir().mkpath(data);
    return AppPaths(data);
}

QString AppPaths::file(const QString& relative) const {
    QString rel = relative;
    rel.replace(u'\\', u'/');
    while (rel.startsWith(u'/'))
        rel.remove(0, 1);
    return QDir(m_home).filePath(rel);
}

QString AppPaths::commCfg() const {
    return file(QStringLiteral("Comm.CFG"));
}
QString AppPaths::cfgFolder() const {
    return file(QStringLiteral("CFG"));
}
QString AppPaths::setEnvIni() const {
    return file(QStringLiteral("CFG/SetEnv.INI"));
}
QString AppPaths::saveDataIni() const {
    return file(QStringLiteral("CFG/SaveData.INI"));
}
QString AppPaths::imageFolder() const {
    return file(QStringLiteral("Image"));
}

bool AppPaths::ensureCfgFolder() const {
    return QDir().mkpath(cfgFolder());
}
