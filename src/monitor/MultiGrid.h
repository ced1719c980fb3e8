#pragma once

#include <QHash>
#include <QString>
#include <QVector>

class TextTable;
struct DeviceTables;

// What a meter model has, by its model group (model code / 10): 0 two channels, 1 six,
// 2 twelve (with six inputs), 4 four channels with four inputs and four relays. Any other
// group is a model this program does not know: none of its cells is claimed.
struct ModelGroup {
    int channels = 0;
    int inputs = 0;
    int relays = 0;
    bool known() const { return channels > 0; }
    static ModelGroup ofCode(qint64 modelCode);
};

// The two multi-meter grids as tables: one row per meter (row r is meter row r of the device
// tables), the meter number in the header column 0, "COMM" in column 1, then the channel
// values, and in the full grid the digital inputs, relays and the four alarms of every
// channel. The refresh copies from the device tables only and paints every cell a meter's
// model does not have black.
class MultiGrid {
public:
    enum class Kind { PresentValues, Full };

    // First columns of the groups and the column counts.
    static constexpr int CommColumn = 1;
    static constexpr int PvColumn = 2;     // channel k at 1 + k
    static constexpr int InputColumn = 14; // input i at 13 + i
    static constexpr int RelayColumn = 26; // relay i at 25 + i
    static constexpr int AlarmColumn = 38; // alarm a of channel k at 38 + 4(k - 1) + a - 1
    static constexpr int ColumnsPresentValues = 13;
    static constexpr int ColumnsFull = 85;

    static constexpr int Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Green = 0x00FF00,
                         LightGreen = 0xC0FFC0, Grey = 0x909090;

    // A caption over the columns: `level` 0 is the top header row.
    struct HeaderCell {
        int level = 0;
        int column = 1; // first table column
        int levelSpan = 1;
        int columnSpan = 1;
        QString text;
        // A caption of the code, shown in the program's language (not a number or a channel).
        bool caption = false;
    };

    explicit MultiGrid(Kind kind);

    Kind kind() const { return m_kind; }
    int columnCount() const;
    int headerLevels() const { return m_kind == Kind::Full ? 3 : 2; }
    QVector<HeaderCell> headerCells() const;

    // Lays the grid out as the window opens: columns, row colours, the columns hidden at first.
    void layout(TextTable& grid) const;
    // One refresh from the device tables. Returns the largest channel count among the meters
    // (0 without meters, when the column visibility is left as it was).
    int refresh(TextTable& grid, const DeviceTables& tables);

    static int alarmColumn(int channel, int alarm) {
        return AlarmColumn + 4 * (channel - 1) + alarm - 1;
    }

private:
    ModelGroup groupOf(const DeviceTables& tables, int row);
    void paintChannels(TextTable& grid, int row, const ModelGroup& g,
                       const DeviceTables& tables) const;
    void paintInputsRelaysAlarms(TextTable& grid, int row, const ModelGroup& g,
                                 const DeviceTables& tables) const;
    void showColumns(TextTable& grid, int channels, int inputs) const;

    Kind m_kind;
    // The last model code seen per meter address: closing the port clears the model codes of
    // the status list, and a meter must not be shown as another model for that.
    QHash<QString, qint64> m_lastModel;
};
