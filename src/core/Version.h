#pragma once

#include <QString>

// The program's version and the day it was built: the same in all three programs, their
// --version and the About box.
QString ProgramVersion(); // "5.4.1"
QString BuildDate();      // "2026-12-06"
// The desktop program's caption and title: "TD700 EV5.4.1 (File Type)".
QString ProgramCaption();

// What --version prints: "NAME VERSION" on the first line (the form help2man reads), then the
// build date and the Qt it runs on.
QString VersionText(const QString& programName);

// Written by the build into BuildInfo.cpp.
extern const char* const kProgramVersion;
extern const char* const kBuildDate;
