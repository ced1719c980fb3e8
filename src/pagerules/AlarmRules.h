#pragma once

#include "pagerules/EntryRules.h"

#include <QString>

// Where the alarms and digital inputs live in the parameter tables, and the rules of their
// fields.

// The nine fields of an alarm, in their row order inside the alarm's block of the channel
// table.
enum class AlarmField {
    SetValue,
    Hysteresis,
    Rate,
    Type,
    ComparedChannel,
    TimeUnit,
    Record,
    RelayOutput,
    RelayOnTime
};
// Row of the channel table for field `f` of alarm `alarm` (1..4).
int AlarmRow(int alarm, AlarmField f);

// The four fields of a digital input, in row order in the common table.
enum class InputField { Level, Record, RelayOutput, RelayOnTime };
// Row of the common table for field `f` of digital input `input` (1..6).
int InputRow(int input, InputField f);

constexpr int AlarmsPerChannel = 4;
constexpr int DigitalInputs = 6;
constexpr int AlarmTypes = 16; // 0..15

// Which of the four type panels an alarm type shows: 0 set value and hysteresis, 1 compared
// channel and error value, 2 rate and time unit, 3 the burnout note; -1 none.
int AlarmTypePanel(int type);
// The name of an alarm type wherever it is shown (the alarm page, its picture, the parameter
// grid): "HIGH" for 3, "DEV. LOW" for 6, "BURNOUT" for 15; the types that set no value of their
// own are named by what they still do, "RECORD / RELAY". Empty outside 0..15.
QString AlarmTypeName(int type);
// The caption of the rate panel: "UP RATE" for types 7 and 9, "DOWN RATE" for 8 and 10.
QString AlarmRateCaption(int type);
// The picture of an alarm type in the program folder's Image folder: "ARM07.BMP" for type 7;
// empty for a type outside 0..15.
QString AlarmTypePictureName(int type);

// Entry limits of the alarm and input boxes.
namespace AlarmRules {
NumberRule SetValue();            // -999.99 .. 999.99
NumberRule Hysteresis();          // 0.00 .. 1999.99
NumberRule Rate();                // 0 .. 1999.99
NumberRule RelayOutput();         // 0 .. 6, 0 shown "--"
NumberRule RelayOnTime();         // 0 .. 999999 seconds
NumberRule Channel(int channels); // 1 .. the set's channel count
NumberRule Input();               // 1 .. 6
} // namespace AlarmRules
