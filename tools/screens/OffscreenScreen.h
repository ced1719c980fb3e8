#pragma once

#include <QSize>
#include <QString>

// The windows are rendered, and tested, on a screen of a given size: the offscreen platform
// is given one before the application object is made, so that every window sees the area a
// user's screen of that size offers. `scale` becomes QT_SCALE_FACTOR (2 on a 2732 x 1536
// screen leaves 1366 x 768 to the windows). Another platform in use (a virtual X display) is
// left as it is: its own screen counts. Returns false when the screen could not be set up.
bool UseOffscreenScreen(QSize pixels, double scale);

// "1366x768" or "2732x1536@2": the screen's pixels and the scale factor.
struct ScreenSpec {
    QSize pixels;
    double scale = 1.0;
    bool isValid() const { return pixels.width() >= 320 && pixels.height() >= 240 && scale > 0; }
    static ScreenSpec parse(const QString& text);
};
