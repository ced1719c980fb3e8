#include "SparkplugB.pb.h"
#include "core/Clock.h"
#include "core/FileWrite.h"
#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "publish/BrokerConnection.h"
#include "publish/RecordPublisher.h"
#include "support/DataFileBytes.h"
#include "support/PublisherRig.h"
#include "support/RecordingLink.h"

#include <QDir>
#include <QSysInfo>
#include <QTcpServer>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A Sparkplug message as the tests look at it: its type and device, and for a record its
// number and whether it came late ("DDATA M01 3 h"); its seq and bdSeq (-1: none).
struct SparkplugSeen {
    QString what;
    qint64 seq = -1;
    qint64 bdSeq = -1;
};

QString sparkplugWhat(const QString& topic, qint64 record, bool historical) {
    const QStringList levels = topic.split(u'/');
    QString what = levels.value(2);
    if (levels.size() > 4)
        what += u' ' + levels[4];
    if (what.startsWith(u"DDATA"))
        what += u' ' + QString::number(record) + (historical ? QStringLiteral(" h") : QString());
    return what;
}

// Decoded with the program's own schema.
SparkplugSeen seenByUs(const RecordingLink::Message& m) {
    td700::sparkplug::Payload p;
    if (!p.ParseFromArray(m.payload.constData(), int(m.payload.size())))
        return {QStringLiteral("undecodable ") + m.topic};
    SparkplugSeen seen;
    seen.seq = p.has_seq() ? qint64(p.seq()) : -1;
    qint64 record = -1;
    bool historical = false;
    for (const auto& metric : p.metrics()) {
        if (metric.name() == "bdSeq")
            seen.bdSeq = qint64(metric.long_value());
        if (metric.name() == "Record")
            record = qint64(metric.long_value());
        historical |= metric.is_historical();
    }
    seen.what = sparkplugWhat(m.topic, record, historical);
    return seen;
}

// "DDATA M01 3..5" stands for DDATA M01 3, DDATA M01 4, DDATA M01 5.
QStringList expandSeen(const QString& text) {
    QStringList out;
    for (const QString& item : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QString last = item.section(u' ', -1);
        if (!last.contains(QStringLiteral(".."))) {
            out << item;
            continue;
        }
        const QString head = item.section(u' ', 0, -2);
        for (qint64 n = last.section(QStringLiteral(".."), 0, 0).toLongLong();
             n <= last.section(QStringLiteral(".."), 1).toLongLong(); ++n)
            out << head + u' ' + QString::number(n);
    }
    return out;
}

QByteArray rebirthRequest() {
    td700::sparkplug::Payload p;
    p.set_timestamp(1);
    auto* m = p.add_metrics();
    m->set_name("Node Control/Rebirth");
    m->set_datatype(td700::sparkplug::Payload::Boolean);
    m->set_boolean_value(true);
    return QByteArray::fromStdString(p.SerializeAsString());
}

} // namespace

// The publisher: catching up from the data files, its numbers, its connection's rhythm.
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

    // Catching up passes over, and counts, records beyond the backlog limit; QoS 0 sends none
    // saved while the broker was away. The numbers count every record either way.
    void theBacklogLimitLeavesOldRecords_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("qos");
        QTest::addColumn<QList<qint64>>("sent");
        QTest::newRow("three days") << 3 << 1 << QList<qint64>{4, 5};
        QTest::newRow("at most once") << 7 << 0 << QList<qint64>{};
    }

    void theBacklogLimitLeavesOldRecords() {
        QFETCH(int, days);
        QFETCH(int, qos);
        QFETCH(QList<qint64>, sent);
        Rig rig;
        rig.publish.backlogDays = days;
        rig.publish.qos = qos;
        for (int age : {10, 7, 5, 1, 0}) {
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
        QCOMPARE(rig.saidAll().contains(QStringLiteral("%1 records older than %2 days not sent")
                                            .arg(5 - sent.size())
                                            .arg(days)),
                 qos == 1);
        rig.saveRecords(1);
        QCOMPARE(rig.seqs(1), QList<qint64>{6});
    }

    // The data-save settings change while publishing: the records are looked for in the new
    // folder and numbered by its own files; the old folder keeps where its delivery stood.
    void saveSettingsChangedMidRun() {
        Rig rig;
        Rig other;
        other.saveRecords(5);
        rig.run();
        rig.link->comeUp();
        rig.saveRecords(3);
        rig.link->acknowledgeAll();
        rig.save = other.save;
        rig.publisher->setSaveSettings(rig.save);
        rig.saveRecords(2);
        rig.catchUp();
        QCOMPARE(rig.seqs(1), (QList<qint64>{1, 2, 3, 6, 7}));
        rig.publisher->writeStates();
        QVERIFY(QFile(rig.dir.filePath("RUN_01.PUB")).open(QIODevice::ReadOnly));
    }

    // A state file that cannot be written is said once; one whose disk hangs holds up
    // nothing: saving and publishing go on, the small files are written apart.
    void stateFilesThatCannotBeWritten_data() {
        QTest::addColumn<bool>("hangs");
        QTest::newRow("a folder of that name") << false;
        QTest::newRow("a disk that hangs (a FIFO nobody reads)") << true;
    }

    void stateFilesThatCannotBeWritten() {
        QFETCH(bool, hangs);
        Rig rig;
        const QString state = rig.file("RUN_01.PUB");
        int reader = -1;
        if (hangs) {
            QVERIFY(::mkfifo(QFile::encodeName(state).constData(), 0600) == 0);
            FileOutput::setWaitForFifoReaders(true);
        } else {
            QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("RUN_01.PUB")));
        }
        const auto cleanUp = qScopeGuard([&] {
            FileOutput::setWaitForFifoReaders(false);
            if (reader >= 0)
                ::close(reader);
        });
        rig.run();
        rig.link->comeUp();
        for (int i = 0; i < 5; ++i) {
            rig.saveRecords(2);
            rig.link->acknowledgeAll();
            rig.clock.advance(3000);
        }
        QCOMPARE(rig.seqs(1), range(1, 10));
        QCOMPARE(rig.publisher->waiting(), 0);
        if (hangs) // the disk comes back
            reader = ::open(QFile::encodeName(state).constData(), O_RDONLY | O_NONBLOCK);
        rig.publisher->writeStates();
        QCOMPARE(rig.said.filter(QStringLiteral("RUN_01.PUB not written")).size(), hangs ? 0 : 1);
    }

    // A state file lost, damaged or another meter's between runs: the files are sent again with
    // the numbers they had, what follows numbered after them, nothing of meter 2 as meter 1's.
    void aStateFileLostCostsAReSendNeverANumber_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("said");
        QTest::newRow("deleted") << "delete"
                                 << "where the broker stands is not known";
        QTest::newRow("filled with junk") << "junk"
                                          << "not used (it does not read";
        QTest::newRow("meter 2's copied over it") << "copy"
                                                  << "not used (it is meter 2's)";
    }

    void aStateFileLostCostsAReSendNeverANumber() {
        QFETCH(QString, how);
        QFETCH(QString, said);
        Rig rig;
        rig.run({1, 2});
        rig.link->comeUp();
        for (int i = 0; i < 5; ++i) {
            rig.saveRecords(1, 1);
            rig.saveRecords(1, 2);
        }
        rig.saveRecords(2, 2);
        rig.link->acknowledgeAll();
        rig.publisher->stop(0);
        const QString state = rig.file("RUN_01.PUB");
        if (how == u"delete")
            QVERIFY(QFile::remove(state));
        else if (how == u"junk")
            DataFileBytes::write(state, QByteArray(200, '\x9C'));
        else
            DataFileBytes::write(state, ReadBytes(rig.file("RUN_02.PUB")));
        rig.run({1, 2});
        rig.link->comeUp();
        rig.catchUp();
        rig.saveRecords(2);
        rig.catchUp();
        QVERIFY2(rig.saidAll().contains(said), qPrintable(rig.saidAll()));
        QCOMPARE(rig.seqs(1, true), range(1, 5));
        QCOMPARE(rig.seqs(1, false), (QList<qint64>{6, 7}));
        QCOMPARE(rig.seqs(2, true), QList<qint64>{});
        for (const RecordingLink::Message& m : rig.link->published(QStringLiteral("meta")))
            QCOMPARE(m.topic.section(u'/', 2, 2).toInt(), m.json().value("address").toInt());
    }

    // A state file of an earlier version, whose count began with the first record it sent:
    // the numbers go on from where it stood, without a gap and without a number twice.
    void anEarlierVersionsStateKeepsItsCount() {
        Rig rig;
        rig.saveRecords(12);
        DataFileBytes::write(rig.file("RUN_01.PUB"), "file=RUN_01.TDD\nnext=12\nseq=2\n");
        rig.run();
        rig.link->comeUp();
        rig.saveRecords(1);
        rig.catchUp();
        QCOMPARE(rig.seqs(1), QList<qint64>{3});
        QCOMPARE(rig.seqs(1, true), QList<qint64>{});
    }

    // Data files gone during a catch-up or between runs: said lost, other records keep numbers.
    void dataFilesGoneDuringCatchUpAndBetweenRuns() {
        Rig rig(true);
        rig.run();
        rig.saveRecords(1500, 1, 288000); // five days of daily files, the broker away
        // The numbers each day's file holds.
        QList<std::pair<QString, QList<qint64>>> days;
        qint64 n = 0;
        for (const QString& file : MeterFiles(rig.save, 1).dataFiles()) {
            const qint64 count = DataFileNames::recordCount(rig.file(file));
            days.append({file, range(n + 1, n + count)});
            n += count;
        }
        QCOMPARE(n, 1500);
        rig.link->comeUp();
        rig.clock.advance(1); // a window's worth goes: the first thousand
        QCOMPARE(rig.seqs(1, true), range(1, 1000));
        const auto& [gone, goneNumbers] = days[4];
        QVERIFY(goneNumbers.first() > 1000);
        QVERIFY(QFile::remove(rig.file(gone)));
        rig.catchUp();
        QList<qint64> sent = range(1, 1500);
        for (qint64 number : goneNumbers)
            sent.removeOne(number);
        QCOMPARE(rig.seqs(1, true), sent);
        QVERIFY2(rig.saidAll().contains(QStringLiteral("up to number %1 are no longer in the "
                                                       "data files and cannot be sent")
                                            .arg(goneNumbers.last())),
                 qPrintable(rig.saidAll()));
        QCOMPARE(rig.publisher->waiting(), 0);
        // The first day archived between two runs: said, and the numbers go on.
        rig.publisher->stop(0);
        QVERIFY(QFile::rename(rig.file(days[0].first), rig.dir.filePath("archived.TDD")));
        rig.run();
        rig.link->comeUp();
        rig.saveRecords(1, 1, 1000);
        QVERIFY2(rig.saidAll().contains(QStringLiteral("%1 is no longer in the data folder: "
                                                       "records 1 to %2")
                                            .arg(days[0].first)
                                            .arg(days[0].second.last())),
                 qPrintable(rig.saidAll()));
        QCOMPARE(rig.seqs(1, false), QList<qint64>{1501});
    }

    // The PC's clock put back a day: the writer appends to the day before again; those records
    // follow the others in number and are caught up in the order they were saved.
    void theClockPutBackADay() {
        Rig rig(true);
        rig.run();
        rig.link->comeUp();
        rig.saveRecords(3);
        rig.link->acknowledgeAll();
        rig.link->goAway();
        rig.clock.setDateTime(rig.clock.currentDateTime().addDays(-1));
        rig.saveRecords(2);
        rig.clock.setDateTime(rig.clock.currentDateTime().addDays(1));
        rig.saveRecords(1);
        rig.link->comeUp();
        rig.catchUp();
        QCOMPARE(rig.seqs(1, false), (QList<qint64>{1, 2, 3}));
        QCOMPARE(rig.seqs(1, true), (QList<qint64>{4, 5, 6}));
        QCOMPARE(rig.stamps().value(4).left(10), QStringLiteral("2026-12-06"));
    }

    // In the hour a fall-back repeats, a record caught up carries the offset it was saved with:
    // the order of the records tells which of the two hours it was in.
    void replayedRecordsKeepTheOffsetTheyWereSavedWith_data() {
        QTest::addColumn<int>("liveRecords"); // saved while the broker is there
        QTest::newRow("away from the second 02:40 on") << 8;
    }

    void replayedRecordsKeepTheOffsetTheyWereSavedWith() {
        QFETCH(int, liveRecords);
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
        const auto restore = qScopeGuard([&] {
            qputenv("TZ", zone);
            tzset();
        });
        Rig rig;
        rig.clock.setDateTime(QDateTime(QDate(2026, 10, 25), QTime(0, 40)));
        rig.run();
        QMap<qint64, QString> expected;
        for (int i = 0; i < 12; ++i) { // every 20 min from 01:00 to 04:40, 02:xx twice
            if (i == liveRecords) {
                rig.link->acknowledgeAll();
                rig.link->goAway();
            } else if (i == 0)
                rig.link->comeUp();
            rig.saveRecords(1, 1, 20 * 60000);
            const QDateTime t = rig.clock.currentDateTime();
            const int minutes = t.offsetFromUtc() / 60;
            expected.insert(i + 1, t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss+")) +
                                       QStringLiteral("%1:%2")
                                           .arg(minutes / 60, 2, 10, QChar(u'0'))
                                           .arg(minutes % 60, 2, 10, QChar(u'0')));
        }
        rig.link->comeUp();
        rig.catchUp();
        QCOMPARE(expected.value(5), QStringLiteral("2026-10-25T02:20:00+02:00"));
        QCOMPARE(expected.value(8), QStringLiteral("2026-10-25T02:20:00+01:00"));
        QCOMPARE(rig.stamps(), expected);
    }

    // What the broker keeps under the node: another program's status (said loudly, ours put back
    // when it ends), an ended run's status, and what meters no longer listed left (cleared).
    void whatTheBrokerKeepsUnderTheNode_data() {
        QTest::addColumn<QString>("leaf");
        QTest::addColumn<QByteArrayList>("payloads");
        QTest::addColumn<bool>("retained");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QStringList>("answers"); // topics published in answer
        const QByteArray other = R"({"state":"online","session":"5eed","host":"pc2","pid":77})";
        QTest::newRow("another program online")
            << "status" << QByteArrayList{other} << false
            << "WARNING: another program publishes as node line1 (on pc2, process 77"
            << QStringList{};
        QTest::newRow("it ends, its offline takes our place")
            << "status" << QByteArrayList{other, R"({"state":"offline","session":"5eed"})"} << false
            << "another program" << QStringList{"plant/line1/status"};
        QTest::newRow("left by an ended run here")
            << "status"
            << QByteArrayList{QStringLiteral(R"({"state":"online","session":"01d","host":"%1",)"
                                             R"("pid":2147483000})")
                                  .arg(QSysInfo::machineHostName())
                                  .toUtf8()}
            << true << "" << QStringList{};
        QTest::newRow("meta of a meter no longer listed")
            << "3/meta" << QByteArrayList{"{\"address\":3}"} << true
            << "meter 3 is not in the meter list"
            << QStringList{"plant/line1/3/meta", "plant/line1/3/link"};
        QTest::newRow("meta of a listed meter")
            << "1/meta" << QByteArrayList{"{\"address\":1}"} << true << "" << QStringList{};
        QTest::newRow("an unlisted meter's meta sent now")
            << "3/meta" << QByteArrayList{"{\"address\":3}"} << false << "" << QStringList{};
    }

    // A Sparkplug edge node: births before any record, records saved offline sent late as
    // historical, deaths, rebirths, a primary host's state; seq over every message, each
    // session's bdSeq its will's.
    void sparkplugNode_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("births, then what was saved before, then live records")
            << ""
            << "save save2 up save save2"
            << "NBIRTH, DBIRTH M01, DBIRTH M02, DDATA M01 1 h, DDATA M02 1 h, DDATA M01 2, "
               "DDATA M02 2";
        QTest::newRow("what was on its way when the broker went is sent again")
            << ""
            << "up save save away up ack"
            << "NBIRTH, DBIRTH M01, DDATA M01 1, DDATA M01 2, NBIRTH, DBIRTH M01, "
               "DDATA M01 1 h, DDATA M01 2 h";
        QTest::newRow("a meter not answering dies once its records are out, and comes back")
            << ""
            << "save save up ng1 ack ok1 save"
            << "NBIRTH, DBIRTH M01, DDATA M01 1 h, DDATA M01 2 h, DDEATH M01, DBIRTH M01, "
               "DDATA M01 3";
        QTest::newRow("a rebirth asked for: every birth again, the same bdSeq")
            << ""
            << "up save rebirth save"
            << "NBIRTH, DBIRTH M01, DDATA M01 1, NBIRTH, DBIRTH M01, DDATA M01 2";
        QTest::newRow("a primary host: born while it is online, records wait while not")
            << "scada"
            << "up save host+ save ack host- up save host+ save"
            << "NBIRTH, DBIRTH M01, DDATA M01 1 h, DDATA M01 2, NDEATH, NBIRTH, DBIRTH M01, "
               "DDATA M01 3 h, DDATA M01 4";
        QTest::newRow("a stop ends with the node's death") << ""
                                                           << "up save stop"
                                                           << "NBIRTH, DBIRTH M01, DDATA M01 1, "
                                                              "NDEATH";
        QTest::newRow("seq wraps past 255") << ""
                                            << "up save*300"
                                            << "NBIRTH, DBIRTH M01, DDATA M01 1..300";
    }

    void sparkplugNode() {
        QFETCH(QString, host);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QList<RecordingLink::Message> sent; // the link goes with a stop; the rig before this
        Rig rig;
        rig.publish.sparkplugGroup = QStringLiteral("plant");
        rig.publish.sparkplugHost = host;
        rig.run({1, 2});
        rig.link->copyTo = &sent;
        // The bdSeq of the will in force when each message was published.
        QList<qint64> wills;
        qint64 will = -1;
        qint64 hostTime = 1000;
        const auto tag = [&] {
            while (wills.size() < sent.size())
                wills << will;
        };
        for (const QString& step : steps.split(u' ')) {
            const QString s = step.section(u'*', 0, 0);
            for (int i = 0; i < std::max(1, step.section(u'*', 1).toInt()); ++i) {
                if (s == u"up") {
                    rig.clock.advance(1);
                    QVERIFY2(!rig.link->isConnected(), "connected again without a reconnection");
                    tag();
                    will = seenByUs(rig.link->will).bdSeq;
                    rig.link->comeUp();
                } else if (s == u"away") {
                    rig.link->goAway();
                } else if (s.startsWith(u"save")) {
                    rig.saveRecords(1, s == u"save2" ? 2 : 1);
                } else if (s == u"ack") {
                    rig.catchUp();
                } else if (s == u"ng1" || s == u"ok1") {
                    rig.publisher->linkChanged(1, s == u"ok1", 0, 0, 0);
                } else if (s == u"rebirth") {
                    rig.link->hand("spBv1.0/plant/NCMD/line1", rebirthRequest(), false);
                } else if (s.startsWith(u"host")) {
                    const QJsonObject state{{"online", s == u"host+"}, {"timestamp", ++hostTime}};
                    rig.link->hand("spBv1.0/STATE/scada", QJsonDocument(state).toJson(), true);
                } else {
                    rig.publisher->stop(0);
                }
                tag();
            }
        }
        QList<SparkplugSeen> ours;
        QStringList whats;
        for (qsizetype i = 0; i < sent.size(); ++i) {
            const RecordingLink::Message& m = sent[i];
            ours << seenByUs(m);
            const SparkplugSeen& seen = ours.back();
            // Births, deaths and data go at QoS 0, never retained; the death is the will's.
            QCOMPARE(m.qos, seen.what == u"NDEATH" ? 1 : 0);
            QVERIFY(!m.retain);
            if (seen.what.startsWith(u"NBIRTH") || seen.what == u"NDEATH")
                QCOMPARE(seen.bdSeq, wills[i]);
            if (!seen.what.startsWith(u"NDATA")) // the records waiting, every 5 s
                whats << seen.what;
        }
        QCOMPARE(whats.join(QStringLiteral(", ")), expandSeen(expected).join(QStringLiteral(", ")));
        // seq: 0 in a node's birth, one up (modulo 256) after it, none in a death.
        qint64 last = -1;
        for (const SparkplugSeen& seen : std::as_const(ours)) {
            const qint64 seq = seen.what == u"NBIRTH"   ? 0
                               : seen.what == u"NDEATH" ? -1
                                                        : (last + 1) % 256;
            QVERIFY2(seen.seq == seq, qPrintable(seen.what));
            if (seen.seq >= 0)
                last = seen.seq;
        }
    }

    void whatTheBrokerKeepsUnderTheNode() {
        QFETCH(QString, leaf);
        QFETCH(QByteArrayList, payloads);
        QFETCH(bool, retained);
        QFETCH(QString, said);
        QFETCH(QStringList, answers);
        Rig rig;
        rig.run();
        rig.publisher->setMeters({1, 2});
        rig.link->comeUp();
        QCOMPARE(rig.link->subscriptions,
                 (QStringList{"plant/line1/status", "plant/line1/+/meta", "plant/line1/+/link"}));
        // Should the program end without a word, the broker says so for it.
        QCOMPARE(rig.link->will.topic + u' ' + rig.link->will.json()["state"].toString(),
                 QStringLiteral("plant/line1/status offline"));
        const qsizetype before = rig.link->sent.size();
        for (const QByteArray& payload : std::as_const(payloads))
            rig.link->hand("plant/line1/" + leaf, payload, retained);
        QStringList published;
        for (qsizetype i = before; i < rig.link->sent.size(); ++i)
            published << rig.link->sent[i].topic;
        QCOMPARE(published, answers);
        if (said.isEmpty())
            QCOMPARE(rig.said.size(), 1); // "publishing to ..." alone
        else
            QVERIFY2(rig.saidAll().contains(said), qPrintable(rig.saidAll()));
        QCOMPARE(rig.publisher->statusText().contains(u"another program"),
                 said.contains(u"another program") && payloads.size() == 1);
    }
};

QTEST_GUILESS_MAIN(TestPublisher)
#include "tst_publisher.moc"
