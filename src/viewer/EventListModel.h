#pragma once

#include "dataview/DataTimeLine.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// The alarm changes and silences of the time line, as a list to pick from.
class EventListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Filter { All, Alarms, NoData };
    enum Column { Time, Event, ColumnCount };

    explicit EventListModel(QObject* parent = nullptr);

    // Takes the time line's events (with its channel names) through `filter`.
    void setEvents(const DataTimeLine& timeLine, Filter filter);
    const TimeLineEvent& event(int row) const { return m_events[size_t(row)]; }
    // The first row at or after `time`, -1 when none.
    int rowAtOrAfter(qint64 time) const;
    static QString describe(const TimeLineEvent& event, const QString& channelName);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<TimeLineEvent> m_events;
    QStringList m_channelNames; // "CH03 TEMP-3", channel 1 first
};
