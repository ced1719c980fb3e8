#pragma once

#include "core/WinRgb.h"

#include <QColor>

inline QColor fromWinRgb(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int toWinRgb(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}
