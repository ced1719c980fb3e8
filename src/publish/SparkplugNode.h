#pragma once

#include "logging/SaveSettings.h"
#include "publish/PublishFormat.h"
#include "publish/PublishSettings.h"

#include <QHash>
#include <functional>

// The program as a Sparkplug B edge node: NODE in GROUP, each meter a device (M01 ... M247).
// A session begins with the node's birth (seq 0, with the bdSeq of the connection's last will)
// and one birth per meter, and only then do records go, one DDATA each, those sent late
// flagged historical; seq counts every message of the node 0..255 over and over. The will is
// the node's death with the same bdSeq, which goes up by one with every new MQTT session (and
// is kept beside the data files, so that a death left by a killed run never matches the next
// run's birth). A meter whose link goes NG dies (once its earlier records are sent); back, it
// is born again. An NCMD "Node Control/Rebirth" makes the node publish every birth again. With
// a primary host, the node is born only while the host says it is online, and ends its session
// when the host goes offline: the records wait in the data files meanwhile.
class SparkplugNode final : public PublishFormat {
    Q_OBJECT
public:
    SparkplugNode(Host& host, const PublishSettings& settings, const QString& node,
                  const QString& port, const SaveSettings& save);

    void prepare(BrokerConnection::Options& options) override;
    QStringList subscriptions() const override;
    void connected() override;
    void lost() override;
    bool isReady() const override { return m_inSession; }
    int publishRecord(const RecordToSend& record) override;
    void described(int address) override;
    void linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) override;
    void metersChanged() override;
    void caughtUp(int address) override;
    void received(const QString& topic, const QByteArray& payload, bool retained) override;
    void goodbye() override;
    void tick() override;
    QString statusNote() const override;
    QString target() const override;
    QString topicsText() const override;

private:
    struct Device {
        bool born = false;
        QByteArray bornWith; // the description of its birth
        int linkOk = -1;     // -1: not known yet
        bool deathDue = false;
    };
    void beginSession();
    void births();
    // Publishes the meter's birth from what is known of it; false when nothing is.
    bool birth(int address, const RecordToSend* record = nullptr);
    void death(int address);
    void onHostState(const QByteArray& payload);
    // Publishes a message of the session with the next seq; its id, or -1 (the seq is not
    // used then). `confirmed`: at QoS 0, delivered once the broker has it.
    int send(const QString& topic, const std::function<QByteArray(quint64 seq)>& build,
             bool confirmed = false);
    QString topic(const char* type, const QString& device = {}) const;
    QByteArray deathPayload(quint64 bdSeq) const;
    qint64 nowMs() const;

    PublishSettings m_settings;
    QString m_node;
    QString m_port;
    QString m_bdSeqFile; // empty without a data folder
    quint64 m_nextBdSeq = 0;
    quint64 m_bdSeq = 0; // of this session
    quint64 m_seq = 0;   // the next message's
    bool m_connected = false;
    bool m_inSession = false;
    qint64 m_hostTimestamp = -1;
    qint64 m_waitingSent = -1;
    int m_ticks = 0;
    QHash<int, Device> m_devices;
};
