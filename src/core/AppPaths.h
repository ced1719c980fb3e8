#pragma once

#include <QString>

// Where the program keeps its files. The program folder ("home") holds "Comm.CFG", the
// "CFG" folder with the other settings files, the alarm state files and the "Image" folder.
class AppPaths {
public:
    AppPaths() = default;
    explicit AppPaths(const QString& home);

    // The home folder: `homeOverride` when given; else the executable's folder when it already
    // holds "Comm.CFG" or "CFG" (a portable install); else the per-user data folder.
    static AppPaths resolve(const QString& homeOverride = {});
    // The per-user folder of an installed program, the same for all three programs:
    // ~/.local/share/TD700 on Linux, AppData/Local/TD700 on Windows.
    static QString userDataFolder();

    QString home() const { return m_home; }
    QString commCfg() const;                     // home/Comm.CFG
    QString cfgFolder() const;                   // home/CFG
    QString setEnvIni() const;                   // home/CFG/SetEnv.INI
    QString saveDataIni() const;                 // home/CFG/SaveData.INI
    QString publishIni() const;                  // home/CFG/Publish.INI
    QString plantIni() const;                    // home/CFG/Plant.INI
    QString imageFolder() const;                 // home/Image
    QString file(const QString& relative) const; // home/relative, separators normalised
    // Creates home/CFG when it is missing; false when it cannot be created.
    bool ensureCfgFolder() const;

private:
    static void adoptEarlierUserFolder(const QString& data);

    QString m_home;
};
