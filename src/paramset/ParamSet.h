#pragma once

#include "paramset/ParamImage.h"
#include "paramset/ParamTables.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

struct DeviceTables;

// One recorder's parameter set in its three forms: the tables a window shows and edits, the
// binary image (header, image, formulas) and, through LoadParameterFile / SaveParameterFile,
// the parameter file.
//
// How a parameter window uses it:
//   - show `tables` (TextTableModel over each TextTable); pages write their texts into the
//     cells, nothing else is needed while editing;
//   - after an upload completes, ShowDeviceTablesInSet() with the engine's hidden tables, the
//     selected meter's channel count and its firmware text;
//   - New: NewParameterSet(); Open: LoadParameterFile(); Save: SaveParameterFile();
//   - before a download: TakeImageFromTables(), then hand an ImageParameterSource over this
//     set to the engine and post the download;
//   - isEdited() tells which cells differ from what the last load, upload or New showed.
// The set knows its own channel count and firmware: those of the file it was loaded from, or
// of the meter it was uploaded from. The engine's gChannelCount / gDeviceVersion are the
// selected meter's; the two are compared, never silently copied into each other.
//
// A cell whose text is still the one shown keeps the image's bytes exactly, so loading a
// file and saving it gives the same bytes even where a text stands for several codes (a
// switch stored as 5, display mode 2) or a single has more digits than the table shows. Only
// edited cells are converted back.
class ParamSet {
public:
    ParamSet();
    ParamSet(const ParamSet&) = delete;
    ParamSet& operator=(const ParamSet&) = delete;

    ParamFileHeader header;
    ParamImage image;
    FormulaTable gFormulaTable;
    ParamTables tables;

    // gChannelCount of this set: 2, 4, 6 or 12.
    int channelCount() const { return m_channels; }
    // gDeviceVersion of this set, and the same in hundredths (1.16 is 116) for comparisons.
    double deviceVersion() const { return m_version / 100.0; }
    int versionHundredths() const { return m_version; }
    QString versionText() const; // "1.16"
    // Whether the formulas of channels 1 to 6 belong to the set's file (firmware 1.16 on).
    bool hasFormulasInFile() const;

    // True when the cell's text differs from what was last shown from the image (or no text
    // was shown there).
    bool isEdited(const TextTable& table, int column, int row) const;
    bool hasEdits() const;

private:
    friend void ShowImageInTables(ParamSet&);
    friend void TakeImageFromTables(ParamSet&);
    friend void ShowDeviceTablesInSet(ParamSet&, const DeviceTables&, int, const QString&);
    friend class ParamFileAccess;

    void setIdentity(int channels, int versionHundredths);
    void remember(const TextTable& table, int column, int row);
    bool unchanged(const TextTable& table, int column, int row) const;
    std::optional<QString>* shownCell(const TextTable& table, int column, int row);
    const std::optional<QString>* shownCell(const TextTable& table, int column, int row) const;
    void forgetValueCells();

    int m_channels = 12;
    int m_version = 0;
    // The text each value cell got when it was last shown, by table: sprdP by row, sprdP_CH by
    // column and row, the formula tables by row.
    std::array<std::vector<std::optional<QString>>, 4> m_shown;
};

// Rebuilds every value cell of the four tables from the image, laid out for the set's
// model and firmware. Below firmware 1.16 the formula tables are left as they are; from 1.16
// they show the formulas of every channel up to the channel count.
void ShowImageInTables(ParamSet& set);
// Converts every edited cell back into the image (before a save and before a download).
void TakeImageFromTables(ParamSet& set);
// The parameter window's refresh after an upload: the engine's hidden tables (numbers as the
// reply decoder wrote them) become this set's values and are shown, for a meter of
// `channels` channels (12 when the model code was none of the four) and firmware
// `versionText`. The protocol rows show "Modbus-RTU", and a meter without a file-name
// prefix shows "TD2009", which a save or download then writes. Reserved bytes stay as the last
// loaded file had them.
void ShowDeviceTablesInSet(ParamSet& set, const DeviceTables& device, int channels,
                           const QString& versionText);
// A new set for a meter of `channels` channels and firmware `versionText`, holding the
// settings of `settings` (a meter's factory settings); without them every value 0, as a
// refresh from empty tables shows it. The meter's clock, no part of a set, is left empty.
void NewParameterSet(ParamSet& set, int channels, const QString& versionText,
                     const DeviceTables& settings);
void NewParameterSet(ParamSet& set, int channels, const QString& versionText);
