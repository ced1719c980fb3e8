#include "clock/ClockFrames.h"

#include "comm/ModbusRtu.h"
#include "core/TextTable.h"

#include <algorithm>

namespace {

quint16 registerValue(int value) {
    return quint16(std::clamp(value, 0, 0xFFFF));
}

} // namespace

QByteArray ReserveSwitchFrame(int slave, bool on) {
    return BuildWriteFrame(slave, ClockRegister::ReserveSwitch, {quint16(on ? 1 : 0)});
}

QByteArray ReserveFieldFrame(int slave, ClockField field, int value) {
    return BuildWriteFrame(slave, ClockRegister::ReserveStart + int(field), {registerValue(value)});
}

QByteArray ClockSetFrame(int slave, const ClockParts& parts) {
    QVector<quint16> values;
    for (int part : parts)
        values << registerValue(part);
    return BuildWriteFrame(slave, ClockRegister::DeviceClock, values);
}

QByteArray ClockReadFrame(int slave) {
    return BuildReadFrame(slave, ClockBlockFirst, ClockBlockCount);
}

namespace {
// `value(reg)`: the number the table holds for register `reg`.
template <typename Value>
DeviceClockSettings settingsOf(Value value) {
    using namespace ClockRegister;
    DeviceClockSettings s;
    s.reserveOn = value(ReserveSwitch) > 0;
    for (int i = 0; i < ClockFieldCount; ++i) {
        s.reserve[size_t(i)] = int(value(ReserveStart + i));
        s.clock[size_t(i)] = int(value(DeviceClock + i));
    }
    return s;
}
} // namespace

DeviceClockSettings DeviceClockSettings::fromCommonTable(const TextTable& t) {
    return settingsOf([&t](int reg) { return t.integer(1, reg - 40000); });
}

DeviceClockSettings DeviceClockSettings::fromMeterClocks(const TextTable& t, int row) {
    return settingsOf([&t, row](int reg) { return t.integer(reg - ClockBlockFirst + 1, row); });
}
