#include "logging/SaveSettings.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <limits>

namespace {

// A full file, CR LF after each line; the name in code page 949 (B0 F8 C0 E5 are the two
// Korean syllables). The last two lines (what the data folder keeps) are this version's: a file
// without them is what every version wrote.
const QByteArray kFile = "Yes\r\n5\r\nmin\r\n/data/logs\r\n\xB0\xF8\xC0\xE5"
                         "A\r\n1\r\n6\r\n30\r\n90\r\n12.5%\r\n";

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
        [](SaveSettings& s) { s.keepDays = 90; },
        [](SaveSettings& s) { s.keepFree.percent = 12.5; },
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
    void writtenBytes_data() {
        QTest::addColumn<int>("lines");
        QTest::newRow("without limits: as every version wrote it") << 8;
        QTest::newRow("with what the data folder keeps") << 10;
    }

    void writtenBytes() {
        QFETCH(int, lines);
        const QString path = m_dir.filePath(QStringLiteral("out.INI"));
        QVERIFY(WriteSaveSettings(path, firstLines(lines)));
        // The folder line is written with the system's separators; the rest byte for byte.
        const QByteArray bytes = kFile.split('\n').mid(0, lines).join('\n') + '\n';
        QCOMPARE(ReadBytes(path), QDir::toNativeSeparators(QString::fromLatin1(bytes)).toLatin1());
        QCOMPARE(LoadSaveSettings(path), firstLines(lines));
    }

    void loadStopsAtTheFirstMissingLine_data() {
        QTest::addColumn<int>("lines");
        for (int n = 0; n <= 10; ++n)
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

    void freeSpaceLimits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("bytesOnATerabyte"); // -1: refused
        QTest::addColumn<QString>("written");
        const qint64 tb = 1LL << 40;
        QTest::newRow("share") << "10%" << tb / 10 + 1 << "10%";
        QTest::newRow("share with a fraction") << " 2.5 % " << tb / 40 << "2.5%";
        QTest::newRow("gigabytes") << "2G" << (2LL << 30) << "2G";
        QTest::newRow("megabytes, lower case, GiB-style") << "500mib" << (500LL << 20) << "500M";
        QTest::newRow("fraction of a terabyte") << "1.5T" << (3LL << 39) << "1536G";
        QTest::newRow("bytes") << "1000" << 1000LL << "1000";
        QTest::newRow("none") << "" << 0LL << "";
        QTest::newRow("zero is none") << "0" << 0LL << "";
        QTest::newRow("the whole disk") << "100%" << -1LL << "";
        QTest::newRow("negative") << "-5G" << -1LL << "";
        QTest::newRow("unknown unit") << "5X" << -1LL << "";
        QTest::newRow("beyond any disk") << "99999999P" << -1LL << "";
        QTest::newRow("words") << "plenty" << -1LL << "";
    }

    // Read as typed in the dialog, on the command line or in the file; written back in the
    // shortest form.
    void freeSpaceLimits() {
        QFETCH(QString, text);
        QFETCH(qint64, bytesOnATerabyte);
        const std::optional<FreeSpaceLimit> limit = FreeSpaceLimit::parse(text);
        QCOMPARE(limit.has_value(), bytesOnATerabyte >= 0);
        if (!limit)
            return;
        const qint64 tb = 1LL << 40;
        QVERIFY2(std::llabs(limit->bytesOn(tb) - bytesOnATerabyte) <= 1,
                 qPrintable(QString::number(limit->bytesOn(tb))));
        QTEST(limit->text(), "written");
        QCOMPARE(FreeSpaceLimit::parse(limit->text()), limit);
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
