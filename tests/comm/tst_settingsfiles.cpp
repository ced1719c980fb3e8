#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/MeterList.h"
#include "comm/PortSettings.h"
#include "core/CodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The port settings and meter list files, as written on Windows PCs over the years.
class TestSettingsFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portSettingsRead_data();
    void portSettingsRead();
    void portSettingsRoundTripInWindowsFormat();
    void schedulerInterval_data();
    void schedulerInterval();
    void meterListMarks_data();
    void meterListMarks();
    void meterListDialogStopsAtALineWithoutTab();
    void savingKeepsPlaceholderLines();
    void selectedAddressFollowsTheList();

private:
    QString write(const QByteArray& bytes);
    QTemporaryDir m_dir;
};

QString TestSettingsFiles::write(const QByteArray& bytes) {
    const QString path = m_dir.filePath(QStringLiteral("file.txt"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the test file");
    f.write(bytes);
    return path;
}

void TestSettingsFiles::portSettingsRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("rts");
    QTest::newRow("seven lines") << QByteArray(
                                        "COM3\r\n9600\r\nE\r\n7\r\n2\r\nModbus RTU\r\nON\r\n")
                                 << "COM3"
                                 << "9600,E,7,2" << true;
    QTest::newRow("LF only") << QByteArray("/dev/ttyUSB0\n19200\nN\n8\n1\nModbus RTU\nOFF\n")
                             << "/dev/ttyUSB0"
                             << "19200,N,8,1" << false;
    QTest::newRow("no final line end")
        << QByteArray("COM2\r\n57600\r\nO\r\n8\r\n1\r\nModbus RTU\r\nON") << "COM2"
        << "57600,O,8,1" << true;
    // One line short: every setting falls back, not only the missing one.
    QTest::newRow("six lines") << QByteArray("COM3\r\n9600\r\nE\r\n7\r\n2\r\nModbus RTU\r\n")
                               << "COM1"
                               << "38400,N,8,1" << false;
    QTest::newRow("empty file") << QByteArray() << "COM1"
                                << "38400,N,8,1" << false;
    QTest::newRow("values kept as typed")
        << QByteArray("tcp://10.0.0.5:4001\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\non\r\n")
        << "tcp://10.0.0.5:4001"
        << "38400,N,8,1" << false;
}

void TestSettingsFiles::portSettingsRead() {
    QFETCH(QByteArray, content);
    QFETCH(QString, port);
    QFETCH(QString, line);
    QFETCH(bool, rts);
    const PortSettings s = LoadPortSettings(write(content));
    QCOMPARE(s.portName, port);
    QCOMPARE(s.lineSettings(), line);
    QCOMPARE(s.rtsOn(), rts);
    QCOMPARE(s.protocol, QStringLiteral("Modbus RTU"));
}

void TestSettingsFiles::portSettingsRoundTripInWindowsFormat() {
    PortSettings s;
    s.portName = QStringLiteral("COM7");
    s.rts = QStringLiteral("ON");
    const QString path = m_dir.filePath(QStringLiteral("Comm.CFG"));
    QVERIFY(SavePortSettings(path, s));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("COM7\r\n38400\r\nN\r\n8\r\n1\r\nModbus RTU\r\nON\r\n"));
    QCOMPARE(LoadPortSettings(path), s);

    s.txInterval = QStringLiteral("20");
    QVERIFY(SavePortSettings(path, s));
    QCOMPARE(LoadPortSettings(path).txIntervalMs(), 20);
}

void TestSettingsFiles::schedulerInterval_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<int>("ms");
    QTest::newRow("absent") << ""
                            << "38400" << 50;
    QTest::newRow("set") << "10"
                         << "38400" << 10;
    QTest::newRow("garbage") << "fast"
                             << "38400" << 50;
    QTest::newRow("zero") << "0"
                          << "38400" << 50;
    QTest::newRow("negative") << "-5"
                              << "38400" << 50;
    // Never below the silence between frames at the baud rate (3.5 characters).
    QTest::newRow("below silence at 9600") << "1"
                                           << "9600" << 5;
    QTest::newRow("below silence at 38400") << "1"
                                            << "38400" << 2;
}

void TestSettingsFiles::schedulerInterval() {
    QFETCH(QString, line);
    QFETCH(QString, baud);
    QFETCH(int, ms);
    PortSettings s;
    s.txInterval = line;
    s.baud = baud;
    QCOMPARE(s.txIntervalMs(), ms);
}

void TestSettingsFiles::meterListMarks_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QVector<int>>("addresses");
    QTest::newRow("gaps keep addresses")
        << QByteArray("O\tfirst\r\n\t\r\nO\tthird\r\n") << QVector<int>{1, 3};
    QTest::newRow("only capital O")
        << QByteArray("o\t\r\n O\t\r\nO \t\r\nO\t\r\n") << QVector<int>{4};
    QTest::newRow("line without tab is its first field")
        << QByteArray("O\r\n\r\nO\tx\r\n") << QVector<int>{1, 3};
    QTest::newRow("empty") << QByteArray() << QVector<int>{};
}

void TestSettingsFiles::meterListMarks() {
    QFETCH(QByteArray, content);
    QFETCH(QVector<int>, addresses);
    CommState state;
    DeviceTables tables;
    tables.appendMeterRow(99); // rows of an earlier list go away
    LoadMeterList(write(content), state, tables);
    QCOMPARE(state.gMeterAddress, addresses);
    QCOMPARE(state.gMeterOnline, QVector<bool>(addresses.size(), false));
    QCOMPARE(state.gLastMeter, int(addresses.size()) - 1);
    QCOMPARE(tables.sprdStatus.rowCount(), addresses.size());
    QCOMPARE(tables.sprdMON.rowCount(), addresses.size());
    QCOMPARE(tables.sprdCommState.rowCount(), addresses.size());
    for (int k = 0; k < addresses.size(); ++k) {
        QCOMPARE(tables.sprdStatus.text(1, k + 1), QString::number(addresses[k]));
        QCOMPARE(tables.sprdMON.text(0, k + 1), QString::number(addresses[k]));
    }
}

void TestSettingsFiles::meterListDialogStopsAtALineWithoutTab() {
    const QByteArray korean = EncodeCp949(QStringLiteral("보일러 1호기"));
    const auto lines =
        ReadMeterListForEditing(write("O\t" + korean + "\r\n\tspare\r\nbroken\r\nO\tlost\r\n"));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].note, QStringLiteral("보일러 1호기"));
    QVERIFY(lines[0].isMarked());
    QVERIFY(!lines[1].isMarked());
}

void TestSettingsFiles::savingKeepsPlaceholderLines() {
    const QString path = m_dir.filePath(QStringLiteral("SetEnv.INI"));
    const QVector<MeterListLine> lines{{QStringLiteral(""), QStringLiteral("")},
                                       {QStringLiteral("O"), QStringLiteral("보일러")},
                                       {QStringLiteral(""), QStringLiteral("")}};
    QVERIFY(SaveMeterList(path, lines));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), "\t\r\nO\t" + EncodeCp949(QStringLiteral("보일러")) + "\r\n\t\r\n");
    const auto back = ReadMeterListForEditing(path);
    QCOMPARE(back.size(), 3);
    QCOMPARE(back[1].note, QStringLiteral("보일러"));
}

void TestSettingsFiles::selectedAddressFollowsTheList() {
    CommState state;
    DeviceTables tables;
    state.gSelAddress = 2;
    BuildMeterTables({QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("O")}, state,
                     tables);
    KeepSelectedAddressValid(state);
    QCOMPARE(state.gSelAddress, 2);
    QCOMPARE(state.gSelMeter, 1);

    BuildMeterTables(
        {QStringLiteral(""), QStringLiteral(""), QStringLiteral("O"), QStringLiteral("O")}, state,
        tables);
    KeepSelectedAddressValid(state);
    QCOMPARE(state.gSelAddress, 3);
    QCOMPARE(state.gSelMeter, 0);

    // Marking a line before the selected meter moves its index, not its address.
    BuildMeterTables({QStringLiteral("O"), QStringLiteral(""), QStringLiteral("O")}, state, tables);
    KeepSelectedAddressValid(state);
    QCOMPARE(state.gSelAddress, 3);
    QCOMPARE(state.gSelMeter, 1);
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
