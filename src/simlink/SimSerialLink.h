#pragma once

#include "comm/SerialLink.h"

#include <QString>
#include <memory>

class Clock;
class SimBus;

// The built-in simulated bus, port name "DEMO": the recorder simulator running in-process.
// Written bytes travel to the simulated meters after the wire time of the line settings' baud
// rate; each reply comes back through Clock::callAfter, piece by piece as it would cross the
// line, after a short slave turnaround (and as the bus's faults say: split, delayed, never).
// Runs on VirtualClock (tests) and SystemClock (the programs) alike.
//
// "DEMO" is the default bus: meters 1:12:1.20, 2:6:1.16 and 3:4:1.10
// (address:channels:firmware). "DEMO:1:12:1.20,3:6:1.16" is a bus of the listed meters.
class SimSerialLink final : public SerialLink {
    Q_OBJECT
public:
    explicit SimSerialLink(Clock& clock, QObject* parent = nullptr);
    ~SimSerialLink() override;

    // True for "DEMO" and "DEMO:..." (any letter case).
    static bool isSimPortName(const QString& portName);

    // Fails (errorString() says why) on a name that is not a simulated bus, a meter list that
    // does not parse, or line settings that do not. The bus lives as long as the link: meters
    // that it already holds with the same address, channel count and firmware keep their
    // contents across close and open, and the faults set on it stay, so a test can prepare
    // the bus before the engine opens the port.
    bool open(const QString& portName, const QString& lineSettings) override;
    void close() override;
    bool isOpen() const override;
    QString errorString() const override;

    void setReceiveThreshold(int bytes) override;
    int bytesWaiting() const override;
    QByteArray readAll() override;
    void discardInput() override;
    bool write(const QByteArray& bytes) override;
    void setRts(bool on) override;

    // The meters and the fault plan behind the link; exists from construction, holding the
    // default meters until open() names others.
    SimBus& bus();
    const SimBus& bus() const;

    // Time from the last request byte to the first reply byte (default 3 ms).
    void setTurnaroundMs(int ms);
    int turnaroundMs() const;
    // Replies still on their way when the port closes come after it opens again, as through
    // a device server that keeps them for the next connection (off: they are dropped).
    void setKeepsReplies(bool keep);

    // Ends the link as an unplugged adapter would: closes it, then emits linkLost(reason).
    void simulateLinkLoss(const QString& reason);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
