#pragma once

#include <QString>

// Text read from a file (a channel name, a unit, a file name) made safe to print: control
// characters, which a terminal would act on, are written as \xNN escapes; everything else is
// kept as it is.
QString PrintableText(const QString& text);
