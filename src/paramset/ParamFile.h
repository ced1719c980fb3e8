#pragma once

#include "paramset/ParamImage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class ParamSet;

// A parameter file (*.CFG): the 512-byte header, the 4320-byte image and, from firmware
// 1.16, the formulas of channels 1 to 6 (756 bytes), without separators: 4832 or 5588 bytes.

struct ParamFileResult {
    bool ok = false;
    QString error;        // why the file was refused or could not be written
    QStringList warnings; // loaded, but something the user should know
};

// A file's bytes taken apart, before they touch any set.
struct ParamFileContents {
    ParamFileHeader header;
    ParamImage image;
    std::array<FormulaRec, ParamLayout::FormulaRecsInFile> formulas{};
    bool hasFormulas = false;
    int channels = 0; // 2, 4, 6 or 12
    int versionHundredths = 0;
    qsizetype extraBytes = 0; // after the parts of the file, not read
};

// Takes the bytes of a parameter file apart. Refused (nothing, `error` says why): a file too
// short for a parameter set of its firmware, a data file, or anything whose header names no
// model and firmware (a text file, zero bytes: a model code that is none of the four, firmware
// 0.00). `name` is how messages call the file.
std::optional<ParamFileContents> ParseParameterFile(const QByteArray& bytes, const QString& name,
                                                    QString* error);

// Reads a parameter file into `set` and shows it. The whole file is read and checked before
// anything changes, so a refused file leaves the set (image, tables, channel count, firmware)
// as it was. Anything but a regular file (a FIFO, a device) is refused at once, unread.
// Loaded with a warning: a longer file (the bytes after its parts are ignored). The formulas
// of channels 7 to 12, which no file holds, stay as they were.
ParamFileResult LoadParameterFile(ParamSet& set, const QString& path);
// The same from the bytes of a file already read; `name` is how messages call it, `size` the
// whole file's when `bytes` hold only its first part.
ParamFileResult LoadParameterBytes(ParamSet& set, const QByteArray& bytes, const QString& name,
                                   qint64 size = -1);

// The bytes a save writes: takes the image from the tables, fills the header's model code and
// firmware from the set, keeps every other header and image byte.
QByteArray ParameterFileBytes(ParamSet& set);
// Writes the file whole or not at all: when it fails, the old file is left as it was.
ParamFileResult SaveParameterFile(ParamSet& set, const QString& path);

// The channel count of a header model code (0 -> 2, 1 -> 6, 2 -> 12, 4 -> 4), 0 for others.
int ChannelCountOfFileModel(int modelCode);
// The size of a parameter file of the given firmware.
int ParameterFileSize(int versionHundredths);
