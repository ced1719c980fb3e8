#include "app/DemoHome.h"

#include "comm/MeterList.h"
#include "comm/PortSettings.h"
#include "core/AppPaths.h"
#include "logging/SaveSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The notes of the demo's meter list, in the language of the run that writes them.
struct DemoHomeTexts {
    Q_DECLARE_TR_FUNCTIONS(DemoHome)
};

MeterListLine demoMeter(int channels, const char* firmware) {
    return {
        QStringLiteral("O"),
        DemoHomeTexts::tr("%1 channels, firmware %2").arg(channels).arg(QLatin1String(firmware))};
}

} // namespace

bool PrepareDemoHome(const QString& home, QString* error) {
    const AppPaths paths(home);
    if (!QDir().mkpath(paths.home()) || !paths.ensureCfgFolder()) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(QDir::toNativeSeparators(home));
        return false;
    }
    // A folder with settings of its own (a real installation) is never overwritten: only an
    // empty folder or an earlier demo folder is set up.
    if (QFileInfo::exists(paths.commCfg()) &&
        !LoadPortSettings(paths.commCfg())
             .portName.startsWith(QStringLiteral("DEMO"), Qt::CaseInsensitive)) {
        if (error)
            *error = QStringLiteral("%1 holds port settings of its own; they are not replaced "
                                    "(give an empty folder)")
                         .arg(QDir::toNativeSeparators(home));
        return false;
    }
    PortSettings port;
    port.portName = QStringLiteral("DEMO");
    if (!SavePortSettings(paths.commCfg(), port, error))
        return false;

    const QVector<MeterListLine> meters{demoMeter(12, "1.20"), demoMeter(6, "1.16"),
                                        demoMeter(4, "1.10")};
    if (!SaveMeterList(paths.setEnvIni(), meters, error))
        return false;

    SaveSettings save;
    save.gDSaveOn = QStringLiteral("Yes");
    save.gDSaveInterval = 10;
    save.gDSaveUnit = QStringLiteral("sec");
    save.gDSaveFolder = QDir::toNativeSeparators(paths.file(QStringLiteral("Data")));
    save.gDSaveName = QStringLiteral("DEMO");
    if (!QDir().mkpath(paths.file(QStringLiteral("Data")))) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(save.gDSaveFolder);
        return false;
    }
    return WriteSaveSettings(paths.saveDataIni(), save, error);
}

QString DefaultDemoHome() {
    return QDir(AppPaths::userDataFolder()).filePath(QStringLiteral("demo"));
}
