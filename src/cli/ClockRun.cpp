#include "cli/ClockRun.h"

#include "cli/EngineSession.h"
#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"
#include "comm/CommEngine.h"

namespace {

// Settings reads of a twelve-channel meter: the common block and twelve channel blocks.
constexpr int kSettingsRequests = 13;

// Waits for `done` while the bus makes progress: the wait gives up when the port closes, when
// no good frame came for `stallMs`, or after `maxMs`.
bool waitWhileAnswering(EngineSession& session, const std::function<bool()>& done, qint64 stallMs,
                        qint64 maxMs) {
    CommEngine& engine = session.engine();
    const Clock& clock = session.clock();
    quint64 goodFrames = engine.totals().goodFrames;
    qint64 progressAt = clock.nowMs();
    const auto check = [&] {
        if (done() || engine.phase() == CommEngine::Phase::Closed)
            return true;
        if (engine.totals().goodFrames != goodFrames) {
            goodFrames = engine.totals().goodFrames;
            progressAt = clock.nowMs();
        }
        return clock.nowMs() - progressAt > stallMs;
    };
    session.runUntil(check, maxMs);
    return done();
}

// As wall-clock readings, so that a daylight-saving change between two of them counts nothing.
QDateTime wall(const QDateTime& t) {
    return QDateTime(t.date(), t.time(), Qt::UTC);
}

QString readBackProblem(const MeterClockResult& r, const ClockOrder& order,
                        const QDateTime& writtenAt, const std::optional<ClockDrift::Reading>& at) {
    if (order.action == ClockOrder::Action::Set) {
        if (!at || !at->isValid())
            return QStringLiteral("its clock reads no date and time after the write");
        // Where the written clock should stand by now.
        const QDateTime expected =
            wall(DateTimeOfParts(r.written)).addMSecs(writtenAt.msecsTo(at->pcTime));
        if (qAbs(expected.secsTo(wall(at->meterTime))) > 2)
            return QStringLiteral("its clock reads %1 after the write, not about %2")
                .arg(at->meterText, expected.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        return {};
    }
    if (order.action == ClockOrder::Action::Reserve) {
        if (r.settings.reserveOn != order.reserveOn)
            return QStringLiteral("its reserved start reads %1 after the write")
                .arg(r.settings.reserveOn ? QStringLiteral("on") : QStringLiteral("off"));
        if (order.reserveTime && r.settings.reserve != order.time)
            return QStringLiteral("its reserved start reads %1 after the write")
                .arg(ClockPartsText(r.settings.reserve));
    }
    return {};
}

} // namespace

MeterClockResult RunMeterClock(EngineSession& session, ClockWriter& writer, const ClockDrift& drift,
                               int meter, const ClockOrder& order, qint64 requestBudgetMs) {
    CommEngine& engine = session.engine();
    const CommState& s = engine.state();
    const Clock& clock = session.clock();
    MeterClockResult r;
    r.address = s.gMeterAddress.value(meter);
    if (!s.isOnline(meter)) {
        r.problem = QStringLiteral("it did not answer the scan");
        return r;
    }
    const qint64 stallMs = 2 * requestBudgetMs + 2000;
    const qint64 settingsMs = requestBudgetMs * kSettingsRequests + 5000;

    if (s.gSelMeter != meter) {
        engine.selectMeter(meter + 1);
        if (s.gSelMeter != meter) {
            r.problem = QStringLiteral("it stopped answering");
            return r;
        }
    }
    const auto settled = [&] { return s.gSelMeter == meter && engine.settingsComplete(); };
    if (!waitWhileAnswering(session, settled, stallMs, settingsMs)) {
        r.problem = engine.phase() == CommEngine::Phase::Closed
                        ? QStringLiteral("the port closed")
                        : QStringLiteral("its settings could not be read");
        return r;
    }

    QList<QByteArray> frames;
    QDateTime writtenAt;
    if (order.action == ClockOrder::Action::Set) {
        r.written = order.time;
        if (order.pcTime) {
            // At the turn of a second, so that the meter's clock starts that second as the
            // PC's does. The event loop's timers may fire a little early: the wait goes on
            // until the PC's clock has turned.
            const QDateTime now = clock.currentDateTime();
            const QDateTime turn = now.addMSecs(1000 - now.time().msec());
            while (clock.currentDateTime() < turn)
                session.runUntil([&] { return clock.currentDateTime() >= turn; },
                                 std::max<qint64>(1, clock.currentDateTime().msecsTo(turn)));
            r.written = ClockPartsOf(clock.currentDateTime());
        }
        writtenAt = clock.currentDateTime();
        frames << ClockSetFrame(r.address, r.written);
    } else if (order.action == ClockOrder::Action::Reserve) {
        if (order.reserveTime)
            for (int i = 0; i < ClockFieldCount; ++i)
                frames << ReserveFieldFrame(r.address, ClockField(i), order.time[size_t(i)]);
        // The switch last: a reserve switched on never waits for a half-written time.
        frames << ReserveSwitchFrame(r.address, order.reserveOn);
    }
    if (!frames.isEmpty()) {
        int refused = 0;
        const QMetaObject::Connection outcome =
            QObject::connect(&writer, &ClockWriter::written,
                             [&](const QByteArray&, bool taken) { refused += taken ? 0 : 1; });
        for (const QByteArray& frame : frames) {
            if (!writer.write(frame)) {
                QObject::disconnect(outcome);
                r.problem = QStringLiteral("the port took no write");
                return r;
            }
        }
        r.wrote = true;
        const bool readBack = waitWhileAnswering(
            session, [&] { return !writer.isBusy() && settled(); }, stallMs,
            requestBudgetMs * (int(frames.size()) + kSettingsRequests) + 5000);
        QObject::disconnect(outcome);
        if (refused > 0)
            r.problem = QStringLiteral("it did not take the write (three tries failed)");
        else if (!readBack)
            r.problem = QStringLiteral("its settings could not be read back after the write");
        if (!r.problem.isEmpty())
            return r;
    }
    r.settings = DeviceClockSettings::fromCommonTable(engine.tables().sprdP_Common);

    // The clock by the poll that follows, beside the PC's clock of that moment.
    bool polled = false;
    const QMetaObject::Connection poll =
        QObject::connect(&engine, &CommEngine::meterPolled, [&](int polledMeter, bool answered) {
            polled = polled || (polledMeter == meter && answered);
        });
    waitWhileAnswering(
        session, [&] { return polled; }, stallMs, 4 * requestBudgetMs);
    QObject::disconnect(poll);
    const auto reading = drift.reading(meter);
    if (!polled || !reading) {
        r.problem = QStringLiteral("its clock could not be read");
        return r;
    }
    r.answered = true;
    r.meterClock = reading->meterText;
    r.pcClock = reading->pcTime;
    if (reading->isValid())
        r.differenceSeconds = reading->seconds;
    if (r.wrote) {
        r.problem = readBackProblem(r, order, writtenAt, reading);
        r.taken = r.problem.isEmpty();
    }
    return r;
}
