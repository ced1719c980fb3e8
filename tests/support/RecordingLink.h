#pragma once

#include "publish/BrokerLink.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

// A connection to a broker that a test stands in for the real one: it keeps what is published
// and does what the test says (come up, acknowledge, go away, hand over a message), so that the
// publisher runs on the virtual clock alone.
class RecordingLink final : public BrokerLink {
public:
    struct Message {
        QString topic;
        QByteArray payload;
        bool retain = false;
        int mid = 0;
        int qos = 0;
        QJsonObject json() const { return QJsonDocument::fromJson(payload).object(); }
    };

    void start() override { ++starts; }
    void stop(int) override { m_up = false; }
    bool isConnected() const override { return m_up; }
    bool hasConnected() const override { return m_ever; }
    int secondsToRetry() const override { return m_up ? 0 : 1; }
    QString brokerName() const override { return QStringLiteral("test:1883"); }
    int publish(const QString& topic, const QByteArray& payload, int qos, bool retain) override {
        if (!m_up)
            return -1;
        sent.append({topic, payload, retain, m_nextMid, qos});
        if (copyTo)
            copyTo->append(sent.back());
        unacknowledged << m_nextMid;
        if (subscriptions.contains(topic)) // a broker passes it on to its subscribers
            Q_EMIT received(topic, payload, false);
        return m_nextMid++;
    }
    int publishConfirmed(const QString& topic, const QByteArray& payload) override {
        return publish(topic, payload, 0, false);
    }
    void setWill(const QString& topic, const QByteArray& payload, bool) override {
        will = {topic, payload, false, 0, 1};
    }
    void subscribe(const QString& filter) override { subscriptions << filter; }

    void comeUp() {
        m_up = m_ever = true;
        Q_EMIT connected();
    }
    void goAway() {
        m_up = false;
        unacknowledged.clear();
        Q_EMIT connectionLost(QStringLiteral("the connection was lost"));
    }
    // Acknowledges everything on its way, and what that sends in turn, up to `rounds` times.
    void acknowledgeAll(int rounds = 1) {
        for (int i = 0; i < rounds && !unacknowledged.isEmpty(); ++i) {
            const QList<int> mids = std::exchange(unacknowledged, {});
            for (int mid : mids)
                Q_EMIT delivered(mid);
        }
    }
    void hand(const QString& topic, const QByteArray& payload, bool retained) {
        Q_EMIT received(topic, payload, retained);
    }
    // The messages published under a topic ending in `leaf` ("data", "meta", "status" ...).
    QList<Message> published(const QString& leaf) const {
        QList<Message> out;
        for (const Message& m : sent)
            if (m.topic.endsWith(u'/' + leaf))
                out << m;
        return out;
    }

    QList<Message> sent;
    QList<Message>* copyTo = nullptr; // also here, for a test that outlives the link
    QList<int> unacknowledged;
    QStringList subscriptions;
    Message will;
    int starts = 0;

private:
    bool m_up = false;
    bool m_ever = false;
    int m_nextMid = 1;
};
