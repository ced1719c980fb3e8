// The meter list file, as the list dialog reads it and as start-up builds the meter tables
// from it: any bytes, any line ends, any length.
#include "FuzzFile.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(data, size);
    (void)ReadMeterListForEditing(path);
    CommState state;
    DeviceTables tables;
    LoadMeterList(path, state, tables);
    FUZZ_EXPECT(state.gLastMeter + 1 == state.gMeterAddress.size());
    FUZZ_EXPECT(tables.sprdStatus.rowCount() == state.gMeterAddress.size());
    return 0;
}
