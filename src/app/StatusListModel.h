#pragma once

#include "widgets/TextTableModel.h"

struct CommState;

// The meter status list as the main window shows it: the selected meter's row in bold, and
// the model code explained by its channel count.
class StatusListModel : public TextTableModel {
    Q_OBJECT
public:
    StatusListModel(TextTable* table, const CommState& state, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The selected meter changed: repaint the rows.
    void selectionChanged();

private:
    const CommState& m_state;
};
