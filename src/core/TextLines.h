#pragma once

#include <QString>
#include <QStringList>

// The settings files are plain text in code page 949 with CR LF line ends, as written on
// Windows. Reading accepts LF alone as well; a missing file gives an empty list.
QStringList ReadTextLines(const QString& path, bool* opened = nullptr);
// Writes every line followed by CR LF, atomically (the old file or the new, never a mix).
bool WriteTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);
