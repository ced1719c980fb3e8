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
    void linkClassFollowsThePortName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("linkClass");
        const auto row = [](const char* name, const char* linkClass) {
            QTest::newRow(name) << QString(name) << QString(linkClass);
        };
        row("DEMO", "SimSerialLink");
        row("demo:1:12:1.20", "SimSerialLink");
        row("tcp://10.0.0.5:4001", "TcpRtuLink");
        row("TCP://device-server:4001", "TcpRtuLink");
        row("COM3", "QtSerialLink");
        row("/dev/ttyUSB0", "QtSerialLink");
        row("DEMOX", "QtSerialLink"); // a serial port of that name
    }

    void linkClassFollowsThePortName() {
        QFETCH(QString, name);
        VirtualClock clock;
        const std::unique_ptr<SerialLink> link = CreateSerialLink(name, clock);
        QVERIFY(link);
        QTEST(QString::fromLatin1(link->metaObject()->className()), "linkClass");
        QVERIFY(!link->isOpen());
    }

    void portTest_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing device") << "/dev/td700-no-such-port" << false;
        QTest::newRow("DEMO") << "DEMO" << true;
        QTest::newRow("listening server") << "tcp-server" << true;
#ifdef Q_OS_UNIX
        QTest::newRow("pseudo-terminal") << "pty" << true;
#endif
    }

    void portTest() {
        QFETCH(QString, name);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        if (name == QStringLiteral("tcp-server"))
            name = QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort());
#ifdef Q_OS_UNIX
        int far = -1, near = -1;
        if (name == QStringLiteral("pty")) {
            char path[256] = {};
            QVERIFY(openpty(&far, &near, path, nullptr, nullptr) == 0);
            ::close(near);
            name = QString::fromLocal8Bit(path);
        }
#endif
        QTEST(TestPort(name).isEmpty(), "opens");
#ifdef Q_OS_UNIX
        if (far >= 0)
            ::close(far);
#endif
    }
};

QTEST_GUILESS_MAIN(TestLinkFactory)
#include "tst_linkfactory.moc"
