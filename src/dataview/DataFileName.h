#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What the program's own data file names say: NAME_AA.TDD, or NAME_AA_YYYYMMDD.TDD for daily
// files, AA being the meter's slave address.
struct DataFileName {
    bool matches = false;
    QString name;    // NAME
    int address = 0; // the meter's slave address
    QDate day;       // invalid for a file that is not a daily file

    static DataFileName parse(const QString& path);
    // The daily files of the same name and meter in the same folder that come after `path`'s
    // day, oldest first.
    static QStringList laterDailyFiles(const QString& path);
};
