#include "logging/DataTime.h"

#include <QDate>
#include <QRegularExpression>

namespace DataTime {

namespace {
constexpr qint64 kFirst = 0;                                    // 2000-01-01 00:00:00
constexpr qint64 kLast = daysSince2000(2032, 1, 1) * 86400 - 1; // 2031-12-31 23:59:59
} // namespace

quint32 stampOf(qint64 seconds) {
    seconds = std::clamp(seconds, kFirst, kLast);
    const QDate d = QDate(2000, 1, 1).addDays(seconds / 86400);
    const qint64 inDay = seconds % 86400;
    return quint32(d.year() - 2000) << 26 | quint32(d.month()) << 22 | quint32(d.day()) << 17 |
           quint32(inDay / 3600) << 12 | quint32(inDay / 60 % 60) << 6 | quint32(inDay % 60);
}

QString text(qint64 seconds) {
    const QChar zero(u'0');
    const QDate d = QDate(2000, 1, 1).addDays(seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0));
    const qint64 inDay = ((seconds % 86400) + 86400) % 86400;
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(d.year(), 4, 10, zero)
        .arg(d.month(), 2, 10, zero)
        .arg(d.day(), 2, 10, zero)
        .arg(int(inDay / 3600), 2, 10, zero)
        .arg(int(inDay / 60 % 60), 2, 10, zero)
        .arg(int(inDay % 60), 2, 10, zero);
}

std::optional<qint64> parse(const QString& input, bool last) {
    static const QRegularExpression form(QStringLiteral(
        "^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[ T](\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const QRegularExpressionMatch m = form.match(input.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int y = m.captured(1).toInt(), mo = m.captured(2).toInt(), d = m.captured(3).toInt();
    if (y < 2000 || y > 2031 || mo < 1 || mo > 12 || d < 1 || d > daysInMonth(y, mo))
        return std::nullopt;
    const bool hasTime = m.hasCaptured(4);
    const bool hasSeconds = m.hasCaptured(6);
    const int h = hasTime ? m.captured(4).toInt() : 0;
    const int mi = hasTime ? m.captured(5).toInt() : 0;
    const int s = hasSeconds ? m.captured(6).toInt() : 0;
    if (h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    qint64 t = daysSince2000(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
    if (last)
        t += !hasTime ? 86399 : !hasSeconds ? 59 : 0;
    return t;
}

} // namespace DataTime
