// The parameter window: its layout by model and firmware, the file commands with a fake file
// dialog, marks and unsaved changes, and the whole round on the demo bus: upload, change a
// channel on the channel page, download, upload again and find the change in the meter.

#include "app/AppTestSupport.h"
#include "pages/frmTD_P_Channel.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFile.h"
#include "paramset/ParamSet.h"
#include "paramwindow/frmTD_Parameter.h"
#include "screens/DemoSession.h"
#include "sim/SimBus.h"
#include "sim/SimMeter.h"
#include "simlink/SimSerialLink.h"
#include "support/TestFiles.h"
#include "widgets/TwoColourBar.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// Answers file dialogs with the next queued path ("" = cancel), noting each question.
class FakeDialogs : public ParamFileDialogs {
public:
    QStringList answers;
    QStringList asked; // "open|start" / "save|start"
    QString openFile(QWidget*, const QString& start) override {
        return next(QStringLiteral("open|") + start);
    }
    QString saveFile(QWidget*, const QString& start) override {
        return next(QStringLiteral("save|") + start);
    }

private:
    QString next(const QString& question) {
        asked << question;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

QString writeSetFile(const QString& path, int channels, const QString& firmware) {
    ParamSet set;
    NewParameterSet(set, channels, firmware);
    return SaveParameterFile(set, path).ok ? path : QString();
}

// A window without a meter, its file dialogs answered from the queue.
struct FileWindow {
    QTemporaryDir dir;
    FakeDialogs* dialogs = new FakeDialogs;
    frmTD_Parameter window{nullptr, dir.path()};
    FileWindow() { window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs)); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString fileName() const { return QDir::fromNativeSeparators(window.fileName()); }
};

// The demo bus polled and the selected meter's settings read: where an edit starts.
bool pollingWithSettings(DemoSession& demo) {
    if (!demo.isValid())
        return false;
    demo.openPort();
    return demo.runUntilPolling() &&
           demo.runUntil([&] { return demo.engine().settingsComplete(); });
}

} // namespace

class TestParameterWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The grids show the rows the set uses, the key column hidden, a column per channel.
    void gridsFollowTheSet() {
        QTemporaryDir dir;
        const QString path = writeSetFile(dir.filePath(QStringLiteral("SET.CFG")), 2, "1.20");
        frmTD_Parameter window(nullptr, dir.path());
        QVERIFY(window.openFile(path));
        QTableView* p = window.view(frmTD_Parameter::Grid::Common);
        QTableView* ch = window.view(frmTD_Parameter::Grid::Channel);
        // Model row r is table row r + 1.
        for (int r = 1; r <= window.set().tables.sprdP.rowCount(); ++r)
            QCOMPARE(p->isRowHidden(r - 1), window.set().tables.sprdP.isRowHidden(r));
        for (int r = 1; r <= window.set().tables.sprdP_CH.rowCount(); ++r)
            QCOMPARE(ch->isRowHidden(r - 1), window.set().tables.sprdP_CH.isRowHidden(r));
        QVERIFY(p->isRowHidden(52) && ch->isRowHidden(13)); // DI03, math rows
        QVERIFY(p->isColumnHidden(1));
        QCOMPARE(ch->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("CH.02"));
        QCOMPARE(window.view(frmTD_Parameter::Grid::ChannelFormula)->model()->rowCount(), 2);
        QVERIFY(!window.button(QStringLiteral("btnUpload"))->isEnabled()); // no meter
    }

    // The channel grid names the codes that have a name and shows a channel's values in its
    // decimals, so that a value from the meter and one written by a page read alike.
    void gridShowsNamesAndOneNumberFormat_data() {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("input type") << "2.00" << 4 << "14" << "14 Pt100(DIN)";
        QTest::newRow("unit") << "2.00" << 7 << "3" << "3 °C";
        QTest::newRow("decimal point") << "2.00" << 6 << "2" << "2 (0.00)";
        QTest::newRow("math type before 1.50") << "1.20" << 12 << "4" << "4 α×β";
        QTest::newRow("reference junction from 1.50") << "2.00" << 12 << "IN.SENSOR" << "IN.SENSOR";
        QTest::newRow("hysteresis written by a page") << "2.00" << 27 << "12.5" << "12.50";
        QTest::newRow("alarm 4 type") << "2.00" << 56 << "15" << "15 BURNOUT";
        QTest::newRow("alarm type without a name") << "2.00" << 38 << "16" << "16";
        QTest::newRow("beta constant as it stands") << "2.00" << 16 << "1.5" << "1.5";
        // clang-format on
    }
    void gridShowsNamesAndOneNumberFormat() {
        QFETCH(QString, firmware);
        QFETCH(int, row);
        QFETCH(QString, cell);
        QTemporaryDir dir;
        frmTD_Parameter window(nullptr, dir.path());
        QVERIFY(
            window.openFile(writeSetFile(dir.filePath(QStringLiteral("SET.CFG")), 4, firmware)));
        TextTable& t = window.set().tables.sprdP_CH;
        t.setText(ParamTables::channelColumn(2), 6, QStringLiteral("2")); // two decimals
        t.setText(ParamTables::channelColumn(2), row, cell);
        QAbstractItemModel* model = window.view(frmTD_Parameter::Grid::Channel)->model();
        // Model column c is table column c + 1 (the table's header column is not shown).
        QTEST(model->data(model->index(row - 1, ParamTables::channelColumn(2) - 1)).toString(),
              "shown");
        QCOMPARE(t.text(ParamTables::channelColumn(2), row), cell); // the cell keeps its text
    }

    // Save asks once, then writes to the same name; Save As starts from the current file and
    // moves the name to the new one; a Save As that fails says so and keeps name and file.
    void saveAndSaveAs() {
        FileWindow f;
        frmTD_Parameter& window = f.window;
        window.btnSave_Click(); // cancelled: silently nothing
        QCOMPARE(window.fileName() + window.message(), QString());
        const QString path = f.path("A.CFG");
        f.dialogs->answers << path;
        window.btnSave_Click();
        QCOMPARE(f.fileName(), path);
        QCOMPARE(QFileInfo(path).size(), 5588);
        window.set().tables.sprdP.setText(3, 6, QStringLiteral("9"));
        QVERIFY(window.hasUnsavedChanges());
        window.btnSave_Click();
        QCOMPARE(f.dialogs->asked.size(), 2); // the second Save did not ask
        QVERIFY(!window.hasUnsavedChanges());
        const QString other = f.path("B.CFG");
        f.dialogs->answers << other;
        window.btnSaveAs_Click();
        QCOMPARE(f.dialogs->asked.last(), QStringLiteral("save|") + path);
        QCOMPARE(f.fileName(), other);
        ParamSet reread;
        QVERIFY(LoadParameterFile(reread, other).ok);
        QCOMPARE(reread.tables.sprdP.text(3, 6), QStringLiteral("9"));

        const QByteArray before = ReadBytes(other);
        window.set().tables.sprdP.setText(3, 6, QStringLiteral("77"));
        const QString blocked = f.path("BLOCKED.CFG"); // a folder of that name is in the way
        QVERIFY(QDir().mkpath(blocked));
        f.dialogs->answers << blocked;
        window.btnSaveAs_Click();
        QVERIFY(window.message().startsWith(QStringLiteral("Not saved:")));
        QVERIFY(window.message().contains(QStringLiteral("The file on disk is unchanged.")));
        QCOMPARE(f.fileName(), other);
        QVERIFY(window.hasUnsavedChanges());
        QCOMPARE(ReadBytes(other), before);
    }

    // Open refuses a file that is no parameter set and keeps the one it had; the text form
    // goes through the same dialogs: saved to a .txt name, edited outside, opened again.
    void openAndTheTextForm() {
        FileWindow f;
        frmTD_Parameter& window = f.window;
        ModalRecorder modals;
        QVERIFY(ParamFileFilter().contains(QStringLiteral("*.CFG")));
        QVERIFY(ParamFileFilter().contains(ParamTextFilter()));
        const QString good = writeSetFile(f.path("G.CFG"), 12, QStringLiteral("1.20"));
        const QString notes = WriteBytes(f.path("NOTES.CFG"), "my notes, not a parameter set\n");
        f.dialogs->answers << good << notes << QString();
        window.btnOpen_Click();
        QCOMPARE(window.set().channelCount(), 12);
        window.btnOpen_Click();
        QVERIFY(window.message().startsWith(QStringLiteral("Not opened:")));
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(f.fileName(), good);
        window.btnOpen_Click(); // cancelled: nothing changes
        QCOMPARE(f.fileName(), good);

        const QString text = f.path("S.txt");
        f.dialogs->answers << text;
        window.btnSaveAs_Click();
        QVERIFY2(window.message().startsWith(QStringLiteral("Saved S.txt")),
                 qPrintable(window.message()));
        QByteArray lines = ReadBytes(text);
        QVERIFY(lines.startsWith("# TD700 parameter set as text"));
        QVERIFY(lines.contains("\n[CH12]\nCH_NAME = "));
        WriteBytes(text, lines.replace("\nBEEP_ONOFF = OFF ", "\nBEEP_ONOFF = ON  "));
        f.dialogs->answers << text;
        window.btnOpen_Click();
        QCOMPARE(f.fileName(), text);
        QCOMPARE(window.set().tables.sprdP.text(3, 12), QStringLiteral("ON")); // BEEP_ONOFF
    }

    void editsAreMarkedAndAskedAboutBeforeTheyAreLost() {
        FileWindow f;
        frmTD_Parameter& window = f.window;
        ModalRecorder modals(QMessageBox::No);
        TextTable& ch = window.set().tables.sprdP_CH;
        const QString was = ch.text(5, 4);
        ch.setText(5, 4, QStringLiteral("17"));
        QCOMPARE(window.markedCells(), 1);
        QCOMPARE(ch.backColour(5, 4), frmTD_Parameter::EditedColour);
        QCOMPARE(ch.backColour(1, 4), frmTD_Parameter::EditedColour); // its description too
        QCOMPARE(ch.backColour(4, 4), TextTable::NoColour);
        // Open and close ask first; No keeps everything.
        f.dialogs->answers << f.path("X.CFG");
        window.btnOpen_Click();
        QCOMPARE(f.dialogs->asked.size(), 0);
        window.show();
        window.reject();
        QVERIFY(window.isVisible());
        QCOMPARE(modals.seen.size(), 2);
        // Back to the loaded text: no mark.
        ch.setText(5, 4, was);
        QCOMPARE(window.markedCells(), 0);
        QCOMPARE(ch.backColour(5, 4), TextTable::NoColour);
    }

    void incompleteSettingsAreNotShownAsTheMeters() {
        DemoSession demo;
        QVERIFY(pollingWithSettings(demo));
        // Channel 3 of the selected meter fails its settings read three times, then answers.
        demo.demoLink()->bus().faults().add(
            SimFaultRule::noReply().forMeter(1).forFunction(3).forRegisters(40301).atMost(3));
        demo.engine().selectMeter(1);
        QVERIFY(demo.runUntil([&] {
            return demo.engine().settingsState() == CommEngine::SettingsState::Incomplete;
        }));
        ModalRecorder modals(QMessageBox::No);
        frmTD_Parameter window(&demo.engine(), demo.home());
        window.tmrRefresh_Timer();
        QVERIFY(window.message().contains(QStringLiteral("not read completely")));
        QVERIFY(window.message().contains(QStringLiteral("CH.03")));
        QCOMPARE(ListedText(window.set().tables.sprdP_CH.text(3, 1)),
                 QString()); // nothing of the meter's
        QCOMPARE(window.set().tables.sprdP_CH.text(4, 4), QStringLiteral("0"));
        // The read completes: the window takes the settings over.
        QVERIFY(demo.runUntil([&] { return demo.engine().settingsComplete(); }));
        QVERIFY(window.refreshTimer()->isActive());
        window.tmrRefresh_Timer();
        QVERIFY(window.set().tables.sprdP_CH.text(4, 4) != QStringLiteral("0"));
        QCOMPARE(window.markedCells(), 0);
    }

    // Meter 1 answers only damaged frames (link still "OK"): an upload stops at its first request
    // given up, saying how; Cancel ends a waiting settings read or a transfer. Either way the
    // line goes back to monitoring the other meters.
    void aMeterAnsweringDamagedFramesStopsTheTransfer() {
        DemoSession demo;
        QVERIFY(pollingWithSettings(demo));
        CommEngine& engine = demo.engine();
        frmTD_Parameter window(&engine, demo.home());
        window.tmrRefresh_Timer();
        QPushButton* cancel = window.button(QStringLiteral("btnCancel"));
        QVERIFY(!cancel->isEnabled());
        demo.demoLink()->bus().faults().add(*SimFaultRule::parse(QStringLiteral("flip,meter=1")));
        QVERIFY(demo.runUntil([&] { return !engine.isAnswering(0); }));
        const auto pollsMeter2 = [&] {
            bool polled = false;
            const auto c =
                connect(&engine, &CommEngine::meterPolled, this,
                        [&](int meter, bool ok) { polled = polled || (meter == 1 && ok); });
            const bool ok = demo.runUntil([&] { return polled; }, 10000);
            disconnect(c);
            return ok;
        };

        window.btnUpload_Click();
        QVERIFY(cancel->isEnabled());
        QVERIFY(demo.runUntil([&] { return !window.isTransferRunning(); }, 10000));
        QVERIFY2(
            window.message().contains(QStringLiteral(
                "meter [1] does not answer usably (3 damaged replies in a row on the upload)")),
            qPrintable(window.message()));
        QVERIFY(!cancel->isEnabled());

        engine.selectMeter(1);
        QVERIFY(demo.runUntil([&] { return window.isWaitingForSilentMeter(); }, 10000));
        cancel->click();
        QVERIFY(!window.isWaitingForSilentMeter());
        QVERIFY(pollsMeter2());
        QCOMPARE(engine.settingsState(), CommEngine::SettingsState::Incomplete);

        // Nothing of a cancelled transfer goes out after the request already on the line.
        demo.demoLink()->bus().faults().clear();
        QVERIFY(demo.runUntil([&] { return engine.isAnswering(0); }));
        {
            ModalRecorder yes(QMessageBox::Yes);
            window.btnUpload_Click();
        }
        QVERIFY(demo.runUntil([&] { return window.progressBar()->value() > 0; }));
        QList<int> sent;
        connect(&engine, &CommEngine::requestSent, this, [&](int code, int) { sent << code; });
        cancel->click();
        QVERIFY(!window.isTransferRunning());
        QVERIFY(window.message().contains(QStringLiteral("cancelled")));
        QVERIFY(pollsMeter2());
        QCOMPARE(sent.first(), 11);
    }

    // Download asks before it writes to a running recorder: which meter, its model and
    // firmware, the set, and that the meter's settings are replaced; No writes nothing.
    void downloadAsksFirst() {
        DemoSession demo;
        QVERIFY(pollingWithSettings(demo));
        frmTD_Parameter window(&demo.engine(), demo.home());
        window.tmrRefresh_Timer();
        const QString file = QDir(demo.home()).filePath(QStringLiteral("M1.CFG"));
        QVERIFY(SaveParameterFile(window.set(), file).ok);
        QVERIFY(window.openFile(file));
        QList<int> sent;
        connect(&demo.engine(), &CommEngine::requestSent, this,
                [&](int code, int) { sent << code; });
        ModalRecorder answered(QMessageBox::No);
        window.btnDownload_Click();
        QCOMPARE(answered.seen.size(), 1);
        for (const QString& part :
             {QStringLiteral("meter [1] (12 channels, firmware 1.20) on DEMO"),
              QStringLiteral("This replaces the meter's settings."),
              QStringLiteral("Logging and publishing pause for the transfer (about "),
              QStringLiteral("M1.CFG")})
            QVERIFY2(answered.seen.front().contains(part), qPrintable(answered.seen.front()));
        QVERIFY(!window.isTransferRunning());
        demo.runUntil([] { return false; }, 3000);
        QVERIFY(std::none_of(sent.begin(), sent.end(), [](int c) { return c >= 500 && c < 600; }));
    }

    void uploadEditDownloadAndUploadAgainOnTheDemoBus() {
        DemoSession demo;
        QVERIFY(pollingWithSettings(demo));
        frmTD_Parameter window(&demo.engine(), demo.home());
        window.tmrRefresh_Timer();
        QVERIFY(window.button(QStringLiteral("btnUpload"))->isEnabled());
        QCOMPARE(window.set().channelCount(), 12);

        QList<int> percents;
        connect(&demo.engine(), &CommEngine::transferProgress, this,
                [&](int percent, const QString&) { percents << percent; });
        window.btnUpload_Click();
        QVERIFY(window.isTransferRunning());
        QVERIFY(!window.button(QStringLiteral("btnUpload"))->isEnabled());
        QVERIFY(demo.runUntil([&] { return !window.isTransferRunning(); }));
        QCOMPARE(window.message(), QStringLiteral("Parameter Upload(TD700==>PC) Complete"));
        QCOMPARE(window.progressBar()->value(), 100.0);
        QVERIFY(std::is_sorted(percents.begin(), percents.end()));
        window.tmrRefresh_Timer(); // what the refresh started by the completion does
        QCOMPARE(window.markedCells(), 0);

        // Channel 2's input on the channel page: RTD, the first code of its group.
        SetModalHook([](QDialog& d) {
            if (auto* page = qobject_cast<frmTD_P_Channel*>(&d)) {
                page->refreshNow();
                page->findChild<QPushButton*>(QStringLiteral("btnINP(1)"))->click();
                page->findChild<QPushButton*>(QStringLiteral("btnUP_INP"))->click();
            }
            return int(QDialog::Accepted);
        });
        window.clickCell(frmTD_Parameter::Grid::Channel, 4, 4);
        SetModalHook([](QDialog&) { return int(QDialog::Rejected); }); // nothing else may ask
        QCOMPARE(window.set().tables.sprdP_CH.text(4, 4), QStringLiteral("16"));
        QVERIFY(window.markedCells() >= 1);

        percents.clear();
        {
            ModalRecorder yes(QMessageBox::Yes); // the download asks first
            window.btnDownload_Click();
            QCOMPARE(yes.seen.size(), 1);
        }
        QVERIFY(window.isTransferRunning());
        QVERIFY(demo.runUntil([&] { return !window.isTransferRunning(); }));
        QCOMPARE(window.message(), QStringLiteral("Parameter Download(PC==>TD700) Complete"));
        QCOMPARE(percents.last(), 100);
        QList<quint16> held;
        demo.demoLink()->bus().meter(1)->readHolding(40210, 1, &held);
        QCOMPARE(held, QList<quint16>{16});

        // Upload again: the meter holds the change, nothing marked; unsaved, so the window asks.
        {
            ModalRecorder yes(QMessageBox::Yes);
            window.btnUpload_Click();
            QCOMPARE(yes.seen.size(), 1);
        }
        QVERIFY(demo.runUntil([&] { return !window.isTransferRunning(); }));
        window.tmrRefresh_Timer();
        QCOMPARE(window.set().tables.sprdP_CH.text(4, 4), QStringLiteral("16"));
        QCOMPARE(window.markedCells(), 0);

        // Closing during a download asks, stops it and hands the line back to monitoring.
        {
            ModalRecorder yes(QMessageBox::Yes);
            window.btnDownload_Click();
        }
        QVERIFY(demo.runUntil([&] { return window.progressBar()->value() > 0; }));
        QList<int> sent;
        connect(&demo.engine(), &CommEngine::requestSent, this,
                [&](int code, int) { sent << code; });
        {
            ModalRecorder yes(QMessageBox::Yes);
            window.show();
            window.reject();
            QCOMPARE(yes.seen.size(), 1);
        }
        QVERIFY(!window.isVisible());
        demo.runUntil([] { return false; }, 3000);
        QVERIFY(sent.contains(11));
        QVERIFY(std::none_of(sent.begin(), sent.end(), [](int c) { return c >= 500 && c < 600; }));
        SetModalHook({});
    }
};

QTEST_MAIN(TestParameterWindow)
#include "tst_parameterwindow.moc"
