// The alarm state file: any bytes as a saved table, then as the selected meter's state file.
// A table that loads saves and loads again to the same cells.
#include "FuzzFile.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/AppPaths.h"
#include "core/TextTable.h"
#include "logging/AlarmHistory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(data, size, QStringLiteral("ALM.001"));
    TextTable table;
    if (table.loadData(path)) {
        const QString again = FuzzFolder().filePath(QStringLiteral("again.tbl"));
        FUZZ_EXPECT(table.saveData(again));
        TextTable back;
        FUZZ_EXPECT(back.loadData(again));
        FUZZ_EXPECT(back.columnCount() == table.columnCount() &&
                    back.rowCount() == table.rowCount());
        for (int r = 0; r <= table.rowCount(); ++r)
            for (int c = 0; c <= table.columnCount(); ++c)
                FUZZ_EXPECT(back.text(c, r) == table.text(c, r));
    }

    // The file as the alarm history meets it when meter 1 becomes the selected one.
    CommState state;
    state.gSelAddress = 1;
    state.gSelMeter = 0;
    state.gChannelCount = 12;
    DeviceTables tables;
    tables.appendMeterRow(1);
    AlarmHistory history(state, tables, AppPaths(FuzzFolder().path()));
    history.PrepareAlarmHistory();
    FUZZ_EXPECT(tables.sprdOldALM.columnCount() >= 48 && tables.sprdOldALM.rowCount() >= 2);
    for (quint8 on : history.gAlarmState)
        (void)on;
    return 0;
}
