#include "widgets/SmallFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

int SmallestFontPixels() {
    const QFont f = QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    return std::max(10, QFontInfo(f).pixelSize());
}
