#include "core/TextTable.h"

#include "core/FileRead.h"
#include "core/FileWrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cmath>
#include <limits>

namespace {

const char* const kSaveMagic = "TD700-TABLE 1";

QString escapeCell(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case 0:
            out += QLatin1String("\\0");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString unescapeCell(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        QChar n = text[++i];
        switch (n.unicode()) {
        case 't':
            out += u'\t';
            break;
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case '0':
            out += QChar(0);
            break;
        default:
            out += n;
        }
    }
    return out;
}

} // namespace

TextTable::TextTable(int columns, int rows, QObject* parent)
    : QObject(parent) {
    m_cells.resize(1);
    m_cells[0].resize(1);
    m_hiddenRows.resize(1);
    m_hiddenColumns.resize(1);
    setColumnCount(columns);
    setRowCount(rows);
}

void TextTable::setRowCount(int rows) {
    rows = std::max(0, rows);
    if (rows == m_rows)
        return;
    const int oldRows = m_rows;
    Q_EMIT rowCountAboutToChange(oldRows, rows);
    m_rows = rows;
    // Rows taken off are kept for the rows added next: a log that restarts when full (the
    // frame log, a row per frame) then allocates, and touches fresh memory, only once.
    for (int r = rows + 1; r <= oldRows && m_spareRows.size() < kSpareRowLimit; ++r)
        m_spareRows.push_back(std::move(m_cells[r]));
    m_cells.resize(rows + 1);
    for (int r = oldRows + 1; r <= rows; ++r) {
        QVector<Cell>& row = m_cells[r];
        if (!m_spareRows.empty()) {
            row = std::move(m_spareRows.back());
            m_spareRows.pop_back();
            row.fill(Cell{});
        }
        row.resize(m_columns + 1);
    }
    m_hiddenRows.resize(rows + 1);
    Q_EMIT rowCountChanged(oldRows, rows);
}

void TextTable::setColumnCount(int columns) {
    columns = std::max(0, columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (auto& r : m_cells)
        r.resize(columns + 1);
    m_hiddenColumns.resize(columns + 1);
    Q_EMIT layoutChanged();
}

bool TextTable::inside(int column, int row) const {
    return column >= 0 && row >= 0 && column <= m_columns && row <= m_rows;
}

TextTable::Cell* TextTable::cell(int column, int row) {
    return inside(column, row) ? &m_cells[row][column] : nullptr;
}

const TextTable::Cell* TextTable::cell(int column, int row) const {
    return inside(column, row) ? &m_cells[row][column] : nullptr;
}

QString TextTable::text(int column, int row) const {
    const Cell* c = cell(column, row);
    return c ? c->text : QString();
}

bool TextTable::setText(int column, int row, const QString& text) {
    Cell* c = cell(column, row);
    if (!c)
        return false;
    if (c->text != text) {
        c->text = text;
        Q_EMIT cellsChanged(column, row, column, row);
    }
    return true;
}

double TextTable::number(int column, int row) const {
    const Cell* c = cell(column, row);
    if (!c)
        return 0.0;
    bool ok = false;
    const double v = c->text.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

qint64 TextTable::integer(int column, int row) const {
    const double v = number(column, row);
    constexpr double lo = double(std::numeric_limits<qint64>::min());
    constexpr double hi = double(std::numeric_limits<qint64>::max());
    if (v <= lo)
        return std::numeric_limits<qint64>::min();
    if (v >= hi)
        return std::numeric_limits<qint64>::max();
    return qint64(v);
}

void TextTable::setNumber(int column, int row, qint64 value) {
    setText(column, row, QString::number(value));
}

void TextTable::addToNumber(int column, int row, qint64 delta) {
    setNumber(column, row, integer(column, row) + delta);
}

int TextTable::backColour(int column, int row) const {
    const Cell* c = cell(column, row);
    return c ? c->back : NoColour;
}

int TextTable::foreColour(int column, int row) const {
    const Cell* c = cell(column, row);
    return c ? c->fore : NoColour;
}

void TextTable::setBackColour(int column, int row, int rgb) {
    setBlockBackColour(column, row, column, row, rgb);
}

void TextTable::setForeColour(int column, int row, int rgb) {
    setBlockForeColour(column, row, column, row, rgb);
}

void TextTable::setBlockBackColour(int column1, int row1, int column2, int row2, int rgb) {
    setBlockColour(&Cell::back, column1, row1, column2, row2, rgb);
}

void TextTable::setBlockForeColour(int column1, int row1, int column2, int row2, int rgb) {
    setBlockColour(&Cell::fore, column1, row1, column2, row2, rgb);
}

void TextTable::setBlockColour(int Cell::*colour, int column1, int row1, int column2, int row2,
                               int rgb) {
    column1 = std::max(0, column1);
    row1 = std::max(0, row1);
    column2 = std::min(m_columns, column2);
    row2 = std::min(m_rows, row2);
    bool changed = false;
    for (int r = row1; r <= row2; ++r)
        for (int c = column1; c <= column2; ++c)
            if (m_cells[r][c].*colour != rgb) {
                m_cells[r][c].*colour = rgb;
                changed = true;
            }
    if (changed)
        Q_EMIT cellsChanged(column1, row1, column2, row2);
}

bool TextTable::isColumnHidden(int column) const {
    return column >= 0 && column <= m_columns && m_hiddenColumns[column];
}

bool TextTable::isRowHidden(int row) const {
    return row >= 0 && row <= m_rows && m_hiddenRows[row];
}

void TextTable::setColumnHidden(int column, bool hidden) {
    if (column < 0 || column > m_columns || m_hiddenColumns[column] == hidden)
        return;
    m_hiddenColumns[column] = hidden;
    Q_EMIT layoutChanged();
}

void TextTable::setRowHidden(int row, bool hidden) {
    if (row < 0 || row > m_rows || m_hiddenRows[row] == hidden)
        return;
    m_hiddenRows[row] = hidden;
    Q_EMIT layoutChanged();
}

void TextTable::clearData(int column1, int row1, int column2, int row2) {
    column1 = std::max(0, column1);
    row1 = std::max(0, row1);
    column2 = std::min(m_columns, column2);
    row2 = std::min(m_rows, row2);
    bool changed = false;
    for (int r = row1; r <= row2; ++r)
        for (int c = column1; c <= column2; ++c)
            if (!m_cells[r][c].text.isEmpty()) {
                m_cells[r][c].text.clear();
                changed = true;
            }
    if (changed)
        Q_EMIT cellsChanged(column1, row1, column2, row2);
}

void TextTable::clearAllData() {
    clearData(1, 1, m_columns, m_rows);
}

void TextTable::deleteRows(int row, int count) {
    if (row < 1 || row > m_rows || count <= 0)
        return;
    count = std::min(count, m_rows - row + 1);
    Q_EMIT rowsAboutToBeDeleted(row, count);
    m_cells.remove(row, count);
    m_hiddenRows.remove(row, count);
    m_rows -= count;
    Q_EMIT rowsDeleted(row, count);
}

void TextTable::addSpan(int column, int row, int columnSpan, int rowSpan) {
    m_spans.append({column, row, std::max(1, columnSpan), std::max(1, rowSpan)});
    Q_EMIT layoutChanged();
}

void TextTable::clearSpans() {
    if (m_spans.isEmpty())
        return;
    m_spans.clear();
    Q_EMIT layoutChanged();
}

void TextTable::setOddEvenColours(int oddBack, int oddFore, int evenBack, int evenFore) {
    m_oddBack = oddBack;
    m_oddFore = oddFore;
    m_evenBack = evenBack;
    m_evenFore = evenFore;
    if (m_rows > 0 && m_columns > 0)
        Q_EMIT cellsChanged(0, 1, m_columns, m_rows);
}

int TextTable::effectiveBackColour(int column, int row) const {
    const int own = backColour(column, row);
    if (own != NoColour || row < 1 || column < 1)
        return own;
    return (row % 2) ? m_oddBack : m_evenBack;
}

int TextTable::effectiveForeColour(int column, int row) const {
    const int own = foreColour(column, row);
    if (own != NoColour || row < 1 || column < 1)
        return own;
    return (row % 2) ? m_oddFore : m_evenFore;
}

bool TextTable::saveData(const QString& path, QString* error) const {
    QByteArray out = QByteArray(kSaveMagic) + '\t' + QByteArray::number(m_columns) + '\t' +
                     QByteArray::number(m_rows) + '\n';
    for (int r = 0; r <= m_rows; ++r) {
        QStringList cells;
        cells.reserve(m_columns + 1);
        for (int c = 0; c <= m_columns; ++c)
            cells << escapeCell(m_cells[r][c].text);
        out += cells.join(u'\t').toUtf8() + '\n';
    }
    return WriteFileWhole(path, out, error);
}

bool TextTable::loadData(const QString& path, QString* error) {
    QFile file;
    if (!OpenRegularFile(file, path, error))
        return false;
    const QByteArray bytes = file.readAll();
    const QList<QByteArray> lines = bytes.split('\n');
    const QList<QByteArray> head = lines.value(0).split('\t');
    bool okColumns = false, okRows = false;
    const int columns = head.value(1).toInt(&okColumns);
    const int rows = head.value(2).toInt(&okRows);
    if (head.value(0) != kSaveMagic || !okColumns || !okRows || columns < 0 || rows < 0 ||
        columns > 100000 || rows > 100000 || lines.size() < rows + 2 ||
        // Every saved row holds a tab between its cells, so a table cannot claim more cells
        // than its file has bytes (a damaged count must not ask for gigabytes).
        qint64(columns) * (rows + 1) > bytes.size()) {
        if (error)
            *error = QCoreApplication::translate("TextTable", "not a saved table");
        return false;
    }
    setColumnCount(columns);
    setRowCount(rows);
    for (int r = 0; r <= rows; ++r) {
        const QString line = QString::fromUtf8(lines[r + 1]);
        const QList<QStringView> cells = QStringView(line).split(u'\t');
        for (int c = 0; c <= columns; ++c)
            m_cells[r][c].text = c < cells.size() ? unescapeCell(cells[c]) : QString();
    }
    Q_EMIT cellsChanged(0, 0, m_columns, m_rows);
    return true;
}
