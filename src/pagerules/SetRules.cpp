#include "pagerules/SetRules.h"

#include "clock/ClockFields.h"
#include "pagerules/DisplayGroups.h"
#include "paramset/ParamFields.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct SetRulesTexts {
    Q_DECLARE_TR_FUNCTIONS(SetRules)
};

std::optional<QString> groupTooFull(const ParamField& f, const QString& text,
                                    const std::optional<QString>& before, const RowPlace& p,
                                    const SetRowText& rowText) {
    QStringList cells;
    for (int n = 1; n <= p.channels; ++n)
        cells << (n == p.channel ? text : rowText(f.key, n));
    for (const QString& group : {DisplayGroups::Group1, DisplayGroups::Group2}) {
        const int members = DisplayGroups::Members(cells, group);
        const bool joins = DisplayGroups::Lights(group, text) &&
                           !(before && DisplayGroups::Lights(group, *before));
        if (joins && members > DisplayGroups::MaxMembers)
            return SetRulesTexts::tr("%1 would hold %2 channels; a group holds at most %3")
                .arg(group)
                .arg(members)
                .arg(DisplayGroups::MaxMembers);
    }
    return std::nullopt;
}

std::optional<QString> reserveDay(const QString& text, const SetRowText& rowText) {
    const int year = ClockFieldValue(rowText(QStringLiteral("RESERVE_RUN_YEAR"), 0));
    const int month = ClockFieldValue(rowText(QStringLiteral("RESERVE_RUN_MONTH"), 0));
    const LimitedField limited = LimitClockField(ClockField::Day, text, year, month);
    if (!limited.limited)
        return std::nullopt;
    return SetRulesTexts::tr("takes a day of the reserved month, %1-%2 (the clock window makes "
                             "%3 into %4)")
        .arg(ClockFieldText(ClockField::Year, year), ClockFieldText(ClockField::Month, month), text,
             limited.text);
}

} // namespace

std::optional<QString> SetRefusal(const ParamField& f, const QString& text,
                                  const std::optional<QString>& before, const RowPlace& place,
                                  const SetRowText& rowText) {
    if (place.channel > 0 && f.form == ParamForm::DisplayGroup && place.channels > 6)
        return groupTooFull(f, text, before, place, rowText);
    if (place.channel == 0 && f.key == QLatin1String("RESERVE_RUN_DAY"))
        return reserveDay(text, rowText);
    return std::nullopt;
}
