#include "monitor/MultiGrid.h"

#include "comm/ChannelDisplay.h"
#include "comm/DeviceTables.h"
#include "comm/MeterModels.h"

#include <QCoreApplication>
#include <algorithm>

ModelGroup ModelGroup::ofCode(qint64 modelCode) {
    // A meter has a relay per channel and a digital input per channel, six at the most.
    const int channels = ChannelCountOfModel(modelCode);
    return {channels, std::min(channels, 6), channels};
}

MultiGrid::MultiGrid(Kind kind)
    : m_kind(kind) {}

int MultiGrid::columnCount() const {
    return m_kind == Kind::Full ? ColumnsFull : ColumnsPresentValues;
}

QVector<MultiGrid::HeaderCell> MultiGrid::headerCells() const {
    QVector<HeaderCell> cells;
    const int levels = headerLevels();
    cells.append({0, CommColumn, levels, 1,
                  QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "COMM")), true});
    cells.append(
        {0, PvColumn, 1, 12, QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "PV")), true});
    if (m_kind == Kind::PresentValues) {
        for (int k = 1; k <= 12; ++k)
            cells.append({1, PvColumn + k - 1, 1, 1, QString::number(k)});
        return cells;
    }
    cells.append({0, InputColumn, 1, 12,
                  QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "DI")), true});
    cells.append({0, RelayColumn, 1, 12,
                  QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "RELAY")), true});
    cells.append({0, AlarmColumn, 1, 48,
                  QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "ALARM")), true});
    for (int first : {PvColumn, InputColumn, RelayColumn})
        for (int k = 1; k <= 12; ++k)
            cells.append({1, first + k - 1, 2, 1, QString::number(k)});
    for (int k = 1; k <= 12; ++k) {
        cells.append(
            {1, alarmColumn(k, 1), 1, 4, QStringLiteral("CH.%1").arg(k, 2, 10, QLatin1Char('0'))});
        for (int a = 1; a <= 4; ++a)
            cells.append({2, alarmColumn(k, a), 1, 1, QString::number(a)});
    }
    return cells;
}

void MultiGrid::layout(TextTable& grid) const {
    grid.setColumnCount(columnCount());
    grid.setText(0, 0, QString::fromLatin1(QT_TRANSLATE_NOOP("MultiMonitor", "Meter")));
    for (const HeaderCell& c : headerCells())
        if (c.level == headerLevels() - 1 || c.levelSpan == headerLevels() - c.level)
            grid.setText(c.column, 0, c.text); // the lowest caption of each column
    if (m_kind == Kind::PresentValues) {
        grid.setOddEvenColours(LightGreen, Black, White, Black);
        for (int k = 7; k <= 12; ++k)
            grid.setColumnHidden(PvColumn + k - 1, true);
    } else {
        for (int i = 7; i <= 12; ++i)
            grid.setColumnHidden(InputColumn + i - 1, true); // the models have six inputs
    }
}

ModelGroup MultiGrid::groupOf(const DeviceTables& tables, int row) {
    const QString address = tables.sprdStatus.text(1, row);
    const QString code = tables.sprdStatus.text(3, row).trimmed();
    qint64 model = tables.sprdStatus.integer(3, row);
    if (code.isEmpty()) {
        const auto it = m_lastModel.constFind(address);
        if (it == m_lastModel.constEnd())
            return ModelGroup::ofCode(0); // never identified: read as the cell reads, 0
        model = *it;
    } else {
        m_lastModel.insert(address, model);
    }
    return ModelGroup::ofCode(model);
}

int MultiGrid::refresh(TextTable& grid, const DeviceTables& tables) {
    const int rows = tables.sprdMON.rowCount();
    grid.setRowCount(rows);
    if (rows == 0)
        return 0;
    int largest = 0;
    int inputs = 0;
    for (int r = 1; r <= rows; ++r) {
        const ModelGroup g = groupOf(tables, r);
        largest = std::max(largest, g.channels);
        inputs = std::max(inputs, g.inputs);
        grid.setText(0, r, tables.sprdStatus.text(1, r));
        const QString comm = tables.sprdMON.text(1, r);
        const bool ok = comm == QLatin1String("OK");
        if (m_kind == Kind::PresentValues) {
            grid.setText(CommColumn, r, ok ? QStringLiteral("O") : QStringLiteral("X"));
            grid.setForeColour(CommColumn, r, ok ? 0x008000 : Red);
        } else {
            grid.setText(CommColumn, r, comm);
            grid.setBackColour(CommColumn, r, ok ? Green : Red);
            grid.setForeColour(CommColumn, r, ok ? Black : White);
        }
        paintChannels(grid, r, g, tables);
        // Values of a meter that does not answer are its last ones: shown, but greyed.
        grid.setBlockForeColour(PvColumn, r, PvColumn + 11, r, ok ? TextTable::NoColour : Grey);
        if (m_kind == Kind::Full)
            paintInputsRelaysAlarms(grid, r, g, tables);
    }
    showColumns(grid, largest, inputs);
    return largest;
}

void MultiGrid::paintChannels(TextTable& grid, int row, const ModelGroup& g,
                              const DeviceTables& tables) const {
    const TextTable& mon = tables.sprdMON;
    const auto states =
        ChannelDisplay::DecodeChannelStates(mon.integer(6, row), mon.integer(7, row));
    for (int k = 1; k <= 12; ++k) {
        const int column = PvColumn + k - 1;
        if (k > g.channels) {
            grid.setText(column, row, QString());
            grid.setBackColour(column, row, Black);
            continue;
        }
        grid.setText(column, row,
                     states[std::size_t(k - 1)] == 0 ? mon.text(12 + k, row)
                                                     : QStringLiteral("----.-"));
        // The first two channels keep the row colours; the others are painted white.
        const bool rowColours = m_kind == Kind::Full || k <= 2;
        grid.setBackColour(column, row, rowColours ? TextTable::NoColour : White);
    }
}

void MultiGrid::paintInputsRelaysAlarms(TextTable& grid, int row, const ModelGroup& g,
                                        const DeviceTables& tables) const {
    const TextTable& mon = tables.sprdMON;
    const qint64 inputWord = mon.integer(11, row);
    for (int i = 1; i <= 6; ++i) {
        const int colour = i > g.inputs                                 ? Black
                           : ChannelDisplay::IsBitSet(inputWord, i - 1) ? Green
                                                                        : White;
        grid.setBackColour(InputColumn + i - 1, row, colour);
    }
    const qint64 relayWord = mon.integer(12, row);
    for (int i = 1; i <= 12; ++i) {
        const int colour = i > g.relays                                 ? Black
                           : ChannelDisplay::IsBitSet(relayWord, i - 1) ? Green
                                                                        : White;
        grid.setBackColour(RelayColumn + i - 1, row, colour);
    }
    // Word of channels 1..4 in column 10, 5..8 in column 9, 9..12 in column 8; bit
    // 4 (k - 1) + (a - 1) of a word is alarm a of its k-th channel.
    const qint64 words[3] = {mon.integer(10, row), mon.integer(9, row), mon.integer(8, row)};
    for (int k = 1; k <= 12; ++k)
        for (int a = 1; a <= 4; ++a) {
            const int bit = 4 * ((k - 1) % 4) + a - 1;
            const int colour = k > g.channels                                      ? Black
                               : ChannelDisplay::IsBitSet(words[(k - 1) / 4], bit) ? Red
                                                                                   : White;
            grid.setBackColour(alarmColumn(k, a), row, colour);
        }
}

void MultiGrid::showColumns(TextTable& grid, int channels, int inputs) const {
    for (int k = 1; k <= 12; ++k) {
        const bool hidden = k > channels;
        grid.setColumnHidden(PvColumn + k - 1, hidden);
        if (m_kind == Kind::Full) {
            grid.setColumnHidden(RelayColumn + k - 1, hidden);
            for (int a = 1; a <= 4; ++a)
                grid.setColumnHidden(alarmColumn(k, a), hidden);
        }
    }
    if (m_kind == Kind::Full)
        for (int i = 1; i <= 6; ++i)
            grid.setColumnHidden(InputColumn + i - 1, i > inputs);
}
