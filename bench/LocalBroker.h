#pragma once

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <unistd.h>

// A mosquitto of the benchmarks' own on a free loopback port, anonymous access allowed,
// stopped when it goes out of scope; port() is 0 where mosquitto is not installed.
class LocalBroker {
public:
    LocalBroker() {
        const QString mosquitto = QStandardPaths::findExecutable(
            QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
        if (mosquitto.isEmpty())
            return;
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const int port = probe.serverPort();
        probe.close();
        QFile conf(m_dir.filePath(QStringLiteral("b.conf")));
        conf.open(QIODevice::WriteOnly);
        conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n%2")
                       .arg(port)
                       .arg(geteuid() == 0 ? QStringLiteral("user root\n") : QString())
                       .toUtf8());
        conf.close();
        m_process.start(mosquitto, {QStringLiteral("-c"), conf.fileName()});
        for (int i = 0; i < 50; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, quint16(port));
            if (s.waitForConnected(100))
                break;
            QThread::msleep(50);
        }
        m_port = port;
    }
    ~LocalBroker() {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    int port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
