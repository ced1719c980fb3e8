#pragma once

#include "clock/ClockFields.h"
#include "clock/ClockFrames.h"

#include <QDateTime>
#include <QString>
#include <optional>

class ClockDrift;
class ClockWriter;
class CommEngine;
class EngineSession;

// What td700 clock does to each meter.
struct ClockOrder {
    enum class Action { Show, Set, Reserve };
    Action action = Action::Show;
    bool pcTime = false;      // set: the PC's time to the second, taken per meter
    ClockParts time{};        // set: the time to write; reserve: the reserved start
    bool reserveOn = false;   // reserve: on or off
    bool reserveTime = false; // reserve: a reserved start was given
};

// What one meter showed, and what became of a write to it.
struct MeterClockResult {
    int address = 0;
    bool answered = false;        // the meter answered and its settings were read
    QString problem;              // why a meter could not be read or did not take a write
    bool silent = false;          // the problem is that the meter did not answer
    int refusedWith = 0;          // the exception code of a refused write
    bool wrote = false;           // a write was sent
    bool taken = false;           // the meter answered the write and reads back what was written
    ClockParts written{};         // set: the clock written
    DeviceClockSettings settings; // as read back
    QString meterClock;           // the meter's clock by the poll after the settings read
    QDateTime pcClock;            // the PC's clock at that poll
    std::optional<qint64> differenceSeconds; // meter minus PC; none when its date is no date
};

// Runs the order against meter index `meter` of an open session that polls: selects the meter,
// waits for its whole settings read, writes, waits for the settings read that follows, and
// reads the clock by the next poll. A wait ends as soon as the engine gives a request to the
// meter up (it stopped answering), and a meter that had stopped answering already is not
// waited for; a write the meter refuses or does not answer ends the writes to it (a reserve
// switch never follows a start that was not written), and one it does not answer ends the
// meter's work: no read-back is waited for. Every wait is bounded by `requestBudgetMs` per
// request besides. What a meter that failed leaves in the engine (writes waiting, a settings
// read being repeated) stays until ReleaseMeter() or the session's close.
MeterClockResult RunMeterClock(EngineSession& session, ClockWriter& writer, const ClockDrift& drift,
                               int meter, const ClockOrder& order, qint64 requestBudgetMs);

// Leaves nothing of a meter's work in the engine: writes still waiting are dropped, a settings
// read or a write still being repeated is cancelled, and the wait lasts until the request on
// the line has ended. The engine is back at monitoring, the writer idle, so that the next meter
// starts afresh whatever the one before did.
void ReleaseMeter(EngineSession& session, ClockWriter& writer, qint64 requestBudgetMs);

// The meter gave up its last request, three failures in a row, and has answered nothing since.
bool HasStoppedAnswering(const CommEngine& engine, int meter);
