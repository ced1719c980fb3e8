#include "dataview/DataTimeLine.h"

#include "core/PrintableText.h"
#include "logging/DataFileExport.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <limits>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct DataTimeLineTexts {
    Q_DECLARE_TR_FUNCTIONS(DataTimeLine)
};

// So many alarm changes are more than anyone reads in a list; the traces and bands still
// show every one.
constexpr size_t kMaxEvents = DataTimeLine::MaxEvents;
// Distinct steps counted for the save interval: a file of random stamps would have millions.
constexpr size_t kMaxSteps = 4096;
// Steps longer than a month are not a save interval.
constexpr qint64 kLongestStep = 31 * 86400;
constexpr qint64 kBlock = 64; // records per entry of a file's block times

// The save interval behind a file's steps. Saves with an interval in seconds that does not
// divide a minute come at two steps (40 s: 40 and 20), so the interval is the longest step
// that makes up a good share of all steps, else the most common one.
qint64 usualStep(const std::map<qint64, qint64>& steps, qint64 otherSteps) {
    qint64 total = otherSteps;
    for (const auto& [step, count] : steps)
        total += count;
    qint64 common = 0, commonCount = 0, longestShared = 0;
    for (const auto& [step, count] : steps) {
        if (count > commonCount) {
            common = step;
            commonCount = count;
        }
        if (4 * count >= total)
            longestShared = step;
    }
    return longestShared > 0 ? longestShared : common;
}

bool stepIsGap(qint64 seconds, qint64 interval) {
    return interval <= 0 ? seconds > 0 : 2 * seconds > 3 * interval;
}

void addAlarmChanges(std::vector<TimeLineEvent>& events, quint64 before, quint64 after,
                     qint64 time) {
    for (quint64 changed = before ^ after; changed != 0; changed &= changed - 1) {
        const int bit = std::countr_zero(changed);
        TimeLineEvent e;
        e.kind = (after >> bit) & 1 ? TimeLineEvent::Kind::AlarmOn : TimeLineEvent::Kind::AlarmOff;
        e.time = time;
        e.channel = bit / 4 + 1;
        e.alarm = bit % 4 + 1;
        events.push_back(e);
    }
}

} // namespace

DataTimeLine::DataTimeLine() = default;
DataTimeLine::~DataTimeLine() = default;

void DataTimeLine::clear() {
    m_files.clear();
    m_openErrors.clear();
    rebuild();
}

bool DataTimeLine::openInto(TimeLineFile& f, QString* error) {
    f.reader = std::make_unique<DataFileReader>();
    f.summary = RecordSummary();
    f.interval = 0;
    f.badStamps = 0;
    f.segments.clear();
    f.gaps.clear();
    f.events.clear();
    f.steps.clear();
    f.otherSteps = 0;
    f.scanned = 0;
    f.segmentOpen = false;
    f.eventsBeforeOpen = 0;
    f.leftOut = 0;
    f.gapsCut = false;
    f.blockTimes.clear();
    // Files only: a FIFO or a device given by name is refused, never waited on.
    if (!f.reader->open(f.path)) {
        *error = f.reader->errorString();
        return false;
    }
    f.summary.build(*f.reader);
    scan(f);
    return true;
}

int DataTimeLine::add(const QStringList& paths) {
    int added = 0;
    for (const QString& path : paths) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        const bool known = std::any_of(m_files.begin(), m_files.end(), [&](const auto& f) {
            return !canonical.isEmpty() && QFileInfo(f->path).canonicalFilePath() == canonical;
        });
        if (known) {
            m_openErrors << DataTimeLineTexts::tr("%1 is open already").arg(PrintableText(path));
            continue;
        }
        auto file = std::make_unique<TimeLineFile>();
        file->path = path;
        file->name = DataFileName::parse(path);
        QString error;
        if (!openInto(*file, &error)) {
            m_openErrors << PrintableText(error);
            continue;
        }
        m_files.push_back(std::move(file));
        ++added;
    }
    rebuild();
    return added;
}

void DataTimeLine::scan(TimeLineFile& f) {
    const DataFileReader& reader = *f.reader;
    const qint64 count = reader.recordCount();
    const qint64 from = f.scanned;
    for (qint64 r = from; r < count; ++r) {
        const char* record = reader.recordData(r);
        const std::optional<qint64> t = DataTime::stampSeconds(RecordBytes::stamp(record));
        if (r % kBlock == 0)
            f.blockTimes.push_back(t.value_or(std::numeric_limits<qint64>::min()));
        if (!t) {
            ++f.badStamps;
            f.segmentOpen = false;
            continue;
        }
        const RecordFlags flags = FlagsOfRecord(record);
        if (f.segmentOpen && *t >= f.segments.back().t1) {
            TimeSegment& s = f.segments.back();
            const qint64 step = *t - s.t1;
            if (step > 0 && step <= kLongestStep) {
                const auto known = f.steps.find(step);
                if (known != f.steps.end())
                    ++known->second;
                else if (f.steps.size() < kMaxSteps)
                    f.steps.emplace(step, 1);
                else
                    ++f.otherSteps;
            }
            if (flags.alarms != s.lastFlags.alarms && f.events.size() < kMaxEvents)
                addAlarmChanges(f.events, s.lastFlags.alarms, flags.alarms, *t);
            s.end = r + 1;
            s.t1 = *t;
            s.lastFlags = flags;
        } else {
            leaveOutIfOverBudget(f, r);
            TimeSegment s;
            s.first = r;
            s.end = r + 1;
            s.t0 = s.t1 = *t;
            s.firstFlags = s.lastFlags = flags;
            f.segments.push_back(s);
            f.segmentOpen = true;
            f.eventsBeforeOpen = f.events.size();
        }
    }
    f.scanned = count;
    const qint64 interval = usualStep(f.steps, f.otherSteps);
    if (interval != f.interval) {
        // Known only now, or changed by the new records: every step is judged again.
        f.interval = interval;
        f.gaps.clear();
        f.gapsCut = false;
        findGaps(f, 0);
    } else {
        findGaps(f, from);
    }
}

void DataTimeLine::leaveOutIfOverBudget(TimeLineFile& f, qint64 record) {
    // A clock put back now and then makes a few long stretches; only stamps that jump back
    // and forth make stretches of a few records, and of those the time line keeps no more
    // than its budget.
    if (f.segments.empty() || qint64(f.segments.size()) < SegmentBudget(record))
        return;
    const TimeSegment& last = f.segments.back();
    if (last.end - last.first >= RecordsPerSegment)
        return;
    f.leftOut += last.end - last.first;
    f.events.resize(f.eventsBeforeOpen);
    f.segments.pop_back();
}

void DataTimeLine::findGaps(TimeLineFile& f, qint64 fromRecord) {
    if (f.interval <= 0)
        return;
    const DataFileReader& reader = *f.reader;
    const auto timeAt = [&reader](qint64 r) {
        return DataTime::stampSeconds(RecordBytes::stamp(reader.recordData(r))).value_or(0);
    };
    for (const TimeSegment& s : f.segments) {
        if (s.end <= fromRecord)
            continue;
        qint64 r = std::max(s.first + 1, fromRecord);
        qint64 previous = timeAt(r - 1);
        for (; r < s.end; ++r) {
            const qint64 t = timeAt(r);
            if (stepIsGap(t - previous, f.interval)) {
                if (f.gaps.size() >= kMaxEvents) {
                    f.gapsCut = true;
                    return;
                }
                f.gaps.push_back({previous, t});
            }
            previous = t;
        }
    }
}

void DataTimeLine::rebuild() {
    // Earliest file first; files without a readable record last.
    std::stable_sort(m_files.begin(), m_files.end(), [](const auto& a, const auto& b) {
        if (a->segments.empty() || b->segments.empty())
            return !a->segments.empty() && b->segments.empty();
        return a->segments.front().t0 < b->segments.front().t0;
    });
    m_segments.clear();
    m_gaps.clear();
    m_events.clear();
    m_eventsCut = false;
    m_overallSpan = ValueSpan();
    m_everOn = RecordFlags();
    for (size_t i = 0; i < m_files.size(); ++i) {
        const TimeLineFile& f = *m_files[i];
        const qint64 n = f.reader->recordCount();
        const ValueSpan span = f.summary.span(*f.reader, 0, n);
        for (size_t ch = 0; ch < 12; ++ch) {
            m_overallSpan.low[ch] = std::min(m_overallSpan.low[ch], span.low[ch]);
            m_overallSpan.high[ch] = std::max(m_overallSpan.high[ch], span.high[ch]);
        }
        m_everOn |= f.summary.flags(*f.reader, 0, n);
        for (TimeSegment s : f.segments) {
            s.file = int(i);
            m_segments.push_back(s);
        }
        m_gaps.insert(m_gaps.end(), f.gaps.begin(), f.gaps.end());
        m_events.insert(m_events.end(), f.events.begin(), f.events.end());
        m_eventsCut = m_eventsCut || f.events.size() >= kMaxEvents;
    }
    std::stable_sort(m_segments.begin(), m_segments.end(),
                     [](const TimeSegment& a, const TimeSegment& b) { return a.t0 < b.t0; });

    m_reach.resize(m_segments.size());
    qint64 reach = std::numeric_limits<qint64>::min();
    int reachFile = 0;
    RecordFlags before;
    for (size_t k = 0; k < m_segments.size(); ++k) {
        const TimeSegment& s = m_segments[k];
        // Between segments: silence, and alarms that changed while it lasted. Thousands of
        // segments could add dozens of changes each: the list is cut to its length below, and
        // never holds more than twice that meanwhile.
        if (k > 0 && s.t0 > reach && isGap(s.t0 - reach, reachFile, s.file))
            m_gaps.push_back({reach, s.t0});
        if (m_events.size() < 2 * kMaxEvents)
            addAlarmChanges(m_events, before.alarms, s.firstFlags.alarms, s.t0);
        else
            m_eventsCut = true;
        before = s.lastFlags;
        if (s.t1 > reach) {
            reach = s.t1;
            reachFile = s.file;
        }
        m_reach[k] = reach;
    }
    std::sort(m_gaps.begin(), m_gaps.end(),
              [](const TimeGap& a, const TimeGap& b) { return a.from < b.from; });
    for (const TimeGap& g : m_gaps) {
        if (m_events.size() >= 2 * kMaxEvents) {
            m_eventsCut = true;
            break;
        }
        TimeLineEvent e;
        e.kind = TimeLineEvent::Kind::NoData;
        e.time = g.from;
        e.until = g.to;
        m_events.push_back(e);
    }
    std::stable_sort(
        m_events.begin(), m_events.end(),
        [](const TimeLineEvent& a, const TimeLineEvent& b) { return a.time < b.time; });
    if (m_events.size() > kMaxEvents) {
        m_events.resize(kMaxEvents);
        m_eventsCut = true;
    }
}

const DataHeader& DataTimeLine::header() const {
    static const DataHeader none;
    return m_files.empty() ? none : m_files.front()->reader->header();
}

int DataTimeLine::channelCount() const {
    int count = 0;
    for (const auto& f : m_files)
        count = std::max(count, f->reader->header().channelCount);
    return count;
}

qint64 DataTimeLine::recordCount() const {
    qint64 n = 0;
    for (const auto& f : m_files)
        n += f->reader->recordCount();
    return n;
}

qint64 DataTimeLine::firstTime() const {
    return m_segments.empty() ? 0 : m_segments.front().t0;
}

qint64 DataTimeLine::lastTime() const {
    return m_reach.empty() ? 0 : m_reach.back();
}

qint64 DataTimeLine::interval() const {
    std::map<qint64, qint64> shares;
    for (const auto& f : m_files)
        if (f->interval > 0)
            shares[f->interval] += f->reader->recordCount();
    qint64 best = 0, bestCount = -1;
    for (const auto& [interval, count] : shares)
        if (count > bestCount) {
            best = interval;
            bestCount = count;
        }
    return best;
}

QStringList DataTimeLine::messages() const {
    QStringList out = m_openErrors;
    QList<DataFileReader*> readers;
    for (const auto& f : m_files) {
        for (const QString& w : f->reader->warnings())
            out << PrintableText(w);
        if (f->badStamps > 0)
            out << DataTimeLineTexts::tr(
                       "%1: %2 records carry a time stamp that names no time (such as month 13); "
                       "they are left out")
                       .arg(PrintableText(f->path))
                       .arg(f->badStamps);
        if (f->leftOut > 0)
            out << DataTimeLineTexts::tr(
                       "%1: the time goes back and forth again and again; %2 records in short "
                       "stretches between such steps are not drawn (an export has them)")
                       .arg(PrintableText(f->path))
                       .arg(f->leftOut);
        if (f->gapsCut)
            out << DataTimeLineTexts::tr(
                       "%1: more than %2 gaps; those after the first %2 are not marked")
                       .arg(PrintableText(f->path))
                       .arg(kMaxEvents);
        readers << f->reader.get();
    }
    out << CompareChannelLayouts(readers);
    if (!m_files.empty()) {
        const TimeLineFile& first = *m_files.front();
        for (const auto& f : m_files)
            if (first.name.matches && f->name.matches && f->name.address != first.name.address)
                out << DataTimeLineTexts::tr(
                           "%1 is a file of meter %2, %3 of meter %4; both are shown on one time "
                           "line")
                           .arg(PrintableText(QFileInfo(f->path).fileName()))
                           .arg(f->name.address)
                           .arg(PrintableText(QFileInfo(first.path).fileName()))
                           .arg(first.name.address);
    }
    if (m_eventsCut)
        out << DataTimeLineTexts::tr(
                   "More than %1 alarm changes and gaps: the list shows the first %1; the traces "
                   "and bands show every one")
                   .arg(kMaxEvents);
    return out;
}

qint64 DataTimeLine::timeOf(int file, qint64 record) const {
    const char* data = reader(file).recordData(record);
    return data ? DataTime::stampSeconds(RecordBytes::stamp(data)).value_or(0) : 0;
}

qint64 DataTimeLine::lowerBound(const TimeSegment& s, qint64 time) const {
    // First the blocks whose first record lies in the segment (their times rise with it), then
    // the records of one block.
    const std::vector<qint64>& blocks = m_files[size_t(s.file)]->blockTimes;
    qint64 lo = s.first, hi = s.end;
    qint64 bLo = (s.first + kBlock - 1) / kBlock;
    qint64 bHi = std::min<qint64>((s.end - 1) / kBlock + 1, qint64(blocks.size()));
    if (bLo < bHi) {
        const auto begin = blocks.begin() + bLo, end = blocks.begin() + bHi;
        const qint64 b = bLo + (std::lower_bound(begin, end, time) - begin); // first block >= time
        if (b > bLo)
            lo = std::max(lo, (b - 1) * kBlock);
        if (b < bHi)
            hi = std::min(hi, b * kBlock);
    }
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (timeOf(s.file, mid) < time)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

bool DataTimeLine::isGap(qint64 seconds, int fileA, int fileB) const {
    const qint64 interval =
        std::max(m_files[size_t(fileA)]->interval, m_files[size_t(fileB)]->interval);
    return stepIsGap(seconds, interval);
}

bool DataTimeLine::continues(const TimeSegment& previous, const TimeSegment& next) const {
    return !isGap(std::abs(next.t0 - previous.t1), previous.file, next.file);
}

size_t DataTimeLine::firstReaching(qint64 time) const {
    return size_t(std::lower_bound(m_reach.begin(), m_reach.end(), time) - m_reach.begin());
}

std::optional<DataTimeLine::RecordRef> DataTimeLine::recordAt(qint64 time) const {
    std::optional<RecordRef> best;
    // Segments that started by `time` and reach near it.
    const auto started = std::upper_bound(m_segments.begin(), m_segments.end(), time,
                                          [](qint64 t, const TimeSegment& s) { return t < s.t0; });
    qint64 longest = 0;
    for (const auto& f : m_files)
        longest = std::max(longest, f->interval);
    for (auto it = started; it != m_segments.begin();) {
        --it;
        const size_t k = size_t(it - m_segments.begin());
        if (2 * (time - m_reach[k]) > 3 * longest)
            break; // nothing this early reaches `time`
        const TimeSegment& s = *it;
        const qint64 r = lowerBound(s, time + 1) - 1;
        if (r < s.first)
            continue;
        const qint64 t = timeOf(s.file, r);
        if (time != t && isGap(time - t, s.file, s.file))
            continue;
        if (!best || t > best->time)
            best = RecordRef{s.file, r, t};
    }
    return best;
}

bool DataTimeLine::anyFileCutShort() const {
    return std::any_of(m_files.begin(), m_files.end(),
                       [](const auto& f) { return f->reader->isCutShort(); });
}

bool DataTimeLine::refresh(bool laterFiles) {
    bool changed = false;
    for (auto& f : m_files) {
        switch (f->reader->refresh()) {
        case DataFileReader::Growth::Grown:
            f->summary.extend(*f->reader);
            scan(*f);
            changed = true;
            break;
        case DataFileReader::Growth::Shrunk: {
            // Cut back or replaced: read again what it holds now.
            QString error;
            if (!openInto(*f, &error))
                m_openErrors << PrintableText(error);
            changed = true;
            break;
        }
        case DataFileReader::Growth::Unchanged:
        case DataFileReader::Growth::Failed:
            break;
        }
    }
    if (laterFiles && !m_files.empty()) {
        // A daily file is followed into the days after it, as the writer goes on into them.
        const TimeLineFile& last = *m_files.back();
        QStringList later;
        if (last.name.matches && last.name.day.isValid()) {
            const QFileInfo info(last.path);
            for (const QString& file : DataFileNames::filesAfter(
                     info.path(), last.name.name, last.name.address, info.fileName()))
                later << info.dir().filePath(file);
        }
        if (!later.isEmpty())
            changed = add(later) > 0 || changed;
    }
    if (changed)
        rebuild();
    return changed;
}
