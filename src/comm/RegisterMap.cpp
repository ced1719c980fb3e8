#include "comm/RegisterMap.h"

using Kind = RegisterField::Kind;

int RegisterField::registerCount() const {
    switch (kind) {
    case Kind::U16:
    case Kind::Version:
        return 1;
    case Kind::U32:
    case Kind::Float:
        return 2;
    case Kind::Char:
        return registers;
    case Kind::Clock:
        return 6;
    }
    return 1;
}

QString RegisterTypeOf(int registerNumber) {
    const int n = registerNumber - 30000;
    if ((n >= 1 && n <= 16) || n == 47)
        return QStringLiteral("U16");
    if (n >= 17 && n <= 42)
        return n % 2 ? QStringLiteral("FLOAT") : QString();
    if (n == 43 || n == 45)
        return QStringLiteral("U32");
    return {};
}

namespace {

QVector<RegisterField> buildCommon(bool withTextField) {
    QVector<RegisterField> f;
    for (int r = 1; r <= 44; ++r)
        f.append({r, Kind::U16, r});
    // Six groups of five registers, each U16, U16, U16, U32, filling four rows.
    for (int g = 0; g < 6; ++g) {
        const int reg = 45 + 5 * g;
        const int row = 45 + 4 * g;
        f.append({reg, Kind::U16, row});
        f.append({reg + 1, Kind::U16, row + 1});
        f.append({reg + 2, Kind::U16, row + 2});
        f.append({reg + 3, Kind::U32, row + 3});
    }
    if (withTextField)
        f.append({75, Kind::Char, FilePrefixSettingsRow, 3});
    return f;
}

QVector<RegisterField> buildChannel(bool floatAt19) {
    QVector<RegisterField> f;
    f.append({1, Kind::Char, 1, 5});
    f.append({6, Kind::Char, 2, 3});
    for (int k = 9; k <= 18; ++k)
        f.append({k, Kind::U16, k - 6});
    if (floatAt19) {
        f.append({19, Kind::Float, 13});
    } else {
        f.append({19, Kind::U16, 13});
        f.append({20, Kind::U16, 14});
    }
    f.append({21, Kind::U16, 15});
    for (int k = 22; k <= 46; k += 2)
        f.append({k, Kind::Float, (k - 22) / 2 + 16});
    // From offset 48 a pattern of five U16, one U32 and three FLOAT repeats four times,
    // the last one cut after its U32.
    int row = 29;
    for (int k = 48; k <= 87; k += 13) {
        for (int i = 0; i < 5; ++i)
            f.append({k + i, Kind::U16, row++});
        f.append({k + 5, Kind::U32, row++});
        if (k + 7 > 93)
            break;
        for (int i = 0; i < 3; ++i)
            f.append({k + 7 + 2 * i, Kind::Float, row++});
    }
    return f;
}

} // namespace

const QVector<RegisterField>& CommonSettingsFields(bool withTextField) {
    static const QVector<RegisterField> full = buildCommon(true);
    static const QVector<RegisterField> plain = buildCommon(false);
    return withTextField ? full : plain;
}

const QVector<RegisterField>& ChannelBlockFields(bool floatAt19) {
    static const QVector<RegisterField> withFloat = buildChannel(true);
    static const QVector<RegisterField> withWords = buildChannel(false);
    return floatAt19 ? withFloat : withWords;
}

const QVector<RegisterField>& ChannelProbeFields() {
    static const QVector<RegisterField> fields{
        {1, Kind::Char, 0, 5}, {6, Kind::Char, 1, 3}, {12, Kind::U16, 2},
        {13, Kind::U16, 3},    {32, Kind::Float, 4},  {34, Kind::Float, 5},
    };
    return fields;
}
