#include "plantview/MeterReplies.h"

#include "comm/ModbusRtu.h"
#include "comm/RegisterMap.h"
#include "core/CodePage.h"
#include "logging/DataFileReader.h"

#include <QDateTime>
#include <QVector>
#include <cstring>

using Kind = RegisterField::Kind;

namespace {

// The unit code under which a channel shows its unit as text: the broker tells the text.
constexpr int kTextUnitCode = 5;

// A block of registers, written field by field as the decoder reads them.
class RegisterImage {
public:
    explicit RegisterImage(int count)
        : m_registers(count, 0) {}

    void u16(int reg, int value) { set(reg, quint16(value)); }
    void u32(int reg, qint64 value) {
        set(reg, quint16(quint32(value) >> 16));
        set(reg + 1, quint16(quint32(value)));
    }
    void real(int reg, double value) {
        const float f = float(value);
        quint32 bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        u32(reg, bits);
    }
    void text(const RegisterField& f, const QString& text) {
        // Padded with zero bytes to the field's width, as the meter keeps it.
        QByteArray bytes = EncodeCp949(text).left(2 * f.registers);
        bytes.append(2 * f.registers - bytes.size(), '\0');
        for (int i = 0; i < f.registers; ++i)
            set(f.offset + i, quint16(quint8(bytes[2 * i]) << 8 | quint8(bytes[2 * i + 1])));
    }
    // "1.20": major and minor byte; anything else reads 0.00.
    void version(int reg, const QString& text) {
        const QStringList parts = text.split(u'.');
        const int major = parts.size() == 2 ? parts[0].toInt() : 0;
        const int minor = parts.size() == 2 ? parts[1].toInt() : 0;
        set(reg, quint16((major & 0xFF) << 8 | (minor & 0xFF)));
    }
    void clock(int reg, const QDateTime& t) {
        const int fields[] = {t.date().year(), t.date().month(),  t.date().day(),
                              t.time().hour(), t.time().minute(), t.time().second()};
        for (int i = 0; i < 6; ++i)
            set(reg + i, quint16(fields[i]));
    }

    QByteArray reply(int address) const { return BuildReadReply(address, m_registers); }

private:
    void set(int reg, quint16 value) {
        if (reg >= 1 && reg <= m_registers.size())
            m_registers[reg - 1] = value;
    }
    QVector<quint16> m_registers;
};

// The present-value registers (from 30001) of what a record holds.
enum PresentRegister {
    kModel = 1,
    kFirmware = 2,
    kClock = 3,
    kStates7to12 = 10,
    kStates1to6 = 11,
    kAlarms9to12 = 12, // alarm words: channel k of the word at bits 4k .. 4k + 3
    kAlarms5to8 = 13,
    kAlarms1to4 = 14,
    kInputs = 15,     // digital input n at bit n - 1
    kRelays = 16,     // relay n at bit n - 1
    kFirstValue = 17, // a FLOAT per channel
    kPresentCount = 47,
};

// A channel's state as the meter reports it: the record's, else invalid where it has no value.
int stateOf(const PlantChannel& c) {
    if (c.state)
        return std::clamp(*c.state, 0, 3);
    return c.value ? 0 : 1;
}

} // namespace

namespace MeterReplies {

QByteArray PresentValues(const PlantMeter& meter) {
    RegisterImage image(kPresentCount);
    if (meter.description.isValid()) {
        image.u16(kModel, meter.description.modelCode);
        image.version(kFirmware, meter.description.firmware);
    }
    const QDateTime stamp = QDateTime::fromString(meter.ts, Qt::ISODate);
    if (stamp.isValid())
        image.clock(kClock, stamp);
    int states[2] = {0, 0}; // channels 1..6, 7..12
    int alarms[3] = {0, 0, 0};
    for (const PlantChannel& c : meter.channels) {
        const int i = c.ch - 1;
        states[i / 6] |= stateOf(c) << (2 * (i % 6));
        if (c.value)
            image.real(kFirstValue + 2 * i, *c.value);
    }
    for (const PlantAlarm& a : meter.alarms)
        if (a.alarm >= 1 && a.alarm <= 4)
            alarms[(a.ch - 1) / 4] |= 1 << (4 * ((a.ch - 1) % 4) + a.alarm - 1);
    image.u16(kStates1to6, states[0]);
    image.u16(kStates7to12, states[1]);
    image.u16(kAlarms1to4, alarms[0]);
    image.u16(kAlarms5to8, alarms[1]);
    image.u16(kAlarms9to12, alarms[2]);
    image.u16(kInputs, meter.inputs.value_or(0));
    image.u16(kRelays, meter.relays.value_or(0));
    return image.reply(meter.address);
}

QByteArray Identification(const PlantMeter& meter) {
    RegisterImage image(2);
    image.u16(kModel, meter.description.modelCode);
    image.version(kFirmware, meter.description.firmware);
    return image.reply(meter.address);
}

QByteArray ChannelProbe(int address, const DataChannel& channel) {
    const QVector<RegisterField>& fields = ChannelProbeFields();
    int count = 0;
    for (const RegisterField& f : fields)
        count = std::max(count, f.offset + f.registerCount() - 1);
    RegisterImage image(count);
    // Slots 0..5: name, unit text, decimals, unit code, range high and low.
    for (const RegisterField& f : fields) {
        switch (f.slot) {
        case 0:
            image.text(f, channel.name);
            break;
        case 1:
            image.text(f, channel.unit);
            break;
        case 2:
            image.u16(f.offset, channel.decimals);
            break;
        case 3:
            image.u16(f.offset, kTextUnitCode);
            break;
        case 4:
            image.real(f.offset, channel.high);
            break;
        case 5:
            image.real(f.offset, channel.low);
            break;
        }
    }
    return image.reply(address);
}

} // namespace MeterReplies
