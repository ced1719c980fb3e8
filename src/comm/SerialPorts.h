#pragma once

#include <QString>
#include <QStringList>

// The serial devices this machine has, as names the links open ("COM3" on Windows,
// "/dev/ttyUSB0" elsewhere), in the system's order.
QStringList AvailableSerialPorts();

// Opens the named port with the link that serves it and closes it at once: an empty text
// when it opened, else the platform's description of why not. Used by the port dialog; it
// never touches the port the engine holds.
QString TestPort(const QString& portName,
                 const QString& lineSettings = QStringLiteral("38400,N,8,1"));
