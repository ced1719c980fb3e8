#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The display groups of a 12-channel recorder. Each channel's cell says which group shows it
// ("GROUP 1", "GROUP 2", "ALL" for both, an empty text for none); the common row "DISPLAY
// GROUP" says which group the recorder shows. A group holds at most six channels.
namespace DisplayGroups {

inline const QString Group1 = QStringLiteral("GROUP 1");
inline const QString Group2 = QStringLiteral("GROUP 2");
inline const QString All = QStringLiteral("ALL");
constexpr int MaxMembers = 6;

// The group shown after the up button: none -> GROUP 1 -> GROUP 2 -> ALL -> GROUP 1.
QString Next(const QString& shown);
// After the down button: none -> GROUP 1; GROUP 1 -> ALL -> GROUP 2 -> GROUP 1.
QString Previous(const QString& shown);

// Whether a channel whose cell is `cell` is lit while `shown` is the shown group: GROUP 1 lights
// GROUP 1 and ALL, GROUP 2 lights GROUP 2 and ALL, ALL lights every channel in a group.
bool Lights(const QString& shown, const QString& cell);

// How many of `cells` belong to `group` (GROUP 1 or GROUP 2): the group's own and ALL.
int Members(const QStringList& cells, const QString& group);

// The new text of a channel's cell when its button is clicked while `shown` is the shown group
// and the group has `members` channels. A member leaves the group (ALL keeps the other one);
// a channel joins while the group has fewer than six. Nothing when the click changes nothing:
// a full group, or ALL or no group shown.
std::optional<QString> Toggle(const QString& shown, const QString& cell, int members);

// Why a click on channel `channel` changed nothing while `shown` is the shown group: the group
// is full, or no single group is shown.
QString WhyNoChange(const QString& shown, int channel);

} // namespace DisplayGroups
