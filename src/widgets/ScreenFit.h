#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

// Every window of the program opens within the part of its screen that windows may use (the
// screen less panels and docks), frame and title bar included, also on a 1280 x 720 laptop or
// at a scale factor of 2. A window asks for the size it would like; this takes what is there.

// The area the window's screen offers to windows: the screen of the window it belongs to, or
// its own.
QRect AvailableArea(const QWidget& window);

// The frame the window system puts around the window: the window's own once it has been shown
// with one, else that of another window of the program that has one, else a title bar's worth
// (a window system that draws no frames then leaves a little room unused).
QMargins ExpectedFrame(const QWidget& window);

// Shrinks the window to the available area (the frame counted) and, while it has no place of
// its own yet, centres it over the window it belongs to or on the screen; a place it has is
// kept inside the area. `frame` replaces ExpectedFrame (the screenshot renderer draws a title
// strip of its own).
void FitToScreen(QWidget& window, std::optional<QMargins> frame = std::nullopt);
