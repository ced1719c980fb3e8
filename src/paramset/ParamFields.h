#pragma once

#include <QString>
#include <QVector>

// Every row of the two parameter tables and the field of the parameter image behind it: its
// key, where it lies, how wide it is, how the table shows it, and the register a download
// writes it to. This list is the shared vocabulary of the parameter window, its pages, the
// parameter file and the download.

enum class ParamWidth {
    None,  // no place in the image (the system date rows)
    I16,   // 16-bit signed
    I32,   // 32-bit signed
    F32,   // IEEE single
    Chars, // `characters` characters, one per 2-byte slot
};

enum class ParamForm {
    Number,            // decimal text of the integer
    Decimal,           // single at 7 significant digits, trailing zeros dropped
    Tenths,            // single with one decimal ("20.0"): the reference temperature
    Chars,             // the characters as they stand
    TwoState,          // below 1 the first text, otherwise the second
    RecordSwitch,      // "OFF"/"ON", but only "ON" stores 1
    RecordControl,     // 0 "STOP", 1 "START", any other "BYPASS" (stored as 127)
    TimeUnit,          // 0 "HOUR", 1 "MIN.", any other "SEC."
    DisplayGroup,      // more than 6 channels: groups; 6 or fewer: "OFF"/"ON"
    DisplayMode,       // screen mode codes, by firmware
    BaudRate,          // list position in "9600", "19200", "38400", "57600"
    Parity,            // "NONE", "ODD", "EVEN"
    ReadMode,          // "DIRECT", "MAX", "MIN", "AVG"
    Colour,            // RGB565 in the image, index "0".."11" in the table
    Protocol,          // always Modbus RTU
    ReferenceJunction, // "IN.SENSOR", "DIRECT INPUT", "CH01".."CH12"
    DeviceOnly,        // shown from the meter, never stored (the system date)
    Unused,            // no field for this firmware: shown empty, never stored
};

struct ParamField {
    int row = 0;
    QString key;
    QString caption;
    ParamForm form = ParamForm::Number;
    ParamWidth width = ParamWidth::I16;
    int offset = 0;     // in the image (common rows) or in the channel record (channel rows)
    int characters = 0; // characters of a Chars field
    int reg = 0;        // common rows: the register number; channel rows: k of 40000 + 100·n + k
    QString low, high;  // the two texts of a TwoState row

    // Registers the field occupies on the wire.
    int registerCount() const;
    // Bytes the field occupies in the image.
    int byteCount() const;
};

// Rows of the common table, 1..69 (index = row - 1).
const QVector<ParamField>& CommonFields();
// Rows of the channel table, 1..61, for a set of the given firmware (in hundredths): from
// 1.50 rows 12 and 13 hold the reference junction and its temperature (a single over the
// bytes of rows 13 and 15 before), row 14 has no field, and row 15 moves to the bytes row 14
// leaves free, so that every register of the channel block keeps a place of its own.
const QVector<ParamField>& ChannelFields(int versionHundredths);

constexpr int CommonRows = 69;
constexpr int ChannelRows = 61;
constexpr int FilePrefixRow = 69;
constexpr int ProtocolRows[] = {32, 39};
// The machine addresses (RS232, RS422/485): each meter on a bus has its own, so a download to
// every meter of a bus and an audit of a bus leave them as each meter has them.
constexpr int MachineAddressRows[] = {31, 38};
constexpr int SystemDateFirstRow = 25; // rows 25..30: the meter's clock, not in the image
constexpr int SystemDateLastRow = 30;
constexpr int ReserveRunFirstRow = 18; // rows 18..24: set by the clock window, not downloaded
constexpr int ReserveRunLastRow = 24;

// Firmware thresholds, in hundredths.
constexpr int VersionPrefix = 110;   // the common block holds the file-name prefix
constexpr int VersionFormulas = 116; // formulas in the file and in the download
constexpr int VersionReferenceJunction = 150;

// A firmware version number (1.16) in hundredths (116), rounded; negative and non-finite
// numbers count as 0.
int VersionHundredths(double version);
