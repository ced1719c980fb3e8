#pragma once

#include "clock/ClockFields.h"
#include "comm/RegisterMap.h"

#include <QByteArray>

class TextTable;

// Where a recorder keeps its reserved start and its clock (holding registers, one part each;
// row r of the common settings table holds register 40000 + r).
namespace ClockRegister {
constexpr int ReserveSwitch = ClockBlockFirst; // 40018: 1 on, 0 off
constexpr int ReserveStart = 40019;            // year, month, day, hour, minute, second
constexpr int DeviceClock = 40025;             // year, month, day, hour, minute, second
constexpr int FirstRow = ReserveSwitch - 40000;
constexpr int LastRow = DeviceClock + ClockFieldCount - 1 - 40000;
} // namespace ClockRegister

// The complete write frames (function 16, CRC included) that set a meter's clock and its
// reserved start; the engine sends them as they stand.
//
// The reserve switch: "ON" writes 1, "OFF" 0.
QByteArray ReserveSwitchFrame(int slave, bool on);
// One part of the reserved start, in its own register.
QByteArray ReserveFieldFrame(int slave, ClockField field, int value);
// The device clock, all six parts from 40025 in one write.
QByteArray ClockSetFrame(int slave, const ClockParts& parts);

// The read of a meter's reserved start and clock alone (registers 40018 to 40030).
QByteArray ClockReadFrame(int slave);

// A meter's reserved start and clock as last read: of the selected meter from its settings
// (common settings rows 18 to 30), of any meter from its row of every meter's clocks.
struct DeviceClockSettings {
    bool reserveOn = false;
    ClockParts reserve{};
    ClockParts clock{};

    static DeviceClockSettings fromCommonTable(const TextTable& sprdP_Common);
    static DeviceClockSettings fromMeterClocks(const TextTable& sprdMeterClock, int row);
};
