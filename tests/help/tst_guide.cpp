#include "help/Guide.h"
#include "help/HelpTopics.h"
#include "help/ManualDocument.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The anchors a piece of HTML defines (id="..." and name="...").
QSet<QString> anchorsOf(const QString& html) {
    static const QRegularExpression anchor(QStringLiteral("\\b(?:id|name)=\"([^\"]+)\""));
    QSet<QString> set;
    for (auto it = anchor.globalMatch(html); it.hasNext();)
        set.insert(it.next().captured(1));
    return set;
}

QStringList attributeValues(const QString& html, const QString& attribute) {
    const QRegularExpression re(attribute + QStringLiteral("=\"([^\"]*)\""));
    QStringList values;
    for (auto it = re.globalMatch(html); it.hasNext();)
        values << it.next().captured(1);
    return values;
}

} // namespace

// The built-in guide: every F1 page exists, every link and picture leads somewhere, the search
// finds what a reader types, the manual holds it all with links inside it.
class TestGuide : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The program's guide follows the default locale: these checks are of the English one,
    // whatever the locale of the machine that runs them.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyListedPageIsThere() {
        const Guide& guide = Guide::instance();
        QVERIFY2(guide.missingPages().isEmpty(), qPrintable(guide.missingPages().join(u' ')));
        QVERIFY(guide.pages().size() >= 10);
        for (const Guide::Page& p : guide.pages()) {
            QVERIFY2(!p.title.isEmpty(), qPrintable(p.file + " has no title"));
            QVERIFY2(!p.description.isEmpty(), qPrintable(p.file + " has no description"));
        }
    }

    void helpTopicLeadsToAPageAndAnchor_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("target");
        for (const HelpTopic& t : kHelpTopics)
            QTest::newRow(t.window) << QString::fromLatin1(t.window) << QString::fromLatin1(t.page);
    }

    void helpTopicLeadsToAPageAndAnchor() {
        QFETCH(QString, window);
        QFETCH(QString, target);
        const QString file = target.section(u'#', 0, 0);
        const QString anchor = target.section(u'#', 1);
        const Guide& guide = Guide::instance();
        QVERIFY2(guide.page(file), qPrintable(window + " names " + file + ", not in the guide"));
        if (!anchor.isEmpty())
            QVERIFY2(anchorsOf(guide.readFile(file)).contains(anchor),
                     qPrintable(file + " has no anchor " + anchor));
    }

    void everyLinkAndPictureResolves_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        for (const QLocale::Language language : {QLocale::English, QLocale::Korean}) {
            const Guide& guide = Guide::instance(language);
            for (const Guide::Page& p : guide.pages())
                if (!guide.englishPages().contains(p.file))
                    QTest::newRow(qPrintable(QLocale::languageToCode(language) + u' ' + p.file))
                        << int(language) << p.file;
        }
    }

    // In a language's guide: links lead to that guide's pages (its own or, not yet translated,
    // the English one), anchors to its anchors, pictures to its pictures or the English ones.
    void everyLinkAndPictureResolves() {
        QFETCH(int, language);
        QFETCH(QString, file);
        const Guide& guide = Guide::instance(QLocale::Language(language));
        const QString html = guide.readFile(file);
        for (const QString& href : attributeValues(html, QStringLiteral("href"))) {
            const QUrl url(href);
            if (!url.isRelative())
                continue; // out of the guide: the desktop's browser opens it
            const QString target = url.path().isEmpty() ? file : url.path();
            if (target.startsWith(QStringLiteral("pictures/"))) {
                QVERIFY2(!QImage(guide.pictureFile(target)).isNull(),
                         qPrintable(file + " links to a missing picture " + target));
                continue;
            }
            QVERIFY2(guide.page(target), qPrintable(file + " links to a missing page " + href));
            if (!url.fragment().isEmpty())
                QVERIFY2(anchorsOf(guide.readFile(target)).contains(url.fragment()),
                         qPrintable(file + " links to a missing anchor " + href));
        }
        for (const QString& src : attributeValues(html, QStringLiteral("src")))
            QVERIFY2(!QImage(guide.pictureFile(src)).isNull(),
                     qPrintable(file + " shows a missing picture " + src));
    }

    void koreanPageMatchesTheEnglish_data() {
        QTest::addColumn<QString>("file");
        const Guide& korean = Guide::instance(QLocale::Korean);
        for (const Guide::Page& p : korean.pages())
            if (!korean.englishPages().contains(p.file))
                QTest::newRow(qPrintable(p.file)) << p.file;
    }

    // A Korean page is the English one in Korean: the same anchors for F1, links and a change of
    // language, the same pictures and links, a Korean title and description.
    void koreanPageMatchesTheEnglish() {
        QFETCH(QString, file);
        const QString english = Guide::instance(QLocale::English).readFile(file);
        const Guide& guide = Guide::instance(QLocale::Korean);
        const QString korean = guide.readFile(file);
        QCOMPARE(anchorsOf(korean), anchorsOf(english));
        for (const QString& attribute : {QStringLiteral("src"), QStringLiteral("href")}) {
            const QStringList en = attributeValues(english, attribute);
            const QStringList ko = attributeValues(korean, attribute);
            QCOMPARE(QSet<QString>(ko.begin(), ko.end()), QSet<QString>(en.begin(), en.end()));
        }
        const Guide::Page* page = guide.page(file);
        QVERIFY(page);
        static const QRegularExpression hangul(QStringLiteral("\\p{Hangul}"));
        QVERIFY2(page->title.contains(hangul), qPrintable(page->title));
        QVERIFY2(page->description.contains(hangul), qPrintable(page->description));
    }

    void searchFindsWhatAReaderTypes_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("firstPage"); // empty: nothing is found
        QTest::addColumn<int>("language");
        const auto row = [](const char* name, const char* query, const char* page,
                            QLocale::Language language) {
            QTest::newRow(name) << QString::fromUtf8(query) << QString(page) << int(language);
        };
        const auto ko = QLocale::Korean, en = QLocale::English;
        row("a Korean word", "시계", "clock.html", ko);
        row("Korean and a program word", "브로커 QoS", "data-saving.html", ko);
        row("start of a word", "termin", "getting-connected.html", en);
        row("two words, both needed", "daily file", "data-saving.html", en);
        row("quoted phrase", "\"bad frames\"", "troubleshooting.html", en);
        row("what an alarm setting is", "hysteresis", "parameter-pages.html", en);
        row("one word found, one not", "termination xylophone", "", en);
        row("nothing typed", "   ", "", en);
    }

    void searchFindsWhatAReaderTypes() {
        QFETCH(QString, query);
        QFETCH(QString, firstPage);
        QFETCH(int, language);
        const QList<Guide::Hit> hits = Guide::instance(QLocale::Language(language)).search(query);
        if (firstPage.isEmpty()) {
            QVERIFY2(hits.isEmpty(), qPrintable(hits.value(0).file));
            return;
        }
        QVERIFY(!hits.isEmpty());
        QStringList found;
        for (const Guide::Hit& h : hits)
            found << h.file;
        QVERIFY2(found.contains(firstPage), qPrintable(found.join(u' ')));
    }

    void manualHoldsEveryPageAndItsLinksStayInside() {
        const Guide& guide = Guide::instance();
        const QString manual = ManualHtml(guide);
        const QSet<QString> anchors = anchorsOf(manual);
        for (const Guide::Page& p : guide.pages())
            QVERIFY2(anchors.contains(ManualAnchor(p.file)), qPrintable(p.file));
        for (const QString& href : attributeValues(manual, QStringLiteral("href"))) {
            if (!QUrl(href).isRelative())
                continue;
            QVERIFY2(href.startsWith(u'#'), qPrintable("a link leaves the manual: " + href));
            QVERIFY2(anchors.contains(href.mid(1)), qPrintable("a link leads nowhere: " + href));
        }
    }

    void manualWritesAPdf() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TD700 Manual.pdf"));
        QString error;
        QVERIFY2(WriteManualPdf(Guide::instance(), path, &error), qPrintable(error));
        QVERIFY(ReadBytes(path).startsWith("%PDF-"));
    }
};

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
