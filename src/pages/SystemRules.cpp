#include "pages/SystemRules.h"

#include "comm/ChannelColours.h"

#include <QDate>
#include <algorithm>

namespace SystemRules {

NumberRule RecordPeriod() {
    return NumberRule::between(RecordPeriodLow, RecordPeriodHigh);
}

NumberRule ScreenSaver() {
    return NumberRule::between(0, 120).withNone(QStringLiteral("--"));
}

NumberRule Password() {
    return NumberRule::between(0, 9999).withNone(QStringLiteral("----"), true);
}

NumberRule MachineAddress() {
    return NumberRule::between(1, 255);
}

NumberRule ResponseTime() {
    return NumberRule::between(ResponseTimeLow, ResponseTimeHigh);
}

const QStringList& DataLengths() {
    static const QStringList list{QStringLiteral("7"), QStringLiteral("8")};
    return list;
}

const QStringList& StopBits() {
    static const QStringList list{QStringLiteral("1"), QStringLiteral("2")};
    return list;
}

bool IsFilePrefixText(const QString& text) {
    static const QString extra = QStringLiteral("()+-*/%,.[]$");
    if (text.size() > FilePrefixLength)
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool letter = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        const bool digit = u >= '0' && u <= '9';
        if (!letter && !digit && !extra.contains(c))
            return false;
    }
    return true;
}

QString SystemDateText(int field, const QString& cellText) {
    bool ok = false;
    const qint64 value = cellText.trimmed().toLongLong(&ok);
    if (!ok)
        return cellText;
    return QStringLiteral("%1").arg(value, field == 0 ? 4 : 2, 10, QLatin1Char('0'));
}

QStringList LimitSystemDate(const QStringList& boxes) {
    static const int low[6] = {1, 1, 1, 0, 0, 0};
    static const int high[6] = {9999, 12, 31, 23, 59, 59};
    int parts[6];
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const double v = i < boxes.size() ? boxes[i].trimmed().toDouble(&ok) : 0;
        parts[i] = ok ? int(std::clamp(v, double(low[i]), double(high[i]))) : low[i];
    }
    parts[2] = std::min(parts[2], QDate(parts[0], parts[1], 1).daysInMonth());
    QStringList out;
    for (int i = 0; i < 6; ++i)
        out << SystemDateText(i, QString::number(parts[i]));
    return out;
}

QColor ChannelColour(int index) {
    if (index < 0 || index >= int(ChannelColourRgb565.size()))
        return {};
    const quint16 v = ChannelColourRgb565[size_t(index)];
    const int r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
    // Widened so that full components are 255: the low bits repeat the high ones.
    return QColor((r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2));
}

} // namespace SystemRules
