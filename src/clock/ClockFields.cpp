#include "clock/ClockFields.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

struct Range {
    int low, high;
};

Range rangeOf(ClockField field, int year, int month) {
    switch (field) {
    case ClockField::Year:
        return {1, MaxClockYear};
    case ClockField::Month:
        return {1, 12};
    case ClockField::Day:
        return {1, DaysInMonth(year, month)};
    case ClockField::Hour:
        return {0, 23};
    case ClockField::Minute:
    case ClockField::Second:
        break;
    }
    return {0, 59};
}

const char* const kFieldNames[] = {"year", "month", "day", "hour", "minute", "second"};

struct ClockFieldTexts {
    Q_DECLARE_TR_FUNCTIONS(ClockFields)
};

} // namespace

QString ClockFieldCaption(ClockField field) {
    switch (field) {
    case ClockField::Year:
        return ClockFieldTexts::tr("YEAR");
    case ClockField::Month:
        return ClockFieldTexts::tr("MONTH");
    case ClockField::Day:
        return ClockFieldTexts::tr("DAY");
    case ClockField::Hour:
        return ClockFieldTexts::tr("HOUR");
    case ClockField::Minute:
        return ClockFieldTexts::tr("MIN.");
    case ClockField::Second:
        break;
    }
    return ClockFieldTexts::tr("SEC.");
}

namespace {

bool numberOf(const QString& text, double* value) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace

int DaysInMonth(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        if (year % 4 != 0)
            return 28;
        return year % 100 != 0 || year % 400 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

bool IsClockNumber(const QString& text) {
    double v = 0;
    return numberOf(text, &v);
}

int ClockFieldValue(const QString& text) {
    double v = 0;
    if (!numberOf(text, &v))
        return 0;
    // Far beyond any limit either way; clamped first so that the conversion is defined.
    return int(std::trunc(std::clamp(v, -1e9, 1e9)));
}

QString ClockFieldText(ClockField field, int value) {
    const int width = field == ClockField::Year ? 4 : 2;
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

LimitedField LimitClockField(ClockField field, const QString& typed, int year, int month) {
    const Range range = rangeOf(field, year, month);
    LimitedField out;
    if (!IsClockNumber(typed)) {
        if (field == ClockField::Year || field == ClockField::Month || field == ClockField::Day)
            out = {ClockFieldText(field, range.low), range.low, true, {}};
        else
            out = {typed, 0, false, {}};
        if (!typed.trimmed().isEmpty())
            out.message = ClockFieldTexts::tr("%1: \"%2\" is not a number; %3 is written.")
                              .arg(ClockFieldCaption(field), typed.trimmed())
                              .arg(out.value);
        return out;
    }
    const int value = ClockFieldValue(typed);
    const int limited = std::clamp(value, range.low, range.high);
    out = {ClockFieldText(field, limited), limited, limited != value, {}};
    if (out.limited)
        out.message = ClockFieldTexts::tr("%1 takes %2 to %3: %4 becomes %5.")
                          .arg(ClockFieldCaption(field))
                          .arg(range.low)
                          .arg(range.high)
                          .arg(value)
                          .arg(out.text);
    return out;
}

ClockParts LimitClockParts(const ClockParts& parts, QStringList* corrections) {
    ClockParts out = parts;
    for (int i = 0; i < ClockFieldCount; ++i) {
        const auto field = ClockField(i);
        const Range range = rangeOf(field, out[0], out[1]);
        out[size_t(i)] = std::clamp(parts[size_t(i)], range.low, range.high);
        if (corrections && out[size_t(i)] != parts[size_t(i)])
            *corrections << QStringLiteral("%1 %2 becomes %3")
                                .arg(QLatin1String(kFieldNames[i]))
                                .arg(parts[size_t(i)])
                                .arg(ClockFieldText(field, out[size_t(i)]));
    }
    return out;
}

QString ClockPartsText(const ClockParts& p) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(ClockFieldText(ClockField::Year, p[0]), ClockFieldText(ClockField::Month, p[1]),
             ClockFieldText(ClockField::Day, p[2]), ClockFieldText(ClockField::Hour, p[3]),
             ClockFieldText(ClockField::Minute, p[4]), ClockFieldText(ClockField::Second, p[5]));
}

ClockParts ClockPartsOf(const QDateTime& dateTime) {
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

QDateTime DateTimeOfParts(const ClockParts& p) {
    const QDate date(p[0], p[1], p[2]);
    const QTime time(p[3], p[4], p[5]);
    if (p[0] < 1 || !date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

bool ParseClockText(const QString& text, ClockParts* parts) {
    static const QRegularExpression shape(QStringLiteral(
        R"(^\s*(-?\d{1,9})-(-?\d{1,9})-(-?\d{1,9})(?:\s+|T)(-?\d{1,9}):(-?\d{1,9}):(-?\d{1,9})\s*$)"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return false;
    for (int i = 0; i < ClockFieldCount; ++i)
        (*parts)[size_t(i)] = m.captured(i + 1).toInt();
    return true;
}
