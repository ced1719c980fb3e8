#include "cli/LogWatch.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "service/DataRetention.h"
#include "service/LogHealth.h"
#include "support/EngineHarness.h"

#include <QTemporaryDir>
#include <QTest>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// What the program holds on the heap now.
qint64 heapInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    return qint64(mallinfo2().uordblks);
#else
    return -1;
#endif
}

constexpr int kMeters = 247;

} // namespace

// A simulated week of 247 meters through engine, writer, folder limits and health figures on
// the virtual clock: every record written, old days gone, nothing held grows day by day.
class TestLongRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aWeekOfAFullBus() {
        if (heapInUse() < 0)
            QSKIP("the heap in use is read from glibc");
        QTemporaryDir dir;
        QStringList bus;
        QList<int> addresses;
        static const int channels[] = {2, 4, 6, 12};
        for (int a = 1; a <= kMeters; ++a) {
            bus << QStringLiteral("%1:%2:1.20").arg(a).arg(channels[a % 4]);
            addresses << a;
        }
        EngineHarness h(QStringLiteral("DEMO:") + bus.join(u','), addresses);
        h.clock.setDateTime(QDateTime(QDate(2026, 5, 4), QTime(0, 0)));
        h.clock.setSlackTaken(true);
        // A request every 5 s: each meter is read twice an hour.
        PortSettings port = h.engine.portSettings();
        port.txInterval = QStringLiteral("5000");
        h.engine.setPortSettings(port);

        SaveSettings save;
        save.gDSaveOn = QStringLiteral("Yes");
        save.gDSaveInterval = 60;
        save.gDSaveUnit = QStringLiteral("min");
        save.gDSaveFolder = dir.path();
        save.gDSaveName = QStringLiteral("W");
        save.gDSaveDaily = true;
        save.keepDays = 2;
        DataFileWriter writer(h.clock, h.engine);
        writer.setSettings(save);
        QStringList said;
        LogWatch watch(h.engine, writer, h.clock, save, [&](const QString& l) { said << l; });
        LogHealth health(h.clock, h.engine, writer);

        DataRetention retention(h.clock);
        retention.setSettings(save);
        retention.setMeters(addresses);
        retention.start();
        health.setRetention(&retention);

        // The scan of a full bus at this pace takes hours.
        QVERIFY(h.engine.openPort());
        QVERIFY(h.runUntil([&] { return h.firstOf(11) >= 0; }, 24 * 3600 * 1000));
        writer.tmrDSave().start();
        const QDate firstDay = h.clock.currentDateTime().date();
        QList<qint64> heap; // at the end of each day
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                h.clock.advance(3600 * 1000);
                h.sent.clear(); // the harness's own record of requests
            }
            heap << heapInUse();
            // Once the limit has been reached, two days of files are on the disk besides
            // today's: yesterday's and the day before's.
            if (day >= 3)
                QCOMPARE(int(DataFileNames::meterFiles(dir.path(), save.gDSaveName, 1).size()), 3);
        }
        watch.finish(h.clock.currentDateTime());
        QVERIFY2(watch.recordsMissing() == 0, qPrintable(said.join(u'\n')));
        // Every day's files but the last three went.
        const qint64 days = firstDay.daysTo(h.clock.currentDateTime().date()) + 1;
        QCOMPARE(retention.deletedFiles(), quint64((days - 3) * kMeters));
        QVERIFY(!health.metrics().isEmpty());
        // Days 4 to 7 are alike: what they add to the heap is what a day adds for good.
        const qint64 growth = (heap[6] - heap[3]) / 3;
        qInfo("heap at the end of each day (KiB): %s; %lld bytes a day from day 4", qPrintable([&] {
                  QStringList t;
                  for (qint64 b : heap)
                      t << QString::number(b / 1024);
                  return t.join(u' ');
              }()),
              growth);
        QVERIFY2(growth < 64 * 1024, qPrintable(QString::number(growth)));
    }
};

QTEST_GUILESS_MAIN(TestLongRun)
#include "tst_longrun.moc"
