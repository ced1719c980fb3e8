#pragma once

#include "plant/PlantAlarmLog.h"

#include <QByteArray>

// Its name in the program folder (AppPaths::file()).
inline constexpr char kPlantAlarmFile[] = "ALM.PLANT";

// The plant's alarm history on disk (kPlantAlarmFile in the program folder): UTF-8 text, a heading
// line, then a line per entry, newest first, its fields apart by tabs:
//   NODE  METER  CHANNEL  ALARM  CAME  WENT
// CAME and WENT are the records' stamps as they came ("2026-12-07T14:52:29+09:00"); WENT is
// empty while the alarm is active.
QByteArray PlantAlarmText(const QList<PlantAlarmEntry>& entries);
// The entries of such a text. Lines that do not read are left out and `problem` says which;
// nothing a file holds makes it fail.
QList<PlantAlarmEntry> ReadPlantAlarmText(const QByteArray& text, QString* problem);

// The file read; a missing one is an empty history. `problem` is empty when all was read.
QList<PlantAlarmEntry> LoadPlantAlarms(const QString& path, QString* problem);
// Written whole or not at all.
bool SavePlantAlarms(const QString& path, const QList<PlantAlarmEntry>& entries, QString* error);
