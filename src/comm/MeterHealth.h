#pragma once

#include <QVector>

// What the engine knows of each meter's recent answers: whether it answers, how many
// monitoring cycles in a row it failed, and, with dead-meter back-off, how many cycles it
// still waits before it is asked again. Indexes are meter indexes; one outside the list is
// ignored.
class MeterHealth {
public:
    // The widest interval a back-off may reach, in cycles.
    static constexpr int MaxBackoffCycles = 1024;

    // Every meter unknown again: not answering, not backed off.
    void reset(int meters);
    // 0 switches back-off off: every online meter is asked in every cycle. A limit L >= 2
    // asks a meter that failed k cycles in a row only every min(2^k, L) cycles.
    void setBackoffLimit(int cycles);
    int backoffLimit() const { return m_limit; }

    // A good frame from the meter. True when it had been lost: it answers again.
    bool noteAnswer(int meter);
    // A request to the meter failed three times in a row. True when it had been answering:
    // it is lost now.
    bool noteFailure(int meter);
    bool isAnswering(int meter) const;

    // The monitoring cycle read the meter's present values, or passed it over.
    void visitAnswered(int meter);
    void visitFailed(int meter);
    // Whether the cycle passes the meter over this time; each call is one cycle of its wait.
    bool skipThisCycle(int meter);
    // The meter's current interval in cycles; 0 while it is not backed off.
    int backoffCycles(int meter) const;
    // Cycles left until it is asked again.
    int cyclesUntilAsked(int meter) const;

private:
    struct Meter {
        bool answering = false;
        bool lost = false;
        int failedCycles = 0;
        int skipLeft = 0;
    };
    Meter* at(int meter);
    const Meter* at(int meter) const;
    int intervalOf(const Meter& m) const;

    QVector<Meter> m_meters;
    int m_limit = 0;
};
