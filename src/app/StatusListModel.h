#pragma once

#include "widgets/TextTableModel.h"

#include <QRgb>
#include <functional>
#include <map>

class ClockDrift;
struct CommState;

// The meter status list as the main window shows it: the selected meter's row in bold, the
// model code explained by its channel count, and a meter the cycle backs off from marked in
// its link cell ("NG, 1 in 4": asked once in four cycles). With a clock drift source it has one
// more column, "Clock": how far each meter's clock is off the PC's, amber once it is worth
// setting.
class StatusListModel : public TextTableModel {
    Q_OBJECT
public:
    StatusListModel(TextTable* table, const CommState& state, QObject* parent = nullptr);

    // Where the back-off of meter index k comes from: its interval in cycles (0 = asked in
    // every cycle) and the cycles left until it is asked again.
    struct Backoff {
        int cycles = 0;
        int untilAsked = 0;
    };
    void setBackoffSource(std::function<Backoff(int meter)> source);
    void setClockDrift(const ClockDrift* drift);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // The model column of the clock drift, -1 without a drift source.
    int driftColumn() const;
    // The selected meter changed: repaint the rows.
    void selectionChanged();
    // Meter index k's back-off may have changed: repaint its link cell.
    void backoffChanged(int meter);
    // Meter index k's clock was read again.
    void driftChanged(int meter);

private:
    Backoff backoffOf(int row) const;
    QVariant driftData(int row, int role) const;
    // Announces the cell only when its text or colours differ from what it last announced:
    // the engine reports every poll, and a repaint lays out every text of the row again.
    void announceIfChanged(const QModelIndex& cell);

    struct Look {
        QString text;
        QRgb back = 0;
        QRgb fore = 0;
        bool operator==(const Look&) const = default;
    };
    Look lookOf(const QModelIndex& cell) const;
    std::map<std::pair<int, int>, Look> m_announced; // (row, column) -> look

    const CommState& m_state;
    std::function<Backoff(int)> m_backoff;
    const ClockDrift* m_drift = nullptr;
};
