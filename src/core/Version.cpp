#include "core/Version.h"

QString ProgramVersion() {
    return QString::fromLatin1(kProgramVersion);
}

QString BuildDate() {
    return QString::fromLatin1(kBuildDate);
}

QString ProgramCaption() {
    return QStringLiteral("TD700 EV%1 (File Type)").arg(ProgramVersion());
}

QString VersionText(const QString& programName) {
    return QStringLiteral("%1 %2\nBuilt %3 with Qt %4.\n")
        .arg(programName, ProgramVersion(), BuildDate(), QString::fromLatin1(qVersion()));
}
