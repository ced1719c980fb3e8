#pragma once

#include "core/TextTable.h"

#include <QAbstractTableModel>
#include <QPointer>

// Shows a TextTable in a QTableView: model row r / column c is table row r + 1 / column c + 1,
// and the table's header row and column give the header texts. Optionally the first
// `headerRowsInBody` data rows of the model are header rows taken from the table's rows
// 0 .. headerRowsInBody - 1 (for grids whose captions span several rows and columns).
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(TextTable* table, QObject* parent = nullptr);

    TextTable* table() const { return m_table; }
    void setShowHeaderColumn(bool show); // table column 0 as model column 0

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setEditable(bool editable) { m_editable = editable; }
    // Cells of table columns first..last aligned so (figures right, so that their decimal
    // points line up); every other cell is centred.
    void setColumnAlignment(int first, int last, Qt::Alignment alignment) {
        m_alignFirst = first;
        m_alignLast = last;
        m_alignment = alignment;
    }
    // Header cells shown in the program's language: the table keeps the text of the code,
    // the view shows QCoreApplication::translate(context, text).
    void setHeaderContext(const char* context) { m_headerContext = context; }
    // The language changed: views read the headers again.
    void languageChanged();

    // A model that nothing shows need not follow its table (the frame log changes with every
    // frame): paused, it passes on none of the table's changes; resumed, it reads the table
    // afresh, as one reset.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }

    int tableColumn(int modelColumn) const { return modelColumn + (m_showHeaderColumn ? 0 : 1); }
    int tableRow(int modelRow) const { return modelRow + 1; }
    int modelColumn(int tableColumn) const { return tableColumn - (m_showHeaderColumn ? 0 : 1); }
    int modelRow(int tableRow) const { return tableRow - 1; }

private:
    void onCellsChanged(int column1, int row1, int column2, int row2);
    void onLayoutChanged();
    void onRowCountAboutToChange(int oldRows, int newRows);
    void onRowCountChanged(int oldRows, int newRows);
    void onRowsAboutToBeDeleted(int row, int count);
    void onRowsDeleted(int row, int count);

    QPointer<TextTable> m_table;
    bool m_showHeaderColumn = false;
    bool m_editable = false;
    int m_alignFirst = -1;
    int m_alignLast = -1;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    const char* m_headerContext = nullptr;
    bool m_paused = false;
    int m_rows = 0;
    int m_columns = 0;
    enum class Pending { None, Insert, Remove, Reset } m_pending = Pending::None;
};
