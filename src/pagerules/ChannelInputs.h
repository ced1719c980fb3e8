#pragma once

#include <QString>
#include <QStringList>

// What the channel page knows of a channel's input: the input types by range code with their
// names and measuring ranges, the three input groups and the stepping inside them, the unit
// and decimal point that go with a type, the math types, the reference-junction steps and
// the character rules of names and formulas.

enum class InputGroup { VDC = 0, RTD = 1, TC = 2, None = -1 };

struct InputType {
    int code = 0;
    QString name;     // "TYPE K"
    QString rangeMin; // "-270.0"
    QString rangeMax; // "1372.0"
    InputGroup group = InputGroup::None;
};

// The type of a range code; an unknown code (9, 15, anything else) gives an empty name and
// range and no group.
InputType InputTypeOf(int code);
// The first code of a group, written by the group buttons: VDC 19, RTD 14, T/C 1.
int FirstCodeOf(InputGroup group);
// The next code inside the code's group (+1 up, -1 down), wrapping; T/C skips 9. A code of
// no group stays as it is.
int StepInputCode(int code, int direction);
// The unit button (0 "V", 1 "mV", ... 3 "°C") and decimal-point button that a type selects:
// codes 1..16 °C with one decimal, 18 mV with three, the others V with two.
int UnitForCode(int code);
int DecimalsForCode(int code);

// The unit buttons' captions and the decimal-point buttons' captions.
const QStringList& UnitCaptions();
const QStringList& DecimalPointCaptions();

// Math type names by code 1..14 ("α+β" ...); any other code an empty text.
QString MathTypeName(int code);
constexpr int MathTypeCount = 14;

// The reference junction after `current` for a page of channel `ownChannel` on a meter of
// `channels` channels: "IN.SENSOR" -> "DIRECT INPUT" -> "CH01" ... -> back to "IN.SENSOR",
// passing over the page's own channel. Any other text steps to "IN.SENSOR".
QString NextReferenceJunction(const QString& current, int ownChannel, int channels);

// The reference junctions the channel page steps through for channel `ownChannel` of a meter of
// `channels` channels, in step order: "IN.SENSOR", "DIRECT INPUT", then "CH01" .. the last
// channel, passing over the channel itself.
QStringList ReferenceJunctions(int ownChannel, int channels);
// The reference temperature of the direct input, in degrees, both ends included.
constexpr double ReferenceTemperatureLow = -50.0, ReferenceTemperatureHigh = 50.0;
// The read time in seconds.
constexpr int ReadTimeLow = 0, ReadTimeHigh = 32767;
// Characters of a channel name and of a unit text.
constexpr int ChannelNameLength = 10;
constexpr int UnitTextLength = 6;

// A channel name: letters, digits and the listed signs only, nothing else (no space).
bool IsValidChannelName(const QString& name);
QString ChannelNameCharacters();
// A formula: upper-case letters other than E, J, K, Y and Z, digits, space and the operators.
bool IsValidFormula(const QString& formula);
QString FormulaCharacters();
// The stored length of a channel formula and of a memory formula.
constexpr int ChannelFormulaLength = 100;
constexpr int MemoryFormulaLength = 26;

// A cell read as a 16-bit code: an empty or non-numeric text is 0, a larger number the limit.
int CellCode(const QString& text);

// A number shown with `decimals` decimals ("12.50" for 2); a text that is not a number is
// shown as it stands.
QString WithDecimals(const QString& text, int decimals);
