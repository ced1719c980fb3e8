#include "pagerules/DisplayGroups.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct DisplayGroupsTexts {
    Q_DECLARE_TR_FUNCTIONS(DisplayGroups)
};

} // namespace

namespace DisplayGroups {

QString Next(const QString& shown) {
    if (shown == Group1)
        return Group2;
    if (shown == Group2)
        return All;
    return Group1;
}

QString Previous(const QString& shown) {
    if (shown == Group1)
        return All;
    if (shown == All)
        return Group2;
    return Group1;
}

bool Lights(const QString& shown, const QString& cell) {
    if (shown == All)
        return cell == Group1 || cell == Group2 || cell == All;
    if (shown == Group1 || shown == Group2)
        return cell == shown || cell == All;
    return false;
}

int Members(const QStringList& cells, const QString& group) {
    int count = 0;
    for (const QString& cell : cells)
        if (cell == group || cell == All)
            ++count;
    return count;
}

std::optional<QString> Toggle(const QString& shown, const QString& cell, int members) {
    if (shown != Group1 && shown != Group2)
        return std::nullopt;
    const QString& other = shown == Group1 ? Group2 : Group1;
    if (cell == shown)
        return QString();
    if (cell == All)
        return other;
    if (members >= MaxMembers)
        return std::nullopt;
    return cell == other ? All : shown;
}

QString WhyNoChange(const QString& shown, int channel) {
    const QString ch = DisplayGroupsTexts::tr("channel %1").arg(channel, 2, 10, QLatin1Char('0'));
    if (shown == Group1 || shown == Group2)
        return DisplayGroupsTexts::tr(
                   "%1 holds %2 channels already, the most a group can hold. Take a "
                   "channel out of %1 before %3 can join it.")
            .arg(shown)
            .arg(MaxMembers)
            .arg(ch);
    return DisplayGroupsTexts::tr(
               "Channels join or leave a group while GROUP 1 or GROUP 2 is shown. "
               "Step to the group with the arrows, then click %1.")
        .arg(ch);
}

} // namespace DisplayGroups
