#include "publish/ReplayCursor.h"

#include "logging/RecordBytes.h"
#include "publish/MeterFiles.h"
#include "publish/RecordNumbers.h"

void ReplayCursor::begin(qint64 first, qint64 last) {
    m_next = first;
    m_last = last;
}

void ReplayCursor::recheck() {
    // A file cut shorter under its mapping is opened again: its lost pages must not be read.
    if (m_reader && m_reader->isCutShort())
        m_readerFile.clear();
}

void ReplayCursor::end() {
    m_last = m_next - 1;
    m_readerFile.clear();
    m_reader.reset(); // lets go of the mapped file
}

ReplayCursor::Step ReplayCursor::gone(qint64 to) {
    Step s;
    s.seq = m_next;
    s.goneTo = std::min(to, m_last);
    m_next = s.goneTo + 1;
    return s;
}

ReplayCursor::Step ReplayCursor::step(const RecordNumbers& numbers, const MeterFiles& files) {
    const RecordNumbers::Run* run = numbers.runOf(m_next);
    if (!run) {
        const qint64 held = numbers.nextHeld(m_next);
        return gone(held > 0 ? held - 1 : m_last);
    }
    if (!m_reader || m_readerFile != run->file) {
        m_readerFile = run->file;
        m_reader = std::make_unique<DataFileReader>();
        m_timesAt = -1;
        // A file not there (or no longer a data file) holds no records.
        m_reader->open(files.path(run->file));
    }
    const qint64 index = run->from + (m_next - run->first);
    if (index >= m_reader->recordCount())
        m_reader->refresh();
    if (index >= m_reader->recordCount())
        return gone(run->last()); // the file holds less than was numbered in it
    // The saving order is taken up from the last record before this one whose local time
    // was passed once, when the cursor did not read up to here.
    if (m_timesAt != index) {
        m_times.forget();
        qint64 from = index;
        while (from > 0 && m_times.isAmbiguous(RecordBytes::stamp(m_reader->recordData(from - 1))))
            --from;
        for (qint64 i = std::max<qint64>(0, from - 1); i < index; ++i)
            m_times.offsetOf(RecordBytes::stamp(m_reader->recordData(i)));
    }
    Step s;
    s.seq = m_next++;
    s.record = m_reader->recordData(index);
    s.header = &m_reader->header();
    s.utcOffset = m_times.offsetOf(RecordBytes::stamp(s.record));
    m_timesAt = index + 1;
    return s;
}
