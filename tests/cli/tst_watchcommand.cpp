#include "logging/DataFileReader.h"
#include "logging/RecordBytes.h"
#include "support/BusPc.h"
#include "support/TestBroker.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

QJsonObject nodeOf(const QJsonObject& plant, const QString& name) {
    for (const QJsonValue& n : plant.value(QStringLiteral("nodes")).toArray())
        if (n[QStringLiteral("node")].toString() == name)
            return n.toObject();
    return {};
}

// What differs between a meter as `watch` shows it and the record its number names in the
// data file (seq is the record's place in its file); empty when nothing.
QString compareWithFile(const QJsonObject& meter, const QString& folder, int channels) {
    const int address = meter.value(QStringLiteral("address")).toInt();
    DataFileReader reader;
    if (!reader.open(folder + QStringLiteral("/RUN_%1.TDD").arg(address, 2, 10, QChar(u'0'))))
        return reader.errorString();
    const qint64 seq = meter.value(QStringLiteral("seq")).toInteger();
    const QJsonArray values = meter.value(QStringLiteral("channels")).toArray();
    if (seq < 1 || seq > reader.recordCount() || values.size() != channels)
        return QStringLiteral("meter %1: seq %2 of %3 records, %4 channels")
            .arg(address)
            .arg(seq)
            .arg(reader.recordCount())
            .arg(values.size());
    const char* record = reader.recordData(seq - 1);
    for (int ch = 1; ch <= channels; ++ch) {
        const double scale = std::pow(10, reader.header().channels[size_t(ch - 1)].decimals);
        const double expected = std::round(double(RecordBytes::value(record, ch)) * scale) / scale;
        const double shown = values[ch - 1][QStringLiteral("value")].toDouble();
        if (RecordBytes::isValid(record, ch) && std::fabs(shown - expected) > 1e-6)
            return QStringLiteral("meter %1 channel %2: %3, file %4")
                .arg(address)
                .arg(ch)
                .arg(shown)
                .arg(expected);
    }
    return {};
}

} // namespace

// Two bus PCs publish to a real mosquitto; `td700 watch` sees both from the broker alone.
class TestWatchCommand : public QObject {
    Q_OBJECT

    QStringList credentials(const TestBroker& broker) const {
        return {"--mqtt-user", TestBroker::user(), "--mqtt-password-file", broker.passwordFile()};
    }
    QString url(const TestBroker& broker, const char* prefix = "plant") const {
        return QStringLiteral("mqtt://127.0.0.1:%1/%2").arg(broker.port()).arg(prefix);
    }
    // `td700 watch --once --json` until `ready` says the document is what is waited for.
    QJsonObject watchUntil(const TestBroker& broker,
                           const std::function<bool(const QJsonObject&)>& ready) {
        const QDeadlineTimer deadline(40000);
        QJsonObject plant;
        do {
            const ProgramRun run = RunToEnd(
                "td700", QStringList{"watch", "--once", "--json", "--wait", "5", url(broker)} +
                             credentials(broker));
            plant = QJsonDocument::fromJson(run.out).object();
            if (run.status == 0 && ready(plant))
                return plant;
            QTest::qWait(500);
        } while (!deadline.hasExpired());
        return plant;
    }

private Q_SLOTS:
    void initTestCase() {
        if (const QString why = BusPcMissing(); !why.isEmpty())
            QSKIP(qPrintable(why));
    }

    void bothNodesWithTheirFilesValuesAndOneKilledOffline() {
        TestBroker broker;
        QString error;
        QVERIFY2(broker.prepare(&error), qPrintable(error));
        QVERIFY(broker.start());
        const QStringList flags = QStringList{"--publish", url(broker)} + credentials(broker);
        BusPc line1(QStringLiteral("line1"), QStringLiteral("1:12:1.20,2:4:1.16"),
                    QStringLiteral("1,2"), flags);
        BusPc line2(QStringLiteral("line2"), QStringLiteral("3:6:1.20"), QStringLiteral("3"),
                    flags);
        const QList<std::pair<QString, QList<int>>> expected{{"line1", {1, 2}}, {"line2", {3}}};
        QJsonObject plant = watchUntil(broker, [&](const QJsonObject& p) {
            for (const auto& [name, addresses] : expected) {
                const QJsonArray meters = nodeOf(p, name)[QStringLiteral("meters")].toArray();
                if (meters.size() != addresses.size())
                    return false;
                for (const QJsonValue& m : meters)
                    if (m[QStringLiteral("seq")].isNull())
                        return false;
            }
            return true;
        });
        const QMap<int, int> channels{{1, 12}, {2, 4}, {3, 6}};
        for (const auto& [name, addresses] : expected) {
            const QJsonObject node = nodeOf(plant, name);
            QCOMPARE(node[QStringLiteral("state")].toString(), QStringLiteral("online"));
            const QJsonArray meters = node[QStringLiteral("meters")].toArray();
            QCOMPARE(meters.size(), addresses.size());
            for (const QJsonValue& m : meters) {
                const int address = m[QStringLiteral("address")].toInt();
                QVERIFY(addresses.contains(address));
                QCOMPARE(m[QStringLiteral("link")].toString(), QStringLiteral("OK"));
                const QString folder = (name == u"line1" ? line1 : line2).dir.path();
                const QString differs = compareWithFile(m.toObject(), folder, channels[address]);
                QVERIFY2(differs.isEmpty(), qPrintable(differs));
            }
        }

        // Killed without a word: the broker's last will shows the node offline, the other
        // stays online.
        ::kill(pid_t(line1.logger.processId()), SIGKILL);
        plant = watchUntil(broker, [](const QJsonObject& p) {
            return nodeOf(p, QStringLiteral("line1"))[QStringLiteral("state")].toString() ==
                   u"offline";
        });
        QCOMPARE(nodeOf(plant, QStringLiteral("line1"))[QStringLiteral("state")].toString(),
                 QStringLiteral("offline"));
        QCOMPARE(nodeOf(plant, QStringLiteral("line2"))[QStringLiteral("state")].toString(),
                 QStringLiteral("online"));

        // Under a prefix no node publishes to: nothing to show.
        const ProgramRun none = RunToEnd(
            "td700", QStringList{"watch", "--once", "--wait", "2", url(broker, "plant/none")} +
                         credentials(broker));
        QCOMPARE(none.status, 4);
    }
};

QTEST_GUILESS_MAIN(TestWatchCommand)
#include "tst_watchcommand.moc"
