#include "app/StatusListModel.h"

#include "comm/CommState.h"
#include "core/TextTable.h"

#include <QFont>

StatusListModel::StatusListModel(TextTable* table, const CommState& state, QObject* parent)
    : TextTableModel(table, parent)
    , m_state(state) {}

QVariant StatusListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table())
        return {};
    const int row = tableRow(index.row());
    const int column = tableColumn(index.column());
    if (role == Qt::FontRole) {
        if (m_state.gSelAddress > 0 && table()->integer(1, row) == m_state.gSelAddress) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    }
    if (role == Qt::ToolTipRole && column == 3 && !table()->text(3, row).isEmpty()) {
        const int channels = ChannelCountOfModel(table()->integer(3, row));
        return channels ? tr("%1 channels").arg(channels) : tr("Unknown model");
    }
    return TextTableModel::data(index, role);
}

void StatusListModel::selectionChanged() {
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
}
