#pragma once

#include "dataview/DataTimeLine.h"
#include "viewer/PlotSettings.h"

#include <QTableWidget>
#include <optional>

// The viewer's channel list: a check box per channel to show or hide its trace, its colour,
// name, unit and scale, and what it read at the cursor. Choosing a row puts that channel's
// scale on the plot's axis.
class ChannelTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Shown, Name, Range, Value, Alarms, ColumnCount };

    explicit ChannelTable(QWidget* parent = nullptr);

    void setChannels(const PlotSettings& settings);
    // The values of `record` (none: the cursor is where the meter was silent, or off the data).
    void showValues(const DataTimeLine& timeLine,
                    const std::optional<DataTimeLine::RecordRef>& record);
    int channelOfRow(int row) const;

Q_SIGNALS:
    void shownChanged(int channel, bool shown);
    void axisChannelChosen(int channel);

private:
    std::vector<PlotChannel> m_channels;
    bool m_filling = false;
};
