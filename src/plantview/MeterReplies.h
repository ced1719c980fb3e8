#pragma once

#include "plant/PlantState.h"

#include <QByteArray>

struct DataChannel;

// The read replies a meter would give for what the broker tells of it, so that the engine's
// own decoder writes a remote meter's tables exactly as it writes a meter on the local bus.
// Each is a whole reply frame: slave address, function 3, byte count, data and CRC.
namespace MeterReplies {

// The present values (30001, 47 registers): model, firmware, the record's clock as it was
// stamped, channel states, alarm words and values. A channel without a value reads invalid.
QByteArray PresentValues(const PlantMeter& meter);
// The identification (30001, 2 registers): model code and firmware.
QByteArray Identification(const PlantMeter& meter);
// The first registers of a channel block (40001 + 100n, 35 registers) with the channel's name,
// unit, decimals and display range.
QByteArray ChannelProbe(int address, const DataChannel& channel);

} // namespace MeterReplies
