#pragma once

// The engine on a virtual clock against the simulated bus, with a record of every request it
// sent. Shared by the engine tests.

#include "comm/CommEngine.h"
#include "comm/MeterList.h"
#include "core/Clock.h"
#include "sim/SimBus.h"
#include "simlink/SimSerialLink.h"

#include <QList>
#include <QStringList>

struct SentRequest {
    int code;
    int meter;
    int slave;
    qint64 atMs;
    QByteArray frame;
    qint64 atUs;

    int startRegister() const { return quint8(frame[2]) * 256 + quint8(frame[3]); }
    int count() const { return quint8(frame[4]) * 256 + quint8(frame[5]); }
};

class EngineHarness {
public:
    // `bus` is the simulated port name ("DEMO", "DEMO:1:12:1.20,3:6:1.16"); `addresses` the
    // meter list's marked addresses.
    explicit EngineHarness(const QString& bus = QStringLiteral("DEMO"),
                           const QList<int>& addresses = {1, 2, 3}) {
        QStringList marks;
        for (int a : addresses) {
            while (marks.size() < a)
                marks << QString();
            marks[a - 1] = QStringLiteral("O");
        }
        BuildMeterTables(marks, engine.state(), engine.tables());
        PortSettings port;
        port.portName = bus;
        engine.setPortSettings(port);
        engine.setLink(&link);
        QObject::connect(&engine, &CommEngine::requestSent, [this](int code, int meter) {
            const QByteArray& f = engine.state().gTxFrame;
            sent.append({code, meter, quint8(f[0]), clock.nowMs(), f, clock.nowUs()});
        });
        QObject::connect(&engine, &CommEngine::statusText, [this](int panel, const QString& t) {
            if (panel == 4)
                panel4 << t;
        });
    }

    SimBus& bus() { return link.bus(); }
    CommState& state() { return engine.state(); }
    DeviceTables& tables() { return engine.tables(); }

    bool runUntil(const std::function<bool()>& done, qint64 maxMs = 120000) {
        return clock.runUntil(done, maxMs);
    }
    // Opens the port and runs the scan, the channel scan and the settings read.
    bool openAndSettle() {
        return engine.openPort() && runUntil([this] { return firstOf(11) >= 0; });
    }
    // Index in `sent` of the first request with this code from `from` on, -1 if none.
    int firstOf(int code, int from = 0) const {
        for (int i = from; i < sent.size(); ++i)
            if (sent[i].code == code)
                return int(i);
        return -1;
    }
    // "code@slave" of the requests from `from` on, `count` of them (all when -1).
    QString trace(int from = 0, int count = -1) const {
        QStringList out;
        for (int i = from; i < sent.size() && (count < 0 || out.size() < count); ++i)
            out << QStringLiteral("%1@%2").arg(sent[i].code).arg(sent[i].slave);
        return out.join(u' ');
    }
    // "11@1 12@1" style expectations with runs: "901-904@3" and repeats: "99@2*3".
    static QString expand(const QString& pattern) {
        QStringList out;
        for (const QString& item : pattern.split(u' ', Qt::SkipEmptyParts)) {
            const QString codes = item.section(u'@', 0, 0);
            QString slave = item.section(u'@', 1);
            int times = 1;
            if (slave.contains(u'*')) {
                times = slave.section(u'*', 1).toInt();
                slave = slave.section(u'*', 0, 0);
            }
            const int first = codes.section(u'-', 0, 0).toInt();
            const int last = codes.contains(u'-') ? codes.section(u'-', 1).toInt() : first;
            for (int c = first; c <= last; ++c)
                for (int t = 0; t < times; ++t)
                    out << QStringLiteral("%1@%2").arg(c).arg(slave);
        }
        return out.join(u' ');
    }
    // Fault rules in their command-line form, separated by ';'. False on a rule that does
    // not parse.
    bool addFaults(const QString& rules) {
        for (const QString& text : rules.split(u';', Qt::SkipEmptyParts)) {
            const auto rule = SimFaultRule::parse(text);
            if (!rule)
                return false;
            bus().faults().add(*rule);
        }
        return true;
    }
    int counter(int meter, int column) const {
        return int(engine.tables().sprdCommState.integer(column, meter + 1));
    }

    VirtualClock clock;
    SimSerialLink link{clock};
    CommEngine engine{clock};
    QList<SentRequest> sent;
    QStringList panel4;
};
