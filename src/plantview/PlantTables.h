#pragma once

#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterPast.h"
#include "plant/PlantState.h"

#include <QObject>
#include <map>
#include <memory>

// One node's meters in the tables the engine fills for a local bus: a row per meter in
// address order, written by the engine's own decoder from the replies the meter would give
// for its last record (present values, identification, the channels' names, units, decimals
// and ranges), its link and whether its data flows. No meter is ever the selected one: the
// monitors read every setting and alarm from the meter's own row.
struct NodeTables {
    CommState state;
    DeviceTables tables;
    // The records its node sends again from its data files after an outage.
    MeterPast past;

    // Rewrites the rows from the node as the plant knows it.
    void fill(const PlantNode& node);
    // Rewrites the row of one meter (its row must be there).
    void fillMeter(const PlantNode& node, const PlantMeter& meter);

private:
    bool rowsMatch(const PlantNode& node) const;
};

// The tables of the nodes windows are open on, kept up to date with the plant: the source
// beside the engine that the monitors read in plant mode.
class PlantTables : public QObject {
    Q_OBJECT
public:
    explicit PlantTables(const PlantState& plant, QObject* parent = nullptr);

    // The node's tables, written from the plant as it stands and kept so from then on; null
    // for a node the plant does not know.
    NodeTables* node(const QString& name);

Q_SIGNALS:
    void nodeChanged(const QString& node);

private:
    void update(const QString& node, int address);
    void takeRecord(const QString& node, int address, const PlantRecord& record);

    const PlantState& m_plant;
    std::map<QString, std::unique_ptr<NodeTables>> m_nodes;
};
