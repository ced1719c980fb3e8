#include "app/DemoHome.h"
#include "comm/MeterList.h"
#include "comm/PortSettings.h"
#include "core/AppPaths.h"

#include <QTemporaryDir>
#include <QTest>

// The demo folder: set up in an empty or earlier demo folder, never over a real installation.
class TestDemoHome : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void preparesOnlyEmptyOrDemoFolders_data() {
        QTest::addColumn<QString>("existingPort"); // empty: no Comm.CFG yet
        QTest::addColumn<bool>("prepared");
        QTest::newRow("empty folder") << QString() << true;
        QTest::newRow("earlier demo") << "DEMO" << true;
        QTest::newRow("custom demo bus") << "demo:1:12:1.20" << true;
        QTest::newRow("real installation") << "COM3" << false;
        QTest::newRow("device server") << "tcp://10.0.0.7:4001" << false;
    }

    void preparesOnlyEmptyOrDemoFolders() {
        QFETCH(QString, existingPort);
        QFETCH(bool, prepared);
        QTemporaryDir dir;
        const AppPaths paths(dir.path());
        if (!existingPort.isEmpty()) {
            PortSettings own;
            own.portName = existingPort;
            own.rts = QStringLiteral("ON");
            QVERIFY(SavePortSettings(paths.commCfg(), own));
        }
        QString error;
        QCOMPARE(PrepareDemoHome(dir.path(), &error), prepared);
        const PortSettings now = LoadPortSettings(paths.commCfg());
        if (prepared) {
            QCOMPARE(now.portName, QStringLiteral("DEMO"));
            QCOMPARE(now.rts, QStringLiteral("OFF"));
            const auto meters = ReadMeterListForEditing(paths.setEnvIni());
            QCOMPARE(meters.size(), 3);
            for (const MeterListLine& m : meters)
                QVERIFY(m.isMarked());
        } else {
            QCOMPARE(now.portName, existingPort); // untouched
            QCOMPARE(now.rts, QStringLiteral("ON"));
            QVERIFY(error.contains(QStringLiteral("not replaced")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDemoHome)
#include "tst_demohome.moc"
