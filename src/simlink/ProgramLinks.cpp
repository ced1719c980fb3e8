#include "simlink/ProgramLinks.h"

#include "comm/LinkFactory.h"
#include "comm/SerialPorts.h"
#include "core/Clock.h"
#include "simlink/SimSerialLink.h"

std::unique_ptr<SerialLink> CreateProgramLink(const QString& portName, Clock& clock,
                                              QObject* parent) {
    if (SimSerialLink::isSimPortName(portName))
        return std::make_unique<SimSerialLink>(clock, parent);
    return CreateSerialLink(portName, clock, parent);
}

QString TestProgramPort(const QString& portName, const QString& lineSettings) {
    SystemClock clock;
    const std::unique_ptr<SerialLink> link = CreateProgramLink(portName, clock);
    return TestLink(*link, portName, lineSettings);
}
