#pragma once

#include <QString>

// A request the engine gave up after failing several times in a row to one meter, and how it
// failed: what a window or td700 tells the user when a meter falls silent, answers with
// damaged frames or refuses a request.
struct FailedRequest {
    int code = 0;          // the request code given up
    int meter = -1;        // meter index
    int address = 0;       // its slave address
    int timeouts = 0;      // no reply, or one cut short
    int damaged = 0;       // a bad CRC, another slave's frame, a frame that is no reply to it
    int refused = 0;       // exception replies
    int exceptionCode = 0; // the code of the last refusal

    int failures() const { return timeouts + damaged + refused; }
    // Every failure was a refusal: the meter answers, it does not take the request.
    bool isRefusal() const { return refused > 0 && refused == failures(); }
    // "does not answer (3 time-outs in a row on its settings)", "refused the clock write
    // (exception 4: slave device failure)": what the meter did, to follow its name.
    QString predicate() const;
    // "Meter 1 does not answer (3 time-outs in a row on its settings)".
    QString sentence() const;
};

// The failures of the request outstanding since the last good reply, counted by kind.
class FailureCount {
public:
    void noteTimeout() { ++m_current.timeouts; }
    void noteDamaged() { ++m_current.damaged; }
    void noteRefused(int exceptionCode) {
        ++m_current.refused;
        m_current.exceptionCode = exceptionCode;
    }
    void reset() { m_current = FailedRequest(); }
    // The request is given up: its record, and the count starts again.
    FailedRequest giveUp(int code, int meter, int address);

private:
    FailedRequest m_current;
};

// "exception 4: slave device failure" (the Modbus exception codes by their standard names).
QString ExceptionText(int code);
// What a request code reads or writes, as it follows "on" in a sentence: "its settings",
// "the upload", "the download", "the clock write", "its present values", "the scan", "its
// channel descriptions".
QString RequestPurpose(int code);
