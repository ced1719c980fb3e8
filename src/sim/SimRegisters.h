#pragma once

// Where a recorder keeps what, register by register (Modbus numbers as they travel in a
// request). Written from the recorder's register tables for the simulator alone.
namespace SimReg {

// Present-value (input) area.
constexpr int InputFirst = 30001;
constexpr int InputCount = 47;
constexpr int Model = 30001;
constexpr int Firmware = 30002;
constexpr int InputClock = 30003; // year, month, day, hour, minute, second
constexpr int CardState = 30009;
constexpr int StateHigh = 30010; // channels 7..12, two bits each
constexpr int StateLow = 30011;  // channels 1..6
constexpr int AlarmWord9to12 = 30012;
constexpr int AlarmWord5to8 = 30013;
constexpr int AlarmWord1to4 = 30014;
constexpr int DigitalInputs = 30015; // bits 0..5 inputs, bit 15 memory card present
constexpr int Relays = 30016;
constexpr int Values = 30017; // thirteen FLOATs
constexpr int CardCapacity = 30043;
constexpr int CardUsed = 30045;
constexpr int MemoryUsage = 30047;

// Common settings.
constexpr int CommonFirst = 40001;
constexpr int CommonCount = 77;
constexpr int CommonCountOld = 74; // before firmware 1.10 the file prefix is missing
constexpr int PrefixFirmware = 110;
constexpr int RecordOn = 40001;
constexpr int RecordWithBuffer = 40014;
constexpr int ReserveOn = 40018;
constexpr int ReserveTime = 40019;
constexpr int DeviceClock = 40025; // year .. second, the same clock as 30003..30008
constexpr int Rs232 = 40031;       // address, protocol, baud code, parity, data, stop, delay
constexpr int Rs485 = 40038;
constexpr int DigitalInput = 40045; // six records of 5: level, record, relay, on-time (U32)
constexpr int DigitalInputSize = 5;
constexpr int FilePrefix = 40075; // CHAR3

// Channel blocks: channel n (1..12) owns channelBase(n) + k, k = 1..93.
constexpr int MaxChannels = 12;
constexpr int ChannelSize = 93;
constexpr int channelBase(int channel) {
    return 40000 + 100 * channel;
}
namespace Ch {
constexpr int Name = 1;     // CHAR5
constexpr int UnitText = 6; // CHAR3
constexpr int Display = 9;
constexpr int RangeCode = 10;
constexpr int Scale = 11;
constexpr int Decimals = 12;
constexpr int UnitCode = 13;
constexpr int ReadMode = 14;
constexpr int ReadTime = 15;
constexpr int Colour = 16; // colour index 0..11
constexpr int Math = 17;
constexpr int MathType = 18; // from firmware 1.50: reference junction
constexpr int MathA = 19;    // from firmware 1.50: 19..20 one FLOAT, reference temperature
constexpr int MathBSelect = 20;
constexpr int MathBChannel = 21;
constexpr int MathBConst = 22; // FLOATs from here
constexpr int UserMax = 24;
constexpr int UserMin = 26;
constexpr int ScaleMax = 28;
constexpr int ScaleMin = 30;
constexpr int DisplayMax = 32;
constexpr int DisplayMin = 34;
constexpr int OffsetError = 36;
constexpr int HighPointError = 38;
constexpr int LowPointError = 40;
constexpr int Alarm = 42; // four alarms of 13 registers
constexpr int AlarmSize = 13;
// Within an alarm:
constexpr int AlSetValue = 0; // FLOAT
constexpr int AlHysteresis = 2;
constexpr int AlRate = 4;
constexpr int AlType = 6;
constexpr int AlCompared = 7;
constexpr int AlTimeUnit = 8;
constexpr int AlRecord = 9;
constexpr int AlRelay = 10;
constexpr int AlOnTime = 11; // U32
constexpr int alarm(int number, int field) {
    return Alarm + AlarmSize * (number - 1) + field;
}
} // namespace Ch
constexpr int ReferenceFirmware = 150;

// Formulas.
constexpr int MemFormulaFirst = 47001; // twelve slots of 13
constexpr int MemFormulaSlot = 13;
constexpr int MemFormulaSlots = 12;
constexpr int ChFormulaSize = 50;
constexpr int chFormulaBase(int channel) {
    return 50001 + 100 * channel;
}

// Modbus exception codes.
constexpr int IllegalFunction = 1;
constexpr int IllegalAddress = 2;
constexpr int IllegalValue = 3;
constexpr int DeviceFailure = 4;

} // namespace SimReg
