#include "viewer/EventListModel.h"

#include "core/PrintableText.h"
#include "dataview/TimeTicks.h"
#include "logging/DataTime.h"

#include <QBrush>
#include <QColor>

EventListModel::EventListModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void EventListModel::setEvents(const DataTimeLine& timeLine, Filter filter) {
    beginResetModel();
    m_events.clear();
    for (const TimeLineEvent& e : timeLine.events()) {
        const bool silence = e.kind == TimeLineEvent::Kind::NoData;
        if (filter == All || (filter == NoData) == silence)
            m_events.push_back(e);
    }
    m_channelNames.clear();
    for (int ch = 1; ch <= 12; ++ch) {
        const QString name = PrintableText(timeLine.header().channels[size_t(ch - 1)].name);
        m_channelNames << QStringLiteral("CH%1").arg(ch, 2, 10, QChar(u'0')) +
                              (name.isEmpty() ? QString() : u' ' + name);
    }
    endResetModel();
}

int EventListModel::rowAtOrAfter(qint64 time) const {
    const auto it = std::lower_bound(m_events.begin(), m_events.end(), time,
                                     [](const TimeLineEvent& e, qint64 t) { return e.time < t; });
    return it == m_events.end() ? -1 : int(it - m_events.begin());
}

QString EventListModel::describe(const TimeLineEvent& e, const QString& channelName) {
    switch (e.kind) {
    case TimeLineEvent::Kind::AlarmOn:
        return tr("%1: alarm %2 on").arg(channelName).arg(e.alarm);
    case TimeLineEvent::Kind::AlarmOff:
        return tr("%1: alarm %2 off").arg(channelName).arg(e.alarm);
    case TimeLineEvent::Kind::NoData:
        return tr("No data for %1, to %2")
            .arg(SpanText(double(e.until - e.time)), DataTime::text(e.until).mid(11));
    }
    return {};
}

int EventListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_events.size());
}

int EventListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_events.size()))
        return {};
    const TimeLineEvent& e = m_events[size_t(index.row())];
    if (role == Qt::DisplayRole) {
        if (index.column() == Time)
            return DataTime::text(e.time);
        return describe(e, m_channelNames.value(e.channel - 1));
    }
    if (role == Qt::ForegroundRole && e.kind == TimeLineEvent::Kind::AlarmOn)
        return QBrush(QColor(0xC0, 0x10, 0x10));
    if (role == Qt::ForegroundRole && e.kind == TimeLineEvent::Kind::NoData)
        return QBrush(QColor(0x70, 0x70, 0x70));
    return {};
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == Time ? tr("Time") : tr("Event");
}
