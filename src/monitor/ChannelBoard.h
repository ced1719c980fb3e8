#pragma once

#include <QList>
#include <QWidget>

// Lays the channels of a monitor out in rows that suit the window: of the column counts it is
// given, those at which every channel gets at least its minimum size are candidates, and of
// them the one at which the channels come closest to their preferred size wins (on a wide
// screen twelve bars in a row, on a laptop two rows of six). The last column count is the one
// the board's own minimum size is made for, so that a window at its minimum still shows every
// channel whole.
class ChannelBoard : public QWidget {
    Q_OBJECT
public:
    ChannelBoard(QList<int> columnChoices, QWidget* parent = nullptr);

    // Items are shown in the order they are added, row by row.
    void addItem(QWidget* item);
    void setSpacing(int spacing);
    int columns() const { return m_columns; }
    QSize cellSize() const { return m_cell; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The channels were laid out anew, each in a cell of this size.
    void arranged(QSize cell);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A channel whose contents changed size asks for room again.
    bool event(QEvent* event) override;

private:
    int rowsOf(int columns) const;
    QSize boardSize(int columns, QSize item) const;
    QSize itemMinimum() const;
    QSize itemHint() const;
    void arrange();

    QList<int> m_choices;
    QList<QWidget*> m_items;
    int m_spacing = 8;
    int m_columns = 0;
    QSize m_cell;
};
