#include "comm/LinkFactory.h"
#include "comm/QtSerialLink.h"
#include "comm/SerialPorts.h"
#include "comm/SimSerialLink.h"
#include "comm/TcpRtuLink.h"
#include "core/Clock.h"

#include <QTcpServer>
#include <QTest>

#ifdef Q_OS_UNIX
#include <pty.h>
#include <unistd.h>
#endif

class TestLinkFactory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linkClassFollowsThePortName_data();
    void linkClassFollowsThePortName();
    void portTest_data();
    void portTest();
};

void TestLinkFactory::linkClassFollowsThePortName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("linkClass");
    QTest::newRow("DEMO") << "DEMO"
                          << "SimSerialLink";
    QTest::newRow("demo bus") << "demo:1:12:1.20"
                              << "SimSerialLink";
    QTest::newRow("tcp") << "tcp://10.0.0.5:4001"
                         << "TcpRtuLink";
    QTest::newRow("TCP") << "TCP://device-server:4001"
                         << "TcpRtuLink";
    QTest::newRow("COM3") << "COM3"
                          << "QtSerialLink";
    QTest::newRow("device path") << "/dev/ttyUSB0"
                                 << "QtSerialLink";
    QTest::newRow("DEMOX is a serial port") << "DEMOX"
                                            << "QtSerialLink";
}

void TestLinkFactory::linkClassFollowsThePortName() {
    QFETCH(QString, name);
    QFETCH(QString, linkClass);
    VirtualClock clock;
    const std::unique_ptr<SerialLink> link = CreateSerialLink(name, clock);
    QVERIFY(link);
    QCOMPARE(QString::fromLatin1(link->metaObject()->className()), linkClass);
    QVERIFY(!link->isOpen());
}

void TestLinkFactory::portTest_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");
    QTest::newRow("missing device") << "/dev/td700-no-such-port" << false;
    QTest::newRow("DEMO") << "DEMO" << true;
    QTest::newRow("bad network name") << "tcp://nowhere" << false;
    QTest::newRow("listening server") << "tcp-server" << true;
    QTest::newRow("nobody listening") << "tcp-closed" << false;
#ifdef Q_OS_UNIX
    QTest::newRow("pseudo-terminal") << "pty" << true;
#endif
}

void TestLinkFactory::portTest() {
    QFETCH(QString, name);
    QFETCH(bool, opens);
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString serverName = QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort());
    if (name == QStringLiteral("tcp-server")) {
        name = serverName;
    } else if (name == QStringLiteral("tcp-closed")) {
        name = serverName;
        server.close();
    }
#ifdef Q_OS_UNIX
    int far = -1, near = -1;
    if (name == QStringLiteral("pty")) {
        char path[256] = {};
        QVERIFY(openpty(&far, &near, path, nullptr, nullptr) == 0);
        ::close(near);
        name = QString::fromLocal8Bit(path);
    }
#endif
    const QString result = TestPort(name);
    QCOMPARE(result.isEmpty(), opens);
#ifdef Q_OS_UNIX
    if (far >= 0)
        ::close(far);
#endif
}

QTEST_GUILESS_MAIN(TestLinkFactory)
#include "tst_linkfactory.moc"
