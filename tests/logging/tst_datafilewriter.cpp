#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "core/Clock.h"
#include "logging/DataFile.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileReader.h"
#include "logging/DataFileWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Meters with their link texts, an engine state polling them, and the writer.
struct Rig {
    VirtualClock clock;
    CommState state;
    DeviceTables tables;
    bool portOpen = true;
    std::unique_ptr<DataFileWriter> writer;
    QList<QDateTime> saves;
    QList<QStringList> files;

    Rig(const QDateTime& start, const SaveSettings& settings,
        const QList<std::pair<int, QString>>& meters)
        : clock(start) {
        for (const auto& [address, link] : meters) {
            state.gMeterAddress.append(address);
            state.gMeterOnline.append(true);
            tables.appendMeterRow(address);
            tables.sprdStatus.setText(2, tables.sprdStatus.rowCount(), link);
            tables.sprdMON.setText(13, tables.sprdMON.rowCount(), QString::number(address));
        }
        state.gLastMeter = int(meters.size()) - 1;
        state.gCommand = 11;
        writer = std::make_unique<DataFileWriter>(
            clock, SaveSource{&state, &tables, [this] { return portOpen; }});
        writer->setSettings(settings);
        QObject::connect(writer.get(), &DataFileWriter::saved,
                         [this](const QDateTime& at, const QStringList& f) {
                             saves << at;
                             files << f;
                         });
        writer->tmrDSave().start();
    }
    QStringList saveTimes() const {
        QStringList out;
        for (const QDateTime& t : saves)
            out << t.toString(QStringLiteral("HH:mm:ss.zzz"));
        return out;
    }
};

SaveSettings settings(const QString& folder, int interval, const QString& unit) {
    SaveSettings s;
    s.gDSaveOn = QStringLiteral("Yes");
    s.gDSaveInterval = interval;
    s.gDSaveUnit = unit;
    s.gDSaveFolder = folder;
    s.gDSaveName = QStringLiteral("LOG");
    return s;
}

QList<quint32> stampsIn(const QString& path) {
    DataFileReader reader;
    QList<quint32> out;
    if (!reader.open(path))
        return out;
    DataRecord r;
    for (qint64 i = 0; reader.record(i, &r); ++i)
        out << r.stamp;
    return out;
}

} // namespace

// The save tick on the virtual clock: when it saves, for which meters, into which files.
class TestDataFileWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveInstants_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("runSeconds");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("longRun");
        const QStringList fiveMinutes{"12:05:00.000", "12:10:00.000", "12:15:00.000",
                                      "12:20:00.000"};
        QTest::newRow("every 5 min, on minutes 0, 5, 10 ...")
            << 5 << "min" << QTime(12, 3, 30) << 17 * 60 << fiveMinutes << false;
        // Days into a run the due time has caught up with the clock; falling out of step with
        // whole minutes then stopped unattended logging.
        QTest::newRow("every 7 s, on seconds 0, 7 ... 56 of each minute")
            << 7 << "sec" << QTime(12, 0, 50) << 80
            << QStringList{"12:00:56.000", "12:01:00.000", "12:01:07.000", "12:01:14.000",
                           "12:01:21.000", "12:01:28.000", "12:01:35.000", "12:01:42.000",
                           "12:01:49.000", "12:01:56.000", "12:02:00.000", "12:02:07.000"}
            << false;
        // A start in the middle of a second saves at once: that second had no save yet.
        QTest::newRow("every second")
            << 1 << "sec" << QTime(8, 0, 0, 520) << 3
            << QStringList{"08:00:00.570", "08:00:01.020", "08:00:02.020", "08:00:03.020"} << false;
        QTest::newRow("any unit but min is seconds")
            << 30 << "MIN" << QTime(8, 0, 10) << 60 << QStringList{"08:00:30.000", "08:01:00.000"}
            << false;
        QTest::newRow("interval 0 left by a short file")
            << 0 << "sec" << QTime(8, 0) << 10 << QStringList{} << false;
    }

    void saveInstants() {
        QFETCH(int, interval);
        QFETCH(QString, unit);
        QFETCH(QTime, start);
        QFETCH(int, runSeconds);
        QFETCH(QStringList, expected);
        QFETCH(bool, longRun);
        QTemporaryDir dir;
        const QDateTime at(QDate(2009, 3, 7), start);
        Rig rig(at, settings(dir.path(), interval, unit), {{1, "OK"}});
        if (longRun) // where the due time stands after days of passes: just over one interval
                     // behind
            rig.writer->LastDue = double(QDate(1899, 12, 30).daysTo(at.date())) +
                                  (QTime(0, 0).secsTo(start) - 301) / 86400.0;
        rig.clock.advance(qint64(runSeconds) * 1000);
        QCOMPARE(rig.saveTimes(), expected);
        // One record per save in the meter's file, stamped with the save's second.
        const QList<quint32> stamps = stampsIn(dir.filePath(QStringLiteral("LOG_01.TDD")));
        QCOMPARE(stamps.size(), expected.size());
        for (int i = 0; i < stamps.size(); ++i)
            QCOMPARE(stamps[i], PackTimeStamp(rig.saves[i]));
    }

    void nothingIsSavedUnless_data() {
        QTest::addColumn<QString>("saveOn");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<int>("saves");
        QTest::newRow("all gates open") << "Yes" << 11 << true << 6;
        QTest::newRow("saving off") << "No" << 11 << true << 0;
        QTest::newRow("polling values") << "Yes" << 12 << true << 6;
        QTest::newRow("reading the settings") << "Yes" << 105 << true << 0;
        QTest::newRow("port closed") << "Yes" << 11 << false << 0;
    }

    void nothingIsSavedUnless() {
        QFETCH(QString, saveOn);
        QFETCH(int, command);
        QFETCH(bool, portOpen);
        QFETCH(int, saves);
        QTemporaryDir dir;
        SaveSettings s = settings(dir.path(), 10, QStringLiteral("sec"));
        s.gDSaveOn = saveOn;
        Rig rig(QDateTime(QDate(2009, 3, 7), QTime(10, 0, 5)), s, {{1, "OK"}});
        rig.state.gCommand = command;
        rig.portOpen = portOpen;
        rig.clock.advance(60'000);
        QCOMPARE(rig.saves.size(), saves);
        QCOMPARE(QFileInfo::exists(dir.filePath(QStringLiteral("LOG_01.TDD"))), saves > 0);
        QVERIFY(rig.writer->tmrDSave().isEnabled()); // every gate restarts the timer
    }

    void onlyAnsweringMetersGetARecord() {
        QTemporaryDir dir;
        Rig rig(QDateTime(QDate(2009, 3, 7), QTime(10, 4, 0)),
                settings(dir.path(), 5, QStringLiteral("min")),
                {{1, "OK"}, {5, "NG"}, {12, "OK"}, {100, ""}, {7, "OK"}});
        // Meter 7 answered the scan but its present values have not been read yet.
        rig.writer->setRequireValuesRead(true);
        // Meter 12 has six channels, the selected meter twelve: each file names its own model.
        rig.state.gChannelCount = 12;
        rig.tables.sprdStatus.setText(3, 1, QStringLiteral("22"));
        rig.tables.sprdStatus.setText(3, 3, QStringLiteral("15"));
        rig.tables.sprdMON.setText(2, 3, QStringLiteral("15"));
        for (int meter : {0, 1, 2, 3})
            rig.writer->noteValuesRead(meter);
        rig.clock.advance(5 * 60'000);
        QCOMPARE(rig.saves.size(), 1);
        const QStringList expected{dir.filePath(QStringLiteral("LOG_01.TDD")),
                                   dir.filePath(QStringLiteral("LOG_12.TDD"))};
        QCOMPARE(rig.files.value(0), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{"LOG_01.TDD", "LOG_12.TDD"}));
        // Each file carries its own meter's row.
        DataFileReader reader;
        DataRecord r;
        QVERIFY(reader.open(expected[1]) && reader.record(0, &r));
        QCOMPARE(r.values[0], 12.0f);
        QCOMPARE(reader.header().modelCode, 15);
        QCOMPARE(reader.header().channelCount, 6);
        QVERIFY(reader.open(expected[0]));
        QCOMPARE(reader.header().channelCount, 12);

        // Once read, it is saved with the others.
        rig.writer->noteValuesRead(4);
        rig.clock.advance(5 * 60'000);
        QCOMPARE(rig.files.value(1).size(), 3);
    }

    void dailyFileNames_data() {
        QTest::addColumn<bool>("daily");
        QTest::addColumn<int>("address");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("name");
        const QDate day(2009, 3, 7);
        QTest::newRow("before the change time: yesterday")
            << true << 1 << QDateTime(day, QTime(6, 29, 59)) << "PLANT_01_20090306.TDD";
        QTest::newRow("at the change time: today")
            << true << 1 << QDateTime(day, QTime(6, 30, 0)) << "PLANT_01_20090307.TDD";
        QTest::newRow("shortly after midnight: still yesterday")
            << true << 9 << QDateTime(QDate(2009, 3, 1), QTime(0, 5)) << "PLANT_09_20090228.TDD";
        QTest::newRow("one file") << false << 7 << QDateTime(day, QTime(6, 0)) << "PLANT_07.TDD";
        QTest::newRow("three-digit address")
            << false << 100 << QDateTime(day, QTime(6, 0)) << "PLANT_100.TDD";
    }

    void dailyFileNames() {
        QFETCH(bool, daily);
        QFETCH(int, address);
        QFETCH(QDateTime, now);
        QFETCH(QString, name);
        SaveSettings s;
        s.gDSaveFolder = QStringLiteral("/data");
        s.gDSaveName = QStringLiteral("PLANT");
        s.gDSaveDaily = daily;
        s.gDSaveDayHour = 6;
        s.gDSaveDayMinute = 30;
        QCOMPARE(DataFileWriter::DataFileName(s, address, now), QStringLiteral("/data/") + name);
    }

    // Which names are a meter's data files: the writer's own names, the extension in either
    // case; files of other programs beside them are not.
    void fileNamesOfAMeter_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name"); // empty: not a meter's data file
        QTest::addColumn<int>("address");
        QTest::addColumn<QDate>("day");
        const QDate d5(2026, 12, 5);
        const auto row = [](const char* label, const char* file, const char* name, int address,
                            const QDate& day) {
            QTest::newRow(label) << QString(file) << QString(name) << address << day;
        };
        row("one file", "RUN_01.TDD", "RUN", 1, QDate());
        row("daily", "RUN_01_20261205.TDD", "RUN", 1, d5);
        row("lower-case extension", "RUN_01_20261205.tdd", "RUN", 1, d5);
        row("lower-case name", "run_09.TDD", "run", 9, QDate());
        row("highest address", "RUN_247.TDD", "RUN", 247, QDate());
        row("three digits, daily", "RUN_100_20261205.TDD", "RUN", 100, d5);
        row("name with levels", "A_B_12_20261205.TDD", "A_B", 12, d5);
        row("name ending in a day", "RUN_01_20261205_03.TDD", "RUN_01_20261205", 3, QDate());
        for (const char* other : {"RUN_248.TDD", "RUN_00.TDD", "RUN_7.TDD", "RUN_007.TDD",
                                  "RUN_01_20261305.TDD", "RUN_01_backup.TDD", "RUN_01.PUB",
                                  "RUN_01.TDD.td700-aB3xYz.part", "_01.TDD", "RUN_01_2026120.TDD"})
            QTest::newRow(other) << other << "" << 0 << QDate();
    }

    void fileNamesOfAMeter() {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(int, address);
        QFETCH(QDate, day);
        const DataFileName n = DataFileName::parse(QStringLiteral("/data/") + file);
        QCOMPARE(n.matches, !name.isEmpty());
        if (!n.matches)
            return;
        QCOMPARE(n.name, name);
        QCOMPARE(n.address, address);
        QCOMPARE(n.day, day);
        QCOMPARE(DataFileName::make(name, address, day).toUpper(), file.toUpper());
    }

    // A meter's files in the order they were written, whatever else lies in the folder.
    void meterFilesInSavingOrder_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("meter 1") << 1 << ""
                                 << QStringList{"RUN_01.TDD", "RUN_01_20251231.TDD",
                                                "RUN_01_20261205.TDD", "RUN_01_20261207.tdd"};
        QTest::newRow("after a day")
            << 1 << "RUN_01_20261205.TDD" << QStringList{"RUN_01_20261207.tdd"};
        QTest::newRow("after a day with no file")
            << 1 << "RUN_01_20261206.TDD" << QStringList{"RUN_01_20261207.tdd"};
        QTest::newRow("after the single file")
            << 1 << "RUN_01.TDD"
            << QStringList{"RUN_01_20251231.TDD", "RUN_01_20261205.TDD", "RUN_01_20261207.tdd"};
        QTest::newRow("meter 100") << 100 << "" << QStringList{"RUN_100_20261206.TDD"};
        QTest::newRow("meter 2") << 2 << "" << QStringList{};
    }

    void meterFilesInSavingOrder() {
        QFETCH(int, address);
        QFETCH(QString, after);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        for (const char* name :
             {"RUN_01_20261207.tdd", "RUN_01_20261205.TDD", "RUN_01_20261205.tdd", "RUN_01.TDD",
              "RUN_01_20251231.TDD", "RUN_100_20261206.TDD", "RUN_001.TDD", "RUN_01_backup.TDD",
              "RUNX_01.TDD", "RUN_01.PUB", "run_01.TDD", "RUN_10.TDD"})
            WriteBytes(dir.filePath(QLatin1String(name)), {});
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("RUN_02_20261206.TDD")));
        QCOMPARE(after.isEmpty()
                     ? DataFileNames::meterFiles(dir.path(), QStringLiteral("RUN"), address)
                     : DataFileNames::filesAfter(dir.path(), QStringLiteral("RUN"), address, after),
                 files);
    }

    void failedWriteIsShownUntilAWriteSucceeds() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("removed"));
        Rig rig(QDateTime(QDate(2009, 3, 7), QTime(9, 0)),
                settings(folder, 1, QStringLiteral("sec")), {{1, "OK"}, {2, "OK"}});
        QSignalSpy failures(rig.writer.get(), &DataFileWriter::writeFailed);
        QSignalSpy panel(rig.writer.get(), &DataFileWriter::statusText);
        rig.clock.advance(500);
        QCOMPARE(rig.saves.size(), 1); // the save instant still passes, with no file written
        QCOMPARE(rig.files.value(0), QStringList());
        QCOMPARE(failures.size(), 2);
        QCOMPARE(failures.at(0).at(0).toString(), folder + QStringLiteral("/LOG_01.TDD"));
        QVERIFY(!failures.at(0).at(1).toString().isEmpty());
        QVERIFY(panel.size() >= 1);
        QVERIFY(panel.last().at(0).toString().contains(QStringLiteral("LOG_02.TDD")));

        // Both files written again: the panel empties once, after the last of them.
        QVERIFY(QDir().mkpath(folder));
        panel.clear();
        rig.clock.advance(1000);
        QCOMPARE(rig.files.value(1).size(), 2);
        QCOMPARE(panel.size(), 1);
        QCOMPARE(panel.at(0).at(0).toString(), QString());
    }
};

QTEST_GUILESS_MAIN(TestDataFileWriter)
#include "tst_datafilewriter.moc"
