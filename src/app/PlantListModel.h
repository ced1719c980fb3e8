#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QTimer>

class PlantState;
struct PlantMeter;
struct PlantNode;

// The status list in plant mode: a row per meter of every node (a node without meters has
// one row of its own), with the node, the slave address, the model, the link, the clock of
// the last record and whether it is online, offline or stale.
class PlantListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NodeColumn, MeterColumn, ModelColumn, LinkColumn, ClockColumn, StateColumn };

    explicit PlantListModel(const PlantState& plant, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The node and slave address of a row (address 0: the node's own row).
    QPair<QString, int> meterAt(int row) const;
    // The row of a meter, -1 when it is not listed.
    int rowOf(const QString& node, int address) const;
    // The texts of every row, cells separated by tabs, as tests and reports read the list.
    QStringList rowTexts() const;
    void languageChanged();

private:
    void rebuild();
    const PlantMeter* meterOf(int row) const;
    const PlantNode* nodeOf(int row) const;
    enum class State { Unknown, Online, Offline, Stale };
    State stateOf(int row) const;
    static QString stateText(State state);

    static constexpr int kRebuildDelayMs = 1000;
    const PlantState& m_plant;
    QList<QPair<QString, int>> m_rows;
    QTimer m_rebuild;
};
