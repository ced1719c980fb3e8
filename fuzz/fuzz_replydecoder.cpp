// Any command code, any meter and version state, any bytes: the decoder must neither read
// past the frame nor write outside the tables.
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/ReplyDecoder.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    static DeviceTables& tables = *[] {
        auto* t = new DeviceTables;
        for (int address = 1; address <= 3; ++address)
            t->appendMeterRow(address);
        return t;
    }();
    CommState state;
    // Byte 0..1: the command (codes up to 1023 reach every range); byte 2: the addressed and
    // selected meters, out of range included; byte 3: the firmware version.
    const int command = (data[0] << 8 | data[1]) & 0x3FF;
    state.gCurMeter = (data[2] & 0x0F) - 2;
    state.gSelMeter = (data[2] >> 4) - 2;
    state.gDeviceVersion = data[3] / 50.0;
    tables.sprdStatus.setText(4, state.gCurMeter + 1, VersionText(data[3] / 50, data[3] % 50));
    const QByteArray frame(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    DecodeReply(state, tables, command, frame);
    return 0;
}
