#include "app/PortServices.h"

#include "comm/SerialPorts.h"

QStringList OfferedPortNames() {
    // Only the ports this computer has (and the demo bus): any other name, a COMn, a device
    // path or tcp://host:port, is typed into the box.
    QStringList names = AvailableSerialPorts();
    names.removeDuplicates();
    names << QStringLiteral("DEMO");
    return names;
}

PortTester DefaultPortTester() {
    return [](const QString& portName, const QString& lineSettings) {
        return TestProgramPort(portName, lineSettings);
    };
}
