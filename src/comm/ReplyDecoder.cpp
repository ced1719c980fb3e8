#include "comm/ReplyDecoder.h"

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterModels.h"
#include "comm/ModbusRtu.h"
#include "comm/RegisterMap.h"
#include "comm/RequestCodes.h"
#include "core/CodePage.h"
#include "core/FloatText.h"

#include <cmath>
#include <cstring>
#include <optional>

using namespace RequestCode;
using Kind = RegisterField::Kind;

namespace {

// The data registers of a reply, bounded by the bytes actually received.
class ReplyData {
public:
    explicit ReplyData(const QByteArray& frame)
        : m_frame(frame)
        , m_registers(frame.size() >= 5 ? int((frame.size() - 5) / 2) : 0) {}

    // True when registers first .. first + count - 1 (counting from 1) are all present.
    bool holds(int first, int count) const {
        return first >= 1 && count >= 0 && first + count - 1 <= m_registers;
    }
    quint8 byte(int reg, int which) const { return quint8(m_frame[3 + 2 * (reg - 1) + which]); }
    quint16 u16(int reg) const { return quint16(byte(reg, 0) << 8 | byte(reg, 1)); }
    quint32 u32(int reg) const { return quint32(u16(reg)) << 16 | u16(reg + 1); }
    QByteArray bytes(int reg, int count) const { return m_frame.mid(3 + 2 * (reg - 1), 2 * count); }

private:
    const QByteArray& m_frame;
    int m_registers;
};

QString twoDigits(int value) {
    return QString::number(value).rightJustified(2, u'0');
}

QString clockText(const ReplyData& d, int reg) {
    return QString::number(d.u16(reg)) + u'-' + twoDigits(d.u16(reg + 1)) + u'-' +
           twoDigits(d.u16(reg + 2)) + u' ' + twoDigits(d.u16(reg + 3)) + u':' +
           twoDigits(d.u16(reg + 4)) + u':' + twoDigits(d.u16(reg + 5));
}

QString floatText(quint32 bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return FloatToText(value);
}

// The text of one field, or nothing when the reply does not hold all of it.
std::optional<QString> fieldText(const ReplyData& d, const RegisterField& f) {
    if (!d.holds(f.offset, f.registerCount()))
        return std::nullopt;
    switch (f.kind) {
    case Kind::U16:
        return QString::number(d.u16(f.offset));
    case Kind::U32:
        return QString::number(qint32(d.u32(f.offset)));
    case Kind::Float:
        return floatText(d.u32(f.offset));
    case Kind::Char:
        return DecodeCp949(d.bytes(f.offset, f.registers));
    case Kind::Version:
        return VersionText(d.byte(f.offset, 0), d.byte(f.offset, 1));
    case Kind::Clock:
        return clockText(d, f.offset);
    }
    return std::nullopt;
}

// Hands the text of every field the reply fully holds to `put(slot, text)`.
template <typename Put>
void writeFields(const ReplyData& d, const QVector<RegisterField>& fields, Put put) {
    for (const RegisterField& f : fields) {
        if (const auto text = fieldText(d, f))
            put(f.slot, *text);
    }
}

void updateChannelCount(CommState& state, int modelCode) {
    if (const int channels = ChannelCountOfModel(modelCode))
        state.gChannelCount = channels;
}

// Registers 30001..30047 into the meter's row of the present-value table.
void decodePresentValues(CommState& state, DeviceTables& tables, const ReplyData& d) {
    const int row = state.gCurMeter + 1;
    for (int n = 1; n <= 47; ++n) {
        const QString type = RegisterTypeOf(30000 + n);
        // From register 30017 on, each value (one or two registers) has one column.
        const int column = n == 1 ? 2 : n <= 16 ? n - 4 : (n - 17) / 2 + 13;
        RegisterField f{n, Kind::U16, column};
        if (n == 2) {
            f = {n, Kind::Version, 3};
        } else if (n >= 3 && n <= 8) {
            if (n > 3)
                continue; // the clock is one text of six registers
            f = {n, Kind::Clock, 4};
        } else if (type == QStringLiteral("FLOAT")) {
            f.kind = Kind::Float;
        } else if (type == QStringLiteral("U32")) {
            f.kind = Kind::U32;
        } else if (type != QStringLiteral("U16")) {
            continue; // second register of a two-register value
        }
        if (const auto text = fieldText(d, f))
            tables.sprdMON.setText(f.slot, row, *text);
    }
    if (state.gCurMeter == state.gSelMeter && d.holds(1, 1))
        updateChannelCount(state, d.u16(1));
}

void decodeProbe(CommState& state, DeviceTables& tables, const ReplyData& d) {
    const int row = state.gCurMeter + 1;
    if (d.holds(1, 1))
        tables.sprdStatus.setText(3, row, QString::number(d.u16(1)));
    const QString version = d.holds(2, 1) ? VersionText(d.byte(2, 0), d.byte(2, 1)) : QString();
    if (!version.isNull())
        tables.sprdStatus.setText(4, row, version);
    if (state.gCurMeter != state.gSelMeter)
        return;
    if (d.holds(1, 1))
        updateChannelCount(state, d.u16(1));
    if (!version.isNull())
        state.gDeviceVersion = VersionNumber(version);
}

// `registersPerSlot` registers per text, of which the first `textBytes` bytes are the text.
void decodeFormulas(const ReplyData& d, TextTable& table, int firstRow, int texts,
                    int registersPerSlot, int textBytes) {
    for (int s = 0; s < texts; ++s) {
        const int reg = 1 + s * registersPerSlot;
        const int needed = (textBytes + 1) / 2;
        if (!d.holds(reg, needed))
            continue;
        table.setText(1, firstRow + s, DecodeCp949(d.bytes(reg, needed).left(textBytes)));
    }
}

// A channel block (from its first register) of the meter addressed: into the settings tables,
// and into the meter's own columns of what the monitors show of its channels, so that these
// follow every read of its settings, not only the scan.
void decodeChannelBlock(const CommState& state, DeviceTables& tables, int channel,
                        const ReplyData& d) {
    writeFields(d, ChannelBlockFields(state.gDeviceVersion >= ChannelFloatAt19Version),
                [&](int row, const QString& text) { tables.sprdP_CH.setText(channel, row, text); });
    const int first = ChannelFirstColumn(channel);
    writeFields(d, ChannelProbeFields(), [&](int slot, const QString& text) {
        tables.sprdMON.setText(first + slot, state.gCurMeter + 1, text);
    });
}

// The clock block of the meter addressed, from a read of it alone (its registers from 1) or
// of the common settings (from 40001): into the meter's row of every meter's clocks, and for
// the selected meter into its settings as well.
void decodeClockBlock(const CommState& state, DeviceTables& tables, const ReplyData& d,
                      int firstRegister) {
    const bool selected = state.gCurMeter == state.gSelMeter;
    for (int i = 0; i < ClockBlockCount; ++i) {
        const int reg = ClockBlockFirst + i - firstRegister + 1;
        if (!d.holds(reg, 1))
            continue;
        const QString text = QString::number(d.u16(reg));
        tables.sprdMeterClock.setText(i + 1, state.gCurMeter + 1, text);
        if (selected)
            tables.sprdP_Common.setText(1, ClockBlockFirst - 40000 + i, text);
    }
}

} // namespace

QString VersionText(quint8 major, quint8 minor) {
    return QString::number(major) + u'.' + twoDigits(minor);
}

double VersionNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

void DecodeReply(CommState& state, DeviceTables& tables, int command, const QByteArray& frame) {
    const ReplyData d(frame);
    const int meterRow = state.gCurMeter + 1;
    const bool selected = state.gCurMeter == state.gSelMeter;
    tables.sprdMON.setText(1, meterRow, QStringLiteral("OK"));

    if (command == RC_POLL_STATUS) {
        if (!selected)
            return;
        if (d.holds(1, 1))
            tables.sprdP_Common.setText(1, 14, QString::number(d.u16(1)));
        if (d.holds(2, 1))
            tables.sprdP_Common.setText(1, 15, QString::number(d.u16(2)));
    } else if (command == RC_POLL_VALUES) {
        decodePresentValues(state, tables, d);
    } else if (command == RC_PROBE) {
        decodeProbe(state, tables, d);
    } else if (command == RC_READ_COMMON || command == RC_UPLOAD_COMMON) {
        const double version = VersionNumber(tables.sprdStatus.text(4, meterRow));
        writeFields(
            d, CommonSettingsFields(version >= CommonTextFieldVersion),
            [&](int row, const QString& text) { tables.sprdP_Common.setText(1, row, text); });
        decodeClockBlock(state, tables, d, 40001);
    } else if ((command >= RC_READ_CHANNEL && command <= RC_READ_CHANNEL + 11) ||
               (command >= RC_UPLOAD_CHANNEL && command <= RC_UPLOAD_CHANNEL + 11)) {
        decodeChannelBlock(state, tables, command % 100, d);
    } else if (command >= RC_PROBE_CHANNEL && command <= RC_PROBE_CHANNEL + 11) {
        const int channel = command % 900;
        const int first = ChannelFirstColumn(channel);
        writeFields(d, ChannelProbeFields(), [&](int slot, const QString& text) {
            tables.sprdMON.setText(first + slot, meterRow, text);
        });
    } else if (command == RC_SEND_CLOCK_FRAME) {
        decodeClockBlock(state, tables, d, ClockBlockFirst); // the one read a clock frame makes
    } else if (command == RC_UPLOAD_MEM_FORMULA_A) {
        decodeFormulas(d, tables.sprdFormual_Mem, 1, 6, 13, 13);
    } else if (command == RC_UPLOAD_MEM_FORMULA_B) {
        decodeFormulas(d, tables.sprdFormual_Mem, 7, 6, 13, 13);
    } else if (command >= RC_UPLOAD_CH_FORMULA && command <= RC_UPLOAD_CH_FORMULA + 11) {
        decodeFormulas(d, tables.sprdFormual_CH, command - 250, 1, 50, 100);
    }
}

void DecodeWrittenChannel(const CommState& state, DeviceTables& tables, int channel,
                          const QVector<quint16>& registers) {
    // As a read reply of the same registers would bring them.
    decodeChannelBlock(state, tables, channel, ReplyData(BuildReadReply(0, registers)));
}
