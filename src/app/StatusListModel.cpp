#include "app/StatusListModel.h"

#include "clock/ClockDrift.h"
#include "comm/CommState.h"
#include "comm/MeterModels.h"
#include "core/TextTable.h"

#include <QBrush>
#include <QFont>

namespace {
constexpr int kLinkColumn = 2;
const QColor kNoticeBack(0xff, 0xc8, 0x57); // amber
const QColor kNoticeText(0x4a, 0x30, 0x00);
} // namespace

StatusListModel::StatusListModel(TextTable* table, const CommState& state, QObject* parent)
    : TextTableModel(table, parent)
    , m_state(state) {
    setHeaderContext("DeviceTables");
    // After a reset or a change of rows the views read every cell again.
    const auto forget = [this] { m_announced.clear(); };
    connect(this, &QAbstractItemModel::modelReset, this, forget);
    connect(this, &QAbstractItemModel::layoutChanged, this, forget);
    connect(this, &QAbstractItemModel::rowsInserted, this, forget);
    connect(this, &QAbstractItemModel::rowsRemoved, this, forget);
}

void StatusListModel::setBackoffSource(std::function<Backoff(int)> source) {
    m_backoff = std::move(source);
}

void StatusListModel::setClockDrift(const ClockDrift* drift) {
    beginResetModel();
    m_drift = drift;
    endResetModel();
}

int StatusListModel::driftColumn() const {
    return m_drift ? TextTableModel::columnCount() : -1;
}

int StatusListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return TextTableModel::columnCount() + (m_drift ? 1 : 0);
}

QVariant StatusListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == driftColumn() && section >= 0) {
        if (role == Qt::DisplayRole)
            return tr("Clock");
        if (role == Qt::ToolTipRole)
            return tr("How far the meter's clock is off the PC's (+ ahead, - behind), read with "
                      "every poll. Amber past %1 s: set it with Date/Time Reserve.")
                .arg(ClockDrift::NoticeSeconds);
        return {};
    }
    return TextTableModel::headerData(section, orientation, role);
}

QVariant StatusListModel::driftData(int row, int role) const {
    const auto reading = m_drift->reading(row - 1);
    if (!reading)
        return role == Qt::TextAlignmentRole ? QVariant(int(Qt::AlignCenter)) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return reading->isValid() ? ClockDrift::driftText(reading->seconds) : tr("no date");
    case Qt::ToolTipRole:
        if (!reading->isValid())
            return tr("The meter reports \"%1\", which is no date and time.")
                .arg(reading->meterText.trimmed());
        return tr("Meter clock %1, PC clock %2: %3.")
            .arg(reading->meterText,
                 reading->pcTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                 ClockDrift::driftSentence(reading->seconds));
    case Qt::BackgroundRole:
        return reading->needsNotice() ? QVariant(QBrush(kNoticeBack)) : QVariant();
    case Qt::ForegroundRole:
        return reading->needsNotice() ? QVariant(QBrush(kNoticeText)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

StatusListModel::Backoff StatusListModel::backoffOf(int row) const {
    return m_backoff ? m_backoff(row - 1) : Backoff{};
}

QVariant StatusListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table())
        return {};
    const int row = tableRow(index.row());
    const int column = tableColumn(index.column());
    if (index.column() == driftColumn() && role != Qt::FontRole)
        return driftData(row, role);
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
    announceIfChanged(index(modelRow(meter + 1), modelColumn(kLinkColumn)));
}

void StatusListModel::driftChanged(int meter) {
    announceIfChanged(index(modelRow(meter + 1), driftColumn()));
}

StatusListModel::Look StatusListModel::lookOf(const QModelIndex& cell) const {
    const auto rgba = [&](int role) {
        const QVariant brush = data(cell, role);
        return brush.isValid() ? brush.value<QBrush>().color().rgba() : QRgb(0);
    };
    return {data(cell, Qt::DisplayRole).toString(), rgba(Qt::BackgroundRole),
            rgba(Qt::ForegroundRole)};
}

void StatusListModel::announceIfChanged(const QModelIndex& cell) {
    if (!cell.isValid())
        return;
    // Tool tips are read when shown, so a change of tool tip alone needs no repaint.
    Look look = lookOf(cell);
    const auto [it, added] = m_announced.try_emplace({cell.row(), cell.column()}, look);
    if (!added) {
        if (it->second == look)
            return;
        it->second = std::move(look);
    }
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::BackgroundRole, Qt::ForegroundRole});
}
