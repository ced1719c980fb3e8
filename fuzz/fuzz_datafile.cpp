// Data files as a user may hand them over: cut short, torn in a record, a header of another
// model or of nothing at all. Reading goes through what the commands and windows use; an
// append to such a file keeps every whole record in front of it.
#include "FuzzFile.h"
#include "logging/DataFile.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileInfo.h"
#include "logging/DataFileReader.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace DataFile;
    const QByteArray bytes = FuzzBytes(data, size);
    const QString path = WriteFuzzFile(data, size, QStringLiteral("input.TDD"));
    {
        DataFileReader reader;
        if (reader.open(path)) {
            const qint64 whole =
                reader.header().complete ? (qint64(size) - HeaderSize) / RecordSize : 0;
            FUZZ_EXPECT(reader.recordCount() == whole);
            DataRecord record;
            for (qint64 i = 0; i < reader.recordCount(); ++i) {
                FUZZ_EXPECT(reader.record(i, &record));
                for (int ch = 1; ch <= 12; ++ch) {
                    (void)record.channelState(ch);
                    for (int a = 1; a <= 4; ++a)
                        (void)record.alarm(ch, a);
                }
            }
            FUZZ_EXPECT(!reader.record(reader.recordCount(), &record));
            FUZZ_EXPECT(!reader.record(-1, &record));
            QByteArray block;
            FUZZ_EXPECT(reader.readRecords(1, 1 << 30, &block) ==
                        std::max<qint64>(0, reader.recordCount() - 1));
            (void)DescribeDataFile(reader, path, true);
            (void)DescribeDataFileJson(reader, path, false);
        }
    }

    // The next save into this file.
    const QByteArray header(HeaderSize, 'H');
    const QByteArray record(RecordSize, 'R');
    const AppendOutcome out = AppendDataRecord(
        path, [&] { return magic() + header.mid(magic().size()); }, record);
    QFile file(path);
    FUZZ_EXPECT(file.open(QIODevice::ReadOnly));
    const QByteArray after = file.readAll();
    if (!out.ok) {
        FUZZ_EXPECT(after == bytes); // refused: left as it was
        return 0;
    }
    FUZZ_EXPECT(after.size() >= HeaderSize && (after.size() - HeaderSize) % RecordSize == 0);
    FUZZ_EXPECT(after.endsWith(record));
    if (!out.created) // every whole record before the new one is kept
        FUZZ_EXPECT(after.left(after.size() - RecordSize) ==
                    bytes.left(bytes.size() - out.cutBytes));
    return 0;
}
