#include "logging/SaveSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The data-save settings file, as written on a Windows PC and as written here.
class TestSaveSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenBytes();
    void loadStopsAtTheFirstMissingLine_data();
    void loadStopsAtTheFirstMissingLine();
    void lineValues_data();
    void lineValues();
    void loadCreatesTheSettingsFolder();

private:
    QString writeRaw(const QByteArray& bytes);
    QTemporaryDir m_dir;
};

namespace {

SaveSettings full() {
    SaveSettings s;
    s.gDSaveOn = QStringLiteral("Yes");
    s.gDSaveInterval = 5;
    s.gDSaveUnit = QStringLiteral("min");
    s.gDSaveFolder = QStringLiteral("/data/logs");
    s.gDSaveName = QStringLiteral("공장A");
    s.gDSaveDaily = true;
    s.gDSaveDayHour = 6;
    s.gDSaveDayMinute = 30;
    return s;
}

} // namespace

QString TestSaveSettings::writeRaw(const QByteArray& bytes) {
    const QString path = m_dir.filePath(QStringLiteral("CFG/SaveData.INI"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("CFG")));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestSaveSettings::writtenBytes() {
    const QString path = m_dir.filePath(QStringLiteral("out.INI"));
    QVERIFY(WriteSaveSettings(path, full()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // Code page 949 for the name (B0 F8 C0 E5 = the two Korean syllables), CR LF after each.
    const QByteArray expected = "Yes\r\n5\r\nmin\r\n" +
                                QDir::toNativeSeparators(QStringLiteral("/data/logs")).toLatin1() +
                                "\r\n\xB0\xF8\xC0\xE5"
                                "A\r\n1\r\n6\r\n30\r\n";
    QCOMPARE(f.readAll(), expected);
    QCOMPARE(LoadSaveSettings(path), full());
}

void TestSaveSettings::loadStopsAtTheFirstMissingLine_data() {
    QTest::addColumn<int>("lines");
    for (int n = 0; n <= 8; ++n)
        QTest::addRow("%d lines", n) << n;
}

void TestSaveSettings::loadStopsAtTheFirstMissingLine() {
    QFETCH(int, lines);
    const QList<QByteArray> all{"Yes",
                                "5",
                                "min",
                                "/data/logs",
                                "\xB0\xF8\xC0\xE5"
                                "A",
                                "1",
                                "6",
                                "30"};
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += all[i] + "\r\n";
    const SaveSettings s = LoadSaveSettings(writeRaw(bytes));

    // Everything up to the missing line as in the full file, everything after it untouched.
    SaveSettings expected;
    const SaveSettings f = full();
    if (lines > 0)
        expected.gDSaveOn = f.gDSaveOn;
    if (lines > 1)
        expected.gDSaveInterval = f.gDSaveInterval;
    if (lines > 2)
        expected.gDSaveUnit = f.gDSaveUnit;
    if (lines > 3)
        expected.gDSaveFolder = f.gDSaveFolder;
    if (lines > 4)
        expected.gDSaveName = f.gDSaveName;
    if (lines > 5)
        expected.gDSaveDaily = f.gDSaveDaily;
    if (lines > 6)
        expected.gDSaveDayHour = f.gDSaveDayHour;
    if (lines > 7)
        expected.gDSaveDayMinute = f.gDSaveDayMinute;
    QCOMPARE(s, expected);
    QCOMPARE(s.enabled(), lines > 0);
}

void TestSaveSettings::lineValues_data() {
    QTest::addColumn<QByteArray>("interval");
    QTest::addColumn<QByteArray>("daily");
    QTest::addColumn<int>("intervalValue");
    QTest::addColumn<QString>("lblDaySave");
    QTest::newRow("plain") << QByteArray("10") << QByteArray("1") << 10 << "Yes";
    QTest::newRow("two is not one") << QByteArray("60") << QByteArray("2") << 60 << "No";
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << 0 << "No";
    QTest::newRow("not a number") << QByteArray("ten") << QByteArray("yes") << 0 << "No";
    QTest::newRow("fraction") << QByteArray("5.9") << QByteArray("1.5") << 5 << "No";
}

void TestSaveSettings::lineValues() {
    QFETCH(QByteArray, interval);
    QFETCH(QByteArray, daily);
    QFETCH(int, intervalValue);
    QFETCH(QString, lblDaySave);
    const SaveSettings s = LoadSaveSettings(
        writeRaw("Yes\r\n" + interval + "\r\nsec\r\n/d\r\nA\r\n" + daily + "\r\n0\r\n0\r\n"));
    QCOMPARE(s.gDSaveInterval, intervalValue);
    QCOMPARE(s.intervalSeconds(), intervalValue);
    QCOMPARE(LabelsOf(s).lblDaySave, lblDaySave);
}

void TestSaveSettings::loadCreatesTheSettingsFolder() {
    const QString folder = m_dir.filePath(QStringLiteral("fresh/CFG"));
    const SaveSettings s = LoadSaveSettings(folder + QStringLiteral("/SaveData.INI"));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(s, SaveSettings{});
    QVERIFY(!s.enabled());
}

QTEST_GUILESS_MAIN(TestSaveSettings)
#include "tst_savesettings.moc"
