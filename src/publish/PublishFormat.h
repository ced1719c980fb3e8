#pragma once

#include "logging/DataFileReader.h"
#include "publish/BrokerConnection.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;
struct DeliveryState;

// One saved record on its way out: the meter, its place in the meter's records and the bytes
// the data file holds.
struct RecordToSend {
    int address = 0;
    const char* record = nullptr;
    const DataHeader* header = nullptr;
    int channels = 0;             // the meter's own channel count
    qint64 seq = 0;               // the record's number (its place in the meter's data files)
    bool replayed = false;        // read back from the files, not sent as it was saved
    std::optional<int> utcOffset; // in force when it was saved; none for a stamp of no moment
};

// A meter's newest saved record, read back from its data files.
struct NewestRecord {
    QByteArray record;
    DataHeader header;
    qint64 seq = 0;
    std::optional<int> utcOffset;
};

// How the records and the node's and meters' states are laid out at the broker: the JSON
// topics, or a Sparkplug B edge node. The publisher keeps the store and forward (the records'
// numbers, what the broker has, catching up from the data files, the connection); a format
// says what goes out around the records and encodes each record.
class PublishFormat : public QObject {
    Q_OBJECT
public:
    // What a format may ask of the publisher that drives it.
    class Host {
    public:
        virtual ~Host() = default;
        virtual BrokerLink& link() = 0;
        virtual Clock& clock() = 0;
        // The meters with records (or a place) at the publisher, and their delivered state.
        virtual QList<int> meters() const = 0;
        virtual bool isListed(int address) const = 0;
        virtual const DeliveryState* stateOf(int address) const = 0;
        virtual std::optional<NewestRecord> newestRecord(int address) = 0;
        // Whether the meter's earlier records are still being sent.
        virtual bool isCatchingUp(int address) const = 0;
        virtual qint64 recordsWaiting() const = 0;
        // A message of the format that stop() waits for.
        virtual void track(int mid) = 0;
        // Records may go out from now on: catching up begins.
        virtual void ready() = 0;
        // Ends this connection and makes a new one; nothing of this one is taken as delivered.
        virtual void reconnect(const QString& why) = 0;
        // A message published now should come back through the broker in a few seconds; if
        // it does not, the broker drops what this program publishes.
        virtual void expectEcho() = 0;
        virtual void echoSeen() = 0;
        // A small file written off the saving path.
        virtual void writeFile(const QString& path, const QByteArray& bytes) = 0;
    };

    explicit PublishFormat(Host& host)
        : m_host(host) {}

    // The last will and the subscriptions of the connection, before it is made.
    virtual void prepare(BrokerConnection::Options& options) = 0;
    virtual QStringList subscriptions() const = 0;
    // The connection came up: what the format sends first; ready() once records may go.
    virtual void connected() = 0;
    // The connection went (or is made again): nothing of it holds any more.
    virtual void lost() = 0;
    // Records may go out.
    virtual bool isReady() const = 0;
    // Publishes one record; its message id, or -1.
    virtual int publishRecord(const RecordToSend& record) = 0;
    // A meter's description (its channels, units, ranges) is new or changed.
    virtual void described(int address) = 0;
    // A meter's link changed between "OK" and "NG".
    virtual void linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) = 0;
    // The meter list changed; a meter not in it leaves nothing behind.
    virtual void metersChanged() = 0;
    // A meter's earlier records have all been sent.
    virtual void caughtUp(int address) { Q_UNUSED(address); }
    // A message of one of the subscriptions.
    virtual void received(const QString& topic, const QByteArray& payload, bool retained) = 0;
    // The program stops: what it says before it disconnects.
    virtual void goodbye() = 0;
    // Called every half second while running.
    virtual void tick() {}
    // What the status bar adds to the broker's state; where the records go, for messages.
    virtual QString statusNote() const { return {}; }
    virtual QString target() const = 0;
    // The topics the program's messages go to, for the warning that the broker drops them.
    virtual QString topicsText() const = 0;

Q_SIGNALS:
    void message(const QString& text);
    void statusChanged();

protected:
    Host& m_host;
};
