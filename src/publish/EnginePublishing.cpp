#include "publish/EnginePublishing.h"

#include "comm/CommEngine.h"
#include "logging/DataFileWriter.h"
#include "publish/RecordPublisher.h"

void ConnectPublisher(DataFileWriter& writer, CommEngine& engine, RecordPublisher& publisher) {
    QObject::connect(&writer, &DataFileWriter::recordSaved, &publisher,
                     &RecordPublisher::recordSaved);
    QObject::connect(
        &engine, &CommEngine::meterPolled, &publisher, [&engine, &publisher](int meter, bool) {
            const DeviceTables& t = engine.tables();
            const int row = meter + 1;
            const int address = engine.state().gMeterAddress.value(meter);
            if (address <= 0)
                return;
            publisher.linkChanged(address, t.sprdStatus.text(2, row) == QStringLiteral("OK"),
                                  t.sprdCommState.integer(1, row), t.sprdCommState.integer(2, row),
                                  t.sprdCommState.integer(3, row));
        });
}
