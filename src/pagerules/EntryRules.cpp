#include "pagerules/EntryRules.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct EntryRulesTexts {
    Q_DECLARE_TR_FUNCTIONS(EntryRules)
};

QString nameOf(const NumberRule& rule) {
    return rule.name.isEmpty() ? EntryRulesTexts::tr("The value") : rule.name;
}

QString numberText(double value, int decimals) {
    if (decimals < 0)
        return QString::number(value, 'g', 12);
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        text.remove(0, 1); // no "-0.0"
    return text;
}

// A limit as the box shows it: with the channel's decimals the limit that the decimals can
// hold (999.99 with one decimal is 999.9), else the rule's own text.
QString limitText(const NumberRule& rule, bool high) {
    const double bound = high ? rule.high : rule.low;
    if (rule.decimals >= 0 && !rule.integer) {
        const double scale = std::pow(10.0, rule.decimals);
        const double kept = high ? std::floor(bound * scale + 1e-9) / scale
                                 : std::ceil(bound * scale - 1e-9) / scale;
        return numberText(kept, rule.decimals);
    }
    const QString& own = high ? rule.highText : rule.lowText;
    return own.isEmpty() ? numberText(bound, -1) : own;
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
    if (!ok || !std::isfinite(value)) {
        out.message = EntryRulesTexts::tr("%1: \"%2\" is not a number. The value stays as it was.")
                          .arg(nameOf(rule), text);
        return out;
    }
    if (rule.integer)
        value = std::trunc(value);
    else if (rule.decimals >= 0) {
        const double scale = std::pow(10.0, rule.decimals);
        value = std::round(value * scale) / scale;
    }
    const QString low = limitText(rule, false);
    const QString high = limitText(rule, true);
    const double lowValue = low.toDouble();
    const double highValue = high.toDouble();
    if (hasNone && (rule.noneBelowOnly ? value < rule.noneAt : value <= rule.noneAt)) {
        out.accepted = true;
        out.boxText = rule.noneText;
        out.cellText = QStringLiteral("0");
        if (value < rule.noneAt)
            out.message = EntryRulesTexts::tr("%1 is at least %2 (%3 for none): %4 became %3.")
                              .arg(nameOf(rule), numberText(rule.noneAt, -1), rule.noneText, text);
        return out;
    }
    const bool below = value < (rule.decimals >= 0 ? lowValue : rule.low);
    const bool above = value > (rule.decimals >= 0 ? highValue : rule.high);
    if ((below || above) && rule.refuseBeyond) {
        out.message =
            EntryRulesTexts::tr("%1 takes %2 to %3: %4 was not taken. The value stays as it "
                                "was.")
                .arg(nameOf(rule), low, high, text);
        return out;
    }
    out.accepted = true;
    if (below) {
        out.boxText = low;
        out.message =
            EntryRulesTexts::tr("%1 is at least %2: %3 became %2.").arg(nameOf(rule), low, text);
    } else if (above) {
        out.boxText = high;
        out.message =
            EntryRulesTexts::tr("%1 is at most %2: %3 became %2.").arg(nameOf(rule), high, text);
    } else if (rule.integer) {
        out.boxText = QString::number(qint64(value));
    } else if (rule.decimals >= 0) {
        out.boxText = numberText(value, rule.decimals);
    } else {
        out.boxText = text;
    }
    out.cellText = out.boxText;
    return out;
}

QString ShownEntryText(const NumberRule& rule, const QString& cellText) {
    bool ok = false;
    const double value = cellText.trimmed().toDouble(&ok);
    if (!rule.noneText.isEmpty() && ok && value == 0)
        return rule.noneText;
    if (ok && !rule.integer && rule.decimals >= 0)
        return numberText(value, rule.decimals);
    return cellText;
}

std::optional<QString> NumberRuleRefusal(const NumberRule& rule, const QString& text) {
    const QString what =
        rule.integer ? EntryRulesTexts::tr("a whole number") : EntryRulesTexts::tr("a number");
    const QString limits = EntryRulesTexts::tr("takes %1 from %2 to %3")
                               .arg(what, limitText(rule, false), limitText(rule, true));
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

QString CutToLengthMessage(const QString& name, int length, const QString& kept) {
    return EntryRulesTexts::tr("%1 holds at most %2 characters: \"%3\" is kept.")
        .arg(name)
        .arg(length)
        .arg(kept);
}
