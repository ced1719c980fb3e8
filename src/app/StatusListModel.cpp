#include "app/StatusListModel.h"

#include "comm/CommState.h"
#include "core/TextTable.h"

#include <QFont>

namespace {
constexpr int kLinkColumn = 2;
}

StatusListModel::StatusListModel(TextTable* table, const CommState& state, QObject* parent)
    : TextTableModel(table, parent)
    , m_state(state) {}

void StatusListModel::setBackoffSource(std::function<Backoff(int)> source) {
    m_backoff = std::move(source);
}

StatusListModel::Backoff StatusListModel::backoffOf(int row) const {
    return m_backoff ? m_backoff(row - 1) : Backoff{};
}

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
    if (column == kLinkColumn && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        const Backoff b = backoffOf(row);
        if (b.cycles > 0) {
            if (role == Qt::DisplayRole)
                return tr("%1, 1 in %2").arg(table()->text(kLinkColumn, row)).arg(b.cycles);
            return b.untilAsked > 0 ? tr("Backed off: asked once in %1 cycles, next in %2 cycles.")
                                          .arg(b.cycles)
                                          .arg(b.untilAsked)
                                    : tr("Backed off: asked once in %1 cycles, next in this cycle.")
                                          .arg(b.cycles);
        }
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

void StatusListModel::backoffChanged(int meter) {
    const QModelIndex cell = index(modelRow(meter + 1), modelColumn(kLinkColumn));
    if (cell.isValid())
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::ToolTipRole});
}
