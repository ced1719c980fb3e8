#pragma once

#include "pagerules/EntryRules.h"

#include <QString>
#include <QStringList>
#include <optional>

// The rules of the display page that depend on more than one cell.

// The trend's scroll speed in seconds: 1 to 120.
constexpr int ScrollSpeedLow = 1, ScrollSpeedHigh = 120;
NumberRule ScrollSpeed();

// The numbers of text-view windows a recorder offers: 1, 2, 3, 4, 6 below firmware 2.0, and
// 9 and 12 as well from 2.0 or when the firmware is not known (0).
QStringList TextViewWindowNumbers(int versionHundredths);

// Which groups of settings the display page shows for a display mode: the scroll speed with
// the trends, the window number with the text view, the history settings with the history
// view, none with the bar graph. Nothing for a text that is no display mode (the groups stay
// as they are).
struct DisplayModeGroups {
    bool trend = false;
    bool textView = false;
    bool history = false;
};
std::optional<DisplayModeGroups> GroupsOfDisplayMode(const QString& mode);
