#include "support/SimProcess.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

// `td700 clock` as a technician runs it: against the simulator program on a pseudo-terminal,
// what is set is read back by a later run.
class TestClockCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFile::exists(BinPath("td700")), "TD700_BIN_DIR names no td700");
        QVERIFY(m_home.isValid());
    }

    void setThenShowReadsItBack() {
#ifndef Q_OS_UNIX
        QSKIP("the simulator serves pseudo-terminals on Unix only");
#else
        Simulator sim({"--pty"});
        const QString port = sim.nextLine();
        QVERIFY(!port.isEmpty());
        const QStringList meters{"--port", port, "--meters", "1,3", "--json"};
        const auto meter = [](const QByteArray& out, int i) {
            return QJsonDocument::fromJson(out).array().at(i).toObject();
        };

        // A 30th of February is limited, said, and written as the 28th to both meters.
        QByteArray out, err;
        QCOMPARE(run(QStringList{"clock", "set", "2031-02-30", "10:00:00"} + meters, &out, &err),
                 0);
        QVERIFY2(err.contains("day 30 becomes 28"), err.constData());
        for (int i : {0, 1}) {
            const QJsonObject m = meter(out, i);
            QCOMPARE(m["write"].toObject()["taken"].toBool(), true);
            QCOMPARE(m["write"].toObject()["clock"].toString(), "2031-02-28 10:00:00");
        }

        // A later run reads the new time: the meters' clocks ran on from it.
        QCOMPARE(run(QStringList{"clock", "show"} + meters, &out, &err), 0);
        for (int i : {0, 1}) {
            const QJsonObject m = meter(out, i);
            const QDateTime clock =
                QDateTime::fromString(m["clock"].toString(), "yyyy-MM-dd HH:mm:ss");
            const QDateTime written(QDate(2031, 2, 28), QTime(10, 0));
            QVERIFY2(clock >= written && clock < written.addSecs(120),
                     qPrintable(m["clock"].toString()));
            const qint64 expected =
                QDateTime::fromString(m["pc"].toString(), "yyyy-MM-dd HH:mm:ss").secsTo(clock);
            QVERIFY(qAbs(m["differenceSeconds"].toInteger() - expected) <= 1);
        }

        // The PC's time, to the second; text output says so.
        QCOMPARE(run({"clock", "set", "--pc", "--port", port, "--meters", "3"}, &out, &err), 0);
        QCOMPARE(run({"clock", "show", "--port", port, "--meters", "3"}, &out, &err), 0);
        const QString text = QString::fromUtf8(out);
        QVERIFY2(text.contains(QStringLiteral("difference 0 s (on time)")) ||
                     text.contains(QStringLiteral("difference -1 s")) ||
                     text.contains(QStringLiteral("difference +1 s")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("reserved start OFF, 2026-06-01 08:00:00")),
                 qPrintable(text));
#endif
    }

private:
    int run(const QStringList& arguments, QByteArray* out = nullptr, QByteArray* err = nullptr) {
        return RunProgram("td700", arguments + QStringList{"--home", m_home.path()}, out, err);
    }

    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestClockCommand)
#include "tst_clockcommand.moc"
