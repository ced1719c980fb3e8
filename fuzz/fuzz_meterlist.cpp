// The meter list file as the list dialog reads it: any bytes, any line ends, any length.
#include "FuzzFile.h"
#include "comm/MeterList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)ReadMeterListForEditing(WriteFuzzFile(data, size));
    return 0;
}
