#pragma once

#include "pagerules/EntryRules.h"

#include <QString>
#include <QStringList>

// The rules of the system page's boxes and lists.
namespace SystemRules {

NumberRule RecordPeriod();   // 1 .. 900 seconds
NumberRule ScreenSaver();    // 0 .. 120 minutes, 0 shown "--"
NumberRule Password();       // 0 .. 9999, "----" for none
NumberRule MachineAddress(); // 1 .. 255
NumberRule ResponseTime();   // 0 .. 9999 ms
constexpr int RecordPeriodLow = 1, RecordPeriodHigh = 900;
constexpr int ResponseTimeLow = 0, ResponseTimeHigh = 9999;

const QStringList& DataLengths(); // "7", "8"
const QStringList& StopBits();    // "1", "2"

// The SD card file-name prefix: up to six letters, digits and ( ) + - * / % , . [ ] $.
constexpr int FilePrefixLength = 6;
bool IsFilePrefixText(const QString& text);
inline const QString DisableCharacter = QStringLiteral("Disable Character.");

// The system date and time boxes (year, month, day, hour, minute, second): the year shown in
// four digits, the others in two, as the rows' numbers read.
QString SystemDateText(int field, const QString& cellText);
// The six boxes as "set" copies them into the table, with the device clock's limits: each part
// within its range, the day within its month (February 29 only in a leap year), formatted as
// shown. A box that reads as no number counts as 0, raised to the part's lowest value.
QStringList LimitSystemDate(const QStringList& boxes);

} // namespace SystemRules
