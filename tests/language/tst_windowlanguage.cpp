// Every window in every rendered state speaks the program's language: built under it, switched
// while open, or back to the code's texts without a translator; the guide too, English standing in.
#include "app/MessageBoxes.h"
#include "help/Guide.h"
#include "help/HelpBrowser.h"
#include "help/ManualDocument.h"
#include "monitor/SpanHeaderView.h"
#include "screens/ScreenRegistry.h"
#include "support/TestFiles.h"
#include "widgets/GradientLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

// Stands in for a language: every text comes back marked, "«text»", so that a text a window
// did not put through translation stays unmarked.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'«' + QString::fromUtf8(source) + u'»';
    }
};

// Every text a window shows (title, captions, buttons, tabs, menus, lists, headers); labels only
// with `labels`, since messages keep the language of their moment.
QStringList shownTexts(QWidget& window, bool labels) {
    QStringList out{window.windowTitle()};
    if (labels) {
        for (auto* w : window.findChildren<QLabel*>())
            out << w->text();
        for (auto* w : window.findChildren<GradientLabel*>())
            out << w->text();
    }
    for (auto* w : window.findChildren<QAbstractButton*>())
        out << w->text();
    for (auto* w : window.findChildren<QGroupBox*>())
        out << w->title();
    for (auto* w : window.findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i)
            out << w->tabText(i);
    for (auto* a : window.findChildren<QAction*>())
        out << a->text();
    for (auto* w : window.findChildren<QComboBox*>())
        for (int i = 0; i < w->count(); ++i)
            out << w->itemText(i);
    for (auto* w : window.findChildren<QTableWidget*>())
        for (int c = 0; c < w->columnCount(); ++c)
            if (w->horizontalHeaderItem(c))
                out << w->horizontalHeaderItem(c)->text();
    for (auto* w : window.findChildren<SpanHeaderView*>())
        for (const SpanHeaderView::Cell& c : w->cells())
            out << c.text;
    return out;
}

qsizetype marked(const QStringList& texts) {
    return std::count_if(texts.begin(), texts.end(),
                         [](const QString& t) { return t.contains(u'«'); });
}

void changeLanguage() {
    // Qt posts the change to every window; the windows take it with the next events.
    QApplication::processEvents();
    QApplication::processEvents();
}

void writePicture(const QString& path, int width) {
    QDir().mkpath(QFileInfo(path).path());
    QImage picture(width, 10, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(picture.save(path));
}

QByteArray guidePage(const QByteArray& title, const QByteArray& body) {
    return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1>" + body +
           "</body></html>";
}

} // namespace

class TestWindowLanguage : public QObject {
    Q_OBJECT
public:
    TestWindowLanguage() {
        for (auto* add : {RegisterAppScreens, RegisterMonitorScreens, RegisterParamScreens,
                          RegisterViewerScreens, RegisterClockScreens, RegisterHelpScreens,
                          RegisterPageScreens})
            add(m_registry);
    }

private Q_SLOTS:
    void initTestCase() {
        SetModalHook([](QDialog&) { return int(QDialog::Rejected); });
    }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyWindow_data() {
        QTest::addColumn<int>("entry");
        for (int i = 0; i < int(m_registry.entries().size()); ++i)
            QTest::newRow(qPrintable(m_registry.entries()[size_t(i)].name)) << i;
    }
    void everyWindow() {
        QFETCH(int, entry);
        const ScreenRegistry::Entry& e = m_registry.entries()[size_t(entry)];
        MarkingTranslator language;
        // Built under the language: the captions marked in each state.
        QMap<QString, qsizetype> built;
        {
            ScreenContext context(QString(), ScreenContext::Mode::Check);
            context.onShown = [&](QWidget& window, const QString& name) {
                built[name] = marked(shownTexts(window, false));
                QVERIFY2(marked(shownTexts(window, true)) > 0, qPrintable(name));
            };
            QApplication::installTranslator(&language);
            e.render(context);
            QApplication::removeTranslator(&language);
            changeLanguage();
        }
        const bool live = std::any_of(m_live.begin(), m_live.end(),
                                      [&](const QString& w) { return e.name.startsWith(w); });
        // Open while the language changes there and back.
        ScreenContext context(QString(), ScreenContext::Mode::Check);
        context.onShown = [&](QWidget& window, const QString& name) {
            QApplication::installTranslator(&language);
            changeLanguage();
            const qsizetype changed = marked(shownTexts(window, false));
            QApplication::removeTranslator(&language);
            changeLanguage();
            if (live)
                QVERIFY2(changed == built.value(name),
                         qPrintable(QStringLiteral("%1: %2 of %3 captions took the change")
                                        .arg(name)
                                        .arg(changed)
                                        .arg(built.value(name))));
            const QStringList back = shownTexts(window, false);
            QVERIFY2(marked(back) == 0, qPrintable(back.join(u'|')));
        };
        e.render(context);
        QCOMPARE(context.written().size(), built.size());
    }

    void guideFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Korean") << "ko"
                                << "/guide/ko/";
        QTest::newRow("English") << "en_US"
                                 << "/guide/";
        QTest::newRow("a language without a guide") << "de_DE"
                                                    << "/guide/";
    }
    void guideFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(QLocale(locale));
        const Guide& guide = Guide::instance();
        QCOMPARE(guide.urlOf(QStringLiteral("clock.html#drift")).toString(),
                 QStringLiteral("qrc:") + folder + QStringLiteral("clock.html#drift"));
        QCOMPARE(guide.pages().size(), Guide::instance(QLocale::English).pages().size());
    }

    // A guide whose Korean folder lacks a page and a picture: the English ones stand in, in
    // the list of pages, the search, the browser and the manual.
    void missingTranslationIsTheEnglish() {
        QTemporaryDir dir;
        const QString root = dir.path();
        // clang-format off
        const std::pair<const char*, QByteArray> files[] = {
            {"pages.txt", "index.html\nalarms.html\nwiring.html\ngone.html\n"},
            {"index.html", guidePage("Contents", "<p>Start here.</p>")},
            {"alarms.html", guidePage("Alarms", "<p id=\"relay\">Relay.</p><img src=\"pictures/a.png\">")},
            {"wiring.html", guidePage("Wiring", "<p>Termination resistor.</p><img src=\"pictures/w.png\">")},
            {"ko/index.html", guidePage("목차", "<p>여기서 시작합니다.</p>")},
            {"ko/alarms.html", guidePage("경보", "<p id=\"relay\">릴레이.</p><img src=\"pictures/a.png\">")},
        };
        // clang-format on
        QDir(root).mkpath(QStringLiteral("ko"));
        for (const auto& [name, bytes] : files)
            WriteBytes(root + u'/' + QLatin1String(name), bytes);
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
        QCOMPARE(QImage(guide.pictureFile(QStringLiteral("pictures/a.png"))).width(), 60);
        QCOMPARE(QImage(guide.pictureFile(QStringLiteral("pictures/w.png"))).width(), 50);

        HelpBrowser browser(guide);
        browser.setSource(guide.urlOf(QStringLiteral("wiring.html")));
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Termination resistor.")));
        const QString manual = ManualHtml(guide);
        QVERIFY(manual.contains(QStringLiteral("Termination resistor.")));
        QVERIFY(!manual.contains(QStringLiteral("Relay.")));

        // A language without a guide of its own reads the English pages.
        const Guide other(root, QLocale::German);
        QCOMPARE(other.language(), QLocale::English);
        QCOMPARE(other.pages().value(1).title, QStringLiteral("Alarms"));
    }

private:
    ScreenRegistry m_registry;
    // The windows that stay open while the language is changed from the main window.
    const QStringList m_live{"frmTD_Main", "frmTD_Mon_", "GraphViewerWindow", "frmTD_DateReserve",
                             "HelpWindow"};
};

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"
