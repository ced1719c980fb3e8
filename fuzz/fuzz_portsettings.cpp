// The port settings file as found on disk: any bytes, any line ends, any length.
#include "FuzzFile.h"
#include "comm/PortSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PortSettings s = LoadPortSettings(WriteFuzzFile(data, size));
    (void)s.lineSettings();
    (void)s.txIntervalMs();
    (void)s.frameSilenceUs();
    return 0;
}
