#pragma once

#include "dataview/RecordSummary.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileReader.h"

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// A stretch of one file's records whose time stamps name real times and never go back:
// records [first, end), the first taken at t0 and the last at t1 (seconds, see DataTime).
struct TimeSegment {
    int file = 0;
    qint64 first = 0;
    qint64 end = 0;
    qint64 t0 = 0;
    qint64 t1 = 0;
    RecordFlags firstFlags; // of the first and the last record
    RecordFlags lastFlags;
};

// Time with no record: the meter did not answer (or the program did not run) from the record
// at `from` to the one at `to`.
struct TimeGap {
    qint64 from = 0;
    qint64 to = 0;
};

// Something a user looks for on the time line.
struct TimeLineEvent {
    enum class Kind { AlarmOn, AlarmOff, NoData };
    Kind kind = Kind::AlarmOn;
    qint64 time = 0;
    qint64 until = 0; // NoData: the time of the next record
    int channel = 0;  // alarms: channel 1..12 and alarm 1..4
    int alarm = 0;
};

// One data file on the time line and what was learnt from it.
struct TimeLineFile {
    QString path;
    DataFileName name;
    std::unique_ptr<DataFileReader> reader;
    RecordSummary summary;
    qint64 interval = 0;  // seconds between saves (the usual step), 0 while not known
    qint64 badStamps = 0; // records whose stamp names no time; left out

    // Gathered record by record, so that a growing file only adds to them.
    std::vector<TimeSegment> segments;
    std::vector<TimeGap> gaps;         // within segments
    std::vector<TimeLineEvent> events; // alarm changes within segments
    std::map<qint64, qint64> steps;    // how often each step between records occurs
    qint64 otherSteps = 0;             // steps not counted in `steps` (it was full)
    qint64 scanned = 0;                // records looked at
    bool segmentOpen = false;          // the last record scanned ends segments.back()
    size_t eventsBeforeOpen = 0;       // events.size() when segments.back() began
    qint64 leftOut = 0;                // records of short stretches beyond the segment budget
    bool gapsCut = false;              // more gaps than are kept
    // The time of every 64th record (record 64 k), so that a search for a time reads a few
    // records of the file instead of twenty scattered ones; unreadable stamps hold the least
    // number.
    std::vector<qint64> blockTimes;
};

// Data files of one meter (daily files, or a file and its continuation) as one time line:
// sorted by time, cut into segments where the time goes back (a clock put back) or a stamp is
// unreadable, with the gaps where the meter did not answer, the alarm changes, and for every
// file a summary that answers "lowest and highest value between two records" at once.
//
// What it holds stays small for any file, however its stamps go: a file keeps at most
// SegmentBudget(records) segments (a stretch shorter than a block of 64 records that would
// exceed it is left out of the time line, and said in messages()), and at most MaxEvents gaps
// and alarm changes.
class DataTimeLine {
public:
    static constexpr size_t MaxEvents = 200000;
    static constexpr qint64 FreeSegments = 1024;    // segments any file may have
    static constexpr qint64 RecordsPerSegment = 64; // beyond them, one per so many records
    static qint64 SegmentBudget(qint64 records) {
        return FreeSegments + records / RecordsPerSegment;
    }

    DataTimeLine();
    ~DataTimeLine();
    DataTimeLine(const DataTimeLine&) = delete;
    DataTimeLine& operator=(const DataTimeLine&) = delete;

    // Opens data files and puts them on the time line. A file that cannot be read is left out
    // and said in messages(). Returns how many were added.
    int add(const QStringList& paths);
    void clear();
    bool isEmpty() const { return m_files.empty(); }

    // Earliest first.
    const std::vector<std::unique_ptr<TimeLineFile>>& files() const { return m_files; }
    const DataFileReader& reader(int file) const { return *m_files[size_t(file)]->reader; }
    // For reading a file through in order (an export).
    DataFileReader& readerToReadThrough(int file) { return *m_files[size_t(file)]->reader; }
    const RecordSummary& summary(int file) const { return m_files[size_t(file)]->summary; }
    // The earliest file's header: the names, units and ranges the time line is shown with.
    const DataHeader& header() const;
    // The most channels among the files (0 without files).
    int channelCount() const;
    qint64 recordCount() const;

    // By start time.
    const std::vector<TimeSegment>& segments() const { return m_segments; }
    const std::vector<TimeGap>& gaps() const { return m_gaps; }
    const std::vector<TimeLineEvent>& events() const { return m_events; }
    bool hasRecords() const { return !m_segments.empty(); }
    qint64 firstTime() const;
    qint64 lastTime() const;
    // Every channel's lowest and highest valid value, and the flags that were ever on.
    const ValueSpan& overallSpan() const { return m_overallSpan; }
    const RecordFlags& everOn() const { return m_everOn; }
    // The usual step between records of the files, in seconds (0 while not known).
    qint64 interval() const;
    // What the user should know: files left out, damage, files that do not fit together.
    QStringList messages() const;

    // Time of a record of a segment's file (its stamp is readable).
    qint64 timeOf(int file, qint64 record) const;
    // The first record of `segment` taken at or after `time` (segment.end if none).
    qint64 lowerBound(const TimeSegment& segment, qint64 time) const;
    // True when a step of `seconds` between a record of file a and the next of file b means
    // missing records: longer than half as much again as the usual step.
    bool isGap(qint64 seconds, int fileA, int fileB) const;
    // `next` carries on where `previous` ends (daily files of one meter, a short step back of
    // the clock), so the traces run on from one to the other.
    bool continues(const TimeSegment& previous, const TimeSegment& next) const;
    // Index of the segment before which no segment reaches `time` (t1 >= time): where a search
    // for segments showing time onward starts.
    size_t firstReaching(qint64 time) const;

    // The record whose values hold at `time`: the last one at or before it, unless the meter
    // fell silent in between.
    struct RecordRef {
        int file = -1;
        qint64 record = -1;
        qint64 time = 0;
    };
    std::optional<RecordRef> recordAt(qint64 time) const;

    // Looks at the files again, for files still being written: takes in the records they
    // gained and, with `laterFiles`, the daily files that were started after the last one.
    // True when anything changed.
    bool refresh(bool laterFiles);
    // A file was cut shorter than what was read of it (by another program): its records
    // must not be touched until refresh() has read it again.
    bool anyFileCutShort() const;

private:
    bool openInto(TimeLineFile& file, QString* error);
    void scan(TimeLineFile& file);
    void findGaps(TimeLineFile& file, qint64 fromRecord);
    void leaveOutIfOverBudget(TimeLineFile& file, qint64 record);
    void rebuild();

    std::vector<std::unique_ptr<TimeLineFile>> m_files;
    std::vector<TimeSegment> m_segments;
    std::vector<qint64> m_reach; // m_reach[i]: the latest t1 among segments 0..i
    std::vector<TimeGap> m_gaps;
    std::vector<TimeLineEvent> m_events;
    bool m_eventsCut = false;
    ValueSpan m_overallSpan;
    RecordFlags m_everOn;
    QStringList m_openErrors;
};
