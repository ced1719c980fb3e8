#include "core/PrintableText.h"

#include <algorithm>

QString PrintableText(const QString& text) {
    const auto isControl = [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x20 || (u >= 0x7F && u <= 0x9F);
    };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (isControl(c))
            out += QStringLiteral("\\x") +
                   QString::number(c.unicode(), 16).rightJustified(2, u'0').toUpper();
        else
            out += c;
    }
    return out;
}
