#include "support/PublishedValues.h"
#include "support/SimProcess.h"
#include "support/SparkplugDecoder.h"
#include "support/TestBroker.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One `td700 log --publish ...` run against the simulator.
class LogRun : public RunningProgram {
public:
    LogRun(const QString& pty, const QString& data, const QStringList& publishFlags)
        : RunningProgram("td700",
                         QStringList{"log", "--home", data + "/home", "--port", pty, "--meters",
                                     "1,2", "--folder", data, "--name", "RUN", "--interval", "1",
                                     "--unit", "sec", "--node", "line1"} +
                             publishFlags) {}
    // Waits for `count` more saves of both meters; false when they did not come.
    bool saves(int count) {
        const QDeadlineTimer deadline(15000 + 2000 * count);
        while (count > 0) {
            const QString line = NextLine(process(), deadline);
            if (line.isEmpty())
                return false;
            count -= line.contains(QStringLiteral(" 2 meters ")) ? 1 : 0;
        }
        return true;
    }
    bool says(const QString& text) { return waitFor(text, 20000).hasMatch(); }
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

// Every record of the meter's data file arrived once, numbered from 1 in file order, with the
// file's values; empty when so, else what differs.
QString everyRecordOnce(TestBroker& broker, const QString& data, int address, int channels) {
    QMap<qint64, QList<QJsonObject>> got;
    const QString topic = QStringLiteral("plant/line1/%1/data").arg(address);
    for (const auto& [t, payload] : broker.messages())
        if (t == topic)
            got[payload.value(QStringLiteral("seq")).toInteger()] << payload;
    DataFileReader reader;
    if (!reader.open(data + QStringLiteral("/RUN_%1.TDD").arg(address, 2, 10, QChar(u'0'))))
        return reader.errorString();
    if (got.size() != reader.recordCount() || got.firstKey() != 1)
        return QStringLiteral("meter %1: %2 records in the file, %3 numbers published from %4")
            .arg(address)
            .arg(reader.recordCount())
            .arg(got.size())
            .arg(got.isEmpty() ? 0 : got.firstKey());
    for (auto it = got.cbegin(); it != got.cend(); ++it) {
        const QJsonArray values = it->first().value(QStringLiteral("channels")).toArray();
        const QString differs = it->size() != 1 || values.size() != channels
                                    ? QStringLiteral("sent %1 times").arg(it->size())
                                    : PublishedValuesDiffer(reader, it.key() - 1, values);
        if (!differs.isEmpty())
            return QStringLiteral("meter %1 seq %2: %3").arg(address).arg(it.key()).arg(differs);
    }
    return {};
}

// A Sparkplug message as Eclipse Tahu's library decodes it: type, device, time, named metrics.
struct SparkplugMessage {
    QString type, device;
    qint64 timestamp = 0;
    QHash<QString, QJsonObject> metrics;
    QJsonValue value(const QString& name) const {
        return metrics.value(name).value(QStringLiteral("value"));
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

    // `td700 watch` on the broker shows the node online, each meter with the values of the
    // record its number names in the data file; under a prefix nobody publishes to, nothing.
    void watchSeesTheNode(const TestBroker& broker, const QString& data) {
        const QStringList watch{"watch", "--once", "--json", "--wait", "5"};
        QJsonObject node;
        for (int tries = 0; tries < 5 && node[QStringLiteral("meters")].toArray().size() < 2;
             ++tries) {
            const ProgramRun r =
                RunToEnd("td700", watch + QStringList{plainUrl(broker)} + credentials(broker));
            node = QJsonDocument::fromJson(r.out)[QStringLiteral("nodes")][0].toObject();
        }
        QCOMPARE(node[QStringLiteral("node")].toString() + u' ' +
                     node[QStringLiteral("state")].toString(),
                 QStringLiteral("line1 online"));
        QCOMPARE(node[QStringLiteral("meters")].toArray().size(), 2);
        for (const QJsonValue& m : node[QStringLiteral("meters")].toArray()) {
            DataFileReader reader;
            QVERIFY(reader.open(
                data + QStringLiteral("/RUN_%1.TDD")
                           .arg(m[QStringLiteral("address")].toInt(), 2, 10, QChar(u'0'))));
            const QString differs =
                PublishedValuesDiffer(reader, m[QStringLiteral("seq")].toInteger() - 1,
                                      m[QStringLiteral("channels")].toArray());
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
        }
        const ProgramRun none = RunToEnd(
            "td700",
            watch + QStringList{QStringLiteral("mqtt://127.0.0.1:%1/none").arg(broker.port())} +
                credentials(broker));
        QCOMPARE(none.status, 4);
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
        // Plain: through a broker restart, long enough for its own status to come back.
        QVERIFY2(tls ? run.saves(3) : throughAnOutage(run, broker), qPrintable(run.err()));
        if (!tls)
            watchSeesTheNode(broker, dir.path());
        QCOMPARE(run.finish(SIGINT), 0);
        QVERIFY2(!run.err().contains(u"WARNING"), qPrintable(run.err()));
        QTest::qWait(300);
        for (const auto& [address, channels] : {std::pair{1, 12}, std::pair{2, 4}}) {
            const QString differs = everyRecordOnce(broker, dir.path(), address, channels);
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
        }
        // A clean stop says so; the meters are described.
        QMap<QString, QString> last; // each topic's last message
        for (const auto& [topic, payload] : broker.messages())
            last[topic] = payload.value(topic.endsWith(u"/meta") ? "channels" : "state")
                              .toVariant()
                              .toString();
        QCOMPARE(last.value("plant/line1/status") + u' ' + last.value("plant/line1/1/meta") + u' ' +
                     last.value("plant/line1/2/meta"),
                 QStringLiteral("offline 12 4"));
    }

    void refusalEndsTheRunUnreachableDoesNot_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("wrong password") << "password" << 7 << "not authorised";
        QTest::newRow("another CA") << "ca" << 7 << "certificate verify failed";
        QTest::newRow("no broker there") << "port" << 0 << "not reached";
        QTest::newRow("topics the access rules deny") << "denied" << 0 << "passes nothing on";
    }

    void refusalEndsTheRunUnreachableDoesNot() {
        QFETCH(QString, how);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        TestBroker broker;
        QVERIFY(startBroker(broker));
        QTemporaryDir dir;
        // --publish URL --mqtt-user USER --mqtt-password-file FILE --duration SECONDS
        QStringList flags = QStringList{"--publish", plainUrl(broker)} + credentials(broker) +
                            QStringList{"--duration", "3"};
        if (how == u"password") {
            flags[5] = WriteBytes(dir.filePath("wrong"), "not the password\n");
            QFile(flags[5]).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        } else if (how == u"ca") {
            flags[1] = QStringLiteral("mqtts://127.0.0.1:%1/plant").arg(broker.tlsPort());
            flags << "--mqtt-ca" << broker.file("other.crt");
        } else if (how == u"denied") {
            flags[1] = QStringLiteral("mqtt://127.0.0.1:%1/denied").arg(broker.port());
            flags[7] = QStringLiteral("8");
        } else {
            flags[1] = QStringLiteral("mqtt://127.0.0.1:%1/plant").arg(TestBroker::freePort());
        }
        LogRun run(m_pty, dir.path(), flags);
        QCOMPARE(run.finish(), exitCode);
        QVERIFY2(run.err().contains(said), qPrintable(run.err()));
        QVERIFY(!run.err().contains(TestBroker::password()));
    }

    // The program as a Sparkplug edge node, as a subscriber decoding with Eclipse Tahu's
    // library sees it: every saved record with the values and time td700 export reads, each
    // meter's birth describing its channels as its data file does.
    void aSparkplugNodeAsTahuDecodesIt() {
        REQUIRE_SPARKPLUG_DECODER();
        TestBroker broker;
        QString error;
        QVERIFY2(broker.prepare(&error), qPrintable(error));
        QVERIFY(broker.start());
        broker.subscribe(QStringLiteral("spBv1.0/#"), QStringLiteral("%t %x"));
        QTemporaryDir dir;
        LogRun run(m_pty, dir.path(),
                   credentials(broker) +
                       QStringList{"--publish",
                                   QStringLiteral("mqtt://127.0.0.1:%1").arg(broker.port()),
                                   "--sparkplug", "plant"});
        QVERIFY2(run.saves(3), qPrintable(run.err()));
        QCOMPARE(run.finish(SIGINT), 0);
        QTRY_VERIFY_WITH_TIMEOUT(broker.received().contains("/NDEATH/"), 10000);
        const QList<SparkplugMessage> got = sparkplugMessages(broker);
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
            QCOMPARE(seen.size(), rows.size());
            // The birth describes the meter's own channels as its data file does.
            DataFileReader reader;
            QVERIFY(reader.open(file));
            const auto birth = std::find_if(got.begin(), got.end(), [&](const SparkplugMessage& m) {
                return m.type == u"DBIRTH" && m.device == device;
            });
            QCOMPARE(birth->value(QStringLiteral("Properties/Channels")).toInt(), channels);
            QStringList described, inFile;
            for (int ch = 1; ch <= channels + 1; ++ch) {
                const QJsonObject v =
                    birth->metrics.value(QStringLiteral("CH%1/Value").arg(ch, 2, 10, QChar(u'0')));
                const QJsonObject props = v[QStringLiteral("properties")].toObject();
                described << QStringLiteral("%1 %2 %3")
                                 .arg(props["engUnit"]["value"].toString())
                                 .arg(props["engHigh"]["value"].toDouble())
                                 .arg(v["metadata"]["description"].toString());
                const DataChannel& c = reader.header().channels[size_t(ch - 1)];
                inFile << (ch > channels
                               ? QStringLiteral("%1 %2 %3").arg(QString()).arg(0).arg(QString())
                               : QStringLiteral("%1 %2 %3").arg(c.unit).arg(c.high).arg(c.name));
            }
            QCOMPARE(described, inFile);
        }
    }
};

QTEST_GUILESS_MAIN(TestPublishCommand)
#include "tst_publishcommand.moc"
