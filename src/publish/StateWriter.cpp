#include "publish/StateWriter.h"

#include "core/FileWrite.h"

StateWriter::StateWriter()
    : m_thread([this] { run(); }) {}

StateWriter::~StateWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void StateWriter::write(const QString& path, const QByteArray& bytes) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_waiting.insert_or_assign(path, bytes).second)
            m_order << path;
    }
    m_wake.notify_all();
}

void StateWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_waiting.empty() && !m_busy; });
}

QList<StateWriter::Outcome> StateWriter::takeOutcomes() {
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_outcomes, {});
}

void StateWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || !m_waiting.empty(); });
        if (m_waiting.empty()) // quitting, and nothing waits
            return;
        const QString path = m_order.takeFirst();
        const QByteArray bytes = m_waiting.extract(path).mapped();
        m_busy = true;
        lock.unlock();
        QString error;
        const bool ok = WriteFileWhole(path, bytes, &error);
        lock.lock();
        m_busy = false;
        if (!ok && m_failing.insert(path).second)
            m_outcomes.append({path, error.isEmpty() ? QStringLiteral("write failed") : error});
        else if (ok && m_failing.erase(path) > 0)
            m_outcomes.append({path, QString()});
        if (m_waiting.empty())
            m_idle.notify_all();
    }
}
