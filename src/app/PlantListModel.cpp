#include "app/PlantListModel.h"

#include "core/PrintableText.h"
#include "plant/PlantState.h"

#include <QBrush>
#include <QColor>

PlantListModel::PlantListModel(const PlantState& plant, QObject* parent)
    : QAbstractTableModel(parent)
    , m_plant(plant) {
    // A plant of thousands of meters tells of each one every second: the list is rebuilt for
    // all of them once a second, the pace of their records, not once for each (which grows with
    // the square of the plant).
    m_rebuild.setSingleShot(true);
    connect(&m_rebuild, &QTimer::timeout, this, &PlantListModel::rebuild);
    // A node's own news (online, offline, gone) is shown at once.
    connect(&plant, &PlantState::changed, this, [this](const QString&, int address) {
        if (address == 0)
            m_rebuild.start(0);
        else if (!m_rebuild.isActive())
            m_rebuild.start(kRebuildDelayMs);
    });
    rebuild();
}

void PlantListModel::rebuild() {
    QList<QPair<QString, int>> rows;
    for (const PlantNode& node : m_plant.nodes()) {
        if (node.meters.isEmpty())
            rows.append({node.name, 0});
        for (const PlantMeter& meter : node.meters)
            rows.append({node.name, meter.address});
    }
    // The same rows: the cells change and the selection stays where it is.
    if (rows == m_rows) {
        if (!m_rows.isEmpty())
            Q_EMIT dataChanged(index(0, 0), index(int(m_rows.size()) - 1, StateColumn));
        return;
    }
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int PlantListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PlantListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StateColumn + 1;
}

QPair<QString, int> PlantListModel::meterAt(int row) const {
    return m_rows.value(row);
}

int PlantListModel::rowOf(const QString& node, int address) const {
    return int(m_rows.indexOf(QPair<QString, int>(node, address)));
}

const PlantNode* PlantListModel::nodeOf(int row) const {
    const auto it = m_plant.nodes().constFind(m_rows.value(row).first);
    return it == m_plant.nodes().cend() ? nullptr : &*it;
}

const PlantMeter* PlantListModel::meterOf(int row) const {
    const PlantNode* node = nodeOf(row);
    if (!node)
        return nullptr;
    const auto it = node->meters.constFind(m_rows.value(row).second);
    return it == node->meters.cend() ? nullptr : &*it;
}

PlantListModel::State PlantListModel::stateOf(int row) const {
    const PlantNode* node = nodeOf(row);
    const PlantMeter* meter = meterOf(row);
    if (!node || node->state.isEmpty())
        return State::Unknown;
    if (node->state == u"offline")
        return State::Offline;
    return meter && meter->stale ? State::Stale : State::Online;
}

QString PlantListModel::stateText(State state) {
    switch (state) {
    case State::Online:
        return tr("online");
    case State::Offline:
        return tr("offline");
    case State::Stale:
        return tr("stale");
    case State::Unknown:
        break;
    }
    return tr("unknown");
}

QVariant PlantListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const PlantMeter* meter = meterOf(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == NodeColumn ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    if (role == Qt::BackgroundRole && column == StateColumn) {
        switch (stateOf(index.row())) {
        case State::Online:
            return QBrush(QColor(0xC0, 0xFF, 0xC0));
        case State::Offline:
            return QBrush(QColor(0xFF, 0xC8, 0xC8));
        case State::Stale:
            return QBrush(QColor(0xFF, 0xE8, 0xA8));
        case State::Unknown:
            break;
        }
        return {};
    }
    if (role == Qt::BackgroundRole && column == LinkColumn && meter && meter->link == u"NG")
        return QBrush(QColor(0x30, 0x30, 0x30));
    if (role == Qt::ForegroundRole && column == LinkColumn && meter && meter->link == u"NG")
        return QBrush(Qt::white);
    if (role != Qt::DisplayRole)
        return {};
    switch (column) {
    case NodeColumn:
        return PrintableText(m_rows[index.row()].first);
    case MeterColumn:
        return meter ? QVariant(meter->address) : QVariant();
    case ModelColumn:
        return meter && meter->description.isValid() ? tr("%1 (%2 ch)")
                                                           .arg(meter->description.modelCode)
                                                           .arg(meter->description.channelCount)
                                                     : QString();
    case LinkColumn:
        return meter ? meter->link : QString();
    case ClockColumn:
        return meter && meter->hasRecord() ? meter->ts.left(19).replace(u'T', u' ') : QString();
    case StateColumn:
        return stateText(stateOf(index.row()));
    }
    return {};
}

QVariant PlantListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NodeColumn:
        return tr("Node");
    case MeterColumn:
        return tr("Meter");
    case ModelColumn:
        return tr("Model");
    case LinkColumn:
        return tr("Link");
    case ClockColumn:
        return tr("Last record");
    case StateColumn:
        return tr("State");
    }
    return {};
}

QStringList PlantListModel::rowTexts() const {
    QStringList out;
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < columnCount(); ++c)
            cells << data(index(r, c)).toString();
        out << cells.join(u'\t');
    }
    return out;
}

void PlantListModel::languageChanged() {
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, StateColumn);
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_rows.size()) - 1, StateColumn));
}
