#pragma once

#include <QString>
#include <QVector>

class ParamSet;
struct ParamField;

// One row in which two parameter sets differ.
struct ParamDifference {
    enum class Area { Model, Common, Channel, ChannelFormula, MemoryFormula, Reserved };
    Area area = Area::Common;
    int channel = 0; // channel rows and formulas
    int row = 0;
    QString key;     // the row's key ("SAVE_PERIOD_TIME"), or what differs
    QString caption; // the row's description
    QString left, right;
    bool downloaded = true; // false for rows a download does not write (the reserved start)

    QString where() const; // "common", "CH.03"
};

// The rows in which two sets differ, as a save would write them: the model and firmware,
// every common row, the channel rows of the channels both have, and the formulas of channels
// 1 to 6 when both sets keep formulas in their files. A row whose texts agree but whose
// stored values do not (a switch stored as 5 against 1) is listed with its values.
// `reserved` also counts the bytes outside every field.
QVector<ParamDifference> CompareParameterSets(const ParamSet& left, const ParamSet& right,
                                              bool reserved);

// What a download's read-back must show: every row the download wrote (the model aside) as
// it was written. With `ownFormulas` also the channel formulas of channels 7 to 12: no
// parameter file holds them, so the download wrote the meter's own back as they were read
// before it.
QVector<ParamDifference> CompareWrittenSet(const ParamSet& written, const ParamSet& readBack,
                                           bool ownFormulas);

// A cell text as a listing shows it: a character field up to its first zero byte.
QString ListedText(const QString& cell);

// Whether a download to a meter of `channels` channels and firmware `versionHundredths`
// writes every register of the row: `channel` 0 for a common row. The reserved start, for
// one, is the clock window's and no download writes it.
bool DownloadWritesRow(const ParamField& f, int channel, int channels, int versionHundredths);
// The same for the formulas of channel `channel` (its memory formula when `memory`).
bool DownloadWritesFormula(bool memory, int channel, int channels, int versionHundredths);
