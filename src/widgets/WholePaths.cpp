#include "widgets/WholePaths.h"

namespace {

constexpr char16_t WordJoiner = u'\u2060';

bool isOpening(QChar c) {
    return QStringView(u"([{\"'«“‘<").contains(c);
}

bool isPath(QStringView word) {
    if (word.contains(u"://"))
        return true; // an address: mqtt://host:1883/plant
    while (!word.isEmpty() && isOpening(word.front()))
        word = word.mid(1);
    if (word.startsWith(u'/') || word.startsWith(u'\\') || word.startsWith(u"~/"))
        return true;
    return word.size() >= 3 && word[0].isLetter() && word[1] == u':' &&
           (word[2] == u'\\' || word[2] == u'/');
}

} // namespace

QString KeepPathsWhole(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i].isSpace()) {
            out += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        const QStringView word = QStringView(text).mid(i, end - i);
        if (!isPath(word)) {
            out += word;
        } else {
            for (qsizetype k = 0; k < word.size(); ++k) {
                out += word[k];
                const bool breaksAfter = word[k] == u'/' || word[k] == u'\\' || word[k] == u'-';
                if (breaksAfter && k + 1 < word.size())
                    out += QChar(WordJoiner);
            }
        }
        i = end;
    }
    return out;
}

QString WithoutJoiners(QString text) {
    return text.remove(QChar(WordJoiner));
}
