#pragma once

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "logging/AlarmHistory.h"
#include "monitor/MonitorFactory.h"

#include <QTemporaryDir>

// One selected meter (row 1) on line with a completed monitoring cycle, its channels on a
// 0..100 scale with one decimal, the alarm history in a folder of its own.
struct MonitorFixture {
    QTemporaryDir home;
    AppPaths paths{home.path()};
    CommState state;
    DeviceTables tables;
    VirtualClock clock;
    AlarmHistory alarms{state, tables, paths};

    explicit MonitorFixture(int channels = 12) {
        tables.appendMeterRow(1);
        state.gMeterAddress = {1};
        state.gMeterOnline = {true};
        state.gLastMeter = 0;
        state.gSelMeter = 0;
        state.gSelAddress = 1;
        state.gChannelCount = channels;
        state.gPollCycleDone = true;
        tables.sprdMON.setText(1, 1, QStringLiteral("OK"));
        tables.sprdMON.setText(4, 1, QStringLiteral("2026-03-09 14:05:09"));
        for (int ch = 1; ch <= 12; ++ch) {
            tables.sprdP_CH.setNumber(ch, 6, 1); // one decimal
            tables.sprdP_CH.setNumber(ch, 7, 3); // degrees Celsius
            tables.sprdP_CH.setNumber(ch, 10, ch - 1);
            tables.sprdP_CH.setNumber(ch, 21, 100);
            tables.sprdP_CH.setNumber(ch, 22, 0);
            setValue(ch, 50);
        }
    }
    MonitorContext context() {
        MonitorContext c;
        c.state = &state;
        c.tables = &tables;
        c.alarms = &alarms;
        c.paths = &paths;
        c.clock = &clock;
        return c;
    }
    void setValue(int channel, double value) {
        tables.sprdMON.setText(12 + channel, 1, QString::number(value));
    }
    // Alarm word of channels 1..4 (bit 4 (k - 1) + a - 1), checked as the engine would.
    void setAlarmWord1to4(int word) {
        tables.sprdMON.setNumber(10, 1, word);
        alarms.CheckAlarmHistory();
    }
};
