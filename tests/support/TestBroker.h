#pragma once

#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

// A real mosquitto on a free loopback port, with a configuration made for the test: a
// password file and no anonymous access, access rules that keep the user under plant/, and a
// TLS listener whose CA and server certificate openssl makes now. Stopped (and its files removed)
// when it goes out of scope.
class TestBroker {
public:
    static QString tool(const char* name) {
        return QStandardPaths::findExecutable(
            QString::fromLatin1(name), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                        QStringLiteral("/usr/local/sbin")});
    }
    static bool available() {
        return !tool("mosquitto").isEmpty() && !tool("mosquitto_sub").isEmpty() &&
               !tool("mosquitto_pub").isEmpty() && !tool("mosquitto_passwd").isEmpty() &&
               !tool("openssl").isEmpty();
    }
    static int freePort() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        return s.serverPort();
    }

    // Makes the files; false with the reason in `error`.
    bool prepare(QString* error) {
        const QString d = m_dir.path();
        const auto run = [&](const QString& program, const QStringList& args) {
            QProcess p;
            p.start(program, args);
            if (!p.waitForFinished(30000) || p.exitCode() != 0) {
                *error = program + QStringLiteral(" ") + args.join(u' ') + QStringLiteral(": ") +
                         QString::fromLocal8Bit(p.readAllStandardError());
                return false;
            }
            return true;
        };
        const QString ssl = tool("openssl");
        WriteBytes(d + QStringLiteral("/ext.cnf"), "subjectAltName=IP:127.0.0.1,DNS:localhost\n");
        const auto key = [&](const char* name) {
            return run(ssl, {"genpkey", "-algorithm", "EC", "-pkeyopt", "ec_paramgen_curve:P-256",
                             "-out", d + u'/' + QLatin1String(name)});
        };
        if (!key("ca.key") || !key("other.key") || !key("server.key") ||
            !run(ssl, {"req", "-x509", "-key", d + "/ca.key", "-out", d + "/ca.crt", "-days", "2",
                       "-subj", "/CN=TD700 test CA"}) ||
            !run(ssl, {"req", "-x509", "-key", d + "/other.key", "-out", d + "/other.crt", "-days",
                       "2", "-subj", "/CN=Some other CA"}) ||
            !run(ssl, {"req", "-new", "-key", d + "/server.key", "-out", d + "/server.csr", "-subj",
                       "/CN=127.0.0.1"}) ||
            !run(ssl, {"x509", "-req", "-in", d + "/server.csr", "-CA", d + "/ca.crt", "-CAkey",
                       d + "/ca.key", "-CAcreateserial", "-out", d + "/server.crt", "-days", "2",
                       "-extfile", d + "/ext.cnf"}) ||
            !run(tool("mosquitto_passwd"), {"-b", "-c", d + "/passwd", user(), password()}))
            return false;
        QFile(WriteBytes(passwordFile(), password().toUtf8() + '\n'))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        m_port = freePort();
        m_tlsPort = freePort();
        // The user may publish and read under plant/ and Sparkplug's spBv1.0/ alone.
        WriteBytes(d + QStringLiteral("/acl"),
                   "user td700\ntopic readwrite plant/#\ntopic readwrite spBv1.0/#\n");
        // As root mosquitto would drop to its own user, who may not read these files.
        WriteBytes(d + QStringLiteral("/mosquitto.conf"),
                   QStringLiteral("user root\nper_listener_settings false\nallow_anonymous false\n"
                                  "password_file %1/passwd\nacl_file %1/acl\n"
                                  "persistence true\n"
                                  "queue_qos0_messages true\n"
                                  "persistence_location %1/\n"
                                  "listener %2 127.0.0.1\nlistener %3 127.0.0.1\n"
                                  "cafile %1/ca.crt\ncertfile %1/server.crt\n"
                                  "keyfile %1/server.key\n")
                       .arg(d)
                       .arg(m_port)
                       .arg(m_tlsPort)
                       .toUtf8());
        return true;
    }

    ~TestBroker() {
        stopSubscriber();
        stop();
    }

    bool start() {
        m_broker.setProcessChannelMode(QProcess::MergedChannels);
        m_broker.start(tool("mosquitto"), {"-c", m_dir.path() + QStringLiteral("/mosquitto.conf")});
        if (!m_broker.waitForStarted(5000))
            return false;
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (probe.waitForConnected(200))
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    // Stops the broker as a service stop does (SIGTERM): it keeps its sessions on disk.
    void stop() {
        if (m_broker.state() == QProcess::NotRunning)
            return;
        m_broker.terminate();
        if (!m_broker.waitForFinished(5000)) {
            m_broker.kill();
            m_broker.waitForFinished(5000);
        }
    }

    // A subscriber to `filter` with a session the broker keeps, so that nothing published
    // while it reconnects after a broker restart is lost to it. It takes QoS 0, so that the
    // broker never hands it a message twice: a copy it sees was published twice. It writes
    // "TOPIC PAYLOAD" lines, or each message as mosquitto_sub's -F `format` says.
    void subscribe(const QString& filter, const QString& format = {}) {
        const QStringList output = format.isEmpty() ? QStringList{"-v"} : QStringList{"-F", format};
        m_sub.start(tool("mosquitto_sub"),
                    QStringList{"-h", "127.0.0.1", "-p", QString::number(m_port), "-u", user(),
                                "-P", password(), "-t", filter, "-q", "0", "-c", "-i",
                                "td700-test-sub"} +
                        output);
        m_sub.waitForStarted(5000);
    }
    // What the subscriber wrote so far.
    QByteArray received() {
        m_received += m_sub.readAllStandardOutput();
        return m_received;
    }
    void stopSubscriber() {
        if (m_sub.state() != QProcess::NotRunning) {
            m_sub.kill();
            m_sub.waitForFinished(5000);
        }
    }
    // The messages received so far: topic and payload.
    QList<std::pair<QString, QJsonObject>> messages() {
        QList<std::pair<QString, QJsonObject>> out;
        for (const QByteArray& line : received().split('\n')) {
            const qsizetype space = line.indexOf(' ');
            if (space > 0)
                out.append({QString::fromUtf8(line.left(space)),
                            QJsonDocument::fromJson(line.mid(space + 1)).object()});
        }
        return out;
    }

    int port() const { return m_port; }
    int tlsPort() const { return m_tlsPort; }
    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    QString passwordFile() const { return m_dir.filePath(QStringLiteral("password")); }
    static QString user() { return QStringLiteral("td700"); }
    static QString password() { return QStringLiteral("s3cret word"); }

private:
    QTemporaryDir m_dir;
    QProcess m_broker;
    QProcess m_sub;
    QByteArray m_received;
    int m_port = 0;
    int m_tlsPort = 0;
};
