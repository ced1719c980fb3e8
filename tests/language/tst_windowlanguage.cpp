// Every window in the program's language: its title, captions, buttons, tabs, menus and
// headers go through translation, a window left open takes a language change at once, and without
// the translator the texts of the code return. The guide in the program's language: Korean pages
// under a Korean locale, a page or picture not yet in Korean shown in English, and its windows
// staying at the reader's place when the language changes.
#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"
#include "clock/frmTD_DateReserve.h"
#include "dataview/SyntheticDataFile.h"
#include "help/Guide.h"
#include "help/HelpBrowser.h"
#include "help/HelpWindow.h"
#include "help/ManualDocument.h"
#include "help/ViewPlace.h"
#include "logging/DataTime.h"
#include "monitor/MonitorFactory.h"
#include "monitor/MonitorFixture.h"
#include "monitor/SpanHeaderView.h"
#include "pages/PageContextOf.h"
#include "pages/frmInputKey.h"
#include "pages/frmTD_P_ARM_DI.h"
#include "pages/frmTD_P_Channel.h"
#include "pages/frmTD_P_Display.h"
#include "pages/frmTD_P_Main.h"
#include "pages/frmTD_P_System.h"
#include "paramset/ParamSet.h"
#include "paramwindow/frmTD_Parameter.h"
#include "support/EngineHarness.h"
#include "support/ModalRecorder.h"
#include "viewer/GraphViewerWindow.h"
#include "viewer/TracePlot.h"
#include "widgets/GradientLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

// Stands in for a language: every text comes back marked, "«text»" (with its disambiguation,
// "«text|which»"), so that a text a window did not put through translation stays unmarked.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* disambiguation,
                      int) const override {
        QString text = QString::fromUtf8(source);
        if (disambiguation && *disambiguation)
            text += u'|' + QString::fromUtf8(disambiguation);
        return u'«' + text + u'»';
    }
};

// Every text a window shows: its title, captions, buttons, group titles, tabs, menus,
// actions, list items and column headers.
QStringList shownTexts(QWidget& window) {
    QStringList out{window.windowTitle()};
    for (auto* w : window.findChildren<QLabel*>())
        out << w->text();
    for (auto* w : window.findChildren<GradientLabel*>())
        out << w->text();
    for (auto* w : window.findChildren<QAbstractButton*>())
        out << w->text();
    for (auto* w : window.findChildren<QGroupBox*>())
        out << w->title();
    for (auto* w : window.findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i)
            out << w->tabText(i);
    for (auto* a : window.findChildren<QAction*>())
        out << a->text();
    for (auto* w : window.findChildren<QComboBox*>()) {
        out << w->placeholderText();
        for (int i = 0; i < w->count(); ++i)
            out << w->itemText(i);
    }
    for (auto* w : window.findChildren<QTableWidget*>())
        for (int c = 0; c < w->columnCount(); ++c)
            if (w->horizontalHeaderItem(c))
                out << w->horizontalHeaderItem(c)->text();
    for (auto* w : window.findChildren<SpanHeaderView*>())
        for (const SpanHeaderView::Cell& c : w->cells())
            out << c.text;
    return out;
}

// Whether `texts` hold `source` as the code has it, or (marked) as the translator gives it
// back; the part after a %1 is the window's own and is not compared.
bool holds(const QStringList& texts, const QString& source, bool marked) {
    const qsizetype arg = source.indexOf(u'%');
    const QString lead = (marked ? QStringLiteral("«") : QString()) + source.left(arg);
    for (const QString& t : texts) {
        if (arg >= 0 ? t.startsWith(lead)
                     : t == lead + (marked ? QStringLiteral("»") : QString()) ||
                           (marked && t.startsWith(lead + u'|')))
            return true;
    }
    return false;
}

void changeLanguage() {
    // Qt posts the change to every window; the windows take it with the next events.
    QApplication::processEvents();
    QApplication::processEvents();
}

// The program switching the guide's language: the default locale changes, then the window is
// told.
void switchLocale(QWidget& window, QLocale::Language language) {
    QLocale::setDefault(QLocale(language));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &change);
}

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

QByteArray guidePage(const QByteArray& title, const QByteArray& body) {
    return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1>" + body +
           "</body></html>";
}

struct Windows {
    MonitorFixture monitor;
    EngineHarness engine;
    ClockWriter writer{engine.engine};
    ClockDrift drift{engine.engine, engine.clock};
    QTemporaryDir dir;
    ParamSet set;
};

using Factory = std::function<std::unique_ptr<QWidget>(Windows&)>;

Factory monitor(QDialog* (*create)(int, const MonitorContext&, QWidget*)) {
    return [create](Windows& w) {
        return std::unique_ptr<QWidget>(create(12, w.monitor.context(), nullptr));
    };
}

// A parameter page on a new set of `channels` channels.
template <typename Page>
Factory page(int channels, int channel = 0) {
    return [channels, channel](Windows& w) {
        NewParameterSet(w.set, channels, QStringLiteral("2.00"));
        return std::unique_ptr<QWidget>(std::make_unique<Page>(PageContextOf(w.set, channel)));
    };
}

} // namespace

Q_DECLARE_METATYPE(Factory)

class TestWindowLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void windowTexts_data() {
        QTest::addColumn<Factory>("open");
        QTest::addColumn<bool>("live"); // takes a language change while it is open
        QTest::addColumn<QStringList>("translated");
        const auto window = [](const char* name, Factory open, bool live,
                               const QStringList& translated) {
            QTest::newRow(name) << open << live << translated;
        };
        // clang-format off
        window("trend", monitor(&CreateLineMonitor), true,
               {"Single Monitoring - LINE%1", "&Close", "METER CLOCK", "D.INPUT", "ALARM", "CARD"});
        window("bar", monitor(&CreateBarMonitor), true,
               {"Single Monitoring - BAR GRAPH%1", "&Close"});
        window("text", monitor(&CreateTextMonitor), true,
               {"Single Monitoring - TEXT%1", "&Close"});
        window("multi", [](Windows& w) {
                   return std::unique_ptr<QWidget>(CreateMultiMonitor(w.monitor.context(), nullptr));
               }, true,
               {"Multi Monitoring", "&Close", "COMM", "PV", "DI", "RELAY", "ALARM", "COMM green: %1"});
        window("multi PV", [](Windows& w) {
                   return std::unique_ptr<QWidget>(CreateMultiPVMonitor(w.monitor.context(), nullptr));
               }, true, {"Multi Monitoring - PV", "COMM", "PV", "Light green and white%1"});
        window("graph viewer", [](Windows& w) {
                   const QString file = w.dir.filePath(QStringLiteral("PLANT_03_20240304.TDD"));
                   const qint64 day = DataTime::parse(QStringLiteral("2024-03-04")).value_or(0);
                   SyntheticDataFile::plantDay(day, 12, 60).write(file);
                   auto viewer = std::make_unique<GraphViewerWindow>();
                   viewer->openFiles({file});
                   viewer->plot()->setCursorTime(double(day + 3600));
                   return std::unique_ptr<QWidget>(std::move(viewer));
               }, true,
               {"TD700 Graph Viewer - %1", "&File", "&View", "Zoom &In", "Channels", "Events",
                "Alarms and gaps", "1 hour", "At cursor", "Shown: %1", "Cursor: %1"});
        window("clock", [](Windows& w) {
                   return std::make_unique<frmTD_DateReserve>(w.engine.engine, w.engine.clock,
                                                              w.writer, w.drift);
               }, true,
               {"DATE/TIME RESERVE SETUP%1", "PC Clock", "Reserved Start", "Year", "Sec", "SET",
                "&Close", "Same as PC clock", "Meter clock%1"});
        window("display page", page<frmTD_P_Display>(4), false,
               {"DISPLAY SETUP", "DISPLAY MODE", "BULER", "SCROLL SPEED", "FILE LIST", "&Close"});
        window("system page", page<frmTD_P_System>(12), false,
               {"SYSTEM SETUP", "LANGUAGE/FILE", "SAVE INTERVAL", "MACHINE ADDRESS", "YEAR", "PC TIME"});
        window("alarm and D/I page", page<frmTD_P_ARM_DI>(4, 1), false,
               {"ALARM/DI SETUP", "SET VALUE", "UP RATE", "D/I LEVEL", "RELAY NO."});
        window("channel page", page<frmTD_P_Channel>(4, 1), false,
               {"CHANNEL SETUP", "INPUT TYPE", "READING / ADJUST", "채널 입력", "상수 입력", "MAX"});
        window("home page, six channels", page<frmTD_P_Main>(6), false,
               {"SD 기록 및 표시채널 설정", "SD 기록", "표시채널", "닫기[&C]"});
        window("home page, twelve channels", page<frmTD_P_Main>(12), false,
               {"RECORD/DISPLAY Setup", "RECORD TO SD CARD", "DISPLAY GROUP"});
        window("parameter window", [](Windows&) {
                   return std::unique_ptr<QWidget>(std::make_unique<frmTD_Parameter>(nullptr, QString()));
               }, false,
               {"Parameter Setup", "&Upload (TD700 => PC)", "Save &As", "MATH. FUNCTION (M AREA)",
                "File Name"});
        // clang-format on
    }

    void windowTexts() {
        QFETCH(Factory, open);
        QFETCH(bool, live);
        QFETCH(QStringList, translated);
        Windows windows;
        std::unique_ptr<QWidget> window = open(windows);
        window->show();
        QApplication::processEvents();
        const auto check = [&](bool marked) {
            if (!live)
                window = open(windows); // taken when it opens
            const QStringList texts = shownTexts(*window);
            for (const QString& t : translated)
                QVERIFY2(holds(texts, t, marked), qPrintable(t));
        };
        check(false);
        MarkingTranslator language;
        QApplication::installTranslator(&language);
        changeLanguage();
        check(true);
        QApplication::removeTranslator(&language);
        changeLanguage();
        check(false);
    }

    void guideFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        // clang-format off
        QTest::newRow("Korean") << "ko" << "/guide/ko/";
        QTest::newRow("English") << "en_US" << "/guide/";
        QTest::newRow("a language without a guide") << "de_DE" << "/guide/";
        // clang-format on
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
        for (const auto& [name, bytes] : files)
            writeFile(root + u'/' + QLatin1String(name), bytes);
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

    // A guide window left open keeps the reader's place through a language change, at the
    // section it was opened at (F1) or at the top of a page.
    void guideKeepsThePlace_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("a section near the end") << "command-line.html"
                                                << "completion";
        QTest::newRow("top of a page") << "clock.html"
                                       << "";
    }
    void guideKeepsThePlace() {
        QFETCH(QString, file);
        QFETCH(QString, anchor);
        QLocale::setDefault(QLocale(QLocale::English));
        HelpWindow help(Guide::instance());
        help.resize(900, 640);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        auto* view = help.findChild<HelpBrowser*>();
        help.showPage(anchor.isEmpty() ? file : file + u'#' + anchor);
        QCOMPARE(AnchorInView(*view, help.currentAnchor()), anchor);
        for (const QLocale::Language language : {QLocale::Korean, QLocale::English}) {
            switchLocale(help, language);
            QCOMPARE(AnchorInView(*view, help.currentAnchor()), anchor);
            QCOMPARE(help.guide().language(), language);
            QCOMPARE(help.currentPage(), file);
            if (anchor.isEmpty())
                QCOMPARE(view->verticalScrollBar()->value(), 0);
            const QString title = Guide::instance(language).page(file)->title;
            QVERIFY2(help.windowTitle().endsWith(title), qPrintable(help.windowTitle()));
            QVERIFY(view->toPlainText().startsWith(title));
            // Back would lead into the pages of the other language.
            QVERIFY(!view->isBackwardAvailable());
        }
    }

    // A refused character is said in the program's language, naming what takes it.
    void refusedCharacter() {
        ModalRecorder modals;
        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        frmInputKey dialog(frmInputKey::Kind::ChannelFormula, QStringLiteral("CH01+E"));
        dialog.btnOK_Click();
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(modals.texts, QStringList{QStringLiteral("«Disable Character.|a formula»")});
    }
};

QTEST_MAIN(TestWindowLanguage)
#include "tst_windowlanguage.moc"
