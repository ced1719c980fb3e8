#include "pagerules/SystemRules.h"

#include "clock/ClockFields.h"

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
    if (!IsClockNumber(cellText))
        return cellText;
    return ClockFieldText(ClockField(field), ClockFieldValue(cellText));
}

QStringList LimitSystemDate(const QStringList& boxes) {
    ClockParts parts{};
    for (int i = 0; i < ClockFieldCount; ++i)
        parts[size_t(i)] = ClockFieldValue(boxes.value(i));
    parts = LimitClockParts(parts);
    QStringList out;
    for (int i = 0; i < ClockFieldCount; ++i)
        out << ClockFieldText(ClockField(i), parts[size_t(i)]);
    return out;
}

} // namespace SystemRules
