#include "cli/ClockRun.h"

#include "cli/EngineSession.h"
#include "clock/ClockDrift.h"
#include "clock/ClockWriter.h"
#include "comm/CommEngine.h"
#include "comm/RequestCodes.h"

#include <utility>

namespace {

// Settings reads of a twelve-channel meter: the common block and twelve channel blocks.
constexpr int kSettingsRequests = 13;

// Waits for `done`; gives up when the port closes, when the engine gives a request to the
// meter up (`givenUp` tells how), or after `maxMs`.
bool waitOnMeter(EngineSession& session, const GiveUpWatch& givenUp,
                 const std::function<bool()>& done, qint64 maxMs) {
    CommEngine& engine = session.engine();
    session.runUntil(
        [&] { return done() || engine.phase() == CommEngine::Phase::Closed || bool(givenUp); },
        maxMs);
    return done();
}

// What became of the meter, as its result says it: refused, or silent.
void noteFailure(MeterClockResult& r, const FailedRequest& f) {
    r.problem = f.predicate();
    r.silent = !f.isRefusal();
    r.refusedWith = f.isRefusal() ? f.exceptionCode : 0;
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

void ReleaseMeter(EngineSession& session, ClockWriter& writer, qint64 requestBudgetMs) {
    CommEngine& engine = session.engine();
    if (!writer.isBusy() && engine.settingsComplete())
        return;
    writer.cancel();
    engine.cancelTransfer();
    session.runUntil(
        [&] {
            return engine.phase() == CommEngine::Phase::Closed ||
                   (!writer.isBusy() && !engine.isCancelPending());
        },
        requestBudgetMs);
}

bool HasStoppedAnswering(const CommEngine& engine, int meter) {
    const FailedRequest& last = engine.lastGivenUp();
    return last.meter == meter && last.failures() > 0 && !engine.isAnswering(meter);
}

MeterClockResult RunMeterClock(EngineSession& session, ClockWriter& writer, const ClockDrift& drift,
                               int meter, const ClockOrder& order, qint64 requestBudgetMs) {
    CommEngine& engine = session.engine();
    const CommState& s = engine.state();
    const Clock& clock = session.clock();
    MeterClockResult r;
    r.address = s.gMeterAddress.value(meter);
    if (!s.isOnline(meter)) {
        r.problem = QStringLiteral("it did not answer the scan");
        r.silent = true;
        return r;
    }
    const qint64 settingsMs = requestBudgetMs * kSettingsRequests + 5000;
    GiveUpWatch givenUp(engine, [meter](const FailedRequest& f) { return f.meter == meter; });
    const auto closedProblem = [&] {
        r.problem = QStringLiteral("the port closed");
        return r;
    };

    if (s.gSelMeter != meter) {
        engine.selectMeter(meter + 1);
        if (s.gSelMeter != meter) {
            r.problem = QStringLiteral("it stopped answering");
            r.silent = true;
            return r;
        }
    }
    const auto settled = [&] { return s.gSelMeter == meter && engine.settingsComplete(); };
    // The channel scan or the first settings read of the run may have given up on this meter
    // already.
    const FailedRequest before = engine.lastGivenUp();
    const bool failedBefore = s.gSelMeter == meter && HasStoppedAnswering(engine, meter);
    if (failedBefore || !waitOnMeter(session, givenUp, settled, settingsMs)) {
        if (engine.phase() == CommEngine::Phase::Closed)
            return closedProblem();
        if (givenUp || failedBefore)
            noteFailure(r, givenUp ? *givenUp.first() : before);
        else
            r.problem = QStringLiteral("its settings could not be read");
        r.silent = r.silent || !(givenUp || failedBefore);
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
        // The first write that fails ends the writes to this meter; the settings read that
        // follows it still shows what the meter holds. A write given up is not the meter lost:
        // the settings read after it decides that.
        const GiveUpWatch writeGivenUp(engine, [meter](const FailedRequest& f) {
            return f.meter == meter && f.code == RequestCode::RC_SEND_CLOCK_FRAME;
        });
        GiveUpWatch readBackGivenUp(engine, [meter](const FailedRequest& f) {
            return f.meter == meter && f.code != RequestCode::RC_SEND_CLOCK_FRAME;
        });
        bool writeFailed = false;
        const QMetaObject::Connection outcome =
            QObject::connect(&writer, &ClockWriter::written, [&](const QByteArray&, bool taken) {
                if (!taken && !std::exchange(writeFailed, true))
                    writer.cancel();
            });
        bool sent = true;
        for (const QByteArray& frame : frames)
            sent = sent && writer.write(frame);
        r.wrote = true;
        // A meter that does not answer its write is not asked to read back as well; one that
        // refused it answers, and shows what it holds.
        const auto silentToTheWrite = [&] {
            return writeGivenUp && !writeGivenUp.first()->isRefusal();
        };
        const bool readBack =
            sent &&
            waitOnMeter(
                session, readBackGivenUp,
                [&] { return silentToTheWrite() || (!writer.isBusy() && settled()); },
                requestBudgetMs * (int(frames.size()) + kSettingsRequests) + 5000) &&
            !silentToTheWrite();
        QObject::disconnect(outcome);
        if (engine.phase() == CommEngine::Phase::Closed)
            return closedProblem();
        if (!sent) {
            r.problem = QStringLiteral("the port took no write");
        } else if (writeGivenUp) {
            noteFailure(r, *writeGivenUp.first());
        } else if (writeFailed) {
            r.problem = QStringLiteral("it did not take the write");
        } else if (readBackGivenUp) {
            noteFailure(r, *readBackGivenUp.first());
        } else if (!readBack) {
            r.problem = QStringLiteral("its settings could not be read back after the write");
        }
        if (!readBack) {
            // Nothing read back: what the meter holds is not known.
            r.silent = r.silent || readBackGivenUp;
            return r;
        }
    }
    r.settings = DeviceClockSettings::fromCommonTable(engine.tables().sprdP_Common);

    // The clock by the poll that follows, beside the PC's clock of that moment.
    bool polled = false;
    const QMetaObject::Connection poll =
        QObject::connect(&engine, &CommEngine::meterPolled, [&](int polledMeter, bool answered) {
            polled = polled || (polledMeter == meter && answered);
        });
    givenUp.reset();
    waitOnMeter(
        session, givenUp, [&] { return polled; }, 4 * requestBudgetMs);
    QObject::disconnect(poll);
    const auto reading = drift.reading(meter);
    if (!polled || !reading) {
        if (r.problem.isEmpty()) {
            if (givenUp)
                noteFailure(r, *givenUp.first());
            else
                r.problem = QStringLiteral("its clock could not be read");
            r.silent = true;
        }
        return r;
    }
    r.answered = true;
    r.meterClock = reading->meterText;
    r.pcClock = reading->pcTime;
    if (reading->isValid())
        r.differenceSeconds = reading->seconds;
    if (r.wrote && r.problem.isEmpty()) {
        r.problem = readBackProblem(r, order, writtenAt, reading);
        r.taken = r.problem.isEmpty();
    }
    return r;
}
