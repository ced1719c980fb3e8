#pragma once

#include "simlink/ProgramLinks.h" // CreateProgramLink(), the links the program offers

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Tries to open a port by name with the line settings ("38400,N,8,1") and closes it at once:
// an empty text when it opened, else the platform's description of why not. Never touches
// the port the engine uses.
using PortTester = std::function<QString(const QString& portName, const QString& lineSettings)>;

// The ports the port dialog offers: "COM1".."COM16" as they have always been listed, then the
// serial devices this machine has, then the built-in "DEMO" bus.
QStringList OfferedPortNames();

// The program's own port test.
PortTester DefaultPortTester();
