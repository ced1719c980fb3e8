#pragma once

#include "logging/DataFileReader.h"
#include "publish/RecordPayload.h"

#include <memory>
#include <optional>

class MeterFiles;
class RecordNumbers;

// Reads a meter's records back from its data files by their numbers, oldest first, to catch
// up what the broker has not got: the files are the store. Numbers whose records are no longer
// in the files (a file deleted, moved away or cut shorter) come as one span.
class ReplayCursor {
public:
    // Reads numbers `first`..`last` from now on.
    void begin(qint64 first, qint64 last);
    void end();
    // Looks whether the open file was cut shorter since it was mapped; once before each
    // stretch of steps that the event loop does not interrupt.
    void recheck();
    bool isActive() const { return m_next <= m_last; }
    qint64 last() const { return m_last; }
    // Stops before `last` (what comes after is sent as it is saved).
    void shortenTo(qint64 last) { m_last = std::min(m_last, last); }

    struct Step {
        qint64 seq = 0;    // the record's number; of a gone span, its first
        qint64 goneTo = 0; // a span no longer in the files ends here; 0 for a record
        const char* record = nullptr;
        const DataHeader* header = nullptr;
        std::optional<int> utcOffset; // in force when the record was saved
    };
    // The next record, or span of numbers no longer there; only while isActive(). A record's
    // bytes stay valid until the next step or end().
    Step step(const RecordNumbers& numbers, const MeterFiles& files);

private:
    Step gone(qint64 to);

    qint64 m_next = 1;
    qint64 m_last = 0;
    std::unique_ptr<DataFileReader> m_reader; // the file being read
    QString m_readerFile;
    SavedTimes m_times;
    qint64 m_timesAt = -1; // the place in the open file the saving order has reached
};
