#pragma once

#include "paramset/ParamFile.h"

#include <QString>
#include <optional>

class ParamSet;

// A parameter set is kept either as a parameter file (*.CFG) or as its text (*.txt): these
// read and write whichever a path holds or names.

// Whether the bytes are a parameter set's text: no zero byte (every parameter file has some in
// its header), and the first line that is neither blank nor a comment opens a section.
bool IsParameterText(const QByteArray& bytes);
// Whether a save to `path` writes the text form: a name ending in .txt.
bool IsTextFileName(const QString& path);

// The parts of a parameter file from either form, before they touch a set. A text is made into
// its file first (against `base` when given: a patch); a bad text gives every fault in
// `error`, one line each.
std::optional<ParamFileContents> ReadParameterContents(const QString& path, QString* error,
                                                       const ParamFileContents* base = nullptr);
// The bytes of the parameter file that `path` holds or whose text it holds.
std::optional<QByteArray> ReadParameterBytes(const QString& path, QString* error,
                                             const ParamFileContents* base = nullptr);

// LoadParameterFile for either form: a text that has a fault changes nothing.
ParamFileResult LoadParameterSetFile(ParamSet& set, const QString& path);
// SaveParameterFile, or the set's text when the name ends in .txt; whole or not at all.
ParamFileResult SaveParameterSetFile(ParamSet& set, const QString& path);
