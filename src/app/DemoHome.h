#pragma once

#include <QString>

// Fills a program folder for the demonstration: port "DEMO" (the built-in three-meter bus:
// 12 channels with firmware 1.20, 6 channels with 1.16, 4 channels with 1.10 at addresses
// 1, 2 and 3), those three addresses marked in the meter list, and data saving every
// 10 seconds into the folder's "Data". The settings files of an earlier demo are replaced;
// a folder whose port settings name another port is left alone (false).
// False with `error` set when a file cannot be written.
bool PrepareDemoHome(const QString& home, QString* error = nullptr);

// The demonstration's own folder when no other is given: "demo" in the user's data folder
// (…/TD700/demo). It is kept between runs.
QString DefaultDemoHome();
