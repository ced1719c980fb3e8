#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The user guide compiled into the program: HTML pages in the resource folder ":/guide", in
// the order its "pages.txt" lists them. Pages link to each other by file name, pictures live
// in "pictures/". A page that holds <!--contents--> gets the list of every page there.
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

    // The guide of the program's resources, read once.
    static const Guide& instance();
    // A guide from another folder (tests; ":/guide" is the program's).
    explicit Guide(const QString& folder);

    static QString startPage() { return QStringLiteral("index.html"); }
    static QUrl baseUrl() { return QUrl(QStringLiteral("qrc:/guide/")); }
    // qrc:/guide/PAGE#ANCHOR for "PAGE#ANCHOR"; the start page for an empty text.
    static QUrl urlOf(const QString& pageAndAnchor);
    // The page file of a guide URL ("data-saving.html"), empty for anything else.
    static QString pageOf(const QUrl& url);

    const QString& folder() const { return m_folder; }
    const QList<Page>& pages() const { return m_pages; }
    const Page* page(const QString& file) const;
    // Files listed in pages.txt that are not there (a broken build of the guide).
    const QStringList& missingPages() const { return m_missing; }

    // The page's HTML as shown: the contents list filled in where the page asks for it.
    QString html(const QString& file) const;
    // The pages that hold every word of the query (a word matches the start of a word of the
    // page, so "termin" finds "termination"; "quoted words" must stand together), best first.
    QList<Hit> search(const QString& query) const;
    // The words and quoted phrases of a query, in lower case.
    static QStringList searchTerms(const QString& query);

    // The raw HTML of a file in the guide's folder.
    QString readFile(const QString& file) const;

private:
    QString contentsHtml() const;

    QString m_folder;
    QList<Page> m_pages;
    QStringList m_missing;
};
