#include "comm/ChannelUnits.h"

QString DeviceText(const QString& field) {
    // Fixed-size device fields are padded with zero bytes or blanks.
    const qsizetype nul = field.indexOf(QChar(0));
    return (nul >= 0 ? field.left(nul) : field).trimmed();
}

QString UnitText(int unitCode, const QString& userUnit) {
    switch (unitCode) {
    case 1:
        return QStringLiteral("mV");
    case 2:
        return QStringLiteral("%");
    case 3:
        return QStringLiteral("\u00B0C");
    case 4:
        return QStringLiteral("\u00B0F");
    case 5:
        return DeviceText(userUnit);
    default:
        return QStringLiteral("V");
    }
}
