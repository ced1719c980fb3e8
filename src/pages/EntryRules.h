#pragma once

#include <QString>
#include <optional>

// The limits of a numeric entry box on the parameter pages. A committed entry is read as a
// number and brought into low..high: below the range the box shows `lowText`, above it
// `highText`, and that bound is what the table gets. Some boxes have a "none" value (no relay,
// no screen saver, no password): it is shown as `noneText` and stored as "0".
struct NumberRule {
    double low = 0;
    double high = 0;
    QString lowText;     // empty: the bound as a number
    QString highText;    // empty: the bound as a number
    bool integer = true; // the field holds a whole number: a fraction is cut off
    // "None": shown as noneText, stored as "0". An entry at or below `noneAt` is none (with
    // noneBelowOnly, only one below it); a stored 0 is shown as none.
    QString noneText;
    double noneAt = 0;
    bool noneBelowOnly = false;

    static NumberRule between(double low, double high) {
        NumberRule r;
        r.low = low;
        r.high = high;
        return r;
    }
    static NumberRule decimals(double low, double high, const QString& lowText,
                               const QString& highText) {
        NumberRule r = between(low, high);
        r.lowText = lowText;
        r.highText = highText;
        r.integer = false;
        return r;
    }
    NumberRule withNone(const QString& text, bool belowOnly = false) const {
        NumberRule r = *this;
        r.noneText = text;
        r.noneAt = low;
        r.noneBelowOnly = belowOnly;
        return r;
    }
};

struct EntryOutcome {
    bool accepted = false; // false: not a number, the box gets its old text back
    QString boxText;       // what the box shows afterwards
    QString cellText;      // what the table cell gets
};

// Applies the rule to a committed entry. A text that reads as no number (empty, letters) is
// refused, so that a slip of the keyboard never turns a setting into 0; the none text itself
// is accepted as none.
EntryOutcome ApplyNumberRule(const NumberRule& rule, const QString& typed);

// What a box shows for a cell's text: the none text for a stored 0 where the rule has one,
// otherwise the cell's text.
QString ShownEntryText(const NumberRule& rule, const QString& cellText);

// Why a text set by hand, not typed into the box, breaks the rule: not a number, a fraction
// where the field holds whole numbers, or outside the limits (the box would change it); nothing
// when the box would take it as it stands. A none value is 0, as the table holds it.
std::optional<QString> NumberRuleRefusal(const NumberRule& rule, const QString& text);
