#pragma once

#include <QByteArray>
#include <utility>

// The receive side every link shares: bytes collect here as the device delivers them, in
// whatever pieces, and one notification is due once at least the threshold number of bytes
// wait. Setting the threshold, taking the bytes and discarding them arm it again. A threshold
// of 0 raises no notification.
class ReceiveBuffer {
public:
    void append(const QByteArray& bytes) { m_bytes.append(bytes); }
    void setThreshold(int bytes) {
        m_threshold = bytes;
        m_armed = true;
    }
    int threshold() const { return m_threshold; }
    int size() const { return int(m_bytes.size()); }

    QByteArray takeAll() {
        m_armed = true;
        return std::exchange(m_bytes, {});
    }
    void clear() {
        m_armed = true;
        m_bytes.clear();
    }

    // True exactly once per arming, when the threshold is reached; the caller then notifies.
    bool takeNotification() {
        if (!m_armed || m_threshold <= 0 || m_bytes.size() < m_threshold)
            return false;
        m_armed = false;
        return true;
    }

private:
    QByteArray m_bytes;
    int m_threshold = 0;
    bool m_armed = true;
};
