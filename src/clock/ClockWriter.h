#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>

class CommEngine;

// Sends the clock windows' frames through the engine, one at a time: the writes of a meter's
// clock and reserved start, and the reads of its clock block, each frame addressed to its own
// meter. A frame goes into gClockFrame and request 601 is posted only once the frame before it
// has ended, so an edit made while another frame is still on its way is queued, never lost,
// and a repeat of an unanswered frame always repeats its own frame. A newer write for the same
// meter and registers replaces one still waiting; a read goes behind everything waiting, so
// that it reads what the writes before it left.
class ClockWriter : public QObject {
    Q_OBJECT
public:
    explicit ClockWriter(CommEngine& engine, QObject* parent = nullptr);

    // Queues a complete frame (a write, function 16, or a read, function 3, with its CRC).
    // False when the engine cannot take it now (the port is closed or still scanning), or when
    // the frame is neither.
    bool write(const QByteArray& frame);
    // Drops the frames still waiting (those to meter `slave`, or all), each reported not taken.
    // A frame already on its way ends as the engine ends it (answered, given up, or cut off by
    // a cancel of the engine).
    void cancel(int slave = -1);
    // A write is on its way or waiting.
    bool isBusy() const { return m_inFlight || !m_waiting.isEmpty(); }
    int waitingCount() const { return int(m_waiting.size()); }

Q_SIGNALS:
    // One frame ended: the meter answered it (taken), or it was given up after three failures
    // or dropped with the port (not taken).
    void written(const QByteArray& frame, bool taken);
    // The last frame ended and nothing waits.
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
