#pragma once

#include <QString>
#include <QVector>

// The value type of a present-value register: "U16", "U32", "FLOAT", or the empty text for
// the second register of a two-register value (and for registers outside the area).
QString RegisterTypeOf(int registerNumber);

// One value of a register block as the decoder writes it into a table: the value starts at
// register `offset` of the block (counting from 1) and lands in table cell `slot`, which is a
// row or a column depending on the block.
struct RegisterField {
    enum class Kind {
        U16,     // 1 register, unsigned
        U32,     // 2 registers, signed two's complement, high word first
        Float,   // 2 registers, IEEE single, high word first
        Char,    // `registers` registers of two 8-bit characters each
        Version, // 1 register: major byte, minor byte
        Clock,   // 6 registers: year, month, day, hour, minute, second
    };
    int offset;
    Kind kind;
    int slot;
    int registers = 0; // Char only

    int registerCount() const;
    bool operator==(const RegisterField&) const = default;
};

// The common settings block from 40001 into rows of the common settings table; the text
// field of registers 40075..40077 (row 69) only with `withTextField`.
const QVector<RegisterField>& CommonSettingsFields(bool withTextField);
// A channel block (40001 + 100·ch, 93 registers) into rows of the channel settings table.
// Offsets 19..20 hold two U16 before firmware 1.5 and one FLOAT from 1.5 on.
const QVector<RegisterField>& ChannelBlockFields(bool floatAt19);
// The first 35 registers of a channel block into the channel's six present-value columns,
// as slots 0..5 (add the channel's first column).
const QVector<RegisterField>& ChannelProbeFields();
// The first column of channel ch (1..12) in the present-value table.
constexpr int ChannelFirstColumn(int channel) {
    return (channel - 1) * 6 + 29;
}
// A meter's reserved start (switch, then year .. second) and its clock (year .. second): the
// registers a clock window reads on their own.
constexpr int ClockBlockFirst = 40018;
constexpr int ClockBlockCount = 13;
// The row of the common settings table that holds the file-name prefix (from firmware 1.10).
constexpr int FilePrefixSettingsRow = 69;
// Firmware versions from which the register layouts change.
constexpr double CommonTextFieldVersion = 1.1;
constexpr double ChannelFloatAt19Version = 1.5;
