#pragma once

#include <QString>
#include <QStringList>

// The document and the companion program the Help menu starts, found in the program folder.
struct HelpDocument {
    QString caption;        // what the user asked for, for messages
    QStringList candidates; // file names relative to the program folder, the usual one first
    bool isProgram = false; // started as a program rather than opened with its viewer
};

HelpDocument GraphViewerDocument();
// The recorder's own manual, "TD700.pdf", where an install carries it.
HelpDocument ManualPdfDocument();

// The first candidate that exists in `home`, else an empty string.
QString FindDocument(const HelpDocument& document, const QString& home);

// Opens the document with the desktop's handler, or starts the program, directly (never
// through a shell command line). On failure returns false and sets `message` to a sentence
// that names the file.
bool LaunchDocument(const HelpDocument& document, const QString& home, QString* message);
