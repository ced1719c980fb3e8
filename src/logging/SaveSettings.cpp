#include "logging/SaveSettings.h"

#include "core/TextLines.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

int SettingsLineValue(const QString& line) {
    bool ok = false;
    const double v = line.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return int(std::clamp(std::trunc(v), lo, hi));
}

int SaveSettings::intervalSeconds() const {
    if (gDSaveUnit != QStringLiteral("min"))
        return gDSaveInterval;
    // A line of nines in the file must not wrap round into a short or negative interval.
    constexpr qint64 lo = std::numeric_limits<int>::min(), hi = std::numeric_limits<int>::max();
    return int(std::clamp(qint64(gDSaveInterval) * 60, lo, hi));
}

SaveSettings LoadSaveSettings(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QStringList lines = ReadTextLines(path);
    SaveSettings s;
    // Each step reads one line; the first missing line ends the load.
    const int n = int(lines.size());
    if (n < 1)
        return s;
    s.gDSaveOn = lines[0];
    if (n < 2)
        return s;
    s.gDSaveInterval = SettingsLineValue(lines[1]);
    if (n < 3)
        return s;
    s.gDSaveUnit = lines[2];
    if (n < 4)
        return s;
    s.gDSaveFolder = QDir::fromNativeSeparators(lines[3]);
    if (n < 5)
        return s;
    s.gDSaveName = lines[4];
    if (n < 6)
        return s;
    bool ok = false;
    s.gDSaveDaily = lines[5].trimmed().toDouble(&ok) == 1.0 && ok;
    if (n < 7)
        return s;
    s.gDSaveDayHour = SettingsLineValue(lines[6]);
    if (n < 8)
        return s;
    s.gDSaveDayMinute = SettingsLineValue(lines[7]);
    if (n < 9)
        return s;
    s.keepDays = std::max(0, SettingsLineValue(lines[8]));
    if (n < 10)
        return s;
    s.keepFree = FreeSpaceLimit::parse(lines[9]).value_or(FreeSpaceLimit());
    return s;
}

bool WriteSaveSettings(const QString& path, const SaveSettings& s, QString* error) {
    // The folder is stored with the platform's separators so that a file moved between a
    // Windows PC and this one reads the way it was written there.
    QStringList lines{
        s.gDSaveOn,
        QString::number(s.gDSaveInterval),
        s.gDSaveUnit,
        QDir::toNativeSeparators(s.gDSaveFolder),
        s.gDSaveName,
        s.gDSaveDaily ? QStringLiteral("1") : QStringLiteral("0"),
        QString::number(s.gDSaveDayHour),
        QString::number(s.gDSaveDayMinute),
    };
    // Only a file that keeps its data folder within limits has more: one without them stays
    // what earlier versions wrote.
    if (s.keepDays > 0 || s.keepFree.isSet())
        lines << QString::number(s.keepDays) << s.keepFree.text();
    return WriteTextLines(path, lines, error);
}

SaveSettingsLabels LabelsOf(const SaveSettings& s) {
    return {s.gDSaveOn, QString::number(s.gDSaveInterval), s.gDSaveUnit,
            s.gDSaveDaily ? QStringLiteral("Yes") : QStringLiteral("No")};
}
