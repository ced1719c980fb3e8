#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QUrl>

// The user guide compiled into the program, in English and in Korean: HTML pages in the
// resource folder ":/guide" and, with the same file names and anchors, in ":/guide/ko", in the
// order the one "pages.txt" lists them. Pages link to each other by file name, pictures live
// in "pictures/" beside the pages of their language. A page that holds <!--contents--> gets
// the list of every page there. A page or picture not (yet) in Korean is the English one: the
// Korean guide is never shorter than the English.
class Guide {
public:
    struct Heading {
        QString anchor; // the id or name of the heading's anchor, empty when it has none
        QString text;
    };
    struct Page {
        QString file;        // "data-saving.html"
        QString title;       // the page's <title>
        QString description; // its <meta name="description">, one sentence for the contents
        QList<Heading> headings;
        QString text; // what it says, tags stripped, for the search
    };
    struct Hit {
        QString file;
        QString title;
        QString snippet; // a line of the page around the first word found
        int score = 0;
    };

    // The guide of the program's resources in the language of the default locale (QLocale()):
    // Korean for Korean, English for every other language. Each is read once.
    static const Guide& instance();
    static const Guide& instance(QLocale::Language language);
    // A guide from another folder (tests; ":/guide" is the program's). The pages of a language
    // other than English are in the sub-folder of its code ("ko"); the list of pages and the
    // style sheet are the folder's own, one for every language.
    explicit Guide(const QString& folder, QLocale::Language language = QLocale::English);

    static QString startPage() { return QStringLiteral("index.html"); }
    // The folder's URL: qrc:/guide/ for the English pages, qrc:/guide/ko/ for the Korean.
    QUrl baseUrl() const;
    // BASE/PAGE#ANCHOR for "PAGE#ANCHOR"; the start page for an empty text.
    QUrl urlOf(const QString& pageAndAnchor) const;
    // The page file of a URL of this guide ("data-saving.html"), empty for anything else
    // (a page of the guide in another language too).
    QString pageOf(const QUrl& url) const;

    QLocale::Language language() const { return m_language; }
    // Where the pages and their pictures are.
    const QString& folder() const { return m_folder; }
    const QList<Page>& pages() const { return m_pages; }
    const Page* page(const QString& file) const;
    // Files listed in pages.txt that are not there in any language (a broken build).
    const QStringList& missingPages() const { return m_missing; }
    // Pages shown in English because the guide's language has no such page (yet).
    const QStringList& englishPages() const { return m_english; }
    // The file of a picture a page names ("pictures/NAME.png"): the language's own, else the
    // English one; empty when neither is there.
    QString pictureFile(const QString& picture) const;

    // The page's HTML as shown: the contents list filled in where the page asks for it.
    QString html(const QString& file) const;
    // The pages that hold every word of the query (a word matches the start of a word of the
    // page, so "termin" finds "termination"; a Korean word also matches inside a word, since
    // Korean writes compounds as one word and particles onto the word: "저항" finds
    // "측온저항체"; "quoted words" must stand together), best first.
    QList<Hit> search(const QString& query) const;
    // The words and quoted phrases of a query, in lower case.
    static QStringList searchTerms(const QString& query);

    // The raw HTML of a page: the language's own, else the English one.
    QString readFile(const QString& file) const;
    // The style sheet of the pages, the same in every language.
    QString styleSheet() const;

private:
    QString contentsHtml() const;

    QString m_root;
    QString m_folder;
    QLocale::Language m_language;
    QList<Page> m_pages;
    QStringList m_missing;
    QStringList m_english;
};
