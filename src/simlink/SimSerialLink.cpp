#include "simlink/SimSerialLink.h"

#include "comm/ReceiveBuffer.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "sim/SimLine.h"
#include "sim/SimPort.h"

#include <QPointer>

namespace {
const QString kPrefix = QStringLiteral("DEMO");
}

struct SimSerialLink::Private {
    explicit Private(Clock& c)
        : clock(c)
        , bus(c) {
        bus.setMeters(SimMeterConfig::demoBus());
    }

    Clock& clock;
    SimBus bus;
    std::unique_ptr<SimPort> port;
    std::unique_ptr<SimPort> closedPort; // replies still on their way from before the close
    bool keepsReplies = false;
    bool open = false;
    QString error;
    ReceiveBuffer input;
    int turnaroundMs = 3;
};

SimSerialLink::SimSerialLink(Clock& clock, QObject* parent)
    : SerialLink(parent)
    , d(std::make_unique<Private>(clock)) {}

SimSerialLink::~SimSerialLink() = default;

bool SimSerialLink::isSimPortName(const QString& portName) {
    return portName.compare(kPrefix, Qt::CaseInsensitive) == 0 ||
           portName.startsWith(kPrefix + QLatin1Char(':'), Qt::CaseInsensitive);
}

bool SimSerialLink::open(const QString& portName, const QString& lineSettings) {
    if (d->open) {
        d->error = QStringLiteral("The simulated bus is already open.");
        return false;
    }
    if (!isSimPortName(portName)) {
        d->error =
            QStringLiteral("\"%1\" is not a simulated bus (DEMO or DEMO:meters).").arg(portName);
        return false;
    }
    QList<SimMeterConfig> meters = SimMeterConfig::demoBus();
    if (portName.size() > kPrefix.size()) {
        QString why;
        const auto list = SimMeterConfig::parseList(portName.mid(kPrefix.size() + 1), &why);
        if (!list) {
            d->error = QStringLiteral("Simulated bus \"%1\": %2.").arg(portName, why);
            return false;
        }
        meters = *list;
    }
    QString why;
    const auto line = SimLine::parse(lineSettings, &why);
    if (!line) {
        d->error = QStringLiteral("Simulated bus: %1.").arg(why);
        return false;
    }
    d->bus.setMeters(meters);

    d->closedPort = std::move(d->port);
    d->port = std::make_unique<SimPort>(d->bus, d->clock, [this](const QByteArray& bytes) {
        if (!d->open)
            return;
        d->input.append(bytes);
        if (d->input.takeNotification())
            Q_EMIT receiveThresholdReached();
    });
    d->port->setLine(*line);
    d->port->setTurnaroundMs(d->turnaroundMs);
    d->port->setGapMs(1);
    d->port->setLateBytesAllowed(true); // the engine waits for the reply's length anyway
    d->input = ReceiveBuffer{};
    d->error.clear();
    d->open = true;
    return true;
}

void SimSerialLink::close() {
    d->open = false;
    d->closedPort.reset();
    if (!d->keepsReplies)
        d->port.reset(); // replies still on their way are dropped with it
    d->input.clear();
}

bool SimSerialLink::isOpen() const {
    return d->open;
}

QString SimSerialLink::errorString() const {
    return d->error;
}

void SimSerialLink::setReceiveThreshold(int bytes) {
    d->input.setThreshold(bytes);
    if (bytes <= 0 || d->input.size() < bytes)
        return;
    // Enough bytes already wait: notify from the clock, not from inside the caller.
    QPointer<SimSerialLink> self(this);
    d->clock.callAfter(0, [self] {
        if (self && self->d->open && self->d->input.takeNotification())
            Q_EMIT self->receiveThresholdReached();
    });
}

int SimSerialLink::bytesWaiting() const {
    return static_cast<int>(d->input.size());
}

QByteArray SimSerialLink::readAll() {
    return d->input.takeAll();
}

void SimSerialLink::discardInput() {
    d->input.clear();
}

bool SimSerialLink::write(const QByteArray& bytes) {
    if (!d->open)
        return false;
    d->port->receive(bytes);
    return true;
}

void SimSerialLink::setRts(bool on) {
    Q_UNUSED(on); // the simulated line needs no direction control
}

SimBus& SimSerialLink::bus() {
    return d->bus;
}

const SimBus& SimSerialLink::bus() const {
    return d->bus;
}

void SimSerialLink::setTurnaroundMs(int ms) {
    d->turnaroundMs = std::max(0, ms);
    if (d->port)
        d->port->setTurnaroundMs(d->turnaroundMs);
}

int SimSerialLink::turnaroundMs() const {
    return d->turnaroundMs;
}

void SimSerialLink::setKeepsReplies(bool keep) {
    d->keepsReplies = keep;
}

void SimSerialLink::simulateLinkLoss(const QString& reason) {
    if (!d->open)
        return;
    close();
    d->error = reason;
    Q_EMIT linkLost(reason);
}
