#include "help/Guide.h"
#include "help/HelpBrowser.h"
#include "help/HelpWindow.h"
#include "help/ManualDocument.h"
#include "help/ManualWindow.h"
#include "help/ViewPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void writePicture(const QString& path, int width) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(width, 10, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(picture.save(path));
}

QByteArray page(const QByteArray& title, const QByteArray& body) {
    return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1>" + body +
           "</body></html>";
}

// The program switching its language: the default locale changes, then every window is told.
void switchLanguage(QWidget& window, QLocale::Language language) {
    QLocale::setDefault(QLocale(language));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &change);
}

} // namespace

// The guide in the program's language: Korean pages under a Korean locale, English ones
// otherwise, a page or picture not yet in Korean shown in English, and the windows of the
// guide staying at the reader's place when the language changes.
class TestGuideLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void guideFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Korean, Korea") << "ko_KR"
                                       << "/guide/ko/";
        QTest::newRow("Korean alone") << "ko"
                                      << "/guide/ko/";
        QTest::newRow("English") << "en_US"
                                 << "/guide/";
        QTest::newRow("a language without a guide") << "de_DE"
                                                    << "/guide/";
        QTest::newRow("the C locale") << "C"
                                      << "/guide/";
    }

    void guideFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(QLocale(locale));
        const Guide& guide = Guide::instance();
        QCOMPARE(guide.baseUrl().path(), folder);
        QCOMPARE(guide.urlOf(QStringLiteral("clock.html#drift")).toString(),
                 QStringLiteral("qrc:") + folder + QStringLiteral("clock.html#drift"));
        QVERIFY(guide.missingPages().isEmpty());
        QCOMPARE(guide.pages().size(), Guide::instance(QLocale::English).pages().size());
    }

    // A guide whose Korean folder lacks a page and a picture: the English ones stand in, in
    // the list of pages, the search, the browser and the manual.
    void missingTranslationIsTheEnglish() {
        QTemporaryDir dir;
        const QString root = dir.path();
        writeFile(root + QStringLiteral("/pages.txt"),
                  "index.html\nalarms.html\nwiring.html\ngone.html\n");
        writeFile(root + QStringLiteral("/index.html"), page("Contents", "<p>Start here.</p>"));
        writeFile(root + QStringLiteral("/alarms.html"),
                  page("Alarms", "<p id=\"relay\">Relay.</p><img src=\"pictures/a.png\">"));
        writeFile(root + QStringLiteral("/wiring.html"),
                  page("Wiring", "<p>Termination resistor.</p>"
                                 "<img src=\"pictures/w.png\">"));
        writeFile(root + QStringLiteral("/ko/index.html"),
                  page("목차", "<p>여기서 시작합니다.</p>"));
        writeFile(root + QStringLiteral("/ko/alarms.html"),
                  page("경보", "<p id=\"relay\">릴레이.</p><img src=\"pictures/a.png\">"));
        writePicture(root + QStringLiteral("/pictures/a.png"), 40);
        writePicture(root + QStringLiteral("/pictures/w.png"), 50);
        writePicture(root + QStringLiteral("/ko/pictures/a.png"), 60);

        const Guide guide(root, QLocale::Korean);
        QCOMPARE(guide.language(), QLocale::Korean);
        QCOMPARE(guide.missingPages(), QStringList{QStringLiteral("gone.html")});
        QCOMPARE(guide.englishPages(), QStringList{QStringLiteral("wiring.html")});
        QStringList titles;
        for (const Guide::Page& p : guide.pages())
            titles << p.title;
        QCOMPARE(titles, (QStringList{"목차", "경보", "Wiring"}));
        QCOMPARE(guide.search(QStringLiteral("termination")).value(0).file,
                 QStringLiteral("wiring.html"));
        QCOMPARE(guide.search(QStringLiteral("릴레이")).value(0).file,
                 QStringLiteral("alarms.html"));
        QCOMPARE(QImage(guide.pictureFile(QStringLiteral("pictures/a.png"))).width(), 60);
        QCOMPARE(QImage(guide.pictureFile(QStringLiteral("pictures/w.png"))).width(), 50);
        QVERIFY(guide.pictureFile(QStringLiteral("pictures/none.png")).isEmpty());

        HelpBrowser browser(guide);
        browser.setSource(guide.urlOf(QStringLiteral("wiring.html")));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Termination resistor.")));
        const QVariant picture = browser.loadResource(
            QTextDocument::ImageResource, guide.baseUrl().resolved(QUrl("pictures/w.png")));
        QCOMPARE(picture.value<QImage>().width(), 50);
        browser.setSource(guide.urlOf(QStringLiteral("alarms.html")));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("릴레이.")));

        const QString manual = ManualHtml(guide);
        QVERIFY(manual.contains(QStringLiteral("Termination resistor.")));
        QVERIFY(manual.contains(QStringLiteral("TD700 사용 설명서")));
        QVERIFY(!manual.contains(QStringLiteral("Relay.")));

        // A language without a guide of its own reads the English pages.
        const Guide other(root, QLocale::German);
        QCOMPARE(other.language(), QLocale::English);
        QVERIFY(other.englishPages().isEmpty());
        QCOMPARE(other.pages().value(1).title, QStringLiteral("Alarms"));
    }

    void languageChangeKeepsThePlace_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("anchor");
        QTest::addColumn<bool>("scrolled"); // scrolled there, or opened at the anchor (F1)
        QTest::newRow("opened at a section") << "data-saving.html"
                                             << "publishing" << false;
        QTest::newRow("opened at a section near the end") << "command-line.html"
                                                          << "completion" << false;
        QTest::newRow("scrolled to a section") << "command-line.html"
                                               << "log" << true;
        QTest::newRow("top of a page") << "clock.html"
                                       << "" << false;
    }

    void languageChangeKeepsThePlace() {
        QFETCH(QString, file);
        QFETCH(QString, anchor);
        QFETCH(bool, scrolled);
        QLocale::setDefault(QLocale(QLocale::English));
        HelpWindow window(Guide::instance());
        window.resize(900, 640);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* browser = window.findChild<HelpBrowser*>();
        QVERIFY(browser);
        if (scrolled) {
            window.showPage(file);
            browser->scrollToAnchor(anchor);
        } else {
            window.showPage(anchor.isEmpty() ? file : file + u'#' + anchor);
        }
        QCOMPARE(AnchorInView(*browser, window.currentAnchor()), anchor);

        for (const QLocale::Language language : {QLocale::Korean, QLocale::English}) {
            switchLanguage(window, language);
            const Guide& guide = Guide::instance(language);
            QCOMPARE(window.guide().language(), language);
            QCOMPARE(window.currentPage(), file);
            QCOMPARE(AnchorInView(*browser, window.currentAnchor()), anchor);
            if (anchor.isEmpty())
                QCOMPARE(browser->verticalScrollBar()->value(), 0);
            const QString title = guide.page(file)->title;
            QVERIFY2(window.windowTitle().endsWith(title), qPrintable(window.windowTitle()));
            QVERIFY(browser->toPlainText().startsWith(title));
            // Back would lead into the pages of the other language.
            QVERIFY(!browser->isBackwardAvailable());
        }
    }

    void manualKeepsItsPlace() {
        QLocale::setDefault(QLocale(QLocale::English));
        ManualWindow window(Guide::instance());
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString place = ManualAnchor(QStringLiteral("data-saving.html"), "file-names");
        window.view()->scrollToAnchor(place);
        QCOMPARE(AnchorInView(*window.view()), place);

        switchLanguage(window, QLocale::Korean);
        QCOMPARE(window.guide().language(), QLocale::Korean);
        QCOMPARE(window.view()->documentTitle(), QStringLiteral("TD700 사용 설명서"));
        QCOMPARE(AnchorInView(*window.view()), place);
        switchLanguage(window, QLocale::English);
        QCOMPARE(window.view()->documentTitle(), QStringLiteral("TD700 Manual"));
        QCOMPARE(AnchorInView(*window.view()), place);
    }
};

QTEST_MAIN(TestGuideLanguage)
#include "tst_guidelanguage.moc"
