#pragma once

#include <QString>

// The unit a channel shows for its unit code: 1 "mV", 2 "%", 3 "°C", 4 "°F", 5 the channel's
// own unit text, anything else (0 included) "V".
QString UnitText(int unitCode, const QString& userUnit);
// A device text field (name, unit) as shown: up to its first zero byte, blanks trimmed.
QString DeviceText(const QString& field);
