#include "core/CodePage.h"

#include <QtCore5Compat/QTextCodec>

namespace {
QTextCodec* codec() {
    static QTextCodec* const c = QTextCodec::codecForName("CP949");
    return c;
}
} // namespace

QString DecodeCp949(const QByteArray& bytes) {
    if (QTextCodec* c = codec())
        return c->toUnicode(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray EncodeCp949(const QString& text) {
    if (QTextCodec* c = codec())
        return c->fromUnicode(text);
    return text.toLatin1();
}
