#include "comm/LineSettings.h"

#include <QCoreApplication>
#include <QStringList>

int LineSettings::bitsPerCharacter() const {
    return 1 + dataBits + (parity == 'N' ? 0 : 1) + (stopHalfBits + 1) / 2;
}

qint64 LineSettings::wireTimeUs(qint64 bytes) const {
    if (baud <= 0 || bytes <= 0)
        return 0;
    const qint64 bits = bytes * bitsPerCharacter();
    return (bits * 1000000 + baud - 1) / baud;
}

qint64 LineSettings::frameSilenceUs() const {
    constexpr qint64 kAbove19200Us = 1750;
    if (baud <= 0 || baud > 19200)
        return kAbove19200Us;
    // 3.5 characters = 7/4 of the character's length in half bits.
    const qint64 halfBits = 2 * (1 + dataBits + (parity == 'N' ? 0 : 1)) + stopHalfBits;
    const qint64 scaled = 7 * halfBits * 1000000;
    return (scaled + 4 * qint64(baud) - 1) / (4 * qint64(baud));
}

std::optional<LineSettings> ParseLineSettings(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    LineSettings s;
    bool ok = false;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0)
        return std::nullopt;
    const QString parity = parts[1].trimmed().toUpper();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity))
        return std::nullopt;
    s.parity = char(parity[0].unicode());
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;
    const QString stop = parts[3].trimmed();
    if (stop == QStringLiteral("1"))
        s.stopHalfBits = 2;
    else if (stop == QStringLiteral("1.5"))
        s.stopHalfBits = 3;
    else if (stop == QStringLiteral("2"))
        s.stopHalfBits = 4;
    else
        return std::nullopt;
    return s;
}

QString InvalidLineSettingsMessage(const QString& text) {
    return QCoreApplication::translate("LineSettings",
                                       "The line settings \"%1\" are not valid: expected baud "
                                       "rate, parity (N, E, O), data bits and stop bits, for "
                                       "example 38400,N,8,1.")
        .arg(text);
}
