#pragma once

#include <QString>
#include <optional>

// The limits of a numeric entry box on the parameter pages, and the one rule every page
// follows when an entry is committed: a value beyond its limit is corrected to the limit, or
// (for the boxes whose setting must not be guessed) refused, and either way a message says so
// and names the limit; a text that is no number is refused with a message; a value keeps the
// channel's decimals. Some boxes have a "none" value (no relay, no screen saver, no password):
// it is shown as `noneText` and stored as "0".
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
    // What the messages call the setting ("HYSTERESIS"); empty: "The value".
    QString name;
    // Digits after the point that the value keeps (the channel's decimal point); -1: as typed.
    int decimals = -1;
    // Beyond the limits the entry is refused rather than corrected.
    bool refuseBeyond = false;

    static NumberRule between(double low, double high) {
        NumberRule r;
        r.low = low;
        r.high = high;
        return r;
    }
    static NumberRule fractional(double low, double high, const QString& lowText,
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
    NumberRule named(const QString& caption) const {
        NumberRule r = *this;
        r.name = caption;
        return r;
    }
    NumberRule withDecimals(int digits) const {
        NumberRule r = *this;
        r.decimals = digits;
        return r;
    }
    NumberRule refusedBeyond() const {
        NumberRule r = *this;
        r.refuseBeyond = true;
        return r;
    }
};

struct EntryOutcome {
    bool accepted = false; // false: the box gets its old text back
    QString boxText;       // what the box shows afterwards
    QString cellText;      // what the table cell gets
    // Said to the user: the entry was corrected to a limit, or refused, and why.
    QString message;
};

// Applies the rule to a committed entry.
EntryOutcome ApplyNumberRule(const NumberRule& rule, const QString& typed);

// What a box shows for a cell's text: the none text for a stored 0 where the rule has one,
// a number with the rule's decimals, otherwise the cell's text.
QString ShownEntryText(const NumberRule& rule, const QString& cellText);

// Why a text set by hand, not typed into the box, breaks the rule: not a number, a fraction
// where the field holds whole numbers, or outside the limits (the box would change it); nothing
// when the box would take it as it stands. A none value is 0, as the table holds it.
std::optional<QString> NumberRuleRefusal(const NumberRule& rule, const QString& text);

// The message for a text of more than `length` characters, cut to `kept`.
QString CutToLengthMessage(const QString& name, int length, const QString& kept);
