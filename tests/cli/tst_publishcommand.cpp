#include "logging/DataFileReader.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"
#include "support/SimProcess.h"
#include "support/SparkplugDecoder.h"
#include "support/TestBroker.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// One `td700 log --publish ...` run against the simulator.
class LogRun {
public:
    LogRun(const QString& pty, const QString& data, const QStringList& publishFlags) {
        m_process.start(BinPath("td700"),
                        QStringList{"log", "--home", data + "/home", "--port", pty, "--meters",
                                    "1,2", "--folder", data, "--name", "RUN", "--interval", "1",
                                    "--unit", "sec", "--node", "line1"} +
                            publishFlags);
    }
    ~LogRun() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // Waits for `count` more saves of both meters; false when they did not come.
    bool saves(int count) {
        const QDeadlineTimer deadline(15000 + 2000 * count);
        while (count > 0) {
            const QString line = NextLine(m_process, deadline);
            if (line.isEmpty())
                return false;
            count -= line.contains(QStringLiteral(" 2 meters ")) ? 1 : 0;
        }
        return true;
    }
    // Waits until standard error says `text`.
    bool says(const QString& text, int ms = 20000) {
        const QDeadlineTimer deadline(ms);
        while (!err().contains(text)) {
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return err().contains(text);
            m_process.waitForReadyRead(100);
            m_process.readAllStandardOutput();
        }
        return true;
    }
    int finish(int signal) {
#ifdef Q_OS_UNIX
        ::kill(pid_t(m_process.processId()), signal);
#endif
        m_process.waitForFinished(20000);
        err();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    int waitForEnd(int ms) {
        m_process.waitForFinished(ms);
        err();
        return m_process.state() != QProcess::NotRunning        ? -2
               : m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode()
                                                                : -1;
    }
    QString err() {
        m_err += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_err;
    }

private:
    QProcess m_process;
    QString m_err;
};

// Two saves, the broker away for three, back: the run says so and catches up, then saves on.
bool throughAnOutage(LogRun& run, TestBroker& broker) {
    if (!run.saves(2))
        return false;
    broker.stop();
    if (!run.says(QStringLiteral("went away")) || !run.saves(3) || !broker.start())
        return false;
    return run.says(QStringLiteral("caught up")) && run.saves(1);
}

struct Published {
    QJsonObject payload;
    int copies = 0;
};

// The data messages of meter `address` by sequence number.
QMap<qint64, Published> dataOf(TestBroker& broker, int address) {
    QMap<qint64, Published> out;
    const QString topic = QStringLiteral("plant/line1/%1/data").arg(address);
    for (const auto& [t, payload] : broker.messages()) {
        if (t != topic)
            continue;
        Published& p = out[payload.value(QStringLiteral("seq")).toInteger()];
        // A copy sent again carries the same record; only "replayed" may differ.
        QJsonObject plain = payload;
        plain.remove(QStringLiteral("replayed"));
        QJsonObject seen = p.payload;
        seen.remove(QStringLiteral("replayed"));
        if (p.copies > 0 && seen != plain)
            qWarning("seq %lld of meter %d differs between copies",
                     payload.value(QStringLiteral("seq")).toInteger(), address);
        if (p.copies == 0 || !payload.value(QStringLiteral("replayed")).toBool())
            p.payload = payload;
        ++p.copies;
    }
    return out;
}

QString statusOf(TestBroker& broker) {
    QString state;
    for (const auto& [t, payload] : broker.messages())
        if (t == u"plant/line1/status")
            state = payload.value(QStringLiteral("state")).toString();
    return state;
}

// Every record of the meter's data file is there, numbered from 1 in file order, with the
// file's values at the channel's decimals; returns how many were flagged as replayed.
int checkEveryRecord(TestBroker& broker, const QString& data, int address, int channels,
                     bool allowCopies = false) {
    const QMap<qint64, Published> got = dataOf(broker, address);
    DataFileReader reader;
    const QString file = data + QStringLiteral("/RUN_%1.TDD").arg(address, 2, 10, QChar(u'0'));
    if (!reader.open(file)) {
        QTest::qFail(qPrintable(reader.errorString()), __FILE__, __LINE__);
        return -1;
    }
    if (got.size() != reader.recordCount() || got.firstKey() != 1 ||
        got.lastKey() != reader.recordCount()) {
        QTest::qFail(qPrintable(QStringLiteral("meter %1: %2 records in the file, seq %3..%4 "
                                               "published (%5 numbers)")
                                    .arg(address)
                                    .arg(reader.recordCount())
                                    .arg(got.isEmpty() ? 0 : got.firstKey())
                                    .arg(got.isEmpty() ? 0 : got.lastKey())
                                    .arg(got.size())),
                     __FILE__, __LINE__);
        return -1;
    }
    const DataHeader& header = reader.header();
    int replayed = 0;
    for (qint64 i = 0; i < reader.recordCount(); ++i) {
        const Published& p = got[i + 1];
        if (!allowCopies && p.copies != 1) {
            QTest::qFail(qPrintable(QStringLiteral("meter %1 seq %2 arrived %3 times")
                                        .arg(address)
                                        .arg(i + 1)
                                        .arg(p.copies)),
                         __FILE__, __LINE__);
            return -1;
        }
        replayed += p.payload.value(QStringLiteral("replayed")).toBool() ? 1 : 0;
        const char* record = reader.recordData(i);
        const QJsonArray values = p.payload.value(QStringLiteral("channels")).toArray();
        if (values.size() != channels) {
            QTest::qFail("channel count", __FILE__, __LINE__);
            return -1;
        }
        for (int ch = 1; ch <= channels; ++ch) {
            const int decimals = header.channels[size_t(ch - 1)].decimals;
            const double expected =
                std::round(double(RecordBytes::value(record, ch)) * std::pow(10, decimals)) /
                std::pow(10, decimals);
            const QJsonValue v = values[ch - 1].toObject().value(QStringLiteral("value"));
            if (RecordBytes::isValid(record, ch) &&
                std::fabs(v.toDouble() - expected) > 1e-9 * std::max(1.0, std::fabs(expected))) {
                QTest::qFail(qPrintable(QStringLiteral("meter %1 seq %2 channel %3: %4, file %5")
                                            .arg(address)
                                            .arg(i + 1)
                                            .arg(ch)
                                            .arg(v.toDouble())
                                            .arg(expected)),
                             __FILE__, __LINE__);
                return -1;
            }
        }
    }
    return replayed;
}

// A Sparkplug message as Eclipse Tahu's library decodes it: its type and device (from the
// topic), seq (-1: none), time stamp and metrics by name.
struct SparkplugMessage {
    QString type, device;
    qint64 seq = -1;
    qint64 timestamp = 0;
    QHash<QString, QJsonObject> metrics;
    QJsonValue value(const QString& name) const {
        return metrics.value(name).value(QStringLiteral("value"));
    }
    bool historical() const {
        return std::any_of(metrics.begin(), metrics.end(), [](const QJsonObject& m) {
            return m.value(QStringLiteral("isHistorical")).toBool();
        });
    }
};

QList<SparkplugMessage> sparkplugMessages(TestBroker& broker) {
    QList<SparkplugMessage> out;
    for (const QJsonObject& o : SparkplugDecoder::decodeLines(broker.received())) {
        const QStringList topic = o.value(QStringLiteral("topic")).toString().split(u'/');
        const QJsonObject p = o.value(QStringLiteral("payload")).toObject();
        SparkplugMessage m;
        m.type = topic.value(2);
        m.device = topic.value(4);
        if (m.type == u"NCMD") // the test's own, as a host
            continue;
        m.seq = p.value(QStringLiteral("seq")).toInteger(-1);
        m.timestamp = p.value(QStringLiteral("timestamp")).toInteger();
        for (const QJsonValue& v : p.value(QStringLiteral("metrics")).toArray())
            m.metrics.insert(v.toObject().value(QStringLiteral("name")).toString(), v.toObject());
        out << m;
    }
    return out;
}

// A record as td700 export writes it, in a form both sides can be brought to: time, values as
// numbers (empty where not valid), states, alarms, digital inputs and relays of `channels`.
QStringList exportedRows(const QString& file, int channels) {
    QByteArray csv;
    RunProgram("td700", {"export", file}, &csv);
    QStringList rows;
    for (const QByteArray& line : csv.split('\n').mid(1)) {
        const QStringList cells = QString::fromUtf8(line).trimmed().split(u',');
        // Time, then each channel's value, state and alarm columns, then DI and relays.
        if (cells.size() < 3 + 3 * channels)
            continue;
        QStringList row{cells[0]};
        for (int ch = 1; ch <= channels; ++ch)
            row << (cells[ch].isEmpty() ? QString() : QString::number(cells[ch].toDouble()));
        row += cells.mid(1 + channels, channels) + cells.mid(1 + 2 * channels, channels) +
               cells.mid(1 + 3 * channels, 2);
        rows << row.join(u',');
    }
    return rows;
}

QString rowOf(const SparkplugMessage& m, int channels) {
    const auto set = [&](const QString& form, int count) {
        QStringList on;
        for (int n = 1; n <= count; ++n)
            if (m.value(form.arg(n, 2, 10, QChar(u'0'))).toBool())
                on << QString::number(n);
        return on.join(u' ');
    };
    QStringList row{QDateTime::fromMSecsSinceEpoch(m.timestamp).toString("yyyy-MM-dd HH:mm:ss")};
    QStringList states, alarms;
    for (int ch = 1; ch <= channels; ++ch) {
        const QString c = QStringLiteral("CH%1/").arg(ch, 2, 10, QChar(u'0'));
        const QJsonValue v = m.value(c + QStringLiteral("Value"));
        row << (v.isDouble() ? QString::number(v.toDouble()) : QString());
        const QJsonValue st = m.value(c + QStringLiteral("State"));
        states << (st.isDouble() ? QString::number(st.toInt()) : QString());
        QStringList on;
        for (int a = 1; a <= 4; ++a)
            if (m.value(c + QStringLiteral("Alarm/%1").arg(a)).toBool())
                on << QString::number(a);
        alarms << on.join(u' ');
    }
    row += states + alarms;
    row << set(QStringLiteral("DI/%1"), 6) << set(QStringLiteral("Relay/%1"), 16);
    return row.join(u',');
}

} // namespace

// `td700 log --publish` against a real mosquitto with a password file, no anonymous access
// and a TLS listener, and the simulator's two meters on a pseudo-terminal.
class TestPublishCommand : public QObject {
    Q_OBJECT

    std::unique_ptr<Simulator> m_sim;
    QString m_pty;

    bool startBroker(TestBroker& broker) {
        QString error;
        if (!broker.prepare(&error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        if (!broker.start())
            return false;
        broker.subscribe(QStringLiteral("plant/#"));
        return true;
    }
    QStringList credentials(const TestBroker& broker) const {
        return {"--mqtt-user", TestBroker::user(), "--mqtt-password-file", broker.passwordFile()};
    }
    QString plainUrl(const TestBroker& broker) const {
        return QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(broker.port());
    }
    QStringList plainFlags(const TestBroker& broker) const {
        return QStringList{"--publish", plainUrl(broker)} + credentials(broker);
    }

private Q_SLOTS:
    void initTestCase() {
#ifndef Q_OS_UNIX
        QSKIP("the simulator serves a pseudo-terminal only on Unix");
#endif
        if (!TestBroker::available())
            QSKIP("mosquitto, mosquitto_sub, mosquitto_passwd or openssl is not installed "
                  "(scripts/setup installs them)");
        m_sim = std::make_unique<Simulator>(QStringList{"--pty", "--meter", "1:12:1.20,2:4:1.16"});
        m_pty = m_sim->nextLine();
        QVERIFY2(m_pty.startsWith(u'/'), qPrintable(m_pty));
    }

    void everyRecordArrivesOnceWithTheFileValues_data() {
        QTest::addColumn<bool>("tls");
        QTest::newRow("mqtt") << false;
        QTest::newRow("mqtts") << true;
    }

    void everyRecordArrivesOnceWithTheFileValues() {
        QFETCH(bool, tls);
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        const QStringList url =
            tls ? QStringList{"--publish",
                              QStringLiteral("mqtts://127.0.0.1:%1/plant").arg(broker.tlsPort()),
                              "--mqtt-ca", broker.file("ca.crt")}
                : QStringList{"--publish", plainUrl(broker)};
        LogRun run(m_pty, dir.path(), url + credentials(broker));
        // Long enough for its own status to come back through the broker, known as its own.
        QVERIFY2(run.saves(tls ? 3 : 6), qPrintable(run.err()));
        QCOMPARE(run.finish(SIGINT), 0);
        QVERIFY2(!run.err().contains(u"WARNING"), qPrintable(run.err()));
        QTest::qWait(300);
        QCOMPARE(checkEveryRecord(broker, dir.path(), 1, 12), 0);
        QCOMPARE(checkEveryRecord(broker, dir.path(), 2, 4), 0);
        // A clean stop says so; the meters are described.
        QCOMPARE(statusOf(broker), QStringLiteral("offline"));
        int metas = 0;
        for (const auto& [topic, payload] : broker.messages())
            if (topic.endsWith(u"/meta"))
                metas += payload.value(QStringLiteral("channels")).toInt();
        QCOMPARE(metas, 12 + 4);
    }

    // The broker stopped and started again mid-run: what was saved meanwhile arrives, flagged.
    void anOutageIsCaughtUp() {
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        LogRun run(m_pty, dir.path(), plainFlags(broker));
        QVERIFY2(throughAnOutage(run, broker), qPrintable(run.err()));
        QCOMPARE(run.finish(SIGINT), 0);
        QTest::qWait(300);
        QVERIFY(checkEveryRecord(broker, dir.path(), 1, 12) >= 2);
        QVERIFY(checkEveryRecord(broker, dir.path(), 2, 4) >= 2);
    }

    // A run killed leaves the last will; a run killed while the broker was away leaves its
    // records to the next run, which sends them first.
    void aKilledRunIsCaughtUpByTheNext() {
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        const QStringList flags = plainFlags(broker);
        {
            LogRun run(m_pty, dir.path(), flags);
            QVERIFY2(run.saves(2), qPrintable(run.err()));
            run.finish(SIGKILL);
        }
        QTRY_COMPARE_WITH_TIMEOUT(statusOf(broker), QStringLiteral("offline"), 5000);
        broker.stop();
        {
            LogRun run(m_pty, dir.path(), flags);
            QVERIFY(run.saves(2));
            run.finish(SIGKILL);
        }
        QVERIFY(broker.start());
        LogRun run(m_pty, dir.path(), flags);
        QVERIFY2(run.says(QStringLiteral("caught up")), qPrintable(run.err()));
        QVERIFY(run.saves(1));
        QCOMPARE(run.finish(SIGINT), 0);
        QTest::qWait(300);
        // Records delivered just before a kill may come twice, with the same number.
        QVERIFY(checkEveryRecord(broker, dir.path(), 1, 12, true) >= 2);
        QVERIFY(checkEveryRecord(broker, dir.path(), 2, 4, true) >= 2);
    }

    // A clean stop while the broker hangs spends a second on it at most; the data files
    // have no gap, and nothing is said to be missing.
    void aHangingBrokerDoesNotHoldTheStop() {
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        LogRun run(m_pty, dir.path(), plainFlags(broker));
        QVERIFY2(run.saves(2), qPrintable(run.err()));
        broker.freeze(true);
        QVERIFY(run.saves(3)); // records on their way that the broker never acknowledges
        QElapsedTimer stopping;
        stopping.start();
        const int code = run.finish(SIGINT);
        const qint64 ms = stopping.elapsed();
        broker.freeze(false);
        QCOMPARE(code, 0);
        QVERIFY2(ms < 2500, qPrintable(QStringLiteral("the stop took %1 ms").arg(ms)));
        QVERIFY2(!run.err().contains(QStringLiteral("missing")), qPrintable(run.err()));
        for (int address : {1, 2}) {
            DataFileReader reader;
            QVERIFY(reader.open(
                dir.filePath(QStringLiteral("RUN_%1.TDD").arg(address, 2, 10, QChar(u'0')))));
            QVERIFY(reader.recordCount() >= 5);
            DataRecord record;
            std::optional<qint64> last;
            for (qint64 i = 0; reader.record(i, &record); ++i) {
                const std::optional<qint64> second = DataTime::stampSeconds(record.stamp);
                QVERIFY(second);
                if (last)
                    QCOMPARE(*second, *last + 1);
                last = second;
            }
        }
    }

    void refusalEndsTheRunUnreachableDoesNot_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong password") << "password" << 7 << "not authorised";
        QTest::newRow("another CA") << "ca" << 7 << "certificate verify failed";
        QTest::newRow("no broker there") << "port" << 0 << "not reached";
        QTest::newRow("a full TLS broker") << "full" << 0 << "not reached";
        QTest::newRow("topics the access rules deny") << "denied" << 0 << "passes nothing on";
    }

    void refusalEndsTheRunUnreachableDoesNot() {
        QFETCH(QString, how);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        QStringList flags{"--publish",
                          plainUrl(broker),
                          "--mqtt-user",
                          TestBroker::user(),
                          "--mqtt-password-file",
                          broker.passwordFile(),
                          "--duration",
                          "3"};
        if (how == u"password") {
            QFile wrong(dir.filePath("wrong"));
            QVERIFY(wrong.open(QIODevice::WriteOnly));
            wrong.write("not the password\n");
            wrong.close();
            wrong.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            flags[5] = wrong.fileName();
        } else if (how == u"ca") {
            flags[1] = QStringLiteral("mqtts://127.0.0.1:%1/plant").arg(broker.tlsPort());
            flags << "--mqtt-ca" << broker.file("other.crt");
        } else if (how == u"denied") {
            flags[1] = QStringLiteral("mqtt://127.0.0.1:%1/denied").arg(broker.port());
            flags[7] = QStringLiteral("8");
        } else if (how == u"full") {
            flags[1] = QStringLiteral("mqtts://127.0.0.1:%1/plant").arg(broker.fullTlsPort());
            flags << "--mqtt-ca" << broker.file("ca.crt");
        } else {
            flags[1] = QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(TestBroker::freePort());
        }
        // The full broker's one connection, held without a word (its listener may open a
        // moment after the first).
        QTcpSocket holder;
        if (how == u"full")
            QVERIFY(QTest::qWaitFor(
                [&] {
                    holder.abort();
                    holder.connectToHost(QHostAddress::LocalHost, quint16(broker.fullTlsPort()));
                    return holder.waitForConnected(200);
                },
                5000));
        LogRun run(m_pty, dir.path(), flags);
        QCOMPARE(run.waitForEnd(20000), exitCode);
        QVERIFY2(run.err().contains(said), qPrintable(run.err()));
        QVERIFY(!run.err().contains(TestBroker::password()));
    }

    // The program as a Sparkplug edge node through a broker outage, a rebirth asked for by a
    // host (encoded by Eclipse Tahu's library) and a kill, as a subscriber decoding with Tahu's
    // library sees it: a meter's birth before its data, every saved record with the values and
    // time td700 export reads, those saved during the outage flagged historical, seq without a
    // gap, the death after the kill carrying the last birth's bdSeq.
    void aSparkplugNodeThroughAnOutageARebirthAndAKill() {
        REQUIRE_SPARKPLUG_DECODER();
        TestBroker broker;
        QString error;
        QVERIFY2(broker.prepare(&error), qPrintable(error));
        QVERIFY(broker.start());
        broker.subscribe(QStringLiteral("spBv1.0/#"), QStringLiteral("%t %x"));
        QTemporaryDir dir;
        {
            LogRun run(m_pty, dir.path(),
                       credentials(broker) +
                           QStringList{"--publish",
                                       QStringLiteral("mqtt://127.0.0.1:%1").arg(broker.port()),
                                       "--sparkplug", "plant"});
            QVERIFY2(throughAnOutage(run, broker), qPrintable(run.err()));
            const QJsonObject rebirth{
                {"timestamp", QDateTime::currentMSecsSinceEpoch()},
                {"metrics",
                 QJsonArray{QJsonObject{
                     {"name", "Node Control/Rebirth"}, {"type", "Boolean"}, {"value", true}}}}};
            QVERIFY(broker.publish(QStringLiteral("spBv1.0/plant/NCMD/line1"),
                                   SparkplugDecoder::encode(rebirth)));
            QVERIFY2(run.says(QStringLiteral("births again")), qPrintable(run.err()));
            QVERIFY(run.saves(1));
            run.finish(SIGKILL);
        }
        // The three births, and the death the broker sends for the killed run.
        const auto ended = [&] {
            const QByteArray r = broker.received();
            return r.count("/NBIRTH/") >= 3 &&
                   r.lastIndexOf("/NDEATH/") > r.lastIndexOf("/NBIRTH/");
        };
        QTRY_VERIFY_WITH_TIMEOUT(ended(), 10000);
        const QList<SparkplugMessage> got = sparkplugMessages(broker);

        // seq: 0 in a node's birth, one up modulo 256 in every later message, none in a death.
        // bdSeq: one up for the session after the outage, the same in the rebirth; every death
        // (the will the broker sends as it stops, and after the kill) carries its birth's.
        QList<qint64> births;
        qint64 last = -1;
        int deaths = 0;
        for (const SparkplugMessage& m : got) {
            const qint64 seq = m.type == u"NBIRTH"   ? 0
                               : m.type == u"NDEATH" ? -1
                                                     : (last + 1) % 256;
            QVERIFY2(m.seq == seq, qPrintable(m.type + u' ' + m.device));
            if (m.seq >= 0)
                last = m.seq;
            if (m.type == u"NBIRTH")
                births << m.value(QStringLiteral("bdSeq")).toInteger();
            if (m.type == u"NDEATH") {
                QCOMPARE(m.value(QStringLiteral("bdSeq")).toInteger(), births.last());
                ++deaths;
            }
        }
        QCOMPARE(got.first().type, QStringLiteral("NBIRTH"));
        QCOMPARE(births.size(), 3);
        QCOMPARE(births[1], (births[0] + 1) % 256);
        QCOMPARE(births[2], births[1]);
        QCOMPARE(got.last().type, QStringLiteral("NDEATH"));
        QVERIFY(deaths >= 1);

        // Each session: a meter's birth before its data; after the outage and on the rebirth,
        // the node's birth and then the two meters'. The records of the outage come late.
        QHash<QString, qint64> latestHistorical, firstLive;
        int session = 0;
        QSet<QString> born;
        for (qsizetype i = 0; i < got.size(); ++i) {
            const SparkplugMessage& m = got[i];
            if (m.type == u"NBIRTH") {
                ++session;
                born.clear();
                if (session > 1)
                    QCOMPARE(got[i + 1].device + u' ' + got[i + 2].device,
                             QStringLiteral("M01 M02"));
            } else if (m.type == u"DBIRTH") {
                born << m.device;
            } else if (m.type == u"DDATA") {
                QVERIFY2(born.contains(m.device), qPrintable(m.device));
                const qint64 record = m.value(QStringLiteral("Record")).toInteger();
                if (m.historical()) {
                    QVERIFY2(session == 2, "only the records of the outage come late");
                    latestHistorical[m.device] = std::max(latestHistorical[m.device], record);
                } else if (session == 2 && !firstLive.contains(m.device)) {
                    firstLive[m.device] = record;
                }
            }
        }
        for (const QString device : {"M01", "M02"}) {
            QVERIFY2(latestHistorical.value(device) >= 3, qPrintable(device));
            QVERIFY(latestHistorical.value(device) < firstLive.value(device));
        }

        // Every record the meters saved, with the values and time the data files hold.
        for (const auto& [address, channels] : {std::pair{1, 12}, std::pair{2, 4}}) {
            const QString file =
                dir.filePath(QStringLiteral("RUN_%1.TDD").arg(address, 2, 10, QChar(u'0')));
            const QStringList rows = exportedRows(file, channels);
            const QString device = QStringLiteral("M%1").arg(address, 2, 10, QChar(u'0'));
            QSet<qint64> seen;
            for (const SparkplugMessage& m : got) {
                if (m.device != device || m.type != u"DDATA")
                    continue;
                const qint64 record = m.value(QStringLiteral("Record")).toInteger();
                QVERIFY(record >= 1 && record <= rows.size());
                QCOMPARE(rowOf(m, channels), rows[record - 1]);
                seen << record;
            }
            // The kill may come between a save and its message: that record is the next run's.
            QVERIFY2(
                seen.size() >= rows.size() - 1 && !seen.contains(0),
                qPrintable(QStringLiteral("%1 of %2 records").arg(seen.size()).arg(rows.size())));
            // The birth describes the meter's own channels as its data file does.
            DataFileReader reader;
            QVERIFY(reader.open(file));
            const auto birth = std::find_if(got.begin(), got.end(), [&](const SparkplugMessage& m) {
                return m.type == u"DBIRTH" && m.device == device;
            });
            QCOMPARE(birth->value(QStringLiteral("Properties/Channels")).toInt(), channels);
            QVERIFY(!birth->metrics.contains(
                QStringLiteral("CH%1/Value").arg(channels + 1, 2, 10, QChar(u'0'))));
            for (int ch = 1; ch <= channels; ++ch) {
                const QJsonObject v =
                    birth->metrics.value(QStringLiteral("CH%1/Value").arg(ch, 2, 10, QChar(u'0')));
                const DataChannel& c = reader.header().channels[size_t(ch - 1)];
                const QJsonObject props = v.value(QStringLiteral("properties")).toObject();
                QCOMPARE(props.value(QStringLiteral("engUnit"))
                             .toObject()
                             .value(QStringLiteral("value"))
                             .toString(),
                         c.unit);
                QCOMPARE(props.value(QStringLiteral("engHigh"))
                             .toObject()
                             .value(QStringLiteral("value"))
                             .toDouble(),
                         double(c.high));
                QCOMPARE(v.value(QStringLiteral("metadata"))
                             .toObject()
                             .value(QStringLiteral("description"))
                             .toString(),
                         c.name);
            }
        }
    }

    void badPublishSettingsAreUsage_data() {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("said");
        QTest::newRow("url") << QStringList{"--publish", "http://host/plant"} << "mqtt://HOST";
        QTest::newRow("no prefix") << QStringList{"--publish", "mqtt://host"} << "mqtt://HOST";
        QTest::newRow("wildcard") << QStringList{"--publish", "mqtt://host/a/#"} << "topic prefix";
        QTest::newRow("qos") << QStringList{"--publish", "mqtt://host/p", "--mqtt-qos", "2"}
                             << "--mqtt-qos";
        QTest::newRow("missing CA")
            << QStringList{"--publish", "mqtts://host/p", "--mqtt-ca", "/no/such/ca.pem"}
            << "is not there";
        QTest::newRow("readable password")
            << QStringList{"--publish", "mqtt://host/p",        "--mqtt-user",
                           "u",         "--mqtt-password-file", "@shared"}
            << "may be read by others";
        QTest::newRow("a password file that is a folder")
            << QStringList{"--publish", "mqtt://host/p",        "--mqtt-user",
                           "u",         "--mqtt-password-file", "@folder"}
            << "is a folder, not a file";
        QTest::newRow("a password file that is a device")
            << QStringList{"--publish", "mqtt://host/p",        "--mqtt-user",
                           "u",         "--mqtt-password-file", "/dev/zero"}
            << "is a character device, not a file";
        QTest::newRow("topics longer than MQTT allows")
            << QStringList{"--publish", "mqtt://host/" + QString(70000, u'p')} << "MQTT allows";
        QTest::newRow("a Sparkplug group of two levels")
            << QStringList{"--publish", "mqtt://host", "--sparkplug", "a/b"} << "one topic level";
        QTest::newRow("an empty Sparkplug group")
            << QStringList{"--publish", "mqtt://host", "--sparkplug", ""}
            << "--sparkplug: it is empty";
        QTest::newRow("a Sparkplug host id with a wildcard")
            << QStringList{"--publish", "mqtt://host", "--sparkplug", "g", "--sparkplug-host", "h#"}
            << "one topic level";
        QTest::newRow("a Sparkplug host without a group")
            << QStringList{"--publish", "mqtt://host/p", "--sparkplug-host", "h"}
            << "needs --sparkplug";
    }

    void badPublishSettingsAreUsage() {
        QFETCH(QStringList, flags);
        QFETCH(QString, said);
        QTemporaryDir dir;
        QFile shared(dir.filePath("shared"));
        QVERIFY(shared.open(QIODevice::WriteOnly));
        shared.write("open secret\n");
        shared.close();
        shared.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                              QFile::ReadOther);
        flags.replaceInStrings(QStringLiteral("@shared"), shared.fileName());
        flags.replaceInStrings(QStringLiteral("@folder"), dir.path());
        QByteArray err;
        const int code =
            RunProgram("td700",
                       QStringList{"log", "--home", dir.path(), "--port", m_pty, "--meters", "1",
                                   "--folder", dir.path(), "--name", "X", "--interval", "1"} +
                           flags,
                       nullptr, &err);
        QCOMPARE(code, 2);
        QVERIFY2(err.contains(said.toUtf8()), err.constData());
        QVERIFY(!err.contains("open secret"));
    }
};

QTEST_GUILESS_MAIN(TestPublishCommand)
#include "tst_publishcommand.moc"
