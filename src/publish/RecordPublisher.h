#pragma once

#include "logging/DataFileReader.h"
#include "logging/SaveSettings.h"
#include "publish/BrokerConnection.h"
#include "publish/DeliveryState.h"
#include "publish/MeterFiles.h"
#include "publish/PublishSettings.h"

#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <memory>

struct SavedRecord;

// Publishes every record the data file writer saves, and nothing is lost on the way: the data
// files are the store. Each meter's delivered position is kept in a state file beside its
// data files; what lies after it (saved while the broker was away, or before a restart) is
// read back from the data files and sent oldest first with "replayed":true, a window at a
// time, while new records go out as they are saved. A record's sequence number is its
// position in the meter's data files, so a record sent twice carries the same number.
class RecordPublisher : public QObject {
    Q_OBJECT
public:
    enum class BrokerState { Off, Connecting, Connected, Away, Refused };

    RecordPublisher(PublishSettings settings, SaveSettings save, QObject* parent = nullptr);
    ~RecordPublisher() override;

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
    // A meter that may have records waiting from an earlier run: they are sent once the
    // broker is there, before the meter answers again.
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
    // Writes the state of the meters whose delivered position moved: every one, or (most > 0)
    // that many at most of those not written for a while.
    void writeStates(int most = 0);

Q_SIGNALS:
    // A line worth telling the user (standard error, the status bar).
    void message(const QString& text);
    // The broker refused the first connection (credentials, certificate): nothing will work.
    void refused(const QString& why);
    void statusChanged();

private:
    struct Stream;
    // The meter's stream, made on first use from its state file; a meter without one starts
    // at `firstRecord` when given, else at the end of its current data file.
    Stream& stream(int address, const RecordPlace* firstRecord = nullptr);
    void onConnected();
    void onLost(const QString& why);
    void onAttemptFailed(const QString& why, bool refusal);
    void onDelivered(int mid);
    void publishRecord(Stream& s, const char* record, const DataHeader& header, qint64 seq,
                       bool replayed);
    void publishMeta(Stream& s);
    void publishLink(Stream& s);
    void pumpReplay();
    int replayStep(Stream& s, int budget);
    void finishReplay();
    qint64 seqOf(Stream& s, const RecordPlace& place);
    void markDelivered(Stream& s, qint64 seq);
    const DataHeader& headerOf(Stream& s, const QString& file);
    void writeState(Stream& s);
    void setState(BrokerState state);
    QString topicPrefix() const;

    PublishSettings m_settings;
    SaveSettings m_save;
    BrokerAddress m_address;
    QString m_node;
    std::unique_ptr<BrokerConnection> m_connection;
    std::map<int, std::unique_ptr<Stream>> m_streams;
    struct Flight {
        int address = 0;
        qint64 seq = 0; // 0: not a record (status, meta, link)
        bool replayed = false;
    };
    QHash<int, Flight> m_inFlight;
    int m_replayInFlight = 0;
    QTimer m_pump;
    QTimer m_stateWrite;
    BrokerState m_state = BrokerState::Off;
    QString m_lastProblem;
    QDateTime m_since;
    QDateTime m_awaySince;
    qint64 m_replayTotal = 0; // records of this catch-up
    qint64 m_replaySent = 0;
    qint64 m_replaySkipped = 0; // older than the backlog limit
    bool m_replaying = false;
    int m_statusMid = -1;
    int m_lastWritten = 0; // the meter whose state was written last
    int m_ticks = 0;
};
