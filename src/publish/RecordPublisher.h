#pragma once

#include "core/EngineTimer.h"
#include "logging/DataFileReader.h"
#include "logging/SaveSettings.h"
#include "publish/BrokerConnection.h"
#include "publish/PublishFormat.h"
#include "publish/PublishSettings.h"
#include "publish/RecordNumbers.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>
#include <map>
#include <memory>
#include <optional>

struct DeliveryState;
struct SavedRecord;
class StateWriter;

// Publishes every record the data file writer saves, and nothing is lost on the way: the data
// files are the store. A record's number (`seq`) is its place in its meter's data files, kept
// beside them (RecordNumbers); how far the broker has a meter's records is kept in a state file
// beside them too. What lies after it (saved while the broker was away, or before a restart) is
// read back from the data files and sent oldest first, flagged as sent late, a window at a
// time, while new records go out as they are saved. A state file lost, damaged or not the
// meter's costs a re-send of what is in the files, with the same numbers; a number is never
// given to two records. The small files are written on a thread of their own: saving never
// waits for them. How the records look at the broker is the format's: the JSON topics, or a
// Sparkplug B edge node when the settings name a Sparkplug group.
class RecordPublisher : public QObject, private PublishFormat::Host {
    Q_OBJECT
public:
    // Waiting: connected, but the format does not let records go yet (a Sparkplug primary host
    // that is offline).
    enum class BrokerState { Off, Connecting, Connected, Waiting, Away, Refused };

    RecordPublisher(Clock& clock, PublishSettings settings, SaveSettings save,
                    QObject* parent = nullptr);
    ~RecordPublisher() override;

    // Makes the connection to the broker; by default a BrokerConnection on the same clock.
    using LinkFactory =
        std::function<std::unique_ptr<BrokerLink>(const BrokerConnection::Options&)>;
    void setLinkFactory(LinkFactory factory) { m_linkFactory = std::move(factory); }

    // Checks the settings, reads the password and starts connecting; false with the reason
    // (a bad setting, an unreadable password file) when it cannot start.
    bool start(QString* why);
    // Publishes the "offline" status, ends the connection and writes every meter's state.
    // What is on its way is given up to `waitMs` in all to be acknowledged and the goodbye to
    // go out: a broker that hangs never holds a stop up for longer.
    void stop(int waitMs = 1000);
    bool isRunning() const { return m_connection != nullptr; }

    // The data-save settings changed: records are looked for where they now go.
    void setSaveSettings(const SaveSettings& save);
    // The port the meters are polled on, as the node tells it (Sparkplug).
    void setPortName(const QString& port) { m_portName = port; }
    // The meters of the meter list. Each may have records waiting from an earlier run: they
    // are sent once the broker is there, before the meter answers again. A meter not among
    // them leaves nothing at the broker: its retained "meta" and "link" are cleared.
    void setMeters(const QList<int>& addresses);
    void addMeter(int address);
    // A record the writer appended.
    void recordSaved(const SavedRecord& record);
    // The link state of a meter (sent when "OK"/"NG" changes).
    void linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad);

    BrokerState brokerState() const { return m_state; }
    // Records saved and not yet delivered, over all meters.
    qint64 waiting() const;
    // One line for the status bar: the broker's state and the records waiting.
    QString statusText() const;
    QString brokerName() const;
    // The delivered state of a meter (for tests and the benchmark).
    const DeliveryState* deliveryState(int address) const;
    // How many messages await their acknowledgement.
    int inFlight() const { return int(m_inFlight.size()); }
    // Writes the state of every meter whose delivered position moved, and waits for the disk.
    void writeStates();

    // Whether a data file of the meter (a name in the data folder) holds a record that is to
    // reach the broker and has not (QoS 1): such a file must not be deleted. A file holding
    // records not numbered yet counts as holding such records.
    bool holdsUndelivered(int address, const QString& file) const;
    // Data files of the meter were deleted on purpose, every record in them delivered: their
    // numbers are dropped without a word (the records still there keep theirs).
    void filesDeleted(int address, const QStringList& files);
    // The time stamp (seconds since 2000 of the PC's clock, as DataTime counts) of the oldest
    // record still waiting for the broker; nothing when none waits.
    std::optional<qint64> oldestWaitingStamp() const;

Q_SIGNALS:
    // A line worth telling the user (standard error, the status bar).
    void message(const QString& text);
    // The broker refused the first connection (credentials, certificate): nothing will work.
    void refused(const QString& why);
    void statusChanged();

private:
    struct Stream;
    // The meter's stream, made on first use from the files beside its data files. A meter
    // seen for the first time starts at `firstRecord` when given, else after its last record.
    Stream& stream(int address, const RecordPlace* firstRecord = nullptr);
    void open(Stream& s, const RecordPlace* firstRecord);
    void lineUp(Stream& s);
    void setAside(Stream& s, const QString& path, const QString& why);
    void sayChanges(Stream& s, const QList<RecordNumbers::Change>& changes);
    void onConnected();
    void onLost(const QString& why);
    void onAttemptFailed(const QString& why, bool refusal);
    void onDelivered(int mid);
    // What the connection had on its way is given up, and catching up ends.
    void endSession();
    void publishRecord(Stream& s, const char* record, const DataHeader& header, qint64 seq,
                       bool replayed, std::optional<int> utcOffset);
    bool isReady() const;
    // Starts catching up what the meter saved and the broker has not got (QoS 1), or passes
    // over it (QoS 0: at most once); the records to catch up.
    qint64 beginCatchUp(Stream& s);
    void pumpReplay();
    int replayStep(Stream& s, int budget);
    void finishReplay();
    const DataHeader& headerOf(Stream& s, const QString& file);
    // The meter's state (and its numbers when their runs changed) to the writer's thread.
    void handOver(Stream& s);
    void onHousekeeping();
    void sayWriteOutcomes();
    void setState(BrokerState state);

    // What the format may ask.
    BrokerLink& link() override { return *m_connection; }
    Clock& clock() override { return m_clock; }
    QList<int> meters() const override;
    bool isListed(int address) const override;
    const DeliveryState* stateOf(int address) const override { return deliveryState(address); }
    std::optional<NewestRecord> newestRecord(int address) override;
    bool isCatchingUp(int address) const override;
    qint64 recordsWaiting() const override { return waiting(); }
    void track(int mid) override;
    void ready() override;
    void reconnect(const QString& why) override;
    void expectEcho() override;
    void echoSeen() override { m_echoDueMs = -1; }
    void writeFile(const QString& path, const QByteArray& bytes) override;

    Clock& m_clock;
    PublishSettings m_settings;
    SaveSettings m_save;
    QString m_portName;
    LinkFactory m_linkFactory;
    std::unique_ptr<PublishFormat> m_format;
    std::unique_ptr<BrokerLink> m_connection;
    std::unique_ptr<StateWriter> m_writer;
    std::map<int, std::unique_ptr<Stream>> m_streams;
    QSet<int> m_meters; // the meter list, once told
    bool m_metersKnown = false;
    QHash<int, QSet<QString>> m_deletedFiles; // per meter, deleted on purpose, all delivered
    struct Flight {
        int address = 0;
        qint64 seq = 0; // 0: not a record (status, meta, link, births)
        bool replayed = false;
    };
    QHash<int, Flight> m_inFlight;
    int m_replayInFlight = 0;
    EngineTimer m_pump;
    EngineTimer m_housekeeping;
    BrokerState m_state = BrokerState::Off;
    QString m_lastProblem;
    QDateTime m_since;
    QDateTime m_awaySince;
    qint64 m_replayTotal = 0; // records of this catch-up
    qint64 m_replaySent = 0;
    qint64 m_replaySkipped = 0; // older than the backlog limit
    bool m_replaying = false;
    // When our own status should have come back (ms on the clock); -1 it did, -2 said it did
    // not.
    qint64 m_echoDueMs = -1;
    int m_ticks = 0;
};
