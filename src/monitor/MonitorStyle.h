#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QWidget;

// The look the single-meter monitors share: dark panels with light figures, readable at a
// distance through a long shift.
namespace MonitorStyle {

QColor windowColour();
QColor panelColour();
QColor panelEdge();
QColor captionColour();
QColor figureColour();
QColor warningColour();
// The colour a channel number takes while its trace is switched off.
int traceOffRgb();

// Gives a monitor window its dark palette.
void applyWindowPalette(QWidget* window);
// A framed panel.
QFrame* panel(QWidget* parent);
// A small caption ("D.INPUT", "MEM:").
QLabel* caption(const QString& text, QWidget* parent);
void styleCaption(QLabel* label);
// A figure in a bold font of `pixelSize`.
QLabel* figure(QWidget* parent, int pixelSize);
// A heading ("H.TREND VIEW").
QLabel* heading(const QString& text, QWidget* parent);

} // namespace MonitorStyle
