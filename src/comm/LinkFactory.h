#pragma once

#include <QString>
#include <memory>

class Clock;
class QObject;
class SerialLink;

// The link that serves a port name: "tcp://host:port" RTU frames over TCP, anything else a
// serial port ("COMn" or a device path). The link is created closed; open() takes the name
// again. (The programs' built-in simulated bus, "DEMO", lies above the engine: see
// simlink/ProgramLinks.h.)
// `clock` is the engine's, for a link that times its bytes on it.
std::unique_ptr<SerialLink> CreateSerialLink(const QString& portName, Clock& clock,
                                             QObject* parent = nullptr);

// Opens the link and, when it connects in the background, runs the event loop until it is
// open or has failed, at most `timeoutMs`. False when it is not open; errorString() says why.
bool OpenLinkAndWait(SerialLink& link, const QString& portName, const QString& lineSettings,
                     int timeoutMs);
