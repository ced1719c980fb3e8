#include "plantview/PlantTables.h"

#include "comm/ReplyDecoder.h"
#include "comm/RequestCodes.h"
#include "plantview/MeterReplies.h"

using namespace RequestCode;

namespace {

// Data flows from a meter while its node is on line and its last record is fresh.
bool dataFlows(const PlantNode& node, const PlantMeter& meter) {
    return node.state != u"offline" && meter.hasRecord() && !meter.stale;
}

} // namespace

bool NodeTables::rowsMatch(const PlantNode& node) const {
    if (state.gMeterAddress.size() != node.meters.size())
        return false;
    int i = 0;
    for (auto it = node.meters.cbegin(); it != node.meters.cend(); ++it, ++i)
        if (state.gMeterAddress[i] != it.key())
            return false;
    return true;
}

void NodeTables::fill(const PlantNode& node) {
    if (!rowsMatch(node)) {
        tables.clearMeterRows();
        state.gMeterAddress.clear();
        for (auto it = node.meters.cbegin(); it != node.meters.cend(); ++it) {
            tables.appendMeterRow(it.key());
            state.gMeterAddress.append(it.key());
        }
        state.gMeterOnline = QVector<bool>(state.gMeterAddress.size(), false);
        state.gLastMeter = int(state.gMeterAddress.size()) - 1;
    }
    // No meter is selected; every monitoring cycle is complete as soon as a record is in.
    state.gSelMeter = -1;
    state.gSelAddress = 0;
    state.gPollCycleDone = true;
    for (const PlantMeter& meter : node.meters)
        fillMeter(node, meter);
}

void NodeTables::fillMeter(const PlantNode& node, const PlantMeter& meter) {
    const int index = int(state.gMeterAddress.indexOf(meter.address));
    if (index < 0)
        return;
    state.gCurMeter = index;
    const int row = index + 1;
    if (meter.description.isValid()) {
        DecodeReply(state, tables, RC_PROBE, MeterReplies::Identification(meter));
        const DataHeader& header = meter.description.channels;
        for (int ch = 1; ch <= meter.description.channelCount; ++ch)
            DecodeReply(state, tables, ChannelCode(RC_PROBE_CHANNEL, ch),
                        MeterReplies::ChannelProbe(meter.address, header.channels[size_t(ch - 1)]));
    }
    if (meter.hasRecord())
        DecodeReply(state, tables, RC_POLL_VALUES, MeterReplies::PresentValues(meter));
    // The link as the node's engine last told it; before it told, what the records say.
    const bool answering = meter.link.isEmpty() ? meter.hasRecord() : meter.link == u"OK";
    if (meter.hasRecord() || !meter.link.isEmpty())
        tables.showAnswering(row, answering);
    state.gMeterOnline[index] = dataFlows(node, meter);
}

PlantTables::PlantTables(const PlantState& plant, QObject* parent)
    : QObject(parent)
    , m_plant(plant) {
    connect(&plant, &PlantState::changed, this, &PlantTables::update);
    connect(&plant, &PlantState::recordTaken, this, &PlantTables::takeRecord);
}

NodeTables* PlantTables::node(const QString& name) {
    if (const auto it = m_nodes.find(name); it != m_nodes.end())
        return it->second.get();
    const auto known = m_plant.nodes().constFind(name);
    if (known == m_plant.nodes().cend())
        return nullptr;
    auto& tables = m_nodes[name];
    tables = std::make_unique<NodeTables>();
    tables->fill(*known);
    return tables.get();
}

void PlantTables::update(const QString& name, int address) {
    // Only the nodes a window was opened on are kept written: a plant of thousands of meters
    // would otherwise have every record decoded into tables nobody reads.
    const auto it = m_nodes.find(name);
    if (it == m_nodes.end())
        return;
    const std::unique_ptr<NodeTables>& tables = it->second;
    const auto known = m_plant.nodes().constFind(name);
    if (known == m_plant.nodes().cend()) {
        // A node that went keeps its tables empty: a monitor open on it stays, frozen.
        tables->fill(PlantNode{});
        Q_EMIT nodeChanged(name);
        return;
    }
    const auto meter = known->meters.constFind(address);
    if (address > 0 && meter != known->meters.cend() &&
        tables->state.gMeterAddress.contains(address))
        tables->fillMeter(*known, *meter);
    else
        tables->fill(*known);
    Q_EMIT nodeChanged(name);
}

void PlantTables::takeRecord(const QString& node, int address, const PlantRecord& record) {
    // Only a replayed record can belong to a past a monitor shows; a live one is the present.
    if (!record.replayed || !record.utcMs)
        return;
    const auto tables = m_nodes.find(node);
    const auto known = m_plant.nodes().constFind(node);
    if (tables == m_nodes.end() || known == m_plant.nodes().cend())
        return;
    PastRecord past;
    past.address = address;
    past.atMs = *record.utcMs;
    const auto meter = known->meters.constFind(address);
    past.holdMs = meter == known->meters.cend() ? 0 : meter->intervalMs;
    past.values.fill(ChannelDisplay::NoValue);
    for (const PlantChannel& c : record.channels)
        if (c.value && c.ch >= 1 && c.ch <= ChannelDisplay::MaxChannels)
            past.values[std::size_t(c.ch - 1)] = float(*c.value);
    tables->second->past.tell(past);
}
