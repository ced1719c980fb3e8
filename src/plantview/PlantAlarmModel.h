#pragma once

#include "plant/PlantAlarmLog.h"

#include <QAbstractTableModel>
#include <QPointer>

class PlantState;

// The plant alarm list as a table, newest first: node, meter, channel, alarm, since, gone.
// It reads the log afresh when told (the window coalesces the log's changes); channel names
// come from the meters' descriptions when a PlantState is given.
class PlantAlarmModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Node, Meter, Channel, Alarm, Since, Gone, ColumnCount };

    explicit PlantAlarmModel(const PlantAlarmLog& log, const PlantState* plant = nullptr,
                             QObject* parent = nullptr);

    void reload();
    qsizetype activeCount() const { return m_active; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // The language changed: views read the texts again.
    void languageChanged();

private:
    QString text(const PlantAlarmEntry& e, int column) const;

    const PlantAlarmLog& m_log;
    QPointer<const PlantState> m_plant;
    QList<PlantAlarmEntry> m_entries;
    qsizetype m_active = 0;
};
