#include "core/CodePage.h"

#include <QHash>
#include <QtCore5Compat/QTextCodec>
#include <algorithm>

namespace {
QTextCodec* codec() {
    static QTextCodec* const c = QTextCodec::codecForName("CP949");
    return c;
}

// Plain ASCII is the same in the code page; most texts a meter holds (names, numbers) are.
bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char b) { return uchar(b) < 0x80; });
}

bool isAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 0x80; });
}

// The codec opens a converter for every text it converts, a cost that shows when a plant's
// records bring the same units and names thousands of times a second: those last converted are
// remembered, by each thread for itself, a bounded number of them.
constexpr qsizetype kRemembered = 1024;

template <typename From, typename To, typename Convert>
To remembered(QHash<From, To>& seen, const From& key, Convert convert) {
    if (const auto it = seen.constFind(key); it != seen.cend())
        return *it;
    if (seen.size() >= kRemembered)
        seen.clear();
    return *seen.insert(key, convert());
}
} // namespace

QString DecodeCp949(const QByteArray& bytes) {
    QTextCodec* c = codec();
    if (!c || isAscii(bytes))
        return QString::fromLatin1(bytes);
    thread_local QHash<QByteArray, QString> decoded;
    return remembered(decoded, bytes, [&] { return c->toUnicode(bytes); });
}

QByteArray EncodeCp949(const QString& text) {
    QTextCodec* c = codec();
    if (!c || isAscii(text))
        return text.toLatin1();
    thread_local QHash<QString, QByteArray> encoded;
    return remembered(encoded, text, [&] { return c->fromUnicode(text); });
}
