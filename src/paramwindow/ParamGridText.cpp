#include "paramwindow/ParamGridText.h"

#include "core/TextTable.h"
#include "pagerules/AlarmRules.h"
#include "pagerules/ChannelInputs.h"
#include "paramset/ParamTables.h"

#include <algorithm>
#include <cmath>

namespace {

enum Row {
    INPUT_TYPE = 4,
    DECIMAL_POINT = 6,
    UNIT = 7,
    MATH_TYPE = 12,   // before firmware 1.50; the reference junction after
    FIRST_VALUE = 17, // user, scale and display ranges, then the adjustments
    LAST_VALUE = 25,
    FIRST_ALARM = 26,
    ALARM_ROWS = 9,
    ALARM_TYPE = 3, // inside an alarm's block
};

// A code and its name, "14 Pt100(DIN)"; the code alone where it has none.
QString named(int code, const QString& name) {
    return name.isEmpty() ? QString::number(code) : QStringLiteral("%1 %2").arg(code).arg(name);
}

bool isChannelValue(int row) {
    if (row >= FIRST_VALUE && row <= LAST_VALUE)
        return true;
    // The set value, hysteresis and rate of each alarm: the first three rows of its block.
    return row >= FIRST_ALARM && (row - FIRST_ALARM) % ALARM_ROWS < 3;
}

} // namespace

QString ChannelGridText(const TextTable& t, int row, int column) {
    const QString text = t.text(column, row);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return text;
    const int code = int(std::clamp(value, -32768.0, 32767.0));
    switch (row) {
    case INPUT_TYPE:
        return named(code, InputTypeOf(code).name);
    case DECIMAL_POINT:
        // The number of decimals and what a value looks like with them: "2 (0.00)".
        if (code >= 0 && code <= 4)
            return QStringLiteral("%1 (%2)").arg(code).arg(
                code == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(code, u'0'));
        return text;
    case UNIT:
        return named(code, UnitCaptions().value(code));
    case MATH_TYPE:
        // The row names the math type only where its caption says so (firmware below 1.50).
        if (t.text(ParamTables::DescriptionColumn, row) == QStringLiteral("MATH. TYPE"))
            return named(code, MathTypeName(code));
        return text;
    default:
        break;
    }
    if (row >= FIRST_ALARM && (row - FIRST_ALARM) % ALARM_ROWS == ALARM_TYPE)
        return named(code, AlarmTypeName(code));
    if (isChannelValue(row)) {
        const double decimals = t.number(column, DECIMAL_POINT);
        return WithDecimals(text, std::clamp(int(decimals), 0, 4));
    }
    return text;
}
