#include "plant/PlantAlarmFile.h"
#include "plant/PlantAlarmLog.h"
#include "plant/PlantRecord.h"
#include "plant/PlantState.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A step: a message of meter line1/1 (or of the node), or the program ending and starting
// again on its file, or that file damaged in between.
struct Step {
    QString topic;
    QByteArray payload;
};
using Steps = QList<Step>;

const Step kRestart{QStringLiteral("restart"), {}};
const Step kDamage{QStringLiteral("damage"), {}};

// A record of line1/1 at 10:00:SS (+09:00) with its alarms as "ch.alarm" pairs.
Step rec(int seq, int second, QList<QPair<int, int>> alarms, bool replayed = false) {
    QByteArray list;
    for (const auto& [ch, alarm] : alarms)
        list += (list.isEmpty() ? "" : ",") + QByteArray(R"({"ch":)") + QByteArray::number(ch) +
                R"(,"alarm":)" + QByteArray::number(alarm) + '}';
    return {QStringLiteral("plant/line1/1/data"),
            R"({"ts":"2026-12-07T10:00:)" + QByteArray::number(second).rightJustified(2, '0') +
                R"(+09:00","seq":)" + QByteArray::number(seq) + R"(,"replayed":)" +
                (replayed ? "true" : "false") +
                R"(,"channels":[{"ch":1,"value":1.0,"state":0}],"alarms":[)" + list + "]}"};
}

// "1.2 05-07" (came at 10:00:05, went at 10:00:07), "1.2 05-" while active; newest first.
QString shown(const QList<PlantAlarmEntry>& entries) {
    QStringList out;
    for (const PlantAlarmEntry& e : entries)
        out << QStringLiteral("%1.%2 %3-%4")
                   .arg(e.ch)
                   .arg(e.alarm)
                   .arg(e.came.mid(17, 2), e.gone.mid(17, 2));
    return out.join(u';');
}

} // namespace

class TestPlantAlarmLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void history_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("came and went")
            << Steps{rec(1, 1, {}), rec(2, 2, {{1, 2}}), rec(3, 3, {{1, 2}}), rec(4, 4, {})}
            << "1.2 02-04" << false;
        QTest::newRow("two at once, one stays")
            << Steps{rec(1, 1, {{2, 1}, {1, 1}}), rec(2, 2, {{2, 1}})} << "1.1 01-02;2.1 01-"
            << false;
        QTest::newRow("a node offline and a meter stale: no went")
            << Steps{rec(1, 1, {{1, 2}}),
                     {QStringLiteral("plant/line1/status"), R"({"state":"offline"})"}}
            << "1.2 01-" << false;
        QTest::newRow("replayed records fill the past where they belong")
            << Steps{rec(10, 10, {{1, 2}}), rec(5, 5, {}, true),       rec(6, 6, {{1, 2}}, true),
                     rec(7, 7, {}, true),   rec(8, 8, {{1, 2}}, true), rec(9, 9, {{1, 2}}, true)}
            << "1.2 08-;1.2 06-07" << false;
        QTest::newRow("a record replayed again adds nothing")
            << Steps{rec(1, 1, {{1, 2}}), rec(2, 2, {}), rec(1, 1, {{1, 2}}, true),
                     rec(2, 2, {}, true), rec(3, 3, {})}
            << "1.2 01-02" << false;
        QTest::newRow("a replayed record inside a stretch splits it")
            << Steps{rec(1, 1, {{1, 2}}), rec(9, 9, {{1, 2}}), rec(5, 5, {}, true)}
            << "1.2 09-;1.2 01-05" << false;
        QTest::newRow("a restart keeps the history and goes on with it")
            << Steps{rec(1, 1, {{1, 2}}), rec(2, 2, {}), rec(3, 3, {{3, 1}}), kRestart,
                     rec(4, 4, {{3, 1}}), rec(5, 5, {})}
            << "3.1 03-05;1.2 01-02" << false;
        QTest::newRow("after a restart a replayed record moves a came")
            << Steps{rec(5, 5, {{1, 2}}), kRestart, rec(3, 3, {{1, 2}}, true),
                     rec(4, 4, {{1, 2}}, true)}
            << "1.2 03-" << false;
        QTest::newRow("a damaged file is read as far as it goes")
            << Steps{rec(1, 1, {{1, 2}}), rec(2, 2, {}), rec(3, 3, {{4, 1}}), kDamage} << "4.1 03-"
            << true;
    }
    void history() {
        QFETCH(Steps, steps);
        QFETCH(QString, expected);
        QFETCH(bool, damaged);
        // The program's file, written as the program writes it (at the end) and read again.
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromLatin1(kPlantAlarmFile));
        auto plant = std::make_unique<PlantState>(QStringLiteral("plant"));
        auto log = std::make_unique<PlantAlarmLog>();
        const auto wire = [&] {
            connect(plant.get(), &PlantState::recordTaken, log.get(), &PlantAlarmLog::take);
        };
        wire();
        QString problem = log->keepIn(path);
        QVERIFY(problem.isEmpty());
        for (const Step& step : steps) {
            if (step.topic == kRestart.topic || step.topic == kDamage.topic) {
                log.reset();
                if (step.topic == kDamage.topic) {
                    // A line of rubbish after the heading, the last line cut short.
                    QByteArray text = ReadBytes(path);
                    WriteBytes(
                        path, text.insert(text.indexOf('\n') + 1, "line1\t1\tx\x01\n").chopped(10));
                }
                plant = std::make_unique<PlantState>(QStringLiteral("plant"));
                log = std::make_unique<PlantAlarmLog>();
                wire();
                problem = log->keepIn(path);
                continue;
            }
            plant->take(step.topic, step.payload, 1'765'000'000'000);
        }
        QCOMPARE(shown(log->entries()), expected);
        QCOMPARE(!problem.isEmpty(), damaged);
    }

    // Beyond its bound the oldest entries go; an alarm active all along keeps its came.
    void bounded() {
        PlantAlarmLog log;
        const auto take = [&](int address, qint64 ms, QList<PlantAlarm> alarms) {
            PlantRecord r;
            r.ts = QString::number(ms);
            r.utcMs = ms;
            r.alarms = std::move(alarms);
            log.take(QStringLiteral("line1"), address, r);
        };
        take(1, 0, {{1, 1}});
        constexpr int kMeters = 101, kEpisodes = 100;
        for (int i = 1; i <= kEpisodes; ++i)
            for (int m = 2; m <= kMeters + 1; ++m) {
                take(m, i * 10, {{2, 1}});
                take(m, i * 10 + 5, {});
            }
        take(1, kEpisodes * 10 + 5, {{1, 1}});
        const QList<PlantAlarmEntry> entries = log.entries();
        QCOMPARE(entries.size(), PlantAlarmLog::kMaxEntries);
        QCOMPARE(entries.first().cameMs, kEpisodes * 10);
        QCOMPARE(entries.last().address, 1);
        QCOMPARE(entries.last().cameMs, 0);
        QVERIFY(!entries.last().goneMs);
    }
};

QTEST_GUILESS_MAIN(TestPlantAlarmLog)
#include "tst_plantalarmlog.moc"
