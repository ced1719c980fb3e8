#include "core/Clock.h"
#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "publish/BrokerConnection.h"
#include "publish/RecordPublisher.h"
#include "support/DataFileBytes.h"
#include "support/RecordingLink.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A meter's data folder, the publisher over it on the virtual clock, and a stand-in connection.
struct Rig {
    VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 0))};
    QTemporaryDir dir;
    SaveSettings save;
    PublishSettings publish;
    QStringList said;
    std::unique_ptr<RecordPublisher> publisher;
    RecordingLink* link = nullptr;

    explicit Rig(bool daily = false) {
        save.gDSaveFolder = dir.path();
        save.gDSaveName = QStringLiteral("RUN");
        save.gDSaveDaily = daily;
        publish.enabled = true;
        publish.url = QStringLiteral("mqtt://broker/plant");
        publish.node = QStringLiteral("line1");
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    // A run of the publisher (the last one ends first), the meters known from the start.
    RecordPublisher& run(const QList<int>& meters = {1}) {
        if (publisher)
            publisher->stop(0);
        publisher.reset();
        link = nullptr;
        publisher = std::make_unique<RecordPublisher>(clock, publish, save);
        publisher->setLinkFactory([this](const BrokerConnection::Options&) {
            auto l = std::make_unique<RecordingLink>();
            link = l.get();
            return l;
        });
        QObject::connect(publisher.get(), &RecordPublisher::message,
                         [this](const QString& line) { said << line; });
        for (int address : meters)
            publisher->addMeter(address);
        QString why;
        if (!publisher->start(&why))
            qFatal("not started: %s", qPrintable(why));
        return *publisher;
    }
    // Appends a record to the file the writer would use now, stamped now; the publisher, when
    // running, is told as the writer tells it.
    void saveRecord(int address = 1) {
        const QDateTime now = clock.currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        DataFileBytes::Record r;
        r.stamp =
            DataFileBytes::stamp(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
        r.values[0] = float(++m_saved);
        SavedRecord saved;
        saved.address = address;
        saved.file = DataFileNames::path(save, address, now);
        saved.record = r.bytes();
        saved.index = AppendDataRecord(
                          saved.file, [] { return DataFileBytes::header(); }, saved.record)
                          .index;
        if (publisher && publisher->isRunning())
            publisher->recordSaved(saved);
    }
    void saveRecords(int count, int address = 1, qint64 everyMs = 1000) {
        for (int i = 0; i < count; ++i) {
            clock.advance(everyMs);
            saveRecord(address);
        }
    }
    // Lets the catch-up run to its end, the broker acknowledging what it gets.
    void catchUp() {
        for (int i = 0; i < 1000; ++i) {
            clock.advance(1);
            link->acknowledgeAll();
            if (link->unacknowledged.isEmpty() && publisher->waiting() == 0)
                break;
        }
        clock.advance(1);
    }
    // The numbers and "replayed" flags of the meter's data messages, in the order sent.
    QList<qint64> seqs(int address = 1, bool replayed = false) const {
        QList<qint64> out;
        for (const RecordingLink::Message& m : link->published(QStringLiteral("data")))
            if (m.topic.contains(QStringLiteral("/%1/").arg(address)) &&
                m.json().value(QStringLiteral("replayed")).toBool() == replayed)
                out << m.json().value(QStringLiteral("seq")).toInteger();
        return out;
    }

private:
    int m_saved = 0;
};

[[maybe_unused]] QList<qint64> range(qint64 first, qint64 last) {
    QList<qint64> out;
    for (qint64 n = first; n <= last; ++n)
        out << n;
    return out;
}

} // namespace

// The publisher on the virtual clock: catching up from the data files, the numbers it gives,
// and its connection's rhythm.
class TestPublisher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A broker that cannot be reached is tried again after 1 s, then 2, 4 ... up to 60 s; one
    // that takes the connection and never answers is given up after 15 s.
    void reconnectingBacksOff_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("why");
        QTest::newRow("nobody listens") << false << "refused";
        QTest::newRow("a broker that never answers") << true << "did not answer in 15 s";
    }

    void reconnectingBacksOff() {
        QFETCH(bool, silent);
        QFETCH(QString, why);
        VirtualClock clock;
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        BrokerConnection::Options o;
        o.address = {false, QStringLiteral("127.0.0.1"), server.serverPort(), QStringLiteral("p")};
        o.clientId = QStringLiteral("td700-test");
        if (!silent)
            server.close();
        BrokerConnection connection(clock, o);
        QList<qint64> failedAt;
        QObject::connect(&connection, &BrokerLink::attemptFailed,
                         [&](const QString& text, bool refused) {
                             QVERIFY2(text.contains(why), qPrintable(text));
                             QVERIFY(!refused);
                             failedAt << clock.nowMs();
                         });
        connection.start();
        QList<int> waits;
        qint64 attemptAt = 0;
        for (int n = 1; n <= 8; ++n) {
            QVERIFY(QTest::qWaitFor(
                [&] {
                    if (silent)
                        clock.advance(500);
                    return failedAt.size() == n;
                },
                20000));
            if (silent)
                QCOMPARE(failedAt.last() - attemptAt, 15500);
            waits << connection.secondsToRetry();
            clock.advance(qint64(waits.last()) * 1000);
            attemptAt = clock.nowMs();
        }
        QCOMPARE(waits, (QList<int>{1, 2, 4, 8, 16, 32, 60, 60}));
    }

    // Records older than the backlog limit are passed over when catching up, and counted.
    void theBacklogLimitLeavesOldRecords_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<QList<qint64>>("sent");
        QTest::newRow("a week") << 7 << QList<qint64>{2, 3, 4};
        QTest::newRow("three days") << 3 << QList<qint64>{3, 4};
    }

    void theBacklogLimitLeavesOldRecords() {
        QFETCH(int, days);
        QFETCH(QList<qint64>, sent);
        Rig rig;
        rig.publish.backlogDays = days;
        for (int age : {10, 5, 1, 0}) {
            rig.clock.setDateTime(QDateTime(QDate(2026, 12, 7).addDays(-age), QTime(9, 0)));
            rig.saveRecord();
        }
        rig.clock.setDateTime(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        DataFileBytes::write(rig.file("RUN_01.PUB"), "file=RUN_01.TDD\nnext=0\nseq=0\n");
        rig.run();
        rig.link->comeUp();
        rig.catchUp();
        QCOMPARE(rig.seqs(1, true), sent);
        QCOMPARE(rig.publisher->waiting(), 0);
        QVERIFY2(
            rig.said.last().contains(QStringLiteral("%1 older than %2 days not sent")
                                         .arg(4 - sent.size() == 1 ? QStringLiteral("1 record")
                                                                   : QStringLiteral("2 records"))
                                         .arg(days)),
            qPrintable(rig.said.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestPublisher)
#include "tst_publisher.moc"
