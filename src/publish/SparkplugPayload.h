#pragma once

#include "publish/PublishFormat.h"
#include "publish/RecordPayload.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The Sparkplug B messages of the edge node and of its devices (one per meter), encoded with
// protobuf. A meter's metrics, the same in its birth and in every record:
//   CHnn/Value          Double, to the channel's decimals; null where the value is not valid
//   CHnn/State          Int32, the recorder's channel state (0 valid); null for channels 6
//                       and 12, whose state a record does not keep
//   CHnn/Alarm/1..4     Boolean
//   DI/01..06, Relay/01..16   Boolean
//   Record              UInt64, the record's number in the meter's data files
// and in the birth alone the channel's unit and range as properties (engUnit, engLow, engHigh)
// with its name as the description, and Properties/Model, Channels, Firmware, Address.
namespace Sparkplug {

// spBv1.0/GROUP/TYPE/NODE[/DEVICE]
QString Topic(const QString& group, const char* type, const QString& node,
              const QString& device = {});
// M01 ... M247: the meter's slave address.
QString DeviceId(int address);

struct NodeInfo {
    quint64 bdSeq = 0;
    QString version;
    QString port;
    int meters = 0;
    qint64 waiting = 0;
};
QByteArray NodeBirth(const NodeInfo& node, qint64 nowMs);
// Without a sequence number, as it waits at the broker to be sent on the node's behalf.
QByteArray NodeDeath(quint64 bdSeq, qint64 nowMs);
// The records waiting, when their count changed.
QByteArray NodeData(qint64 waiting, qint64 nowMs, quint64 seq);

// A meter's birth: every metric with its type and current value (from its newest record; null
// without one), the channels' units, ranges and names.
QByteArray DeviceBirth(const MeterDescription& meter, const NewestRecord* newest, qint64 nowMs,
                       quint64 seq);
// One record: stamped with the record's own time (UTC milliseconds), every metric flagged
// historical when it is sent late.
QByteArray DeviceData(const RecordToSend& record, qint64 stampMs, quint64 seq);
QByteArray DeviceDeath(qint64 nowMs, quint64 seq);

// Whether an NCMD asks the node for its births again ("Node Control/Rebirth" true).
bool AsksForRebirth(const QByteArray& payload);
// The bdSeq of a node's birth; nothing for a payload that is not one.
std::optional<quint64> BirthSequence(const QByteArray& payload);

} // namespace Sparkplug
