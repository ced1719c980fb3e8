#include "publish/RecordNumbers.h"
#include "service/DataRetention.h"
#include "support/PublisherRig.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

// Three records a day of meter 1 on the 7th to the 10th (today), daily files from midnight;
// the broker away from the morning of `awayFrom` on (-1: never).
void saveFourDays(Rig& rig, int awayFrom) {
    rig.run();
    rig.link->comeUp();
    for (int day = 0; day < 4; ++day) {
        rig.clock.setDateTime(QDateTime(QDate(2026, 12, 7 + day), QTime(10, 0)));
        if (day == awayFrom)
            rig.link->goAway();
        rig.saveRecords(3);
        rig.link->acknowledgeAll();
    }
    rig.clock.advance(3000); // the states written
}

QString dayFile(int day) {
    return QStringLiteral("RUN_01_202612%1.TDD").arg(day, 2, 10, QChar(u'0'));
}

QStringList present(const Rig& rig) {
    return QDir(rig.dir.path()).entryList({QStringLiteral("*.TDD")}, QDir::Files, QDir::Name);
}

} // namespace

// The data folder within its limits: the oldest daily files go, one line each, never one holding
// a record the broker has not acknowledged; what stays keeps its numbers.
class TestDataRetention : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oldFilesGoUnlessTheBrokerWaitsForThem_data() {
        QTest::addColumn<int>("qos"); // -1: not publishing
        QTest::addColumn<int>("awayFrom");
        QTest::addColumn<QStringList>("kept"); // of the two past the limit, for the broker
        QTest::newRow("every record delivered") << 1 << -1 << QStringList{};
        QTest::newRow("broker away since the 8th") << 1 << 1 << QStringList{dayFile(8)};
        QTest::newRow("broker away all along") << 1 << 0 << QStringList{dayFile(7), dayFile(8)};
        QTest::newRow("at most once") << 0 << 0 << QStringList{};
        QTest::newRow("not publishing") << -1 << 0 << QStringList{};
    }

    void oldFilesGoUnlessTheBrokerWaitsForThem() {
        QFETCH(int, qos);
        QFETCH(int, awayFrom);
        QFETCH(QStringList, kept);
        Rig rig(true);
        rig.publish.qos = std::max(0, qos);
        saveFourDays(rig, awayFrom);
        rig.save.keepDays = 1;
        DataRetention retention(rig.clock);
        retention.setSettings(rig.save);
        retention.setMeters({1});
        if (qos >= 0) {
            retention.setUndelivered([&](int address, const QString& file) {
                return rig.publisher->holdsUndelivered(address, file);
            });
            connect(&retention, &DataRetention::filesDeleted, rig.publisher.get(),
                    &RecordPublisher::filesDeleted);
        }
        connect(&retention, &DataRetention::message, this,
                [&](const QString& line) { rig.said << line; });
        retention.check();

        // Records of the 8th are a day and a half old at 10:00 on the 10th; the 9th's are not.
        QStringList expected{dayFile(9), dayFile(10)};
        expected = kept + expected;
        QCOMPARE(present(rig), expected);
        QCOMPARE(retention.heldFiles(), int(kept.size()));
        const QStringList deleted =
            rig.said.filter(QRegularExpression(QStringLiteral("^deleted .*\\(3 records; older "
                                                              "than 1 days\\)$")));
        QCOMPARE(deleted.size(), 2 - kept.size());
        QCOMPARE(
            rig.said
                .filter(
                    QStringLiteral("WARNING: %1 data files past the limits kept").arg(kept.size()))
                .size(),
            kept.isEmpty() ? 0 : 1);
        if (qos < 0)
            return;
        // What was kept goes once the broker has it, caught up with the numbers it had.
        rig.link->comeUp();
        rig.catchUp();
        QCOMPARE(rig.seqs(1, true),
                 awayFrom < 0 || qos == 0 ? QList<qint64>{} : range(3 * awayFrom + 1, 12));
        retention.check();
        QCOMPARE(present(rig), (QStringList{dayFile(9), dayFile(10)}));
        QCOMPARE(retention.heldFiles(), 0);
        // Said once, by what deleted the files: the publisher's look at the folder is quiet.
        rig.clock.advance(120000);
        QVERIFY2(!rig.saidAll().contains(QStringLiteral("no longer in the data folder")),
                 qPrintable(rig.saidAll()));
        // The records still there keep their numbers, in the next run too.
        rig.run();
        rig.link->comeUp();
        rig.saveRecords(1);
        QCOMPARE(rig.seqs(1).last(), 13);
        RecordNumbers numbers{MeterFiles(rig.save, 1)};
        QString why;
        QCOMPARE(numbers.load(&why), RecordNumbers::Loaded::Read);
        QCOMPARE(numbers.seqOf({dayFile(9), 0}), 7);
        QCOMPARE(numbers.firstHeld(), 7);
    }

    void freeSpaceIsMadeOldestFirst_data() {
        QTest::addColumn<int>("awayFrom");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<bool>("filling"); // below the limit because of the broker
        QTest::newRow("one file makes room")
            << -1 << QStringList{dayFile(8), dayFile(9), dayFile(10)} << false;
        QTest::newRow("the broker away holds every file")
            << 0 << QStringList{dayFile(7), dayFile(8), dayFile(9), dayFile(10)} << true;
    }

    // A disk of 1000 bytes with 150 taken by each data file: to keep half of it free, one file
    // must go; the file being written never does.
    void freeSpaceIsMadeOldestFirst() {
        QFETCH(int, awayFrom);
        QFETCH(QStringList, left);
        QFETCH(bool, filling);
        Rig rig(true);
        saveFourDays(rig, awayFrom);
        rig.save.keepFree = *FreeSpaceLimit::parse(QStringLiteral("50%"));
        DataRetention retention(rig.clock);
        retention.setSettings(rig.save);
        retention.setMeters({1});
        retention.setSpaceOf([&](const QString&) {
            return DataRetention::DiskSpace{1000 - 150 * qint64(present(rig).size()), 1000};
        });
        retention.setUndelivered([&](int address, const QString& file) {
            return rig.publisher->holdsUndelivered(address, file);
        });
        connect(&retention, &DataRetention::message, this,
                [&](const QString& line) { rig.said << line; });
        retention.check();
        QCOMPARE(present(rig), left);
        QCOMPARE(retention.belowFreeLimit(), filling);
        QCOMPARE(retention.statusText().startsWith(QStringLiteral("Disk filling")), filling);
        QCOMPARE(
            rig.saidAll().contains(QStringLiteral("disk is filling because the broker is away")),
            filling);
    }
};

QTEST_GUILESS_MAIN(TestDataRetention)
#include "tst_dataretention.moc"
