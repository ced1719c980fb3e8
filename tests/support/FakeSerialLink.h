#pragma once

#include "comm/ByteConversions.h"
#include "comm/SerialLink.h"

#include <QByteArrayList>
#include <QStringList>

// A serial line that records every call in order and never answers: "open NAME SETTINGS",
// "close", "threshold N", "discard", "readAll", "write 01 03 75 31", "rts on", "rts off".
class FakeSerialLink : public SerialLink {
public:
    bool openSucceeds = true;
    QStringList calls;
    QByteArrayList writes;
    bool rts = false;

    bool open(const QString& name, const QString& settings) override {
        calls << QStringLiteral("open %1 %2").arg(name, settings);
        return m_open = openSucceeds;
    }
    void close() override {
        calls << QStringLiteral("close");
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    QString errorString() const override {
        return m_open ? QString() : QStringLiteral("The port is busy.");
    }
    void setReceiveThreshold(int bytes) override {
        calls << QStringLiteral("threshold %1").arg(bytes);
    }
    int bytesWaiting() const override { return 0; }
    QByteArray readAll() override {
        calls << QStringLiteral("readAll");
        return {};
    }
    void discardInput() override { calls << QStringLiteral("discard"); }
    bool write(const QByteArray& bytes) override {
        if (!m_open)
            return false;
        calls << QStringLiteral("write ") + ToHexText(bytes);
        writes << bytes;
        return true;
    }
    void setRts(bool on) override {
        calls << (on ? QStringLiteral("rts on") : QStringLiteral("rts off"));
        rts = on;
    }

private:
    bool m_open = false;
};
