#pragma once

#include <QString>

class Guide;
class QTextDocument;

// The whole guide as one document, for reading from start to end and for printing: a title,
// the contents, then every page in the guide's order, each on a new sheet. Links between
// pages become links within the document; pictures are fitted to the width of a sheet.
QString ManualHtml(const Guide& guide);

// The manual's title in the language of the guide ("TD700 Manual").
QString ManualTitle(const Guide& guide);

// The anchor that stands for a page, or for an anchor of a page, inside the manual.
QString ManualAnchor(const QString& page, const QString& anchor = {});

// Fills a document with the manual, its pictures read from the guide.
void LoadManual(const Guide& guide, QTextDocument& document);

// Writes the manual as a PDF file (A4). False with the reason when the file cannot be
// written.
bool WriteManualPdf(const Guide& guide, const QString& path, QString* error);
