#pragma once

#include "logging/FreeSpaceLimit.h"

#include <QString>

// The data-save settings, one value per line of "CFG/SaveData.INI" (code page 949, CR LF):
// saving on ("Yes"/"No"), interval 1..60, unit ("min"/"sec"), folder, base file name,
// daily files (1/0), hour and minute of the daily file change; then what the data folder keeps:
// the days of records (0: all) and the free space (a size or a share, empty: no limit). Readers
// of the first eight lines alone read such a file as before.
struct SaveSettings {
    QString gDSaveOn; // "Yes" enables saving
    int gDSaveInterval = 0;
    QString gDSaveUnit; // "min" or "sec"
    QString gDSaveFolder;
    QString gDSaveName;
    bool gDSaveDaily = false; // the line read exactly 1
    int gDSaveDayHour = 0;
    int gDSaveDayMinute = 0;
    int keepDays = 0;
    FreeSpaceLimit keepFree;

    bool enabled() const { return gDSaveOn == QStringLiteral("Yes"); }
    // The interval in seconds (interval x 60 for "min").
    int intervalSeconds() const;

    bool operator==(const SaveSettings&) const = default;
};

// Reads the lines in order; loading stops at a missing line and the settings after it keep
// their empty or zero values (a limit that does not read is no limit). Creates the folder that
// holds the file when it is missing.
SaveSettings LoadSaveSettings(const QString& path);
bool WriteSaveSettings(const QString& path, const SaveSettings& settings, QString* error = nullptr);

// The texts of the main window's "Data Save" labels.
struct SaveSettingsLabels {
    QString lblDSave_Enable; // the enable text as stored ("Yes"/"No")
    QString lblDSave_Intv;   // the interval number
    QString lblDSave_Unit;   // "sec"/"min"
    QString lblDaySave;      // "Yes" when daily files are on, else "No"
};
SaveSettingsLabels LabelsOf(const SaveSettings& settings);

// The numeric value of a settings line: leading and trailing blanks ignored, an empty or
// non-numeric line is 0, a fraction is cut toward zero.
int SettingsLineValue(const QString& line);
