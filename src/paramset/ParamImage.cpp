#include "paramset/ParamImage.h"

#include <algorithm>
#include <cmath>

using namespace ParamLayout;

void ParamFileHeader::describe(int channels, double version) {
    int model = 2; // twelve channels
    switch (channels) {
    case 2:
        model = 0;
        break;
    case 4:
        model = 4;
        break;
    case 6:
        model = 1;
        break;
    default:
        break;
    }
    bytes[HeaderModel] = quint8(model);
    bytes[HeaderZero] = 0;
    // In hundredths first, so that a version such as 1.999 cannot come out as 1.00.
    const double scaled = std::isfinite(version) ? std::round(version * 100.0) : 0.0;
    const int hundredths = int(std::clamp(scaled, 0.0, 255.0 * 100.0 + 99.0));
    bytes[HeaderMajor] = quint8(hundredths / 100);
    bytes[HeaderHundredths] = quint8(hundredths % 100);
}

QByteArray ParamImage::chars(int offset, int characters) const {
    QByteArray out;
    for (int i = 0; i < characters && out.size() < characters; ++i) {
        const quint16 slot = u16(offset + 2 * i);
        if (slot > 0xFF)
            out.append(char(slot >> 8));
        if (out.size() < characters)
            out.append(char(slot & 0xFF));
    }
    return out;
}

void ParamImage::setChars(int offset, int characters, const QByteArray& text) {
    for (int i = 0; i < characters; ++i)
        setU16(offset + 2 * i, i < text.size() ? quint8(text[i]) : 0);
}

QByteArray FormulaRec::text(int offset, int registers) const {
    QByteArray out;
    out.reserve(2 * registers);
    for (int j = 0; j < registers; ++j) {
        const quint16 reg = u16(offset + 2 * j);
        out.append(char(reg >> 8));
        out.append(char(reg & 0xFF));
    }
    return out;
}

void FormulaRec::setText(int offset, int registers, const QByteArray& text) {
    for (int j = 0; j < registers; ++j) {
        const quint8 high = 2 * j < text.size() ? quint8(text[2 * j]) : 0;
        const quint8 low = 2 * j + 1 < text.size() ? quint8(text[2 * j + 1]) : 0;
        setU16(offset + 2 * j, quint16(high << 8 | low));
    }
}
