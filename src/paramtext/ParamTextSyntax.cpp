#include "paramtext/ParamTextSyntax.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct ParamTextSyntaxTexts {
    Q_DECLARE_TR_FUNCTIONS(ParamTextSyntax)
};

constexpr int kCommentColumn = 40;

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool needsQuotes(const QString& text) {
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return true;
    for (const QChar c : text)
        if (c == u'"' || c == u'#' || c == u'@' || c == u'\\' || isControl(c))
            return true;
    return false;
}

// Reads a quoted text from `at` (the opening quote); `at` ends after the closing one.
std::optional<QString> unquote(const QString& line, qsizetype& at, QString* why) {
    QString text;
    for (++at; at < line.size(); ++at) {
        const QChar c = line[at];
        if (c == u'"') {
            ++at;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (at + 1 >= line.size())
            break;
        const QChar e = line[++at];
        if (e == u'"' || e == u'\\') {
            text += e;
        } else if (e == u'x' && at + 2 < line.size()) {
            bool ok = false;
            const int code = line.mid(at + 1, 2).toInt(&ok, 16);
            if (!ok) {
                *why = ParamTextSyntaxTexts::tr("\\x wants two hex digits");
                return std::nullopt;
            }
            text += QChar(code);
            at += 2;
        } else {
            *why =
                ParamTextSyntaxTexts::tr("unknown escape \\%1 in a quoted text (\\\" \\\\ \\xHH)")
                    .arg(e);
            return std::nullopt;
        }
    }
    *why = ParamTextSyntaxTexts::tr("the quoted text has no closing quote");
    return std::nullopt;
}

} // namespace

QStringList TextLinesOf(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != u'\r' && text[at] != u'\n')
            continue;
        lines << text.mid(start, at - start);
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

std::optional<TextLine> ParseTextLine(const QString& raw, QString* why) {
    const QString line = raw.trimmed();
    TextLine out;
    if (line.isEmpty() || line.startsWith(u'#'))
        return out;
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']');
        const QString rest = close < 0 ? QString() : line.mid(close + 1).trimmed();
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(u'#'))) {
            *why = ParamTextSyntaxTexts::tr("a section is written [name]");
            return std::nullopt;
        }
        out.kind = TextLine::Kind::Section;
        out.section = line.mid(1, close - 1).trimmed();
        return out;
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) {
        *why = ParamTextSyntaxTexts::tr("a row is written KEY = text");
        return std::nullopt;
    }
    out.kind = TextLine::Kind::Row;
    out.key = line.left(equals).trimmed();
    qsizetype at = equals + 1;
    while (at < line.size() && line[at].isSpace())
        ++at;
    if (at < line.size() && line[at] == u'"') {
        const auto text = unquote(line, at, why);
        if (!text)
            return std::nullopt;
        out.text = *text;
    } else {
        qsizetype end = at;
        while (end < line.size() && line[end] != u'#' && line[end] != u'@')
            ++end;
        out.text = line.mid(at, end - at).trimmed();
        at = end;
    }
    while (at < line.size() && line[at].isSpace())
        ++at;
    if (at < line.size() && line[at] == u'@') {
        const qsizetype comment = line.indexOf(u'#', at);
        out.stored = line.mid(at + 1, comment < 0 ? -1 : comment - at - 1).trimmed();
        out.keep = out.stored.isEmpty() ? TextLine::Keep::AsIs : TextLine::Keep::Stored;
        at = comment < 0 ? line.size() : comment;
    }
    if (at < line.size() && line[at] != u'#') {
        *why = ParamTextSyntaxTexts::tr("'%1' after the quoted text").arg(line.mid(at));
        return std::nullopt;
    }
    return out;
}

QString QuotedText(const QString& text) {
    if (!needsQuotes(text))
        return text;
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        if (isControl(c))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

QString RowLine(const QString& key, const QString& text, TextLine::Keep keep, const QString& stored,
                const QString& comment) {
    QString line = key + QStringLiteral(" = ") + QuotedText(text);
    if (keep == TextLine::Keep::AsIs)
        line += QStringLiteral(" @");
    else if (keep == TextLine::Keep::Stored)
        line += QStringLiteral(" @ ") + stored;
    if (comment.isEmpty())
        return line;
    return line.leftJustified(kCommentColumn - 1) + QStringLiteral(" # ") + comment;
}
