#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QVector>
#include <vector>

// A grid of text cells addressed by column and row, both counted from 1; column 0 and
// row 0 are the header column and header row. Every table of the program is one of these:
// hidden ones serve as the device tables, visible ones are shown through TextTableModel.
// Colours are Windows RGB values (0xBBGGRR); -1 means "not set".
class TextTable : public QObject {
    Q_OBJECT
public:
    static constexpr int NoColour = -1;

    explicit TextTable(int columns = 0, int rows = 0, QObject* parent = nullptr);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    // Lowering drops the rows beyond; raising appends empty rows; 0 removes all rows.
    void setRowCount(int rows);
    void setColumnCount(int columns);

    // Reading outside the table gives an empty text; writing outside it does nothing.
    QString text(int column, int row) const;
    bool setText(int column, int row, const QString& text);
    // The numeric value of a cell: empty or non-numeric text reads as 0.
    double number(int column, int row) const;
    // The numeric value truncated toward zero and clamped to the 64-bit range.
    qint64 integer(int column, int row) const;
    void setNumber(int column, int row, qint64 value);
    // Adds delta to the cell read as a number and writes the sum back as text.
    void addToNumber(int column, int row, qint64 delta);

    int backColour(int column, int row) const;
    int foreColour(int column, int row) const;
    void setBackColour(int column, int row, int rgb);
    void setForeColour(int column, int row, int rgb);
    // Colours a block of cells, both corners included.
    void setBlockBackColour(int column1, int row1, int column2, int row2, int rgb);
    void setBlockForeColour(int column1, int row1, int column2, int row2, int rgb);

    bool isColumnHidden(int column) const;
    bool isRowHidden(int row) const;
    void setColumnHidden(int column, bool hidden);
    void setRowHidden(int row, bool hidden);

    // Empties the texts of a block; layout, colours and spans stay.
    void clearData(int column1, int row1, int column2, int row2);
    // Empties every data cell (rows and columns from 1).
    void clearAllData();
    // Removes rows; the rows below move up.
    void deleteRows(int row, int count);

    // Header cells spanning several columns or rows (captions only).
    struct Span {
        int column, row, columnSpan, rowSpan;
        bool operator==(const Span&) const = default;
    };
    void addSpan(int column, int row, int columnSpan, int rowSpan);
    void clearSpans();
    const QVector<Span>& spans() const { return m_spans; }

    // Alternating row colours for data rows without a cell colour of their own.
    void setOddEvenColours(int oddBack, int oddFore, int evenBack, int evenFore);
    int oddBack() const { return m_oddBack; }
    int oddFore() const { return m_oddFore; }
    int evenBack() const { return m_evenBack; }
    int evenFore() const { return m_evenFore; }
    // The background a viewer should paint: the cell's own, else the odd/even colour.
    int effectiveBackColour(int column, int row) const;
    int effectiveForeColour(int column, int row) const;

    // Saves and loads the cell texts (data only, headers included). Loading replaces the
    // texts and the counts and keeps colours; a file that cannot be read changes nothing.
    bool saveData(const QString& path, QString* error = nullptr) const;
    bool loadData(const QString& path, QString* error = nullptr);

Q_SIGNALS:
    // Cells in the given block changed text or colour.
    void cellsChanged(int column1, int row1, int column2, int row2);
    // The row count went from `oldRows` to `newRows`: rows appended at the end or dropped
    // from it (the frame log grows by one row per frame; views insert, they do not reset).
    // Announced before and after, so that views can keep their own count in step.
    void rowCountAboutToChange(int oldRows, int newRows);
    void rowCountChanged(int oldRows, int newRows);
    // `count` rows from `row` are deleted; the rows below move up.
    void rowsAboutToBeDeleted(int row, int count);
    void rowsDeleted(int row, int count);
    // Column count, hidden rows/columns or spans changed.
    void layoutChanged();

private:
    struct Cell {
        QString text;
        int back = NoColour;
        int fore = NoColour;
    };
    void setBlockColour(int Cell::*colour, int column1, int row1, int column2, int row2, int rgb);
    bool inside(int column, int row) const;
    Cell* cell(int column, int row);
    const Cell* cell(int column, int row) const;

    int m_columns = 0;
    int m_rows = 0;
    QVector<QVector<Cell>> m_cells; // [row][column], header row and column included
    static constexpr std::size_t kSpareRowLimit = 2048;
    std::vector<QVector<Cell>> m_spareRows; // taken off, kept for reuse
    QVector<bool> m_hiddenColumns;          // index = column
    QVector<bool> m_hiddenRows;             // index = row
    QVector<Span> m_spans;
    int m_oddBack = NoColour, m_oddFore = NoColour, m_evenBack = NoColour, m_evenFore = NoColour;
};
