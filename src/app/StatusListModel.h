#pragma once

#include "widgets/TextTableModel.h"

#include <functional>

struct CommState;

// The meter status list as the main window shows it: the selected meter's row in bold, the
// model code explained by its channel count, and a meter the cycle backs off from marked in
// its link cell ("NG, 1 in 4": asked once in four cycles).
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

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The selected meter changed: repaint the rows.
    void selectionChanged();
    // Meter index k's back-off may have changed: repaint its link cell.
    void backoffChanged(int meter);

private:
    Backoff backoffOf(int row) const;

    const CommState& m_state;
    std::function<Backoff(int)> m_backoff;
};
