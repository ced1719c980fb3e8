#pragma once

#include "sim/SimFaults.h"
#include "sim/SimLine.h"
#include "sim/SimMeterConfig.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of td700-sim.
struct SimOptions {
    struct Dump {
        int address = 1;
        int first = 30001;
        int count = 1;
    };

    QList<SimMeterConfig> meters; // default: the DEMO bus
    bool pty = false;             // a pseudo-terminal, also when neither --pty nor --tcp is given
    QString ptyLink;
    QString tcp; // HOST:PORT
    SimLine line;
    int turnaroundMs = 3;
    bool echo = false;        // the line echoes every request
    bool keepReplies = false; // TCP: replies of a client gone go to the next one
    QList<SimFaultRule> faults;
    quint32 seed = 1;
    bool freeze = false;
    QDateTime clock; // invalid: the PC's clock
    QList<Dump> dumps;
    bool verbose = false;
    bool help = false;
    bool version = false;

    // `arguments` as QCoreApplication::arguments() gives them (program name first).
    static std::optional<SimOptions> parse(const QStringList& arguments, QString* error);
    static QString helpText();
};
