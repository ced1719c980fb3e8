#pragma once

#include <QString>
#include <QStringList>

// The serial devices this machine has, as names the links open ("COM3" on Windows,
// "/dev/ttyUSB0" elsewhere), in the system's order.
QStringList AvailableSerialPorts();

class SerialLink;

// Opens `link` on the named port and closes it at once: an empty text when it opened, else
// the platform's description of why not. Used by the port dialog with a link of its own; it
// never touches the port the engine holds.
QString TestLink(SerialLink& link, const QString& portName, const QString& lineSettings);
