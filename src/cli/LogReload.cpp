#include "cli/LogReload.h"

#include "cli/CliContext.h"
#include "cli/LogSettings.h"
#include "cli/PublishOptions.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

bool ReadLogSettings(const QCommandLineParser& parser, CliContext* c, SaveSettings* save,
                     PublishSettings* publish, QString* why) {
    // The shared readers say what is wrong on standard error themselves.
    if (!LoadCommonOptions(parser, *c) || !LoadBackoffOption(parser, *c) ||
        !LoadRequestIntervalOption(parser, *c)) {
        *why = QStringLiteral("the port settings or the meter list do not read (above)");
        return false;
    }
    if (c->meters.isEmpty()) {
        *why = QStringLiteral("no meter is marked in %1").arg(c->paths.setEnvIni());
        return false;
    }
    *save = LoadSaveSettings(c->paths.saveDataIni());
    return ApplySaveFlags(parser, *save, why) && LoadPublishOptions(parser, *c, publish, why);
}

bool LineSettingsDiffer(const CliContext& a, const CliContext& b) {
    return !(a.port == b.port) || a.meters != b.meters || a.selectAddress != b.selectAddress ||
           a.replyTimeoutMs != b.replyTimeoutMs;
}

QString RestartInPlace() {
#ifdef Q_OS_UNIX
    const QStringList arguments = QCoreApplication::arguments();
    QList<QByteArray> bytes;
    for (const QString& a : arguments)
        bytes << QFile::encodeName(a);
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    const QByteArray program = QFile::encodeName(QCoreApplication::applicationFilePath());
    ::execv(program.constData(), argv.data());
    return QString::fromLocal8Bit(std::strerror(errno));
#else
    return QStringLiteral("a program cannot start again in its own place here");
#endif
}
