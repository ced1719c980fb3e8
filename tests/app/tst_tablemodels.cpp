#include "app/FrameLogModel.h"
#include "app/StatusListModel.h"
#include "clock/ClockDrift.h"
#include "comm/CommEngine.h"
#include "comm/CommState.h"
#include "comm/DeviceTables.h"
#include "comm/FrameLog.h"
#include "comm/MeterList.h"
#include "core/Clock.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <optional>

// The main window's grids under Qt's model checker: the frame log through its restart after
// the thousandth frame, the status list through a rebuilt meter list.
class TestTableModels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frameLogThroughItsRestart() {
        DeviceTables tables;
        FrameLogModel model(&tables.sprdComm);
        const QByteArray request = QByteArray::fromHex("010375310002");
        const QByteArray reply = QByteArray::fromHex("01030400140114") + QByteArray(92, '\0');
        auto log = [&](int i) {
            LogFrame(i % 2 ? QStringLiteral("RECV") : QStringLiteral("SEND"),
                     i % 2 ? reply : request, tables.sprdComm);
        };
        // The checker walks the whole model on every change: attach it for the first frames
        // and again for the frames around the restart, not for the thousand in between.
        std::optional<QAbstractItemModelTester> tester;
        tester.emplace(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 4; ++i)
            log(i);
        tester.reset();
        for (int i = 4; i < FrameLogCapacity - 2; ++i)
            log(i);
        tester.emplace(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = FrameLogCapacity - 2; i < FrameLogCapacity + 3; ++i)
            log(i);
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(model.columnCount() >= reply.size());
    }

    void statusListThroughAMeterListRebuild() {
        VirtualClock clock;
        CommEngine engine(clock);
        CommState& state = engine.state();
        DeviceTables& tables = engine.tables();
        ClockDrift drift(engine, clock);
        StatusListModel model(&tables.sprdStatus, state);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setClockDrift(&drift);
        QObject::connect(&drift, &ClockDrift::changed, &model, &StatusListModel::driftChanged);
        BuildMeterTables({QStringLiteral("O"), QStringLiteral("O"), QStringLiteral("O")}, state,
                         tables);
        tables.sprdMON.setText(4, 3, QStringLiteral("2026-01-01 00:10:00"));
        clock.advance(200);
        Q_EMIT engine.meterPolled(2, true);
        QCOMPARE(model.index(2, model.columnCount() - 1).data().toString(), "10 min 00 s ahead");
        tables.sprdStatus.setText(2, 2, QStringLiteral("OK"));
        tables.sprdStatus.setText(3, 2, QStringLiteral("10"));
        // An answering meter whose clock is not read yet says so; a silent one says nothing.
        QCOMPARE(model.index(1, model.columnCount() - 1).data().toString(), "reading…");
        QCOMPARE(model.index(0, model.columnCount() - 1).data().toString(), QString());
        state.gSelMeter = 1;
        model.selectionChanged();
        BuildMeterTables({QString(), QStringLiteral("O")}, state, tables);
        QCOMPARE(model.rowCount(), 1);
    }
};

QTEST_MAIN(TestTableModels)
#include "tst_tablemodels.moc"
