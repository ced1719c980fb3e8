#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct ParamField;

// What each row of the parameter tables takes when it is set by hand rather than on its page:
// the lists and limits of the control that edits the row, from the same rules the pages use.

// Where a row is: the set's channel count and firmware (in hundredths), and the channel of a
// channel row (0 for a common row).
struct RowPlace {
    int channels = 12;
    int version = 0;
    int channel = 0;
};

// Why the row's page would not write `text` into the row (for example "takes a whole number
// from 1 to 900"); nothing when it would. Rows that no page limits take any text of their
// kind (any number for the ranges, for instance).
std::optional<QString> RowRefusal(const ParamField& f, const QString& text, const RowPlace& place);

// "takes one of OFF, ON": how a refusal names a row's texts ("" for the empty one).
QString TakesOneOf(const QStringList& texts);

// The same for a channel formula or, with `memory`, a memory formula: the characters the
// formula dialogs take, and the stored length.
std::optional<QString> FormulaRefusal(bool memory, const QString& text);
