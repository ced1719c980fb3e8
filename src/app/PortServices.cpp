#include "app/PortServices.h"

#include "comm/SerialPorts.h"

QStringList OfferedPortNames() {
    QStringList names;
    for (int n = 1; n <= 16; ++n)
        names << QStringLiteral("COM%1").arg(n);
    for (const QString& device : AvailableSerialPorts())
        if (!names.contains(device))
            names << device;
    names << QStringLiteral("DEMO");
    return names;
}

PortTester DefaultPortTester() {
    return [](const QString& portName, const QString& lineSettings) {
        return TestProgramPort(portName, lineSettings);
    };
}
