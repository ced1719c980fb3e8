#pragma once

#include "core/WinRgb.h"

#include <QColor>

inline QColor fromWinRgb(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int toWinRgb(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// How light the eye finds a colour, 0 to 1 (pure blue and red are dark to the eye, though half
// light by hue and saturation).
inline double luminanceOf(const QColor& c) {
    return 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF();
}

// Black or white, whichever reads on `background`.
inline QColor readableTextOn(const QColor& background) {
    return luminanceOf(background) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}
