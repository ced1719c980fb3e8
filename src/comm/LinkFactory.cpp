#include "comm/LinkFactory.h"

#include "comm/QtSerialLink.h"
#include "comm/SimSerialLink.h"
#include "comm/TcpRtuLink.h"

std::unique_ptr<SerialLink> CreateSerialLink(const QString& portName, Clock& clock,
                                             QObject* parent) {
    if (SimSerialLink::isSimPortName(portName))
        return std::make_unique<SimSerialLink>(clock, parent);
    if (TcpRtuLink::isTcpName(portName))
        return std::make_unique<TcpRtuLink>(parent);
    return std::make_unique<QtSerialLink>(parent);
}
