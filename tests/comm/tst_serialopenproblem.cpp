#include "comm/SerialOpenProblem.h"

#include <QTest>

// What a user reads when a serial port does not open: the devices there are when the adapter
// is absent, the fix for a missing permission, the other program that holds the port.
class TestSerialOpenProblem : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messageNamesTheFix_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("failure");
        QTest::addColumn<bool>("inGroupNow");
        QTest::addColumn<bool>("inGroupListed");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("neverSays");
        const int notFound = int(SerialOpenFailure::NotFound);
        const int noPermission = int(SerialOpenFailure::NoPermission);
        const QStringList two{"/dev/ttyS0", "/dev/ttyUSB1"};
        QTest::newRow("adapter absent, others there")
            << "/dev/ttyUSB0" << notFound << false << false << "" << two
            << QStringList{"plugged in", "/dev/ttyS0, /dev/ttyUSB1"} << QStringList{"dialout"};
        QTest::newRow("not in the group")
            << "/dev/ttyUSB0" << noPermission << false << false << "dialout" << two
            << QStringList{"dialout", "usermod -aG dialout", "log out"}
            << QStringList{"plugged in"};
        QTest::newRow("held by another program")
            << "/dev/ttyUSB0" << int(SerialOpenFailure::InUse) << true << true << "dialout" << two
            << QStringList{"another program"} << QStringList{"usermod", "plugged in"};
    }

    void messageNamesTheFix() {
        QFETCH(QString, port);
        QFETCH(int, failure);
        QFETCH(bool, inGroupNow);
        QFETCH(bool, inGroupListed);
        QFETCH(QString, group);
        QFETCH(QStringList, present);
        QFETCH(QStringList, says);
        QFETCH(QStringList, neverSays);
        SerialDeviceAccess access;
        access.exists = failure != int(SerialOpenFailure::NotFound);
        access.group = group;
        access.inGroupNow = inGroupNow;
        access.inGroupListed = inGroupListed;
        const QString text = SerialOpenMessage(port, port, SerialOpenFailure(failure),
                                               QStringLiteral("system words"), access, present);
        for (const QString& s : says)
            QVERIFY2(text.contains(s, Qt::CaseInsensitive), qPrintable(text));
        for (const QString& s : neverSays)
            QVERIFY2(!text.contains(s, Qt::CaseInsensitive), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestSerialOpenProblem)
#include "tst_serialopenproblem.moc"
