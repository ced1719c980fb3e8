#include "comm/CommEngine.h"
#include "logging/DataFileWriter.h"

// Kept apart from the writer so that code which never meets an engine does not need one.

SaveSource EngineSaveSource(const CommEngine& engine) {
    return {&engine.state(), &engine.tables(), [&engine] { return engine.isPortOpen(); }};
}

DataFileWriter::DataFileWriter(Clock& clock, CommEngine& engine, QObject* parent)
    : DataFileWriter(clock, EngineSaveSource(engine), parent) {
    setRequireValuesRead(true);
    connect(&engine, &CommEngine::portOpenChanged, this, [this] { forgetValuesRead(); });
    connect(&engine, &CommEngine::meterPolled, this, [this](int meter, bool answered) {
        if (answered)
            noteValuesRead(meter);
    });
}
