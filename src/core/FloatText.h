#pragma once

#include <QString>

// The decimal text of a single-precision value as the tables hold it: at most 7 significant
// digits, trailing zeros dropped ("1.5", "-1", "0.1"); exponent form ("1.234568E+07") only
// where plain digits would need more than 7 significant places.
QString FloatToText(float value);
