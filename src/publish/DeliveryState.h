#pragma once

#include "publish/MeterFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What has reached the broker of one meter's records, kept in a small file beside its data
// files and rewritten whole (never half): every record up to `delivered` (sequence number
// `seq`, its place `next` being the record after it), and the ranges of later records that
// were delivered ahead of the rest (live records sent while a backlog was still being caught
// up). Everything else after `next` is still to be sent.
struct DeliveryState {
    RecordPlace next; // the record after the last one of the delivered run
    qint64 seq = 0;   // the sequence number of that last record (0: none yet)
    struct Range {
        qint64 first = 0, last = 0;
        bool operator==(const Range&) const = default;
    };
    QList<Range> ahead; // sorted, apart, all after `seq + 1`
    int channels = 0;   // the meter's channel count, as "meta" last said it
    QByteArray meta;    // the last "meta" payload

    bool operator==(const DeliveryState&) const = default;

    // Marks `seq` delivered; true when the delivered run grew (the caller moves `next`).
    // Returns through `grown` how many records the run grew by.
    void markDelivered(qint64 number, qint64* grown);
    bool isDelivered(qint64 number) const;
    // Records after the run that were delivered ahead.
    qint64 aheadCount() const;
};

// Reads the state file; false when it is not there or does not parse (a fresh start).
bool LoadDeliveryState(const QString& path, DeliveryState* state);
bool WriteDeliveryState(const QString& path, const DeliveryState& state, QString* error = nullptr);
