#pragma once

#include <QString>
#include <QStringList>

// The settings files are plain text in code page 949 with CR LF line ends, as written on
// Windows. Reading takes LF alone and CR alone as line ends as well (files that passed through
// other systems' editors); a final line end is optional.
struct TextFile {
    QStringList lines;
    bool found = false; // something of that name is there (a folder too)
    // Why something that is there could not be read as a file (a folder, no permission);
    // empty when it was read or is simply missing.
    QString problem;
};
TextFile ReadTextFile(const QString& path);
// ReadTextFile's problem alone, found without reading the file.
QString TextFileProblem(const QString& path);
// The lines of a settings file's bytes, by the same rules.
QStringList SplitTextLines(const QByteArray& bytes);
// The lines alone; a missing or unreadable file gives an empty list.
QStringList ReadTextLines(const QString& path, bool* opened = nullptr);
// Every line in the code page followed by CR LF, as the file holds them.
QByteArray JoinTextLines(const QStringList& lines);
// Writes every line followed by CR LF, atomically (the old file or the new, never a mix).
bool WriteTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// A text with its control characters shown as escapes ("\0", "\t", "\x1B"), for messages
// that quote what a file holds.
QString VisibleControls(const QString& text);
// True when the text holds a character below the space (or DEL).
bool HasControlCharacters(const QString& text);
