#include "simlink/FactorySettings.h"

#include "comm/CommState.h"
#include "comm/ModbusRtu.h"
#include "comm/RegisterMap.h"
#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "comm/RequestTable.h"
#include "comm/TransferSequence.h"
#include "core/Clock.h"
#include "sim/SimMeter.h"

#include <cmath>

void ReadFactorySettings(DeviceTables& tables, int channels, const QString& firmwareText) {
    const double version = VersionNumber(firmwareText);
    SimMeterConfig config;
    config.channels = channels;
    config.firmware = int(std::lround(version * 100));
    VirtualClock clock;
    SimMeter meter(config, clock);

    tables.appendMeterRow(config.address);
    tables.sprdStatus.setText(4, 1, firmwareText);
    CommState state;
    state.gMeterAddress = {config.address};
    state.gChannelCount = channels;
    state.gDeviceVersion = version;
    // The upload's requests in the upload's order, each answered as the meter answers it.
    for (int code = RequestCode::RC_UPLOAD_COMMON;;) {
        const auto entry = LookupRequest(code, version);
        QList<quint16> values;
        if (!entry || meter.readHolding(entry->startRegister, entry->count, &values) != 0)
            break;
        DecodeReply(state, tables, code, BuildReadReply(config.address, values));
        const auto step = UploadStep(code, channels, version);
        if (!step || step->complete)
            break;
        code = step->next;
    }
    // The file-name prefix is each meter's own (the simulator gives each its address): a new
    // set shows the recorder's default in its place, not meter 1's.
    tables.sprdP_Common.setText(1, FilePrefixSettingsRow, QString());
}
