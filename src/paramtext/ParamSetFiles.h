#pragma once

#include "paramset/ParamFile.h"

#include <QString>
#include <optional>

class ParamSet;

// A parameter set is kept either as a parameter file (*.CFG) or as its text (*.txt): these
// read and write whichever a path holds or names.

// Whether the bytes are a parameter set's text: no zero byte (every parameter file has some in
// its header), line ends of any kind, and the first line that is neither blank nor a comment
// opens a section or gives a row (a row before any section is a text's fault, named by its
// line); a text of nothing but comments is an empty text. Zero bytes are no text.
bool IsParameterText(const QByteArray& bytes);
// Whether a save to `path` writes the text form: a name ending in .txt.
bool IsTextFileName(const QString& path);

// What a file given as a parameter set holds, read once and told apart once, for every command
// and Parameter Setup alike: a text, or the bytes of a parameter file. A file with a zero byte
// among its first is read as far as a parameter file's parts and one byte more (what lies
// beyond is only counted); one without is read whole, up to far more than any text takes.
struct ParamSetSource {
    bool text = false;
    QByteArray bytes;
    qint64 size = 0; // of the whole file
};
// Nothing, with `error`, for a file that cannot be opened or read (anything but a regular
// file is refused unopened), or a text far longer than a parameter set's.
std::optional<ParamSetSource> ReadParameterSource(const QString& path, QString* error);
// Whether `path` is a regular file that holds a parameter set's text.
bool HoldsParameterText(const QString& path);

// The parts of a parameter file from either form, before they touch a set. A text is made into
// its file first (against `base` when given: a patch); a bad text gives every fault in
// `error`, one line each.
std::optional<ParamFileContents> ReadParameterContents(const QString& path, QString* error,
                                                       const ParamFileContents* base = nullptr);
// The bytes of the parameter file that `path` holds or whose text it holds.
std::optional<QByteArray> ReadParameterBytes(const QString& path, QString* error,
                                             const ParamFileContents* base = nullptr);
// The parameter file a text makes (over `base` when given); `name` is how messages call it.
std::optional<QByteArray> ParameterBytesOfText(const QByteArray& text, const QString& name,
                                               QString* error,
                                               const ParamFileContents* base = nullptr);

// LoadParameterFile for either form: a text that has a fault changes nothing.
ParamFileResult LoadParameterSetFile(ParamSet& set, const QString& path);
// SaveParameterFile, or the set's text when the name ends in .txt; whole or not at all.
ParamFileResult SaveParameterSetFile(ParamSet& set, const QString& path);
