#include "comm/LinkFactory.h"
#include "comm/QtSerialLink.h"
#include "comm/SerialPorts.h"
#include "comm/TcpRtuLink.h"
#include "core/Clock.h"
#include "simlink/ProgramLinks.h"

#include <QTcpServer>
#include <QTest>

class TestLinkFactory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The engine's library knows no simulated bus; the programs' links add it.
    void linkClassFollowsThePortName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("engineLink");
        QTest::addColumn<QString>("programLink");
        const auto row = [](const char* name, const char* engineLink, const char* programLink) {
            QTest::newRow(name) << QString(name) << QString(engineLink) << QString(programLink);
        };
        row("DEMO", "QtSerialLink", "SimSerialLink");
        row("demo:1:12:1.20", "QtSerialLink", "SimSerialLink");
        row("tcp://10.0.0.5:4001", "TcpRtuLink", "TcpRtuLink");
        row("TCP://device-server:4001", "TcpRtuLink", "TcpRtuLink");
        row("COM3", "QtSerialLink", "QtSerialLink");
        row("/dev/ttyUSB0", "QtSerialLink", "QtSerialLink");
        row("DEMOX", "QtSerialLink", "QtSerialLink"); // a serial port of that name
    }

    void linkClassFollowsThePortName() {
        QFETCH(QString, name);
        VirtualClock clock;
        const std::unique_ptr<SerialLink> engineLink = CreateSerialLink(name, clock);
        const std::unique_ptr<SerialLink> programLink = CreateProgramLink(name, clock);
        QVERIFY(engineLink && programLink);
        QTEST(QString::fromLatin1(engineLink->metaObject()->className()), "engineLink");
        QTEST(QString::fromLatin1(programLink->metaObject()->className()), "programLink");
        QVERIFY(!engineLink->isOpen() && !programLink->isOpen());
    }

    void portTest_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing device") << "/dev/td700-no-such-port" << false;
        QTest::newRow("DEMO") << "DEMO" << true;
        QTest::newRow("listening server") << "tcp-server" << true;
    }

    void portTest() {
        QFETCH(QString, name);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        if (name == QStringLiteral("tcp-server"))
            name = QStringLiteral("tcp://127.0.0.1:%1").arg(server.serverPort());
        QTEST(TestProgramPort(name).isEmpty(), "opens");
    }
};

QTEST_GUILESS_MAIN(TestLinkFactory)
#include "tst_linkfactory.moc"
