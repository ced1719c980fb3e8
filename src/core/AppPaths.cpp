#include "core/AppPaths.h"

#include "core/FileRead.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    const QString data = userDataFolder();
    QDir().mkpath(data);
    adoptEarlierUserFolder(data);
    return AppPaths(data);
}

namespace {
bool holdsSettings(const QString& folder) {
    return QFileInfo::exists(folder + QStringLiteral("/Comm.CFG")) ||
           QFileInfo(folder + QStringLiteral("/CFG")).isDir();
}
} // namespace

void AppPaths::adoptEarlierUserFolder(const QString& data) {
    // Earlier versions kept the desktop program's files in a folder of its own below this
    // one. Its settings are copied up once, so that nothing set up there is lost; the old
    // folder is left as it was.
    const QString earlier = QDir(data).filePath(QStringLiteral("TD700_File"));
    if (holdsSettings(data) || !holdsSettings(earlier))
        return;
    const QDir from(earlier);
    QDir().mkpath(QDir(data).filePath(QStringLiteral("CFG")));
    QStringList files{QStringLiteral("Comm.CFG"), QStringLiteral("CFG/SetEnv.INI"),
                      QStringLiteral("CFG/SaveData.INI")};
    for (const QString& alarmFile : from.entryList({QStringLiteral("ALM.*")}, QDir::Files))
        files << alarmFile;
    for (const QString& file : files)
        if (KindOfFile(from.filePath(file)) == FileKind::Regular) // a FIFO would hold the start
            QFile::copy(from.filePath(file), QDir(data).filePath(file));
}

QString AppPaths::userDataFolder() {
    // One folder for all three programs (not one per program name), so that td700 reads
    // the settings the desktop program wrote.
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (generic.isEmpty())
        return QDir::homePath() + QStringLiteral("/.td700");
    return QDir(generic).filePath(QStringLiteral("TD700"));
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
QString AppPaths::publishIni() const {
    return file(QStringLiteral("CFG/Publish.INI"));
}
QString AppPaths::plantIni() const {
    return file(QStringLiteral("CFG/Plant.INI"));
}
QString AppPaths::imageFolder() const {
    return file(QStringLiteral("Image"));
}

bool AppPaths::ensureCfgFolder() const {
    return QDir().mkpath(cfgFolder());
}
