#pragma once

#include "publish/MeterFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What has reached the broker of one meter's records, by their numbers, kept in a small file
// beside its data files and rewritten whole (never half): every record up to `seq`, and the
// ranges of later records that were delivered ahead of the rest (live records sent while a
// backlog was still being caught up). Everything else up to the last number given is still to
// be sent. The file also says whose it is: the meter, and its newest data file when it was
// written (name, identity, size), which must still be there as it was.
struct DeliveryState {
    qint64 seq = 0; // every record up to this number is delivered (0: none)
    struct Range {
        qint64 first = 0, last = 0;
        bool operator==(const Range&) const = default;
    };
    QList<Range> ahead; // sorted, apart, all after `seq + 1`
    int channels = 0;   // the meter's channel count, as "meta" last said it
    QByteArray meta;    // the last "meta" payload
    // A record the file names: record `index` of `file` had number `number`. Written for the
    // newest data file's last record; a file of an earlier version names the record after
    // the delivered run.
    struct Anchor {
        QString file;
        QByteArray identity; // empty: not known
        qint64 size = -1;    // the data file's whole records then, in bytes; -1: not known
        qint64 index = 0;
        qint64 number = 0;
        bool operator==(const Anchor&) const = default;
    } anchor;

    bool operator==(const DeliveryState&) const = default;

    // Marks `first`..`last` delivered (or given up); the delivered run grows over what joins it.
    void markDelivered(qint64 first, qint64 last);
    void markDelivered(qint64 number) { markDelivered(number, number); }
    bool isDelivered(qint64 number) const;
    // Records after the run that were delivered ahead.
    qint64 aheadCount() const;
};

enum class StateLoaded { Missing, Read, NotOurs, Damaged };
// Reads the meter's state file; `why` says what is wrong with one that is not the meter's (or
// names a data file that is not there as it was) or does not read.
StateLoaded LoadDeliveryState(const MeterFiles& files, DeliveryState* state, QString* why);
// The file's text; `next` is the record after the delivered run (for earlier versions).
QByteArray DeliveryStateText(const MeterFiles& files, const DeliveryState& state,
                             const RecordPlace& next);
