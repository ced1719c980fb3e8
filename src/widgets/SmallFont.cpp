#include "widgets/SmallFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

int SmallestFontPixels() {
    // Asked once: pictures ask it at every repaint, and a font lookup is not cheap.
    static const int pixels = std::max(
        10, QFontInfo(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).pixelSize());
    return pixels;
}
