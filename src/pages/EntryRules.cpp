#include "pages/EntryRules.h"

#include <cmath>

namespace {

QString boundText(const QString& text, double bound) {
    return text.isEmpty() ? QString::number(bound, 'g', 12) : text;
}

} // namespace

EntryOutcome ApplyNumberRule(const NumberRule& rule, const QString& typed) {
    const QString text = typed.trimmed();
    EntryOutcome out;
    const bool hasNone = !rule.noneText.isEmpty();
    if (hasNone && text == rule.noneText) {
        out.accepted = true;
        out.boxText = rule.noneText;
        out.cellText = QStringLiteral("0");
        return out;
    }
    bool ok = false;
    double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return out;
    out.accepted = true;
    if (rule.integer)
        value = std::trunc(value);
    if (hasNone && (rule.noneBelowOnly ? value < rule.noneAt : value <= rule.noneAt)) {
        out.boxText = rule.noneText;
        out.cellText = QStringLiteral("0");
        return out;
    }
    if (value < rule.low)
        out.boxText = boundText(rule.lowText, rule.low);
    else if (value > rule.high)
        out.boxText = boundText(rule.highText, rule.high);
    else if (rule.integer)
        out.boxText = QString::number(qint64(value));
    else
        out.boxText = text;
    out.cellText = out.boxText;
    return out;
}

QString ShownEntryText(const NumberRule& rule, const QString& cellText) {
    if (!rule.noneText.isEmpty()) {
        bool ok = false;
        const double value = cellText.trimmed().toDouble(&ok);
        if (ok && value == 0)
            return rule.noneText;
    }
    return cellText;
}

std::optional<QString> NumberRuleRefusal(const NumberRule& rule, const QString& text) {
    const QString what =
        rule.integer ? QStringLiteral("a whole number") : QStringLiteral("a number");
    const QString limits =
        QStringLiteral("takes %1 from %2 to %3")
            .arg(what, boundText(rule.lowText, rule.low), boundText(rule.highText, rule.high));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || (rule.integer && value != std::trunc(value)))
        return limits;
    if (!rule.noneText.isEmpty() && value == 0)
        return std::nullopt;
    if (value < rule.low || value > rule.high)
        return limits;
    return std::nullopt;
}
