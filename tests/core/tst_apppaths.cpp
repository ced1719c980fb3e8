#include "core/AppPaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// One user data folder for all three programs; an earlier version's settings taken over once,
// never over settings already there.
class TestAppPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void userFolderOfAnInstall_data() {
        QTest::addColumn<QStringList>("earlier");  // files in the earlier folder
        QTest::addColumn<QStringList>("present");  // files already in the user folder
        QTest::addColumn<QStringList>("expected"); // "file=content" found in the user folder
        QTest::newRow("fresh") << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("earlier settings taken over")
            << QStringList{"Comm.CFG=old port", "CFG/SetEnv.INI=old list",
                           "CFG/SaveData.INI=old save", "ALM.003=alarms"}
            << QStringList{}
            << QStringList{"Comm.CFG=old port", "CFG/SetEnv.INI=old list",
                           "CFG/SaveData.INI=old save", "ALM.003=alarms"};
        QTest::newRow("settings already there stay")
            << QStringList{"Comm.CFG=old port", "CFG/SetEnv.INI=old list"}
            << QStringList{"Comm.CFG=new port"}
            << QStringList{"Comm.CFG=new port", "CFG/SetEnv.INI="};
    }

    void userFolderOfAnInstall() {
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const QString user = QDir(data.path()).filePath(QStringLiteral("TD700"));
        const QString old = QDir(user).filePath(QStringLiteral("TD700_File"));
        const auto put = [](const QString& folder, const QStringList& files) {
            for (const QString& f : files) {
                const QString path = QDir(folder).filePath(f.section(u'=', 0, 0));
                QDir().mkpath(QFileInfo(path).path());
                WriteBytes(path, f.section(u'=', 1).toUtf8());
            }
        };
        put(old, earlier);
        put(user, present);

        const AppPaths paths = AppPaths::resolve();
        QCOMPARE(QDir(paths.home()).canonicalPath(), QDir(user).canonicalPath());
        QVERIFY(!paths.home().startsWith(QStringLiteral("/usr")));
        for (const QString& f : expected) {
            const QString path = paths.file(f.section(u'=', 0, 0));
            const QString content = f.section(u'=', 1);
            if (content.isEmpty())
                QVERIFY2(!QFileInfo::exists(path), qPrintable(path));
            else
                QCOMPARE(QString::fromUtf8(ReadBytes(path)), content);
        }
        // The earlier folder is left as it was.
        for (const QString& f : earlier)
            QCOMPARE(QString::fromUtf8(ReadBytes(QDir(old).filePath(f.section(u'=', 0, 0)))),
                     f.section(u'=', 1));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
