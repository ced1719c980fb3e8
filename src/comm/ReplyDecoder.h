#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct CommState;
struct DeviceTables;

// Writes the data of a good read reply as text into the device tables, by the request code
// that asked for it. `frame` is the reply as received: address, function, byte count, the
// data, and the two CRC bytes, which are never read as data. The data length is taken from
// the frame itself, not from its byte count: a value is written only when the frame holds
// all of its registers, so a short frame leaves the cells of its missing registers alone.
void DecodeReply(CommState& state, DeviceTables& tables, int command, const QByteArray& frame);
// A channel block the meter addressed (gCurMeter) took in a download, from the block's first
// register: the tables then hold it as a read of the meter's settings would.
void DecodeWrittenChannel(const CommState& state, DeviceTables& tables, int channel,
                          const QVector<quint16>& registers);

// The firmware version text of two bytes: "1.16" for 1 and 16.
QString VersionText(quint8 major, quint8 minor);
// The numeric value of a version text; text that does not parse counts as 0.
double VersionNumber(const QString& text);
