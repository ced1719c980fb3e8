#pragma once

#include "publish/RecordPayload.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <optional>

// One channel of a record as "data" gives it: null value where the state says it is not
// valid, null state for the channels whose state a data file does not keep.
struct PlantChannel {
    int ch = 0;
    std::optional<double> value;
    std::optional<int> state;

    friend bool operator==(const PlantChannel&, const PlantChannel&) = default;
};

struct PlantAlarm {
    int ch = 0;
    int alarm = 0;

    friend bool operator==(const PlantAlarm&, const PlantAlarm&) = default;
};

// A "data" message as read: one record of one meter.
struct PlantRecord {
    qint64 seq = 0;
    QString ts;                  // as sent; empty when it came as null
    std::optional<qint64> utcMs; // the moment it names, when it names one
    bool replayed = false;
    QList<PlantChannel> channels; // each ch from 1 to kMaxChannels
    QList<PlantAlarm> alarms;
    // The digital inputs and relays that are on (bit n - 1 for number n), when it tells them.
    std::optional<quint16> inputs, relays;

    friend bool operator==(const PlantRecord&, const PlantRecord&) = default;
};

struct PlantMeter {
    int address = 0;
    MeterDescription description; // from "meta"; not valid before one came
    QString link;                 // "OK", "NG" or empty before a "link" came
    // The last record (the highest number seen): its stamp as sent, as a moment, and when it
    // came in (the watcher's clock).
    QString ts;
    std::optional<qint64> tsUtcMs;
    qint64 seq = 0;
    qint64 receivedMs = 0;
    QList<PlantChannel> channels;
    QList<PlantAlarm> alarms;
    std::optional<quint16> inputs, relays; // as the last record told them
    // Between the last two records' stamps: the meter's save interval as it shows.
    qint64 intervalMs = 0;
    bool stale = false;
    quint32 heldRound = 0; // the watcher's own: told of in this burst of changes already

    bool hasRecord() const { return seq > 0; }
};

struct PlantNode {
    QString name;
    QString state; // "online", "offline" or empty before a status came
    QString since; // online: as the node says; offline: when it was seen to go (else empty)
    QString version, host, session;
    QMap<int, PlantMeter> meters;
};

// Nodes and their meters as the broker's JSON topics describe them (PREFIX/NODE/status,
// PREFIX/NODE/ADDR/meta, .../data, .../link, as the publisher writes them), fed one message
// at a time so that it needs no broker. Bounded: a message that is too large, names too many
// nodes, meters or channels, does not read, or has a topic that is not one of these is counted
// and ignored; nothing a broker sends can make it grow without end or fail.
class PlantState : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxNodes = 256;
    static constexpr int kMaxMeters = 247; // per node: the bus's slave addresses
    static constexpr int kMaxChannels = 12;
    static constexpr qsizetype kMaxPayload = 64 * 1024;
    static constexpr int kMaxNodeName = 128;
    // A meter whose last record is older than this many save intervals is stale.
    static constexpr int kStaleIntervals = 3;

    struct Counts {
        qint64 taken = 0;
        qint64 malformed = 0; // wrong JSON, a field out of range, an odd topic
        qint64 tooLarge = 0;  // a payload above kMaxPayload
        qint64 overLimit = 0; // one node, meter or channel too many
        qint64 repeated = 0;  // a record already seen (its number), or an older one
    };

    explicit PlantState(QString prefix, QObject* parent = nullptr);

    // One message of a subscription; `nowMs` is the watcher's clock (ms since 1970, UTC).
    // `retained`: one the broker kept, not one sent just now.
    void take(const QString& topic, const QByteArray& payload, qint64 nowMs, bool retained = false);
    // The same as the broker's stream holds it: the topic in UTF-8.
    void take(QByteArrayView topic, QByteArrayView payload, qint64 nowMs, bool retained = false);
    // Marks the meters whose last record is too old; tells of those that changed.
    void refresh(qint64 nowMs);
    // While the broker is away what is known stays, every record shown stale.
    void setBrokerConnected(bool connected, qint64 nowMs);
    // While held, changed() is kept back and told once per node or meter when released: a
    // burst of messages read at once then tells of each meter once. Holds nest.
    void holdChanges();
    void releaseChanges();

    const QMap<QString, PlantNode>& nodes() const { return m_nodes; }
    const Counts& counts() const { return m_counts; }
    QString prefix() const { return m_prefix; }

Q_SIGNALS:
    // A node (address 0: its status, or the node itself came or went) or one of its meters
    // changed.
    void changed(const QString& node, int address);
    // Every record a "data" message brought that reads, at once (never held back): also one
    // replayed that is older than the last and so leaves the meter as it is.
    void recordTaken(const QString& node, int address, const PlantRecord& record);

private:
    enum class Outcome { Changed, Same, Malformed, OverLimit, Repeated };
    Outcome takeStatus(const QString& node, const QByteArray& payload, qint64 nowMs, bool retained);
    Outcome takeMeta(const QString& node, int address, const QByteArray& payload);
    Outcome takeData(QByteArrayView topic, const QString& node, int address,
                     const QByteArray& payload, qint64 nowMs, PlantMeter* meter = nullptr);
    void count(Outcome outcome);
    Outcome takeLink(const QString& node, int address, const QByteArray& payload);
    void forgetMeter(const QString& node, int address);
    // The node or meter, made when new; null when one more would pass a limit.
    PlantNode* nodeFor(const QString& name);
    PlantMeter* meterFor(const QString& node, int address);
    bool isStale(const PlantMeter& meter, qint64 nowMs) const;
    void tell(const QString& node, int address, PlantMeter* meter = nullptr);
    struct Place;
    const Place* knownPlace(QByteArrayView topic);
    PlantMeter* knownMeter(QByteArrayView topic, const QString& node, int address);
    void aboutToWrite(const PlantNode* node = nullptr);

    QString m_prefix;
    QMap<QString, PlantNode> m_nodes;
    Counts m_counts;
    bool m_brokerAway = false;
    // Where a data message's meter is, found without walking both maps (twelve thousand meters
    // do not stay in the cache): pointers into m_nodes, used only while neither it nor the
    // node's meters are shared with a copy a reader holds, as a write would then move them.
    struct Place {
        PlantNode* node;
        PlantMeter* meter;
    };
    // By the topic of the meter's records, as it comes.
    QHash<QByteArray, Place> m_places;
    PlantRecord m_record;
    int m_held = 0;
    QList<QPair<QString, int>> m_heldChanges; // in the order they came
    QSet<QPair<QString, int>> m_heldSet;      // of the nodes and of the meters taken off
    quint32 m_heldRound = 1;
    bool m_heldMayRepeat = false;
};
