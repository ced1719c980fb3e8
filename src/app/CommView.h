#pragma once

#include <QWidget>

class CommEngine;
class QPushButton;
class QTableView;

// The communication view: the frame log (sprdComm) that follows the newest frame unless the
// user has scrolled up to read, the per-meter counters (sprdCommState) and "Count Clear".
class CommView : public QWidget {
    Q_OBJECT
public:
    explicit CommView(CommEngine& engine, QWidget* parent = nullptr);

    QTableView* logView() const { return m_log; }
    QTableView* countersView() const { return m_counters; }
    void scrollToNewest();

protected:
    // The frame log and the counters change with every frame: while the view is hidden their
    // models rest, and showing the view reads the tables afresh.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setModelsPaused(bool paused);

    QTableView* m_log = nullptr;
    QTableView* m_counters = nullptr;
    QPushButton* btnCountClear = nullptr;
    bool m_following = true;
    int m_keptScroll = 0;
};

// A read-only grid as the main window shows its tables.
QTableView* MakeGridView(const QString& objectName, QWidget* parent);
