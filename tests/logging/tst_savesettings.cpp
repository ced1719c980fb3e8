#include "logging/SaveSettings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <limits>

namespace {

// A full file, CR LF after each line; the name in code page 949 (B0 F8 C0 E5 are the two
// Korean syllables).
const QByteArray kFile = "Yes\r\n5\r\nmin\r\n/data/logs\r\n\xB0\xF8\xC0\xE5"
                         "A\r\n1\r\n6\r\n30\r\n";

// The settings of the first `lines` lines of that file.
SaveSettings firstLines(int lines) {
    const std::function<void(SaveSettings&)> set[] = {
        [](SaveSettings& s) { s.gDSaveOn = QStringLiteral("Yes"); },
        [](SaveSettings& s) { s.gDSaveInterval = 5; },
        [](SaveSettings& s) { s.gDSaveUnit = QStringLiteral("min"); },
        [](SaveSettings& s) { s.gDSaveFolder = QStringLiteral("/data/logs"); },
        [](SaveSettings& s) { s.gDSaveName = QStringLiteral("공장A"); },
        [](SaveSettings& s) { s.gDSaveDaily = true; },
        [](SaveSettings& s) { s.gDSaveDayHour = 6; },
        [](SaveSettings& s) { s.gDSaveDayMinute = 30; },
    };
    SaveSettings s;
    for (int i = 0; i < lines; ++i)
        set[i](s);
    return s;
}

} // namespace

// The data-save settings file, as written on a Windows PC and as written here.
class TestSaveSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenBytes() {
        const QString path = m_dir.filePath(QStringLiteral("out.INI"));
        QVERIFY(WriteSaveSettings(path, firstLines(8)));
        // The folder line is written with the system's separators; the rest byte for byte.
        QCOMPARE(ReadBytes(path), QDir::toNativeSeparators(QString::fromLatin1(kFile)).toLatin1());
        QCOMPARE(LoadSaveSettings(path), firstLines(8));
    }

    void loadStopsAtTheFirstMissingLine_data() {
        QTest::addColumn<int>("lines");
        for (int n = 0; n <= 8; ++n)
            QTest::addRow("%d lines", n) << n;
    }

    // Everything up to the missing line as in the full file, everything after it untouched.
    void loadStopsAtTheFirstMissingLine() {
        QFETCH(int, lines);
        const QByteArray bytes = kFile.split('\n').mid(0, lines).join('\n') + (lines ? "\n" : "");
        const SaveSettings s = LoadSaveSettings(writeRaw(bytes));
        QCOMPARE(s, firstLines(lines));
        QCOMPARE(s.enabled(), lines > 0);
    }

    void lineValues_data() {
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

    void lineValues() {
        QFETCH(QByteArray, interval);
        QFETCH(QByteArray, daily);
        const SaveSettings s = LoadSaveSettings(
            writeRaw("Yes\r\n" + interval + "\r\nsec\r\n/d\r\nA\r\n" + daily + "\r\n0\r\n0\r\n"));
        QTEST(s.gDSaveInterval, "intervalValue");
        QTEST(s.intervalSeconds(), "intervalValue");
        QTEST(LabelsOf(s).lblDaySave, "lblDaySave");
    }

    void hugeIntervalInMinutesNeverFallsDue() {
        const SaveSettings s = LoadSaveSettings(writeRaw("Yes\r\n99999999999\r\nmin\r\n"));
        QCOMPARE(s.intervalSeconds(), std::numeric_limits<int>::max());
    }

    void loadCreatesTheSettingsFolder() {
        const QString folder = m_dir.filePath(QStringLiteral("fresh/CFG"));
        const SaveSettings s = LoadSaveSettings(folder + QStringLiteral("/SaveData.INI"));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(s, SaveSettings{});
        QVERIFY(!s.enabled());
    }

private:
    QString writeRaw(const QByteArray& bytes) {
        QDir().mkpath(m_dir.filePath(QStringLiteral("CFG")));
        return WriteBytes(m_dir.filePath(QStringLiteral("CFG/SaveData.INI")), bytes);
    }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSaveSettings)
#include "tst_savesettings.moc"
