#pragma once

#include <QHeaderView>
#include <QVector>

// A horizontal header of several rows whose captions may span columns and rows, which
// QHeaderView itself cannot do. Captions are given by model column; hidden columns take no
// room, and a caption over hidden columns only shrinks or disappears.
class SpanHeaderView : public QHeaderView {
    Q_OBJECT
public:
    struct Cell {
        int level = 0;
        int section = 0; // first model column
        int levelSpan = 1;
        int sectionSpan = 1;
        QString text;
    };

    explicit SpanHeaderView(QWidget* parent = nullptr);

    void setCells(int levels, const QVector<Cell>& cells);
    int levels() const { return m_levels; }
    const QVector<Cell>& cells() const { return m_cells; }
    // Where a caption is drawn in the viewport; empty when all its columns are hidden.
    QRect cellRect(const Cell& cell) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int levelHeight() const;

    int m_levels = 1;
    QVector<Cell> m_cells;
};
