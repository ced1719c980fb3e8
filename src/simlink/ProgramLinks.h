#pragma once

#include <QString>
#include <memory>

class Clock;
class QObject;
class SerialLink;

// The links the programs offer: "DEMO" or "DEMO:..." (any letter case) the built-in simulated
// bus, every other name what CreateSerialLink() makes of it (a serial port or tcp://host:port).
// The link is created closed; open() takes the name again.
std::unique_ptr<SerialLink> CreateProgramLink(const QString& portName, Clock& clock,
                                              QObject* parent = nullptr);

// Opens the named port with the program link that serves it and closes it at once: an empty
// text when it opened, else why not (see TestLink()).
QString TestProgramPort(const QString& portName,
                        const QString& lineSettings = QStringLiteral("38400,N,8,1"));
