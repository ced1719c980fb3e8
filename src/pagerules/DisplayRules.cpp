#include "pagerules/DisplayRules.h"

#include "paramset/FieldText.h"

NumberRule ScrollSpeed() {
    return NumberRule::between(ScrollSpeedLow, ScrollSpeedHigh);
}

QStringList TextViewWindowNumbers(int versionHundredths) {
    QStringList numbers{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                        QStringLiteral("4"), QStringLiteral("6")};
    if (versionHundredths <= 0 || versionHundredths >= 200)
        numbers << QStringLiteral("9") << QStringLiteral("12");
    return numbers;
}

std::optional<DisplayModeGroups> GroupsOfDisplayMode(const QString& mode) {
    switch (ParamText::DisplayModes().indexOf(mode)) {
    case 0: // H.TREND
    case 1: // V.TREND
        return DisplayModeGroups{true, false, false};
    case 2: // TEXT-VIEW
        return DisplayModeGroups{false, true, false};
    case 3: // BAR GRAPH
        return DisplayModeGroups{};
    case 4: // HISTORY-VIEW
        return DisplayModeGroups{false, false, true};
    default:
        return std::nullopt;
    }
}
