#include "core/FloatText.h"

#include <cmath>

QString FloatToText(float value) {
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0.0f)
        return QStringLiteral("0"); // also for negative zero
    QString text = QString::number(double(value), 'g', 7);
    return text.replace(u'e', u'E');
}
