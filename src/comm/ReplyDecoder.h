#pragma once

#include <QByteArray>

struct CommState;
struct DeviceTables;

// Writes the data of a good read reply as text into the device tables, by the request code
// that asked for it (address, function, byte count, then the data). It never reads past the
// bytes it is given: registers beyond the end of a short frame are left alone.
void DecodeReply(CommState& state, DeviceTables& tables, int command, const QByteArray& frame);

// The firmware version text of two bytes: "1.16" for 1 and 16.
QString VersionText(quint8 major, quint8 minor);
// The numeric value of a version text; text that does not parse counts as 0.
double VersionNumber(const QString& text);
