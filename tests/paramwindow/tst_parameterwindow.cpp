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

// Answers the open and save dialogs with the next queued path ("" = cancel), noting what
// each was asked with.
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
    void layoutFollowsModelAndFirmware_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("row14");
        QTest::addColumn<QString>("row14Caption");
        QTest::addColumn<bool>("row17");
        QTest::addColumn<bool>("mathRows"); // sprdP_CH 14..16
        QTest::addColumn<bool>("rjcRows");  // sprdP_CH 12..13
        QTest::addColumn<QString>("ch12Caption");
        QTest::newRow("2 ch 1.05")
            << 2 << "1.05" << true << "REC. WITH BUFFER" << false << true << true << "MATH. TYPE";
        QTest::newRow("2 ch 1.20")
            << 2 << "1.20" << false << "REC. WITH BUFFER" << true << false << false << "MATH. TYPE";
        QTest::newRow("6 ch 1.10")
            << 6 << "1.10" << true << "REC. WITH BUFFER" << false << true << true << "MATH. TYPE";
        QTest::newRow("6 ch 1.16")
            << 6 << "1.16" << false << "REC. WITH BUFFER" << true << false << false << "MATH. TYPE";
        QTest::newRow("12 ch 1.05")
            << 12 << "1.05" << true << "DISPLAY GROUP" << false << true << true << "MATH. TYPE";
        QTest::newRow("12 ch 1.20")
            << 12 << "1.20" << true << "DISPLAY GROUP" << true << false << false << "MATH. TYPE";
        QTest::newRow("4 ch 2.00") << 4 << "2.00" << false << "REC. WITH BUFFER" << true << false
                                   << true << "RJC TYPE (Only T/C)";
    }
    void layoutFollowsModelAndFirmware() {
        QFETCH(int, channels);
        QFETCH(QString, firmware);
        QFETCH(bool, row14);
        QFETCH(QString, row14Caption);
        QFETCH(bool, row17);
        QFETCH(bool, mathRows);
        QFETCH(bool, rjcRows);
        QFETCH(QString, ch12Caption);
        QTemporaryDir dir;
        const QString path =
            writeSetFile(dir.filePath(QStringLiteral("SET.CFG")), channels, firmware);
        frmTD_Parameter window(nullptr, dir.path());
        QVERIFY(window.openFile(path));
        QTableView* p = window.view(frmTD_Parameter::Grid::Common);
        QTableView* ch = window.view(frmTD_Parameter::Grid::Channel);
        // Model row r is table row r + 1; the key column stays hidden.
        QCOMPARE(!p->isRowHidden(13), row14);
        QCOMPARE(window.set().tables.sprdP.text(1, 14), row14Caption);
        QCOMPARE(!p->isRowHidden(16), row17);
        QVERIFY(p->isColumnHidden(1));
        QCOMPARE(!p->isRowHidden(52), channels != 2); // DI03
        QCOMPARE(!ch->isRowHidden(13), mathRows);
        QCOMPARE(!ch->isRowHidden(11), rjcRows);
        QCOMPARE(window.set().tables.sprdP_CH.text(1, 12), ch12Caption);
        QCOMPARE(ch->model()->columnCount(), channels + 2); // description, key, channels
        QCOMPARE(ch->model()->headerData(channels + 1, Qt::Horizontal).toString(),
                 QStringLiteral("CH.%1").arg(channels, 2, 10, QLatin1Char('0')));
        QCOMPARE(window.view(frmTD_Parameter::Grid::ChannelFormula)->model()->rowCount(), channels);
        QVERIFY(!window.button(QStringLiteral("btnUpload"))->isEnabled()); // no meter
    }

    // The channel grid names the codes that have a name and shows a channel's values in its
    // decimals, so that a value from the meter and one written by a page read alike.
    void gridShowsNamesAndOneNumberFormat_data() {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("shown");
        QTest::newRow("input type") << "2.00" << 4 << "14"
                                    << "14 Pt100(DIN)";
        QTest::newRow("input type without a name") << "2.00" << 4 << "9"
                                                   << "9";
        QTest::newRow("unit") << "2.00" << 7 << "3"
                              << "3 °C";
        QTest::newRow("decimal point") << "2.00" << 6 << "2"
                                       << "2 (0.00)";
        QTest::newRow("math type before 1.50") << "1.20" << 12 << "4"
                                               << "4 α×β";
        QTest::newRow("reference junction from 1.50") << "2.00" << 12 << "IN.SENSOR"
                                                      << "IN.SENSOR";
        QTest::newRow("display range from the meter") << "2.00" << 21 << "600"
                                                      << "600.00";
        QTest::newRow("hysteresis written by a page") << "2.00" << 27 << "12.5"
                                                      << "12.50";
        QTest::newRow("alarm 1 type") << "2.00" << 29 << "3"
                                      << "3 HIGH";
        QTest::newRow("alarm 4 type") << "2.00" << 56 << "15"
                                      << "15 BURNOUT";
        QTest::newRow("alarm type without a name") << "2.00" << 38 << "16"
                                                   << "16";
        QTest::newRow("beta constant as it stands") << "2.00" << 16 << "1.5"
                                                    << "1.5";
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

    void saveAsksOnceThenWritesToTheSameName() {
        QTemporaryDir dir;
        auto* dialogs = new FakeDialogs;
        frmTD_Parameter window(nullptr, dir.path());
        window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs));
        // Cancelling ends the action silently.
        window.btnSave_Click();
        QCOMPARE(window.fileName(), QString());
        QCOMPARE(window.message(), QString());
        const QString path = dir.filePath(QStringLiteral("A.CFG"));
        dialogs->answers << path;
        window.btnSave_Click();
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), path);
        QCOMPARE(QFileInfo(path).size(), 5588);
        window.set().tables.sprdP.setText(3, 6, QStringLiteral("9"));
        QVERIFY(window.hasUnsavedChanges());
        window.btnSave_Click();
        QCOMPARE(dialogs->asked.size(), 2); // the second Save did not ask
        QVERIFY(!window.hasUnsavedChanges());
        // Save As starts from the current file and moves the name to the new one.
        const QString other = dir.filePath(QStringLiteral("B.CFG"));
        dialogs->answers << other;
        window.btnSaveAs_Click();
        QCOMPARE(dialogs->asked.last(), QStringLiteral("save|") + path);
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), other);
        ParamSet reread;
        QVERIFY(LoadParameterFile(reread, other).ok);
        QCOMPARE(reread.tables.sprdP.text(3, 6), QStringLiteral("9"));
    }

    void aFailedSaveSaysSoAndKeepsTheName() {
        QTemporaryDir dir;
        auto* dialogs = new FakeDialogs;
        frmTD_Parameter window(nullptr, dir.path());
        window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs));
        const QString good = dir.filePath(QStringLiteral("GOOD.CFG"));
        dialogs->answers << good;
        window.btnSave_Click();
        const QByteArray before = [&] {
            QFile f(good);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        window.set().tables.sprdP.setText(3, 6, QStringLiteral("77"));
        // A name that cannot be written: a folder of that name is in the way.
        const QString blocked = dir.filePath(QStringLiteral("BLOCKED.CFG"));
        QVERIFY(QDir().mkpath(blocked));
        dialogs->answers << blocked;
        window.btnSaveAs_Click();
        QVERIFY(window.message().startsWith(QStringLiteral("Not saved:")));
        QVERIFY(window.message().contains(QStringLiteral("The file on disk is unchanged.")));
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), good);
        QVERIFY(window.hasUnsavedChanges());
        QFile f(good);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void openRefusesAFileThatIsNoParameterSet() {
        QTemporaryDir dir;
        ModalRecorder modals;
        auto* dialogs = new FakeDialogs;
        frmTD_Parameter window(nullptr, dir.path());
        window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs));
        const QString good =
            writeSetFile(dir.filePath(QStringLiteral("G.CFG")), 4, QStringLiteral("2.00"));
        dialogs->answers << good;
        window.btnOpen_Click();
        QCOMPARE(window.set().channelCount(), 4);
        QFile text(dir.filePath(QStringLiteral("NOTES.CFG")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("these are my notes, not a parameter set\n");
        text.close();
        dialogs->answers << text.fileName() << QString();
        window.btnOpen_Click();
        QVERIFY(window.message().startsWith(QStringLiteral("Not opened:")));
        QCOMPARE(modals.seen.size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), good); // still the good file
        QCOMPARE(window.set().channelCount(), 4);
        window.btnOpen_Click(); // cancelled: nothing changes
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), good);
    }

    // The text form through the same dialogs: saved to a .txt name, edited on one line
    // outside the program, opened again; a text with a fault is refused and changes nothing.
    void savesAndOpensTheTextForm() {
        QTemporaryDir dir;
        ModalRecorder modals;
        auto* dialogs = new FakeDialogs;
        frmTD_Parameter window(nullptr, dir.path());
        window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs));
        QVERIFY(ParamFileFilter().contains(QStringLiteral("*.CFG")));
        QVERIFY(ParamFileFilter().contains(ParamTextFilter()));
        QVERIFY(window.openFile(
            writeSetFile(dir.filePath(QStringLiteral("S.CFG")), 12, QStringLiteral("1.20"))));
        const QString text = dir.filePath(QStringLiteral("S.txt"));
        dialogs->answers << text;
        window.btnSaveAs_Click();
        QVERIFY2(window.message().startsWith(QStringLiteral("Saved S.txt")),
                 qPrintable(window.message()));
        QByteArray lines = ReadBytes(text);
        QVERIFY(lines.startsWith("# TD700 parameter set as text"));
        QVERIFY(lines.contains("\n[CH12]\nCH_NAME = "));
        lines.replace("\nBEEP_ONOFF = OFF ", "\nBEEP_ONOFF = ON  ");
        WriteBytes(text, lines);

        dialogs->answers << text;
        window.btnOpen_Click();
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), text);
        QCOMPARE(window.set().tables.sprdP.text(3, 12), QStringLiteral("ON")); // BEEP_ONOFF
        QCOMPARE(window.set().channelCount(), 12);

        const QString bad = dir.filePath(QStringLiteral("BAD.txt"));
        WriteBytes(bad, "[file]\nCHANNELS = 12\nFIRMWARE = 1.20\n[common]\nBEEP_ONOFF = LOUD\n");
        dialogs->answers << bad;
        window.btnOpen_Click();
        QVERIFY(window.message().startsWith(QStringLiteral("Not opened:")));
        QVERIFY2(modals.seen.last().contains(QStringLiteral("BAD.txt line 5: BEEP_ONOFF = LOUD")),
                 qPrintable(modals.seen.last()));
        QCOMPARE(window.set().tables.sprdP.text(3, 12), QStringLiteral("ON"));
        QCOMPARE(QDir::fromNativeSeparators(window.fileName()), text);
    }

    void editsAreMarkedAndAskedAboutBeforeTheyAreLost() {
        QTemporaryDir dir;
        ModalRecorder modals(QMessageBox::No);
        auto* dialogs = new FakeDialogs;
        frmTD_Parameter window(nullptr, dir.path());
        window.setFileDialogs(std::unique_ptr<ParamFileDialogs>(dialogs));
        TextTable& ch = window.set().tables.sprdP_CH;
        const QString was = ch.text(5, 4);
        ch.setText(5, 4, QStringLiteral("17"));
        QCOMPARE(window.markedCells(), 1);
        QCOMPARE(ch.backColour(5, 4), frmTD_Parameter::EditedColour);
        QCOMPARE(ch.backColour(1, 4), frmTD_Parameter::EditedColour); // its description too
        QCOMPARE(ch.backColour(4, 4), TextTable::NoColour);
        // Open and close ask first; No keeps everything.
        dialogs->answers << dir.filePath(QStringLiteral("X.CFG"));
        window.btnOpen_Click();
        QCOMPARE(dialogs->asked.size(), 0);
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

    // Meter 1 answers the scan, then only with damaged frames: the monitoring cycle has given
    // it up already, yet its link cell still reads "OK" (a bad frame does not change it). An
    // upload then stops at its first request given up and says how the meter failed; a
    // settings read waiting for the meter is cancelled with Cancel. Either way the line goes
    // back to monitoring the other meters.
    void aMeterAnsweringDamagedFramesStopsTheTransfer() {
        DemoSession demo;
        QVERIFY(demo.isValid());
        demo.openPort();
        QVERIFY(demo.runUntilPolling());
        CommEngine& engine = demo.engine();
        QVERIFY(demo.runUntil([&] { return engine.settingsComplete(); }));
        frmTD_Parameter window(&engine, demo.home());
        window.tmrRefresh_Timer();
        QPushButton* cancel = window.button(QStringLiteral("btnCancel"));
        QVERIFY(!cancel->isEnabled());
        demo.demoLink()->bus().faults().add(*SimFaultRule::parse(QStringLiteral("flip,meter=1")));
        QVERIFY(demo.runUntil([&] { return !engine.isAnswering(0); }));
        QVERIFY(window.button(QStringLiteral("btnUpload"))->isEnabled());

        window.btnUpload_Click();
        QVERIFY(cancel->isEnabled());
        QVERIFY(demo.runUntil([&] { return !window.isTransferRunning(); }, 10000));
        QVERIFY2(
            window.message().contains(QStringLiteral(
                "meter [1] does not answer usably (3 damaged replies in a row on the upload)")),
            qPrintable(window.message()));
        QVERIFY(!cancel->isEnabled());
        const auto pollsMeter2 = [&] {
            bool polled = false;
            const auto c =
                connect(&engine, &CommEngine::meterPolled, this, [&](int meter, bool answered) {
                    polled = polled || (meter == 1 && answered);
                });
            const bool ok = demo.runUntil([&] { return polled; }, 10000);
            disconnect(c);
            return ok;
        };
        QVERIFY(pollsMeter2());

        engine.selectMeter(1);
        QVERIFY(demo.runUntil([&] { return window.isWaitingForSilentMeter(); }, 10000));
        QVERIFY2(window.message().contains(QStringLiteral("Meter [1] does not answer usably")),
                 qPrintable(window.message()));
        QVERIFY(cancel->isEnabled());
        cancel->click();
        QVERIFY(!window.isWaitingForSilentMeter());
        QVERIFY(pollsMeter2());
        QCOMPARE(engine.settingsState(), CommEngine::SettingsState::Incomplete);

        // A transfer the user cancels stops at once; nothing of it goes out after the request
        // already on the line.
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
    // firmware, the set, and that the meter's settings are replaced; No (the default) writes
    // nothing.
    void downloadAsksFirst_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("No: nothing written") << int(QMessageBox::No) << false;
        QTest::newRow("Yes: the set uploaded") << int(QMessageBox::Yes) << false;
        QTest::newRow("Yes: a file") << int(QMessageBox::Yes) << true;
    }
    void downloadAsksFirst() {
        QFETCH(int, answer);
        QFETCH(bool, fromFile);
        DemoSession demo;
        QVERIFY(pollingWithSettings(demo));
        frmTD_Parameter window(&demo.engine(), demo.home());
        window.tmrRefresh_Timer();
        const QString file = QDir(demo.home()).filePath(QStringLiteral("M1.CFG"));
        if (fromFile) {
            QVERIFY(SaveParameterFile(window.set(), file).ok);
            QVERIFY(window.openFile(file));
        }
        QList<int> sent;
        connect(&demo.engine(), &CommEngine::requestSent, this,
                [&](int code, int) { sent << code; });
        QString question;
        {
            ModalRecorder answered(answer);
            window.btnDownload_Click();
            QCOMPARE(answered.seen.size(), 1);
            question = answered.seen.front();
        }
        for (const QString& part :
             {QStringLiteral("meter [1] (12 channels, firmware 1.20) on DEMO"),
              QStringLiteral("This replaces the meter's settings."),
              QStringLiteral("Logging and publishing pause for the transfer (about "),
              fromFile ? QStringLiteral("M1.CFG") : QStringLiteral("uploaded from meter [1]")})
            QVERIFY2(question.contains(part), qPrintable(question));
        const bool yes = answer == QMessageBox::Yes;
        QCOMPARE(window.isTransferRunning(), yes);
        demo.runUntil([&] { return !window.isTransferRunning(); });
        QCOMPARE(std::any_of(sent.begin(), sent.end(), [](int c) { return c >= 500 && c < 600; }),
                 yes);
        SetModalHook({});
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

        // Upload again: the meter holds the change, and nothing is marked any more. The
        // change was not saved to a file: the window asks first.
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
