#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

// Writes the publisher's small files (delivery states, record numbers) whole, on a thread of
// its own: a disk that takes its time over each write (an SD card, eMMC) delays them, never a
// save or a message. A file handed over again before it was written is written once, with
// the latest bytes. What went wrong, and what was written again after that, is collected for
// the event loop to say.
class StateWriter {
public:
    StateWriter();
    ~StateWriter(); // writes what waits, then ends the thread
    StateWriter(const StateWriter&) = delete;
    StateWriter& operator=(const StateWriter&) = delete;

    void write(const QString& path, const QByteArray& bytes);
    // Waits until everything handed over is written.
    void flush();

    struct Outcome {
        QString path;
        QString error; // empty: written again after a failure
    };
    // The failures, and the recoveries from them, since the last call.
    QList<Outcome> takeOutcomes();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<QString, QByteArray> m_waiting;
    QStringList m_order; // first handed over, first written
    std::set<QString> m_failing;
    QList<Outcome> m_outcomes;
    bool m_busy = false;
    bool m_quit = false;
    std::thread m_thread;
};
