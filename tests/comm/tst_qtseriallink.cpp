#include "comm/QtSerialLink.h"

#include <QDir>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>
#endif

// The serial link over a pseudo-terminal pair: the test holds the far (master) end and plays
// the meter; the link opens the near end as it would open /dev/ttyUSB0.
class TestQtSerialLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("system");
#ifdef Q_OS_WIN
        QTest::newRow("COM1") << "COM1" << QString("COM1");
#else
        QTest::newRow("COM1") << "COM1" << QString("/dev/ttyS0");
        QTest::newRow("COM0 is no port") << "COM0" << QString("COM0");
        QTest::newRow("device path") << "/dev/ttyUSB0" << QString("/dev/ttyUSB0");
        QTest::newRow("path from the working folder")
            << "lt/b" << QDir::current().absoluteFilePath(QStringLiteral("lt/b"));
#endif
    }

    void portNames() {
        QFETCH(QString, name);
        QTEST(QtSerialLink::systemPortName(name), "system");
    }

    void lineSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bitsPerCharacter"); // 0: refused
        QTest::addColumn<qint64>("wireTimeUs");    // of 96 bytes, rounded up
        const auto row = [](const char* text, int bits, qint64 us) {
            QTest::newRow(text) << QString(text) << bits << us;
        };
        row("38400,N,8,1", 10, 25000);
        row("9600,E,7,2", 11, 110000);
        row("19200,o,8,1", 11, 55000); // lower-case parity
        row("1200,N,5,1.5", 8, 640000);
        row("115200,N,8,1", 10, 8334); // 8333.3
        for (const char* refused :
             {"38400,X,8,1", "fast,N,8,1", "38400,N,9,1", "38400,N,8,3", "38400,N,8"})
            row(refused, 0, 0);
    }

    void lineSettings() {
        QFETCH(QString, text);
        QFETCH(int, bitsPerCharacter);
        const std::optional<LineSettings> s = ParseLineSettings(text);
        QCOMPARE(s.has_value(), bitsPerCharacter > 0);
        if (s) {
            QCOMPARE(s->bitsPerCharacter(), bitsPerCharacter);
            QTEST(s->wireTimeUs(96), "wireTimeUs");
            return;
        }
        // A malformed text fails the open before any device is touched, and says why.
        QtSerialLink link;
        QVERIFY(!link.open(QStringLiteral("/dev/null"), text));
        QVERIFY(!link.isOpen());
        QVERIFY2(link.errorString().contains(QStringLiteral("38400,N,8,1")),
                 qPrintable(link.errorString()));
    }

    // An adapter that is not plugged in: the message says so.
    void missingDeviceFailsWithTheSystemsReason() {
        QtSerialLink link;
        QVERIFY(!link.open(QStringLiteral("/dev/ttyUSB97"), QStringLiteral("38400,N,8,1")));
        QVERIFY(!link.isOpen());
        QVERIFY2(link.errorString().contains(QStringLiteral("plugged in")),
                 qPrintable(link.errorString()));
        QVERIFY(!link.write(QByteArray("x")));
        link.setRts(true); // nothing to do on a closed link, and no harm
        QCOMPARE(link.readAll(), QByteArray());
    }

#ifdef Q_OS_UNIX
    void init() {
        int near = -1;
        char name[256] = {};
        QVERIFY(openpty(&m_far, &near, name, nullptr, nullptr) == 0);
        // Only the path is needed; the link opens its own descriptor.
        ::close(near);
        m_near = QString::fromLocal8Bit(name);
        ::fcntl(m_far, F_SETFL, ::fcntl(m_far, F_GETFL) | O_NONBLOCK);
    }

    void cleanup() {
        if (m_far >= 0)
            ::close(m_far);
        m_far = -1;
    }

    void everyByteValueCrossesUnchanged() {
        QtSerialLink link;
        QVERIFY2(link.open(m_near, QStringLiteral("38400,N,8,1")), qPrintable(link.errorString()));
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QVERIFY(link.write(all));
        QCOMPARE(farRead(256), all);

        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        link.setReceiveThreshold(256);
        farWrite(all);
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
        QCOMPARE(link.readAll(), all);
    }

    void replySplitAtEveryPositionNotifiesOnce() {
        QtSerialLink link;
        QVERIFY(link.open(m_near, QStringLiteral("38400,N,8,1")));
        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        QByteArray reply = QByteArray::fromHex("010304001401140000");
        for (int split = 1; split < reply.size(); ++split) {
            spy.clear();
            link.discardInput();
            link.setReceiveThreshold(int(reply.size()));
            farWrite(reply.left(split));
            QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), split, 5000);
            QCOMPARE(spy.count(), 0);
            farWrite(reply.mid(split));
            QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
            // Bytes that trail the reply do not raise the event again before it is read.
            farWrite(QByteArray("\xAA\x55", 2));
            QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), int(reply.size()) + 2, 5000);
            QCOMPARE(spy.count(), 1);
            QCOMPARE(link.readAll(), reply + QByteArray("\xAA\x55", 2));
            QCOMPARE(link.bytesWaiting(), 0);
        }
    }

    void thresholdAlreadyReachedNotifiesFromTheEventLoop() {
        QtSerialLink link;
        QVERIFY(link.open(m_near, QStringLiteral("38400,N,8,1")));
        QSignalSpy spy(&link, &SerialLink::receiveThresholdReached);
        farWrite(QByteArray(8, 'x'));
        QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), 8, 5000);
        QCOMPARE(spy.count(), 0); // no threshold set yet
        link.setReceiveThreshold(8);
        QCOMPARE(spy.count(), 0); // never from inside the caller's own call
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 1, 5000);
        link.setReceiveThreshold(0);
        farWrite(QByteArray(4, 'y'));
        QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), 12, 5000);
        QTest::qWait(20);
        QCOMPARE(spy.count(), 1); // a zero threshold raises nothing
    }

    // Bytes thrown away as they arrive (as before every request) leave the woken reader nothing:
    // no failure of the port.
    void inputThrownAwayAsBytesArriveKeepsTheLinkOpen() {
        int pipeFds[2] = {-1, -1};
        QVERIFY(::pipe(pipeFds) == 0);
        // Registered before the port's reader, so it runs first in the turn that wakes both.
        QSocketNotifier first(pipeFds[0], QSocketNotifier::Read);
        QtSerialLink link;
        QVERIFY(link.open(m_near, QStringLiteral("38400,N,8,1")));
        QSignalSpy lost(&link, &SerialLink::linkLost);
        connect(&first, &QSocketNotifier::activated, this, [&] {
            char c = 0;
            QCOMPARE(::read(pipeFds[0], &c, 1), ssize_t(1));
            link.discardInput();
        });
        for (int round = 0; round < 5 && lost.isEmpty(); ++round) {
            farWrite(QByteArray("\x01\x03\x04", 3));
            QThread::msleep(50); // the bytes reach the near end; nothing reads them yet
            QCOMPARE(::write(pipeFds[1], "x", 1), ssize_t(1));
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        QCOMPARE(lost.count(), 0);
        QVERIFY(link.isOpen());
        farWrite(QByteArray("\x05", 1));
        QTRY_COMPARE_WITH_TIMEOUT(link.bytesWaiting(), 1, 5000);
    }

    void farEndVanishingClosesTheLinkOnce() {
        QtSerialLink link;
        QVERIFY(link.open(m_near, QStringLiteral("38400,N,8,1")));
        QSignalSpy lost(&link, &SerialLink::linkLost);
        bool closedWhenReported = false;
        connect(&link, &SerialLink::linkLost, this, [&] { closedWhenReported = !link.isOpen(); });
        link.setReceiveThreshold(9);
        ::close(m_far);
        m_far = -1;
        QTRY_COMPARE_WITH_TIMEOUT(lost.count(), 1, 5000);
        QVERIFY(closedWhenReported);
        QVERIFY(!lost.first().first().toString().isEmpty());
        QCOMPARE(link.errorString(), lost.first().first().toString());
        QVERIFY(!link.write(QByteArray("x")));
        QTest::qWait(100);
        QCOMPARE(lost.count(), 1);
        link.close(); // a second close is harmless
        QCOMPARE(lost.count(), 1);
    }

private:
    void farWrite(const QByteArray& bytes) {
        QCOMPARE(::write(m_far, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    }

    QByteArray farRead(int count) {
        QByteArray got;
        QDeadlineTimer deadline(5000);
        while (got.size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            char buffer[512];
            const ssize_t n = ::read(m_far, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            else
                QThread::msleep(1);
        }
        return got;
    }

    int m_far = -1;
    QString m_near;
#endif
};

QTEST_GUILESS_MAIN(TestQtSerialLink)
#include "tst_qtseriallink.moc"
