#include "plantview/PlantAlarmModel.h"

#include "core/PrintableText.h"
#include "plant/PlantState.h"

#include <QBrush>
#include <QColor>

namespace {

// A record's stamp as the meter's clock showed it: "2026-12-07 14:52:29" (its offset left out
// of the table; the file keeps it).
QString clockText(const QString& ts) {
    return ts.left(19).replace(u'T', u' ');
}

} // namespace

PlantAlarmModel::PlantAlarmModel(const PlantAlarmLog& log, const PlantState* plant, QObject* parent)
    : QAbstractTableModel(parent)
    , m_log(log)
    , m_plant(plant) {
    reload();
}

void PlantAlarmModel::reload() {
    beginResetModel();
    m_entries = m_log.entries();
    m_active = std::count_if(m_entries.cbegin(), m_entries.cend(),
                             [](const PlantAlarmEntry& e) { return !e.goneMs; });
    endResetModel();
}

int PlantAlarmModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int PlantAlarmModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString PlantAlarmModel::text(const PlantAlarmEntry& e, int column) const {
    switch (column) {
    case Node:
        return PrintableText(e.node);
    case Meter:
        return QString::number(e.address);
    case Channel: {
        QString name;
        if (m_plant) {
            const auto node = m_plant->nodes().constFind(e.node);
            if (node != m_plant->nodes().cend()) {
                const auto meter = node->meters.constFind(e.address);
                if (meter != node->meters.cend() && meter->description.isValid())
                    name = meter->description.channels.channels[size_t(e.ch - 1)].name.trimmed();
            }
        }
        return name.isEmpty() ? QString::number(e.ch)
                              : QStringLiteral("%1 %2").arg(e.ch).arg(PrintableText(name));
    }
    case Alarm:
        return tr("AL%1").arg(e.alarm);
    case Since:
        return clockText(e.came);
    case Gone:
        return e.goneMs ? clockText(e.gone) : tr("active");
    default:
        return {};
    }
}

QVariant PlantAlarmModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const PlantAlarmEntry& e = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(e, index.column());
    case Qt::ForegroundRole:
        // An alarm still active stands out; one that went reads as history.
        return e.goneMs ? QVariant() : QBrush(QColor(0xc0, 0x00, 0x00));
    case Qt::TextAlignmentRole:
        return index.column() == Meter ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant PlantAlarmModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Node:
        return tr("Node");
    case Meter:
        return tr("Meter");
    case Channel:
        return tr("Channel");
    case Alarm:
        return tr("Alarm");
    case Since:
        return tr("Since");
    case Gone:
        return tr("Gone");
    default:
        return {};
    }
}

void PlantAlarmModel::languageChanged() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_entries.size()) - 1, ColumnCount - 1));
}
