#include "core/AppPaths.h"
#include "monitor/MonitorDemo.h"
#include "monitor/MonitorIcons.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Every monitor window opens for every channel count with the demo bus and draws a picture.
class TestMonitorPictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindowRenders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("channels");
        for (int channels : {12, 6, 4, 2})
            for (const QString& name : MonitorWindowNames(channels)) {
                if (name.startsWith(QLatin1String("frmTD_Mon_Multi")) && channels != 12)
                    continue; // one bus, one picture
                QTest::newRow(qPrintable(name)) << name << channels;
            }
    }

    void everyWindowRenders() {
        QFETCH(QString, name);
        QFETCH(int, channels);
        const QImage image = RenderMonitorDemo(name, channels);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 400 && image.height() > 250);
    }

    void unknownNamesCreateNothing() {
        QVERIFY(RenderMonitorDemo(QStringLiteral("frmTD_Mon_Line03"), 12, 1).isNull());
        QVERIFY(RenderMonitorDemo(QStringLiteral("frmTD_Main"), 12, 1).isNull());
    }

    void iconsComeFromTheProgramFolderWhenThere() {
        QTemporaryDir home;
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(home.filePath(QStringLiteral("SoundON.ico")), "ICO"));
        QFile broken(home.filePath(QStringLiteral("MEM02.ico")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();

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
