#include "logging/FreeSpaceLimit.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr char kUnits[] = "KMGTP";
// Beyond what any disk holds, and far from overflowing.
constexpr double kMostBytes = 1LL << 60;

} // namespace

qint64 FreeSpaceLimit::bytesOn(qint64 total) const {
    if (percent > 0)
        return qint64(std::ceil(double(total) * percent / 100.0));
    return bytes;
}

QString FreeSpaceLimit::text() const {
    if (percent > 0)
        return QString::number(percent) + u'%';
    if (bytes <= 0)
        return {};
    qint64 n = bytes;
    int unit = -1;
    while (unit + 1 < int(sizeof kUnits) - 1 && n % 1024 == 0) {
        n /= 1024;
        ++unit;
    }
    return unit < 0 ? QString::number(n) : QString::number(n) + QLatin1Char(kUnits[unit]);
}

std::optional<FreeSpaceLimit> FreeSpaceLimit::parse(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d+(?:\\.\\d+)?)\\s*(?:(%)|([kmgtp])?(?:i?b)?)$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString t = text.trimmed();
    FreeSpaceLimit limit;
    if (t.isEmpty())
        return limit;
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const double n = m.captured(1).toDouble();
    if (!m.captured(2).isEmpty()) {
        if (n >= 100)
            return std::nullopt;
        limit.percent = n;
        return limit;
    }
    double scale = 1;
    if (const QString unit = m.captured(3).toUpper(); !unit.isEmpty())
        scale = std::pow(1024.0, double(QByteArray(kUnits).indexOf(unit.toLatin1()) + 1));
    const double bytes = std::round(n * scale);
    if (bytes > kMostBytes)
        return std::nullopt;
    limit.bytes = qint64(bytes);
    return limit;
}
