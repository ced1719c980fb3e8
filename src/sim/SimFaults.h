#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <random>

// What can go wrong with a reply. A rule picks requests (by meter, function and start
// register), then fires on some of them: every n-th after a number let through, at most a
// number of times, or at random with a rate from the plan's seed. Deterministic unless a
// rate is given, and even then repeatable for a given seed.
enum class SimFaultKind {
    NoReply,      // the meter stays silent
    Delay,        // the reply starts `ms` later (and holds the replies after it back)
    Split,        // the reply comes in two parts: `bytes` first (-1 = half), then after `ms`
    JunkBefore,   // `bytes` random bytes ahead of the reply
    JunkAfter,    // `bytes` random bytes after it
    FlipBit,      // bit `bit` of byte `bytes` (-1 = the middle byte) flipped, after the CRC
    Exception,    // an exception reply with code `code` instead of the answer
    WrongAddress, // the reply carries slave address `code` (0 = the meter's address + 1)
    ShortReply,   // a well-formed read reply with `code` registers fewer than asked
    Truncate,     // the last `bytes` bytes of the reply never come
};

struct SimFaultRule {
    SimFaultKind kind = SimFaultKind::NoReply;
    // Which requests: 0 matches any.
    int meter = 0;
    int function = 0;
    int firstRegister = 0; // start register of the request, from..
    int lastRegister = 0;  // ..to (0: only firstRegister, or any when both are 0)
    // When it fires, counting the requests it matches from 1.
    int skip = 0;    // let this many through first
    int every = 1;   // then fire on every n-th
    int times = 0;   // at most this often (0: no limit)
    double rate = 0; // > 0: fire at random with this probability instead of every n-th
    // What it does (see SimFaultKind).
    int ms = 0;
    int bytes = 0;
    int bit = 0;
    int code = 0;

    static SimFaultRule noReply();
    static SimFaultRule delay(int ms);
    static SimFaultRule split(int firstPartBytes = -1, int pauseMs = 50);
    static SimFaultRule junkBefore(int bytes = 3);
    static SimFaultRule junkAfter(int bytes = 3);
    static SimFaultRule flipBit(int byteIndex = -1, int bit = 0);
    static SimFaultRule exception(int code = 4);
    static SimFaultRule wrongAddress(int address = 0);
    static SimFaultRule shortReply(int registersFewer = 1);
    static SimFaultRule truncate(int bytes = 1);

    SimFaultRule& forMeter(int address);
    SimFaultRule& forFunction(int function);
    SimFaultRule& forRegisters(int first, int last = 0);
    SimFaultRule& skipping(int count);
    SimFaultRule& everyNth(int n);
    SimFaultRule& atMost(int count);
    SimFaultRule& atRandom(double probability);

    // The command-line form: KIND[:ARG[:ARG]][,meter=A][,fn=F][,reg=R|R-R][,skip=N]
    // [,every=N][,times=N][,rate=P]. See SimFaultPlan::syntaxHelp().
    static std::optional<SimFaultRule> parse(const QString& text, QString* error = nullptr);
    QString toString() const;
};

// The rules in force on a bus, with their counters and the random generator behind junk
// bytes and random rules.
class SimFaultPlan {
public:
    void add(const SimFaultRule& rule);
    void clear();
    bool isEmpty() const { return m_rules.isEmpty(); }
    QList<SimFaultRule> rules() const;
    // Restarts the counters and the random generator.
    void setSeed(quint32 seed);
    quint32 seed() const { return m_seed; }

    // The rules that fire on this request, in the order they were added; counts the request
    // against every rule that matches it.
    QList<SimFaultRule> firing(int address, int function, int startRegister);
    // Junk: bytes from the plan's generator.
    QByteArray randomBytes(int count);

    static QString syntaxHelp();

private:
    struct Entry {
        SimFaultRule rule;
        int seen = 0;
        int fired = 0;
    };
    QList<Entry> m_rules;
    quint32 m_seed = 1;
    std::mt19937 m_random{1};
};
