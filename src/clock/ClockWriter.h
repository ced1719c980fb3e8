#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class CommEngine;

// Sends clock and reserve write frames to the selected meter through the engine, one at a
// time: a frame goes into gClockFrame and request 601 is posted only once the write before it
// has ended, so an edit made while another write is still on its way is queued, never lost,
// and a repeat of an unanswered write always repeats its own frame. A newer frame for the
// same registers replaces one still waiting. The engine reads the settings again after each
// write; the last write's read shows what the meter now holds.
class ClockWriter : public QObject {
    Q_OBJECT
public:
    explicit ClockWriter(CommEngine& engine, QObject* parent = nullptr);

    // Queues a complete write frame. False when the engine cannot take writes now (the port is
    // closed or still scanning), or when the frame is no write frame with its CRC.
    bool write(const QByteArray& frame);
    // Drops the writes still waiting, each reported not taken. A write already on its way
    // ends as the engine ends it (answered, given up, or cut off by a cancel of the engine).
    void cancel();
    // A write is on its way or waiting.
    bool isBusy() const { return m_inFlight || !m_waiting.isEmpty(); }
    int waitingCount() const { return int(m_waiting.size()); }

Q_SIGNALS:
    // One write ended: the meter answered it (taken), or it was given up after three failures
    // or dropped with the port (not taken).
    void written(const QByteArray& frame, bool taken);
    // The last write ended and nothing waits.
    void finished();

private:
    bool send(const QByteArray& frame);
    void onWriteDone(bool taken);
    void onPortOpenChanged(bool open);

    CommEngine& m_engine;
    QList<QByteArray> m_waiting;
    QByteArray m_current;
    bool m_inFlight = false;
};
