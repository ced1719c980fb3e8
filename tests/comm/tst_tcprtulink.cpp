#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "comm/TcpRtuLink.h"
#include "core/Clock.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

// RTU frames over TCP against a device server played by an in-process QTcpServer.
class TestTcpRtuLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_server = new QTcpServer(this);
        QVERIFY(m_server->listen(QHostAddress::LocalHost));
    }

    void cleanup() {
        delete m_server;
        m_server = nullptr;
        m_peer = nullptr;
    }

    void failedOpenSaysWhy_data() {
        QTest::addColumn<QString>("name"); // empty: the test server's, no longer listening
        QTest::addColumn<QString>("reason");
        const QString form = QStringLiteral("tcp://host:port");
        QTest::newRow("no port") << "tcp://127.0.0.1" << form;
        QTest::newRow("nobody listening") << "" << QString();
    }

    void failedOpenSaysWhy() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        TcpRtuLink link;
        QSignalSpy lost(&link, &SerialLink::linkLost);
        QSignalSpy failed(&link, &SerialLink::openFailed);
        QSignalSpy opened(&link, &SerialLink::opened);
        if (name.isEmpty()) {
            // The name is good; the connection fails later, without blocking the caller.
            name = this->name();
            m_server->close();
            QVERIFY(link.open(name, QStringLiteral("38400,N,8,1")));
            QVERIFY(link.isOpening() && !link.isOpen());
            QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
            QCOMPARE(failed.first().first().toString(), link.errorString());
        } else {
            QVERIFY(!link.open(name, QStringLiteral("38400,N,8,1")));
        }
        QVERIFY(!link.isOpen() && !link.isOpening());
        QVERIFY(!link.errorString().isEmpty());
        QVERIFY2(link.errorString().contains(reason), qPrintable(link.errorString()));
        QTest::qWait(20);
        QCOMPARE(lost.count(), 0); // a failed open is not a lost link
        QCOMPARE(opened.count(), 0);
    }

    // No header is added or expected: the bytes are those of the serial line.
    void framesCrossUnchangedAndSplitRepliesNotifyOnce() {
        TcpRtuLink link;
        QVERIFY2(openAndAccept(link), qPrintable(link.errorString()));
        const QByteArray request = QByteArray::fromHex("01037531002F4FD5");
        link.setRts(true); // nothing to drive on a network link; no harm either
        QVERIFY(link.write(request));
        link.setRts(false);
        QTRY_COMPARE_WITH_TIMEOUT(m_peer->bytesAvailable(), qint64(request.size()), 5000);
        QCOMPARE(m_peer->readAll(), request);

        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        const QByteArray reply = QByteArray::fromHex("010304001401140000");
        for (int split = 1; split < reply.size(); ++split) {
            spy.clear();
            link.discardInput();
            link.setReceiveThreshold(int(reply.size()));
            m_peer->write(reply.left(split));
            QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), split, 5000);
            QCOMPARE(spy.count(), 0);
            m_peer->write(reply.mid(split) + "\xAA");
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
            QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), int(reply.size()) + 1, 5000);
            QCOMPARE(spy.count(), 1);
            QCOMPARE(link.readAll(), reply + "\xAA");
        }
    }

    void droppedPeerClosesTheLinkOnce() {
        TcpRtuLink link;
        QVERIFY(openAndAccept(link));
        QSignalSpy lost(&link, &SerialLink::linkLost);
        bool closedWhenReported = false;
        connect(&link, &SerialLink::linkLost, this, [&] { closedWhenReported = !link.isOpen(); });
        m_peer->abort();
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 5000);
        QVERIFY(closedWhenReported);
        QCOMPARE(link.errorString(), lost.first().first().toString());
        QVERIFY(!link.write(QByteArray("x")));
        QTest::qWait(50);
        QCOMPARE(lost.count(), 1);
    }

    // A device server that is not there: opening never blocks the caller; the failure comes
    // later, closes the port and is shown with its reason.
    void engineOnAnUnreachableDeviceServer() {
        const QString portName = name();
        m_server->close();
        VirtualClock clock;
        TcpRtuLink link;
        CommEngine engine(clock);
        BuildMeterTables({QStringLiteral("O")}, engine.state(), engine.tables());
        PortSettings port;
        port.portName = portName;
        engine.setPortSettings(port);
        engine.setLink(&link);
        QStringList panel4;
        connect(&engine, &CommEngine::statusText, this, [&](int panel, const QString& text) {
            if (panel == 4)
                panel4 << text;
        });
        QVERIFY(engine.openPort());
        QCOMPARE(engine.phase(), CommEngine::Phase::Connecting);
        QTRY_COMPARE_WITH_TIMEOUT(engine.phase(), CommEngine::Phase::Closed, 10000);
        QVERIFY2(engine.lastFailure().contains(u"Cannot connect"),
                 qPrintable(engine.lastFailure()));
        QVERIFY(!link.isOpen() && !link.isOpening());
        QVERIFY2(
            panel4.last().startsWith(QStringLiteral("Port [%1] ==> Not connected: ").arg(portName)),
            qPrintable(panel4.join(u'|')));
    }

private:
    QString name() const {
        return QStringLiteral("tcp://127.0.0.1:%1").arg(m_server->serverPort());
    }
    bool openAndAccept(TcpRtuLink& link) {
        QSignalSpy opened(&link, &SerialLink::opened);
        if (!link.open(name(), QStringLiteral("38400,N,8,1")))
            return false;
        if (!link.isOpen() && !opened.wait(5000))
            return false;
        if (!m_server->hasPendingConnections() && !m_server->waitForNewConnection(5000))
            return false;
        m_peer = m_server->nextPendingConnection();
        return m_peer != nullptr;
    }

    QTcpServer* m_server = nullptr;
    QTcpSocket* m_peer = nullptr;
};

QTEST_GUILESS_MAIN(TestTcpRtuLink)
#include "tst_tcprtulink.moc"
