#include "core/AppPaths.h"
#include "monitor/MonitorIcons.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// The monitors' icons: the program folder's own where they can be read, ours otherwise.
class TestMonitorPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iconsComeFromTheProgramFolderWhenThere() {
        QTemporaryDir home;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(home.filePath(QStringLiteral("SoundON.ico")), "ICO"));
        WriteBytes(home.filePath(QStringLiteral("MEM02.ico")), "not a picture");

        const AppPaths paths(home.path());
        const MonitorIcons icons(&paths, 32);
        QVERIFY(icons.fromFile(MonitorIcons::SoundOn));
        QCOMPARE(icons.pixmap(MonitorIcons::SoundOn).toImage().pixelColor(16, 16), QColor(Qt::red));
        QVERIFY(!icons.fromFile(MonitorIcons::CardInUse)); // unreadable: our own picture instead
        for (int i = 0; i < MonitorIcons::IconCount; ++i)
            QVERIFY(!icons.pixmap(MonitorIcons::Icon(i)).isNull());
        const MonitorIcons fresh(nullptr, 32); // a fresh install: nothing blank either
        for (int i = 0; i < MonitorIcons::IconCount; ++i) {
            QVERIFY(!fresh.fromFile(MonitorIcons::Icon(i)));
            QVERIFY(!fresh.pixmap(MonitorIcons::Icon(i)).toImage().isNull());
        }
    }
};

QTEST_MAIN(TestMonitorPictures)
#include "tst_monitorpictures.moc"
