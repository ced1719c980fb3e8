#pragma once

#include "comm/ByteConversions.h"
#include "comm/ReceiveBuffer.h"
#include "comm/SerialLink.h"
#include "core/Clock.h"

#include <QByteArrayList>
#include <QStringList>
#include <functional>
#include <memory>

// A scripted serial line for tests. It records every call in order (calls()), keeps what
// was written, and delivers incoming bytes with the same receive-threshold rule as the real
// links: one receiveThresholdReached() once at least the threshold number of bytes wait,
// armed again by setReceiveThreshold(), readAll() and discardInput().
//
// Replies can be scripted per request: `responder` returns the pieces the far end sends back
// for a written frame. With a clock set, each piece arrives `replyDelayMs` (then
// `pieceGapMs` apart) later through Clock::callAfter; without one, pieces wait in pending()
// until deliverPending().
class FakeSerialLink : public SerialLink {
public:
    using SerialLink::SerialLink;

    // --- script ---
    bool openSucceeds = true;
    QString openError = QStringLiteral("The port is busy.");
    std::function<QByteArrayList(const QByteArray& written)> responder;
    Clock* clock = nullptr;
    int replyDelayMs = 5;
    int pieceGapMs = 1;

    // --- record ---
    // "open NAME SETTINGS", "close", "threshold N", "discard", "readAll",
    // "write 01 03 75 31", "rts on", "rts off".
    QStringList calls;
    QByteArrayList writes;
    bool rts = false;
    QString portName, lineSettings;

    // --- far end ---
    void feed(const QByteArray& bytes) {
        if (!m_open)
            return;
        m_input.append(bytes);
        if (m_input.takeNotification())
            Q_EMIT receiveThresholdReached();
    }
    QByteArrayList& pending() { return m_pending; }
    void deliverPending() {
        const QByteArrayList pieces = std::exchange(m_pending, {});
        for (const QByteArray& piece : pieces)
            feed(piece);
    }
    // The adapter goes away: closed first, then linkLost as the real links report it.
    void loseLink(const QString& reason) {
        m_open = false;
        Q_EMIT linkLost(reason);
    }
    QByteArray allWritten() const { return writes.join(); }

    // --- SerialLink ---
    bool open(const QString& name, const QString& settings) override {
        calls << QStringLiteral("open %1 %2").arg(name, settings);
        portName = name;
        lineSettings = settings;
        m_open = openSucceeds;
        m_input = ReceiveBuffer{};
        return m_open;
    }
    void close() override {
        calls << QStringLiteral("close");
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    QString errorString() const override { return m_open ? QString() : openError; }
    void setReceiveThreshold(int bytes) override {
        calls << QStringLiteral("threshold %1").arg(bytes);
        m_input.setThreshold(bytes);
    }
    int bytesWaiting() const override { return m_input.size(); }
    QByteArray readAll() override {
        calls << QStringLiteral("readAll");
        return m_input.takeAll();
    }
    void discardInput() override {
        calls << QStringLiteral("discard");
        m_input.clear();
    }
    bool write(const QByteArray& bytes) override {
        if (!m_open)
            return false;
        calls << QStringLiteral("write ") + ToHexText(bytes);
        writes << bytes;
        if (responder)
            schedule(responder(bytes));
        return true;
    }
    void setRts(bool on) override {
        calls << (on ? QStringLiteral("rts on") : QStringLiteral("rts off"));
        rts = on;
    }

private:
    void schedule(const QByteArrayList& pieces) {
        if (!clock) {
            m_pending << pieces;
            return;
        }
        int at = replyDelayMs;
        for (const QByteArray& piece : pieces) {
            clock->callAfter(at, [this, alive = std::weak_ptr<bool>(m_alive), piece] {
                if (!alive.expired())
                    feed(piece);
            });
            at += pieceGapMs;
        }
    }

    bool m_open = false;
    ReceiveBuffer m_input;
    QByteArrayList m_pending;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true); // for callbacks that outlive us
};
