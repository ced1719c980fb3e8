#pragma once

#include <QString>
#include <QStringList>

// The documents the Help menu opens, found in the program folder.
struct HelpDocument {
    QString caption;        // what the user asked for, for messages
    QStringList candidates; // file names relative to the program folder, the usual one first
};

HelpDocument HelpFileDocument();
HelpDocument ManualDocument();

// The first candidate that exists in `home`, else an empty string.
QString FindDocument(const HelpDocument& document, const QString& home);

// Opens the document with the desktop's handler, directly (never through a shell command
// line). On failure returns false and sets `message` to a sentence
// that names the file.
bool LaunchDocument(const HelpDocument& document, const QString& home, QString* message);
