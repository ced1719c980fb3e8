#pragma once

#include "publish/MeterFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The numbers (`seq`) of one meter's records. A record's number is its position in the
// meter's data files, counted once in saving order: records as the writer appends them, and
// those found in the files at a start in the files' order. The numbers are kept beside the data
// files (NAME_AA.SEQ) as runs, each a stretch of one file's records with consecutive numbers,
// so that a record keeps its number when older files are deleted or moved away, and no number
// is ever given to two records: a file that shrinks or is replaced loses the numbers of what
// it no longer holds, and whatever it holds anew is numbered after the last number given.
class RecordNumbers {
public:
    struct Run {
        QString file;
        QByteArray identity; // of the file, when the run was numbered
        qint64 from = 0;     // the place of its first record in the file
        qint64 count = 0;
        qint64 first = 0; // the number of its first record
        qint64 last() const { return first + count - 1; }
        qint64 end() const { return from + count; }
        bool operator==(const Run&) const = default;
    };
    // What happened to a data file behind the publisher's back, and the numbers whose records
    // it took away.
    struct Change {
        enum Kind { Gone, Shrunk, Replaced } kind;
        QString file;
        qint64 first = 0, last = 0;
    };
    enum class Loaded { Missing, Read, NotOurs, Damaged };

    RecordNumbers() = default;
    explicit RecordNumbers(MeterFiles files);

    // Reads the numbers kept beside the data files; `why` says what is wrong with a file that
    // is not this meter's or does not read.
    Loaded load(QString* why);
    QByteArray text() const;

    // Looks at the files as they are now: the runs of files gone, cut shorter or replaced are
    // dropped (their changes listed), the records not yet numbered are numbered. `dataFiles`
    // are the meter's files as listed (in saving order) when the caller has listed the folder.
    QList<Change> scan();
    QList<Change> scan(const QStringList& dataFiles);
    // The number of the record just appended at `place`, numbering it (and records before it
    // in its file not numbered yet); a file that changed behind the publisher's back is listed
    // in `changes`.
    qint64 number(const RecordPlace& place, QList<Change>* changes);
    // The number of the record at `place`; 0 when it has none.
    qint64 seqOf(const RecordPlace& place) const;
    // The run that holds number `seq`; nullptr for a number given to a record no longer in the
    // files, or not given yet.
    const Run* runOf(qint64 seq) const;
    // The first number held by a run after `seq`; 0 when none is.
    qint64 nextHeld(qint64 seq) const;
    // The place of record `seq`, or where the next record would go after the last one.
    RecordPlace placeOf(qint64 seq) const;
    // The last number given; 0 before the first.
    qint64 last() const { return m_next - 1; }
    // The lowest number of a record still in the files (last() + 1 when none is).
    qint64 firstHeld() const { return m_runs.isEmpty() ? m_next : m_runs.front().first; }
    // Numbers are never given below `next` from now on (a state file saw them given).
    void raiseTo(qint64 next);
    // Moves every number up by `by`: numbering rebuilt from the files is lined up with numbers
    // given before.
    void shift(qint64 by);
    const QList<Run>& runs() const { return m_runs; }
    // Whether the runs changed since text() was last taken for the file (a new run, one
    // dropped). How far the last run reaches need not be kept: the file itself says it, and
    // the state file names the last number given.
    bool isDirty() const { return m_dirty; }
    void markWritten() { m_dirty = false; }

    // The identity of a data file: its header and first record, which no other file shares;
    // empty while it holds no whole record.
    static QByteArray identityOf(const QString& path);

private:
    // Numbers records [from, to) of `file`: the last run grows when they follow it.
    void numberRecords(const QString& file, const QByteArray& identity, qint64 from, qint64 to);
    // Drops what runs of `file` hold from `index` on; the numbers dropped are listed.
    void cut(const QString& file, qint64 index, Change::Kind kind, QList<Change>* changes);
    // The place after the last numbered record of `file`; -1 when it has no run.
    qint64 extentOf(const QString& file) const;
    QByteArray identityInRuns(const QString& file) const;

    MeterFiles m_files;
    QList<Run> m_runs; // by number
    qint64 m_next = 1;
    bool m_dirty = false;
};
