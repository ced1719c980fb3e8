#pragma once

#include "plant/PlantState.h"

#include <QByteArray>

// The plant as JSON for scripts, values written with their channel's decimal places:
//   {"nodes":[{"node":"line1","state":"online","since":"...","meters":[{"address":1,
//     "model":20,"link":"OK","ts":"...","seq":17,"stale":false,
//     "channels":[{"ch":1,"value":370.0,"state":0},...],"alarms":[{"ch":3,"alarm":2}]}]}]}
QByteArray PlantJson(const PlantState& plant);
// One node; with `meters`, its meters too.
QByteArray PlantNodeJson(const PlantNode& node, bool meters);
QByteArray PlantMeterJson(const PlantMeter& meter);
// One change, as PlantState::changed() tells it: the node (address 0) or the node with the
// meter; "gone":true for one that is no more.
QByteArray PlantChangeJson(const PlantState& plant, const QString& node, int address);
// A channel's value as the meter shows it: its decimal places (those of "meta"; before one
// came, as few as the number needs).
QByteArray PlantValueText(const PlantMeter& meter, int ch, double value);
