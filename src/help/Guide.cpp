#include "help/Guide.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {

QString firstMatch(const QString& text, const QRegularExpression& re, int group = 1) {
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(group).trimmed() : QString();
}

QString plainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

// Words as the search compares them: runs of letters and digits, in lower case.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\w+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    for (auto it = word.globalMatch(text.toLower()); it.hasNext();)
        words << it.next().captured();
    return words;
}

QString collapsed(const QString& text) {
    return text.toLower().simplified();
}

bool holdsHangul(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Hangul; });
}

// A Latin word matches words that begin with it; a Korean one, words that hold it anywhere.
int countMatching(const QStringList& words, const QString& term) {
    const bool inside = holdsHangul(term);
    return int(std::count_if(words.begin(), words.end(), [&](const QString& w) {
        return inside ? w.contains(term) : w.startsWith(term);
    }));
}

int countOccurrences(const QString& text, const QString& part) {
    int n = 0;
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at + part.size()))
        ++n;
    return n;
}

bool isPhrase(const QString& term) {
    return term.contains(u' ');
}

// How often a term stands in a text: a phrase as it is, a word as a word of the text.
int termCount(const QString& term, const QString& text, const QStringList& words) {
    return isPhrase(term) ? countOccurrences(text, term) : countMatching(words, term);
}

// The sub-folder of a language's pages; English is the guide's own folder.
QString languageFolder(QLocale::Language language) {
    return language == QLocale::Korean ? QStringLiteral("ko") : QString();
}

// A line of the page around the first place one of the terms stands.
QString snippetOf(const QString& text, const QStringList& terms) {
    const QString flat = text.simplified();
    qsizetype at = -1;
    qsizetype length = 0;
    for (const QString& term : terms) {
        const qsizetype i = flat.indexOf(term, 0, Qt::CaseInsensitive);
        if (i >= 0 && (at < 0 || i < at)) {
            at = i;
            length = term.size();
        }
    }
    if (at < 0)
        return flat.left(120);
    constexpr qsizetype kAround = 60;
    qsizetype from = std::max<qsizetype>(0, at - kAround);
    qsizetype to = std::min<qsizetype>(flat.size(), at + length + kAround);
    // Whole words at both ends.
    while (from > 0 && !flat.at(from - 1).isSpace())
        --from;
    while (to < flat.size() && !flat.at(to).isSpace())
        ++to;
    QString snippet = flat.mid(from, to - from).trimmed();
    if (from > 0)
        snippet.prepend(QStringLiteral("\u2026 "));
    if (to < flat.size())
        snippet.append(QStringLiteral(" \u2026"));
    return snippet;
}

} // namespace

const Guide& Guide::instance() {
    return instance(QLocale().language());
}

const Guide& Guide::instance(QLocale::Language language) {
    if (language == QLocale::Korean) {
        static const Guide korean(QStringLiteral(":/guide"), QLocale::Korean);
        return korean;
    }
    static const Guide english(QStringLiteral(":/guide"));
    return english;
}

Guide::Guide(const QString& folder, QLocale::Language language)
    : m_root(folder)
    , m_folder(folder)
    , m_language(languageFolder(language).isEmpty() ? QLocale::English : language) {
    if (const QString sub = languageFolder(m_language); !sub.isEmpty())
        m_folder += u'/' + sub;
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression description(
        QStringLiteral("<meta\\s+name=\"description\"\\s+content=\"([^\"]*)\""));
    static const QRegularExpression heading(QStringLiteral("<h([23])([^>]*)>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::DotMatchesEverythingOption);

    QFile listFile(m_root + QStringLiteral("/pages.txt"));
    const QString list =
        listFile.open(QIODevice::ReadOnly) ? QString::fromUtf8(listFile.readAll()) : QString();
    for (const QString& raw : list.split(u'\n')) {
        const QString file = raw.trimmed();
        if (file.isEmpty() || file.startsWith(u'#'))
            continue;
        const QString html = readFile(file);
        if (html.isEmpty()) {
            m_missing << file;
            continue;
        }
        if (m_folder != m_root && !QFile::exists(m_folder + u'/' + file))
            m_english << file;
        Page page;
        page.file = file;
        page.title = plainText(firstMatch(html, title));
        page.description = plainText(firstMatch(html, description));
        for (auto it = heading.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            // The anchor is on the heading itself or on a link inside it.
            QString name = firstMatch(m.captured(2), anchor);
            if (name.isEmpty())
                name = firstMatch(m.captured(3), anchor);
            page.headings.append({name, plainText(m.captured(3)).simplified()});
        }
        const QString shown = firstMatch(html, body);
        page.text = plainText(shown.isEmpty() ? html : shown);
        m_pages.append(page);
    }
}

QUrl Guide::baseUrl() const {
    if (m_folder.startsWith(u':'))
        return QUrl(QStringLiteral("qrc") + m_folder + u'/');
    return QUrl::fromLocalFile(m_folder + u'/');
}

QUrl Guide::urlOf(const QString& pageAndAnchor) const {
    return baseUrl().resolved(QUrl(pageAndAnchor.isEmpty() ? startPage() : pageAndAnchor));
}

QString Guide::pageOf(const QUrl& url) const {
    const QUrl base = baseUrl();
    if (url.scheme() != base.scheme() || !url.path().startsWith(base.path()))
        return {};
    const QString file = url.path().mid(base.path().size());
    // A file in a sub-folder is a picture, or a page of another language.
    return file.contains(u'/') ? QString() : file;
}

const Guide::Page* Guide::page(const QString& file) const {
    for (const Page& p : m_pages)
        if (p.file == file)
            return &p;
    return nullptr;
}

QString Guide::readFile(const QString& file) const {
    QFile own(m_folder + u'/' + file);
    if (own.open(QIODevice::ReadOnly))
        return QString::fromUtf8(own.readAll());
    QFile english(m_root + u'/' + file);
    if (m_folder != m_root && english.open(QIODevice::ReadOnly))
        return QString::fromUtf8(english.readAll());
    return {};
}

QString Guide::pictureFile(const QString& picture) const {
    for (const QString& folder : {m_folder, m_root}) {
        const QString file = folder + u'/' + picture;
        if (QFile::exists(file))
            return file;
    }
    return {};
}

QString Guide::styleSheet() const {
    QFile f(m_root + QStringLiteral("/guide.css"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString Guide::html(const QString& file) const {
    QString text = readFile(file);
    const QString marker = QStringLiteral("<!--contents-->");
    if (text.contains(marker))
        text.replace(marker, contentsHtml());
    return text;
}

QString Guide::contentsHtml() const {
    QString list = QStringLiteral("<table class=\"contents\" cellspacing=\"0\" cellpadding=\"5\">");
    for (const Page& p : m_pages) {
        if (p.file == startPage())
            continue;
        list += QStringLiteral("<tr><td><a href=\"%1\">%2</a></td><td>%3</td></tr>")
                    .arg(p.file, p.title.toHtmlEscaped(), p.description.toHtmlEscaped());
    }
    return list + QStringLiteral("</table>");
}

QStringList Guide::searchTerms(const QString& query) {
    QStringList terms;
    const QStringList parts = query.split(u'"');
    for (int i = 0; i < parts.size(); ++i) {
        if (i % 2 == 1) { // inside quotes: the words together, as a phrase
            const QString phrase = wordsOf(parts[i]).join(u' ');
            if (!phrase.isEmpty())
                terms << phrase;
        } else {
            terms << wordsOf(parts[i]);
        }
    }
    terms.removeDuplicates();
    return terms;
}

QList<Guide::Hit> Guide::search(const QString& query) const {
    const QStringList terms = searchTerms(query);
    QList<Hit> hits;
    if (terms.isEmpty())
        return hits;
    for (const Page& page : m_pages) {
        const QString text = collapsed(page.text);
        const QStringList words = wordsOf(page.text);
        const QString title = collapsed(page.title);
        const QStringList titleWords = wordsOf(page.title);
        QString headingText;
        for (const Heading& h : page.headings)
            headingText += h.text + u' ';
        const QStringList headingWords = wordsOf(headingText);
        int score = 0;
        bool all = true;
        for (const QString& term : terms) {
            const int n = termCount(term, text, words);
            if (n == 0) {
                all = false;
                break;
            }
            // A page about the thing beats a page that mentions it.
            score += n + 20 * std::min(1, termCount(term, title, titleWords)) +
                     8 * std::min(1, termCount(term, collapsed(headingText), headingWords));
        }
        if (all)
            hits.append({page.file, page.title, snippetOf(page.text, terms), score});
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.score > b.score; });
    return hits;
}
