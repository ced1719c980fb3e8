#pragma once

#include <QString>

// The operating system's own words for the common failures ("No such file or directory",
// "Permission denied", "Not a directory", "No space left on device", ...), which reach the
// program's messages in English whatever the language, said in the program's language.
QString InProgramLanguage(const QString& message);
