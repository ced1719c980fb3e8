#pragma once

#include <QString>
#include <array>
#include <optional>

struct DeviceTables;

// What every single-meter monitor shows of a channel, and the pieces of the present-value row
// that all monitors decode the same way. Channels are counted from 0 here (channel 1 = 0).
namespace ChannelDisplay {

constexpr int MaxChannels = 12;
// The value a trend sample holds when the channel had no valid value.
constexpr float NoValue = -1000.0f;

// Colour of a channel's colour code (0..11), white for any other code. Windows RGB (0xBBGGRR).
int ChannelColourCode(int code);
// The number format of a decimal-point setting: "0", "0.0" ... "0.0000" (clamped to 0..4).
QString ChannelFormat(int decimals);
int FormatDecimals(const QString& format);
// A value in a channel's format: rounded half away from zero on its decimal digits, never
// "-0.0". Not-a-number and infinities give the invalid text.
QString FormatValue(double value, int decimals);
// What a channel without a valid value shows: "----.-", "---.--", "--.---" for one to three
// decimals; "----" and "-.----" for none and four, so that a stale figure is never left up.
QString InvalidValueText(int decimals);
// Reads a caption back as a number (empty or dashes read as 0).
double CaptionNumber(const QString& caption);

// Rounds to the nearest whole number, halves to even (the rounding of every screen position).
int RoundHalfEven(double value);
// y of a value on a scale of height h: h - (value - min) / (max - min) * h, rounded half to
// even. No position for an empty range (max == min); very distant values are clamped to a few
// heights beyond the scale so that they stay drawable.
std::optional<int> ScaleY(double value, double min, double max, int h);

// Channel states from the two state words: two bits per channel, bit 2j + 2 * bit 2j+1, the
// word of channels 1..6 and the word of channels 7..12. 0 means a valid value.
std::array<int, MaxChannels> DecodeChannelStates(qint64 wordChannels7to12, qint64 wordChannels1to6);
bool IsBitSet(qint64 word, int bit);

// A channel's settings as the monitors use them, from sprdP_CH of the selected meter.
struct ChannelSettings {
    int decimals = 0;
    QString format;  // "0.0" ...
    QString unit;    // caption for the unit code
    int colour = 0;  // Windows RGB of the colour code
    QString maxText; // range high in the channel's format
    QString minText; // range low
    QString midText; // (high + low) / 2
    double max = 0;  // the captions read back: the scale every position uses
    double min = 0;
    bool emptyRange() const { return max == min; }
};
ChannelSettings ReadChannelSettings(const DeviceTables& tables, int channel);

// The selected meter's row of the present-value table, decoded for the status area and the
// channel values.
struct MeterReading {
    QString date; // device clock, date part ("" when the clock text is too short)
    QString time; // device clock, time part
    std::array<int, MaxChannels> states{}; // 0 = valid
    qint64 inputWord = 0; // digital inputs (bits 0..5), memory card present (bit 15)
    qint64 cardState = 0; // memory-card state: above 0 = in use
    QString memText;      // "MEM:" figure, three digits
    QString sdcText;      // "SDC:" figure, three digits
    std::array<double, MaxChannels> values{};
    bool answering = true; // the link text of the row is not "NG"
    bool input(int i) const { return IsBitSet(inputWord, i); }
    bool cardPresent() const { return IsBitSet(inputWord, 15); }
    // 0 no card, 1 card present, 2 card in use.
    int cardIcon() const { return !cardPresent() ? 0 : (cardState > 0 ? 2 : 1); }
};
MeterReading ReadMeter(const DeviceTables& tables, int row);
// A whole number as "000" (at least three digits, a minus sign before them).
QString ThreeDigits(qint64 value);

} // namespace ChannelDisplay
