#pragma once

#include "core/TextTable.h"
#include "monitor/MonitorFactory.h"
#include "monitor/MultiGrid.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;
class QTableView;
class SpanHeaderView;
class TextTableModel;

// The multi-meter monitors: every meter on the bus in one grid row. "Multi Monitoring - PV"
// (frmTD_Mon_MultiPV) shows the link state and the twelve present values; "Multi Monitoring"
// (frmTD_Mon_Multi) adds the digital inputs, the relays and the four alarms of every channel.
// The grid is refreshed from the device tables every 500 ms and nothing is asked of a meter.
class MultiMonitor final : public QDialog {
    Q_OBJECT
public:
    MultiMonitor(MultiGrid::Kind kind, const MonitorContext& context, QWidget* parent);

    const TextTable& grid() const { return m_grid; }
    QTableView* sprdMon() const { return m_view; }
    SpanHeaderView* header() const { return m_header; }
    QTimer& tmrRefresh() { return m_timer; }
    QString warningText() const;
    // What the cells' colours and marks mean, under the grid.
    QString legendText() const;
    // The size that shows the whole grid (the window opens at most as large as the screen).
    QSize sizeHint() const override;

public Q_SLOTS:
    void tmrRefresh_Timer();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString staleText() const;
    void applyColumnLayout();
    void placeChildren();
    void fitToGrid();
    int twips(int value) const;
    qint64 nowMs() const;

    MonitorContext m_context;
    MultiGrid m_logic;
    TextTable m_grid;
    TextTableModel* m_model = nullptr;
    QTableView* m_view = nullptr;
    SpanHeaderView* m_header = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_legend = nullptr;
    QTimer m_timer;
    qint64 m_lastChangeMs = 0;
    QString m_lastChangeTime;
    QSize m_preferredSize;
};
