#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterList.h"
#include "comm/PortSettings.h"
#include "core/CodePage.h"
#include "core/TextLines.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The port settings and meter list files, as written on Windows PCs over the years.
class TestSettingsFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What each file gives, and what it says of a file it cannot use (empty: nothing).
    void portSettingsRead_data() {
        QTest::addColumn<QByteArray>("content"); // "dir": a folder named Comm.CFG
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("rts");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* name, const QByteArray& content, const char* port,
                            const char* line, bool rts, const char* says = "") {
            QTest::newRow(name) << content << QString(port) << QString(line) << rts
                                << QString(says);
        };
        const char* standard = "38400,N,8,1";
        row("seven lines", "COM3\r\n9600\r\nE\r\n7\r\n2\r\nModbus RTU\r\nON\r\n", "COM3",
            "9600,E,7,2", true);
        row("LF only", "/dev/ttyUSB0\n19200\nN\n8\n1\nModbus RTU\nOFF\n", "/dev/ttyUSB0",
            "19200,N,8,1", false);
        row("CR only, as an old editor saves it", "COM2\r9600\rN\r8\r1\rModbus RTU\rOFF\r", "COM2",
            "9600,N,8,1", false);
        row("no final line end", "COM2\r\n57600\r\nO\r\n8\r\n1\r\nModbus RTU\r\nON", "COM2",
            "57600,O,8,1", true);
        // One line short: every setting falls back, not only the missing one.
        row("six lines", "COM3\r\n9600\r\nE\r\n7\r\n2\r\nModbus RTU\r\n", "COM1", standard, false,
            "6 of the 7 lines");
        row("too few lines", "COM2\r\n9600\r\n", "COM1", standard, false, "2 of the 7 lines");
        row("no file", "missing", "COM1", standard, false);
        row("a folder of that name", "dir", "COM1", standard, false, "is a folder");
        row("values kept as typed",
            "tcp://10.0.0.5:4001\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\non\r\n",
            "tcp://10.0.0.5:4001", standard, false);
        static const char nul[] = "CO\0M2\r\n9600\r\nN\r\n8\r\n1\r\nModbus RTU\r\nOFF\r\n";
        row("NUL in the port name", QByteArray(nul, sizeof nul - 1), "CO?M2", "9600,N,8,1", false,
            "\"CO\\0M2\" holds a control character");
        row("empty port name", "\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nOFF\r\n", "", standard,
            false, "no port is named");
    }

    void portSettingsRead() {
        QFETCH(QByteArray, content);
        QFETCH(QString, port);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Comm.CFG"));
        if (content == "dir")
            QVERIFY(QDir().mkdir(path));
        else if (content != "missing")
            WriteBytes(path, content);
        QString problem = QStringLiteral("not touched");
        const PortSettings s = LoadPortSettings(path, &problem);
        QCOMPARE(s.portName, port.replace(u'?', QChar(0)));
        QTEST(s.lineSettings(), "line");
        QTEST(s.rtsOn(), "rts");
        QCOMPARE(s.protocol, QStringLiteral("Modbus RTU"));
        QVERIFY2(says.isEmpty() ? problem.isEmpty() : problem.contains(says), qPrintable(problem));
        // Such a name is kept as the file has it, but no port opens with it.
        const bool refused = QByteArray(QTest::currentDataTag()).endsWith("port name");
        QCOMPARE(PortNameProblem(s.portName).isEmpty(), !refused);
    }

    void portSettingsRoundTripInWindowsFormat() {
        PortSettings s;
        s.portName = QStringLiteral("COM7");
        s.rts = QStringLiteral("ON");
        const QString path = m_dir.filePath(QStringLiteral("Comm.CFG"));
        QVERIFY(SavePortSettings(path, s));
        QCOMPARE(ReadBytes(path),
                 QByteArray("COM7\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nON\r\n"));
        QCOMPARE(LoadPortSettings(path), s);
    }

    void schedulerInterval_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<int>("ms");
        const auto row = [](const char* name, const char* line, const char* baud, int ms) {
            QTest::newRow(name) << QString(line) << QString(baud) << ms;
        };
        row("garbage", "fast", "38400", 50);
        row("negative", "-5", "38400", 50);
        // Never below the silence between frames (3.5 characters of 10 bits), rounded up.
        row("below silence at 9600", "1", "9600", 4);
        row("below silence at 38400", "1", "38400", 2);
    }

    // The silence that ends a frame counts every bit of a character: start, data, parity and
    // stop bits; above 19200 baud it is a fixed 1.75 ms.
    void frameSilence_data() {
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("parity");
        QTest::addColumn<QString>("dataBits");
        QTest::addColumn<QString>("stopBits");
        QTest::addColumn<qint64>("us");
        const auto row = [](const char* baud, const char* p, const char* d, const char* s,
                            qint64 us) {
            QTest::addRow("%s,%s,%s,%s", baud, p, d, s)
                << QString(baud) << QString(p) << QString(d) << QString(s) << us;
        };
        row("9600", "N", "8", "1", 3646);  // 35 bits
        row("9600", "O", "8", "2", 4375);  // 42 bits
        row("9600", "N", "7", "1", 3282);  // 31.5 bits
        row("38400", "N", "8", "1", 1750); // fixed above 19200
    }

    void frameSilence() {
        PortSettings s;
        QFETCH(QString, baud);
        QFETCH(QString, parity);
        QFETCH(QString, dataBits);
        QFETCH(QString, stopBits);
        s.baud = baud;
        s.parity = parity;
        s.dataBits = dataBits;
        s.stopBits = stopBits;
        QTEST(s.frameSilenceUs(), "us");
    }

    // The eighth line of Comm.CFG survives a save and a load as the user set it: 0 (the
    // shortest) is a setting of its own, not a missing one.
    void intervalLineRoundTrip_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("eighthLine"); // none: seven lines are written
        QTest::addColumn<int>("ms");
        QTest::newRow("shortest") << "0"
                                  << "0" << 0;
        QTest::newRow("set") << "120"
                             << "120" << 120;
        QTest::newRow("standard") << "" << QString() << 50;
    }

    void intervalLineRoundTrip() {
        QFETCH(QString, interval);
        QFETCH(QString, eighthLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Comm.CFG"));
        PortSettings s;
        s.txInterval = interval;
        QVERIFY(SavePortSettings(path, s));
        const QStringList lines = ReadTextLines(path);
        QCOMPARE(lines.value(7), eighthLine);
        QCOMPARE(lines.size(), eighthLine.isNull() ? 7 : 8);
        const PortSettings read = LoadPortSettings(path);
        QCOMPARE(read, s);
        QTEST(read.txIntervalMs(), "ms");
        QCOMPARE(read.shortestInterval(), interval == QStringLiteral("0"));
    }

    void schedulerInterval() {
        PortSettings s;
        QFETCH(QString, line);
        QFETCH(QString, baud);
        s.txInterval = line;
        s.baud = baud;
        QTEST(s.txIntervalMs(), "ms");
    }

    void meterListMarks_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QVector<int>>("addresses");
        QTest::newRow("gaps keep addresses")
            << QByteArray("O\tfirst\r\n\t\r\nO\tthird\r\n") << QVector<int>{1, 3};
        QTest::newRow("only capital O")
            << QByteArray("o\t\r\n O\t\r\nO \t\r\nO\t\r\n") << QVector<int>{4};
        QTest::newRow("line without tab is its first field")
            << QByteArray("O\r\n\r\nO\tx\r\n") << QVector<int>{1, 3};
        QTest::newRow("empty") << QByteArray() << QVector<int>{};
        QTest::newRow("CR alone ends a line")
            << QByteArray("O\tfirst\r\tsecond\rO\tthird\r") << QVector<int>{1, 3};
        QTest::newRow("LF alone and mixed ends")
            << QByteArray("\t\nO\t\r\n\t\rO") << QVector<int>{2, 4};
        // The file is read 64 KiB at a time: a CR LF split between two reads is one line end.
        QTest::newRow("CR LF across reads")
            << "O\t" + QByteArray((1 << 16) - 3, 'x') + "\r\nO\t\r\n"
            << QVector<int>{1, 2};
    }

    void meterListMarks() {
        QFETCH(QByteArray, content);
        QFETCH(QVector<int>, addresses);
        CommState state;
        DeviceTables tables;
        tables.appendMeterRow(99); // rows of an earlier list go away
        LoadMeterList(write(content), state, tables);
        QCOMPARE(state.gMeterAddress, addresses);
        QCOMPARE(state.gMeterOnline, QVector<bool>(addresses.size(), false));
        QCOMPARE(state.gLastMeter, int(addresses.size()) - 1);
        for (const TextTable* t : {&tables.sprdStatus, &tables.sprdMON, &tables.sprdCommState})
            QCOMPARE(t->rowCount(), addresses.size());
        for (int k = 0; k < addresses.size(); ++k) {
            QCOMPARE(tables.sprdStatus.text(1, k + 1), QString::number(addresses[k]));
            QCOMPARE(tables.sprdMON.text(0, k + 1), QString::number(addresses[k]));
        }
    }

    // A file of any size is read as a stream and bounded: 247 addresses, the marked lines after
    // them counted and said once.
    void meterListBeyondTheLastAddress_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<qint64>("ignored");
        QTest::newRow("247 lines") << 247 << qint64(0);
        QTest::newRow("257 lines") << 257 << qint64(10);
        QTest::newRow("a million lines") << 1000000 << qint64(1000000 - 247);
    }

    void meterListBeyondTheLastAddress() {
        QFETCH(int, lines);
        QFETCH(qint64, ignored);
        const QString path = write(QByteArray("O\r\n").repeated(lines));
        const MeterListMarks read = ReadMeterListMarks(path);
        QCOMPARE(read.marks.size(), HighestSlaveAddress);
        QCOMPARE(read.lines, qint64(lines));
        QCOMPARE(read.markedBeyond, ignored);
        const QString warning = read.warning(path);
        QCOMPARE(warning.isEmpty(), ignored == 0);
        if (ignored)
            QVERIFY2(warning.contains(QString::number(ignored)) && warning.contains(u"247"),
                     qPrintable(warning));
        QCOMPARE(ReadMeterListForEditing(write(QByteArray("O\t\r\n").repeated(lines))).size(),
                 std::min(lines, HighestSlaveAddress));
        CommState state;
        DeviceTables tables;
        LoadMeterList(path, state, tables);
        QCOMPARE(state.meterCount(), HighestSlaveAddress);
        QCOMPARE(state.gMeterAddress.last(), HighestSlaveAddress);
    }

    void meterListDialogStopsAtALineWithoutTab() {
        const QByteArray korean = EncodeCp949(QStringLiteral("보일러 1호기"));
        const auto lines =
            ReadMeterListForEditing(write("O\t" + korean + "\r\n\tspare\r\nbroken\r\nO\tlost\r\n"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].note, QStringLiteral("보일러 1호기"));
        QVERIFY(lines[0].isMarked());
        QVERIFY(!lines[1].isMarked());
    }

    void savingKeepsPlaceholderLines() {
        const QString path = m_dir.filePath(QStringLiteral("SetEnv.INI"));
        QVERIFY(SaveMeterList(path, {{"", ""}, {"O", QStringLiteral("보일러")}, {"", ""}}));
        QCOMPARE(ReadBytes(path),
                 "\t\r\nO\t" + EncodeCp949(QStringLiteral("보일러")) + "\r\n\t\r\n");
        const auto back = ReadMeterListForEditing(path);
        QCOMPARE(back.size(), 3);
        QCOMPARE(back[1].note, QStringLiteral("보일러"));
    }

    void selectedAddressFollowsTheList_data() {
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<int>("address"); // the selected address afterwards (2 before)
        QTest::addColumn<int>("meter");   // its index in the list
        QTest::newRow("still there") << QStringList{"O", "O", "O"} << 2 << 1;
        QTest::newRow("gone: the first marked") << QStringList{"", "", "O", "O"} << 3 << 0;
        // Marking a line before the selected meter moves its index, not its address.
        QTest::newRow("earlier line marked") << QStringList{"O", "O"} << 2 << 1;
    }

    void selectedAddressFollowsTheList() {
        QFETCH(QStringList, marks);
        CommState state;
        DeviceTables tables;
        state.gSelAddress = 2;
        BuildMeterTables({"", "O"}, state, tables);
        KeepSelectedAddressValid(state);
        QCOMPARE(state.gSelMeter, 0);
        BuildMeterTables(marks, state, tables);
        KeepSelectedAddressValid(state);
        QTEST(state.gSelAddress, "address");
        QTEST(state.gSelMeter, "meter");
    }

private:
    QString write(const QByteArray& bytes) {
        return WriteBytes(m_dir.filePath(QStringLiteral("file.txt")), bytes);
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
