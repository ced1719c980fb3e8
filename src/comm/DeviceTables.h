#pragma once

#include "core/TextTable.h"

// The tables that hold every decoded value as text, addressed by row and column from 1.
// Row r of sprdMON, sprdStatus and sprdCommState belongs to meter index r - 1.
struct DeviceTables {
    DeviceTables();

    TextTable sprdMON;         // present values per meter, columns 1..100
    TextTable sprdStatus;      // 1 address, 2 "OK"/"NG", 3 model code, 4 firmware text
    TextTable sprdCommState;   // 1 good frames, 2 time-outs, 3 bad frames
    TextTable sprdComm;        // frame log: column 0 label, columns 1.. bytes in hex
    TextTable sprdP_Common;    // common settings, rows 1..69, column 1
    TextTable sprdP_CH;        // channel settings, rows 1..61, column = channel 1..12
    TextTable sprdFormual_Mem; // memory formulas, rows 1..12, column 1
    TextTable sprdFormual_CH;  // channel formulas, rows 1..12, column 1
    TextTable sprdOldALM;      // alarm history: row 1 state, row 2 value; columns 1..48
    // Every meter's reserved start and clock as last read (row = meter index + 1): columns
    // 1..13 hold registers 40018..40030, from a read of its settings or of its clock alone.
    TextTable sprdMeterClock;

    // Removes every meter row (sprdMON, sprdStatus, sprdCommState).
    void clearMeterRows();
    // Appends one meter row with its slave address in the places the tables keep it.
    void appendMeterRow(int address);
    // Shows whether the meter of row `row` answers: "OK" on green or "NG" on black in the
    // status list; a meter that does not answer also reads "NG" in its present values.
    void showAnswering(int row, bool answering);
};
