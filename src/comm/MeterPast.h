#pragma once

#include "comm/ChannelDisplay.h"

#include <QObject>
#include <array>

// A record of a meter older than what its monitors show now: one a node sent again from its
// data files after it was cut off from the broker.
struct PastRecord {
    int address = 0;
    qint64 atMs = 0;   // the moment its stamp names, ms since 1970 UTC
    qint64 holdMs = 0; // how long it stood: the meter's save interval (0: not known)
    // NoValue where a channel has no valid value.
    std::array<float, ChannelDisplay::MaxChannels> values{};
};

// Where the records of the meters a monitor reads come from when they arrive after their time.
// Only a remote meter's have one: a meter on the local bus has no past that arrives late.
class MeterPast : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void tell(const PastRecord& record) { Q_EMIT arrived(record); }

Q_SIGNALS:
    void arrived(const PastRecord& record);
};
