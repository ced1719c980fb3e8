#pragma once

// Uploads and downloads of parameter sets on the engine harness (virtual clock, simulated
// bus), as the parameter window and td700 run them.

#include "comm/DeviceTables.h"
#include "comm/RequestCodes.h"
#include "paramset/ImageParameterSource.h"
#include "paramset/ParamSet.h"
#include "support/EngineHarness.h"

#include <QTest>

namespace ParamTransfer {

// Runs a posted transfer to its end; false when it did not complete.
inline bool run(EngineHarness& h, int code) {
    bool done = false;
    const auto finished = [&] { done = true; };
    const auto a = QObject::connect(&h.engine, &CommEngine::uploadCompleted, finished);
    const auto b = QObject::connect(&h.engine, &CommEngine::downloadCompleted, finished);
    const bool ok = h.engine.post(code) && h.runUntil([&] { return done; });
    QObject::disconnect(a);
    QObject::disconnect(b);
    return ok;
}

// Uploads the selected meter into `set`, as the window's refresh after an upload shows it.
inline bool upload(EngineHarness& h, ParamSet& set) {
    if (!run(h, RequestCode::RC_UPLOAD_COMMON))
        return false;
    const CommState& s = h.state();
    ShowDeviceTablesInSet(set, h.tables(), s.gChannelCount,
                          h.tables().sprdStatus.text(4, s.gSelMeter + 1));
    return true;
}

// Downloads `set` (its edited cells taken into the image) to the selected meter.
inline bool download(EngineHarness& h, ParamSet& set) {
    TakeImageFromTables(set);
    const ImageParameterSource source(set);
    h.engine.setParameterSource(&source);
    const bool ok = run(h, RequestCode::RC_DL_CH_KEY);
    h.engine.setParameterSource(nullptr);
    return ok;
}

// Makes the meter of status row `row` the selected one and waits for its settings.
inline bool selectMeter(EngineHarness& h, int row) {
    bool read = false;
    const auto c = QObject::connect(&h.engine, &CommEngine::settingsRead, [&] { read = true; });
    h.engine.selectMeter(row);
    const bool ok = h.runUntil([&] { return read; });
    QObject::disconnect(c);
    return ok && h.state().gSelMeter == row - 1;
}

} // namespace ParamTransfer
