#pragma once

#include "publish/PublishFormat.h"
#include "publish/PublishSettings.h"

#include <QDateTime>
#include <QHash>
#include <QSet>

// The JSON topics under PREFIX/NODE (RecordPayload writes the payloads): the node's retained
// status with a last will, each meter's retained "meta" and "link", one "data" message per
// record. A meter taken off the meter list leaves nothing behind; another program publishing
// as the same node is told loudly.
class JsonTopics final : public PublishFormat {
    Q_OBJECT
public:
    JsonTopics(Host& host, const PublishSettings& settings, const QString& prefix,
               const QString& node);

    void prepare(BrokerConnection::Options& options) override;
    QStringList subscriptions() const override;
    void connected() override;
    void lost() override {}
    bool isReady() const override;
    int publishRecord(const RecordToSend& record) override;
    void described(int address) override;
    void linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) override;
    void metersChanged() override;
    void received(const QString& topic, const QByteArray& payload, bool retained) override;
    void goodbye() override;
    QString statusNote() const override;
    QString target() const override;
    QString topicsText() const override;

private:
    struct Meter {
        QByteArray metaSent; // in this connection
        QByteArray link;
        QByteArray linkSent;
        int linkOk = -1;
    };
    void publishMeta(int address);
    void publishLink(int address);
    void publishStatus();
    void clearMeter(int address);
    void onStatusSeen(const QByteArray& payload, bool retained);
    bool isConnected();

    PublishSettings m_settings;
    QString m_prefix;
    QString m_node;
    QString m_session; // this run's, in the status: another's under our node is another program
    QDateTime m_since;
    QHash<int, Meter> m_meters;
    QSet<int> m_cleared;        // meters not in the list whose retained messages were cleared
    QSet<QString> m_otherNodes; // sessions of other programs seen publishing as our node
};
