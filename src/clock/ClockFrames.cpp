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

DeviceClockSettings DeviceClockSettings::fromCommonTable(const TextTable& t) {
    using namespace ClockRegister;
    DeviceClockSettings s;
    const auto row = [](int reg) { return reg - 40000; };
    s.reserveOn = t.number(1, row(ReserveSwitch)) > 0;
    for (int i = 0; i < ClockFieldCount; ++i) {
        s.reserve[size_t(i)] = int(t.integer(1, row(ReserveStart) + i));
        s.clock[size_t(i)] = int(t.integer(1, row(DeviceClock) + i));
    }
    return s;
}
