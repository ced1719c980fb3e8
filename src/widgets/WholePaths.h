#pragma once

#include <QString>

// Keeps every file path and device name of a text on one line. A label or message box that
// wraps its text may break a line after a "/" or "-", which leaves "/" at the end of one line
// and "dev/ttyS0" at the start of the next. A word joiner (U+2060, drawn as nothing) after
// each such character of a path forbids the break there; the rest of the text wraps as before.
// A path is a word that starts with "/", "\", "~/" or a drive ("C:\"), after an opening
// bracket or quote, or an address ("mqtt://host/plant").
QString KeepPathsWhole(const QString& text);

// The text as the reader sees it: without the joiners KeepPathsWhole put in.
QString WithoutJoiners(QString text);
