#include "sim/SimLine.h"

#include <QStringList>

std::optional<SimLine> SimLine::parse(const QString& text, QString* error) {
    SimLine line;
    if (text.trimmed().isEmpty())
        return line;
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = parts.size() == 1 || parts.size() == 4;
    if (ok) {
        line.baud = parts[0].trimmed().toInt(&ok);
        ok = ok && line.baud >= 0 && line.baud <= 4000000;
    }
    if (ok && parts.size() == 4) {
        const QString parity = parts[1].trimmed().toUpper();
        bool dataOk = false;
        bool stopOk = false;
        const int data = parts[2].trimmed().toInt(&dataOk);
        const int stop = parts[3].trimmed().toInt(&stopOk);
        ok = dataOk && stopOk && data >= 5 && data <= 8 && (stop == 1 || stop == 2) &&
             (parity == QLatin1String("N") || parity == QLatin1String("E") ||
              parity == QLatin1String("O") || parity == QLatin1String("M") ||
              parity == QLatin1String("S"));
        line.bitsPerChar = 1 + data + (parity == QLatin1String("N") ? 0 : 1) + stop;
    }
    if (!ok) {
        if (error)
            *error = QStringLiteral("line settings \"%1\": expected BAUD or BAUD,PARITY,DATA,STOP "
                                    "(for example 38400,N,8,1)")
                         .arg(text);
        return std::nullopt;
    }
    return line;
}

qint64 SimLine::micros(qint64 bytes) const {
    if (baud <= 0)
        return 0;
    return bytes * bitsPerChar * 1000000 / baud;
}

qint64 SimLine::silenceMicros() const {
    if (baud <= 0)
        return 0;
    return baud > 19200 ? 1750 : micros(7) / 2;
}
