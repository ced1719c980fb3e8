#pragma once

#include <QString>

// The value type of a present-value register: "U16", "U32", "FLOAT", or the empty text for
// the second register of a two-register value (and for registers outside the area).
QString RegisterTypeOf(int registerNumber);
