#pragma once

#include <QString>

class QTextEdit;

// Where the reader is in a document view, as an anchor of the document: `preferred` while it
// stands in view (a page opened at an anchor near its end shows that anchor below the top),
// otherwise the last anchor at or above the top of the view; empty at the start. The pages
// of every language have the same anchors, so the place carries over to the same page in
// another language.
QString AnchorInView(const QTextEdit& view, const QString& preferred = {});
