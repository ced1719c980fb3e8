#include "publish/RecordPublisher.h"

#include "core/FileRead.h"
#include "core/Version.h"
#include "logging/DataFile.h"
#include "logging/DataFileWriter.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"
#include "publish/RecordPayload.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>

namespace {

// Replayed messages on their way at once: enough to keep a broker busy, few enough that a
// live record queued behind them waits milliseconds.
constexpr int kReplayWindow = 1000;
constexpr int kReplayBatch = 250;
// State files are written a few at a time, each at most every two seconds: each write waits
// for the disk, and hundreds at once would hold up the acknowledgements behind them. After a
// crash a record delivered since is sent once more, with its number.
constexpr int kStateWriteMs = 200;
constexpr int kStatesPerWrite = 20;
constexpr qint64 kStateAgeMs = 2000;

QString records(qint64 n) {
    return n == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(n);
}

} // namespace

struct RecordPublisher::Stream {
    int address = 0;
    MeterFiles files;
    DeliveryState state;
    bool dirty = false;
    qint64 writtenAt = 0; // ms since the epoch
    qint64 tail = 0;      // sequence number of the last record saved
    RecordPlace tailNext; // the place after it
    // Catching up.
    bool replaying = false;
    RecordPlace cursor;
    qint64 cursorSeq = 0;
    qint64 replayEnd = 0;
    std::unique_ptr<DataFileReader> reader; // the file being caught up from
    QString readerFile;
    // The header of the file live records go to.
    QString headerFile;
    DataHeader header;
    QByteArray metaSent; // in this connection
    QByteArray link;
    QByteArray linkSent;
    int linkOk = -1;
};

RecordPublisher::RecordPublisher(PublishSettings settings, SaveSettings save, QObject* parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_save(std::move(save)) {
    m_pump.setInterval(0);
    connect(&m_pump, &QTimer::timeout, this, &RecordPublisher::pumpReplay);
    m_stateWrite.setInterval(kStateWriteMs);
    connect(&m_stateWrite, &QTimer::timeout, this, [this] {
        writeStates(kStatesPerWrite);
        if (++m_ticks % (1000 / kStateWriteMs) == 0)
            Q_EMIT statusChanged();
    });
}

RecordPublisher::~RecordPublisher() {
    if (m_connection)
        stop(0);
}

QString RecordPublisher::topicPrefix() const {
    return m_address.prefix;
}

QString RecordPublisher::brokerName() const {
    return m_connection ? m_connection->brokerName() : QString();
}

bool RecordPublisher::start(QString* why) {
    if (m_connection)
        return true;
    if (const QString problem = PublishSettingsProblem(m_settings); !problem.isEmpty()) {
        *why = problem;
        return false;
    }
    ParseBrokerUrl(m_settings.url, &m_address, why);
    m_node = m_settings.node.isEmpty() ? DefaultNodeName() : m_settings.node;
    BrokerConnection::Options o;
    o.address = m_address;
    o.clientId = QStringLiteral("td700-%1-%2").arg(m_node).arg(QCoreApplication::applicationPid());
    o.user = m_settings.user;
    if (!m_settings.passwordFile.isEmpty() &&
        !ReadPasswordFile(m_settings.passwordFile, &o.password, why))
        return false;
    o.caFile = m_settings.caFile;
    o.certFile = m_settings.certFile;
    o.keyFile = m_settings.keyFile;
    o.keepAliveSeconds = m_settings.keepAliveSeconds;
    o.willTopic = Topics::status(topicPrefix(), m_node);
    o.willPayload = StatusPayload(false, {}, {});
    m_connection = std::make_unique<BrokerConnection>(o);
    connect(m_connection.get(), &BrokerConnection::connected, this, &RecordPublisher::onConnected);
    connect(m_connection.get(), &BrokerConnection::connectionLost, this, &RecordPublisher::onLost);
    connect(m_connection.get(), &BrokerConnection::attemptFailed, this,
            &RecordPublisher::onAttemptFailed);
    connect(m_connection.get(), &BrokerConnection::delivered, this, &RecordPublisher::onDelivered);
    setState(BrokerState::Connecting);
    m_stateWrite.start();
    m_connection->start();
    return true;
}

void RecordPublisher::stop(int waitMs) {
    if (!m_connection)
        return;
    const QDeadlineTimer deadline(std::max(0, waitMs));
    m_pump.stop();
    if (m_connection->isConnected()) {
        m_statusMid = m_connection->publish(Topics::status(topicPrefix(), m_node),
                                            StatusPayload(false, {}, {}), 1, true);
        // What is on its way is let arrive, so that it is not sent again next time.
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        const auto check = [&] {
            if (m_inFlight.isEmpty() || !m_connection->isConnected())
                loop.quit();
        };
        const auto watch = connect(m_connection.get(), &BrokerConnection::delivered, &loop, check);
        const auto lost =
            connect(m_connection.get(), &BrokerConnection::connectionLost, &loop, check);
        if (!m_inFlight.isEmpty() && waitMs > 0) {
            limit.start(waitMs);
            loop.exec();
        }
        disconnect(watch);
        disconnect(lost);
    }
    m_connection->disconnect(this);
    m_connection->stop(int(deadline.remainingTime()));
    m_connection.reset();
    m_inFlight.clear();
    m_replayInFlight = 0;
    m_stateWrite.stop();
    writeStates();
    setState(BrokerState::Off);
}

void RecordPublisher::setSaveSettings(const SaveSettings& save) {
    if (save.gDSaveFolder == m_save.gDSaveFolder && save.gDSaveName == m_save.gDSaveName &&
        save.gDSaveDaily == m_save.gDSaveDaily && save.gDSaveDayHour == m_save.gDSaveDayHour &&
        save.gDSaveDayMinute == m_save.gDSaveDayMinute) {
        m_save = save;
        return;
    }
    // Other files, other state files: every meter starts again from its state there.
    writeStates();
    m_save = save;
    QList<int> addresses;
    for (const auto& [address, s] : m_streams)
        addresses << address;
    m_streams.clear();
    for (auto it = m_inFlight.begin(); it != m_inFlight.end(); ++it)
        it->seq = 0; // acknowledgements of the old files' records no longer move anything
    m_replayInFlight = 0;
    for (int address : std::as_const(addresses))
        addMeter(address);
}

RecordPublisher::Stream& RecordPublisher::stream(int address, const RecordPlace* firstRecord) {
    auto& slot = m_streams[address];
    if (slot)
        return *slot;
    slot = std::make_unique<Stream>();
    Stream& s = *slot;
    s.address = address;
    s.files = MeterFiles(m_save, address);
    if (!LoadDeliveryState(s.files.stateFile(), &s.state)) {
        // A meter seen for the first time starts at the end of what its files already hold:
        // records saved before publishing was switched on are not sent. The state is written
        // at once, so that a run killed before anything is delivered still knows where to
        // start.
        if (QFileInfo::exists(s.files.stateFile()))
            Q_EMIT message(tr("meter %1: %2 could not be read; publishing starts at the end of "
                              "its data files")
                               .arg(address)
                               .arg(QDir::toNativeSeparators(s.files.stateFile())));
        if (firstRecord) {
            s.state.next = *firstRecord; // the record just saved is the first to send
        } else {
            const QString file = s.files.currentFile(QDateTime::currentDateTime());
            s.state.next = {file, MeterFiles::recordCount(s.files.path(file))};
        }
        writeState(s);
    }
    const qint64 after = s.files.recordsFrom(s.state.next);
    s.tail = s.state.seq + after;
    s.tailNext = s.files.advance(s.state.next, after);
    return s;
}

void RecordPublisher::addMeter(int address) {
    const bool known = m_streams.count(address) > 0;
    Stream& s = stream(address);
    if (!known && m_connection && m_connection->isConnected()) {
        publishMeta(s);
        if (m_settings.qos == 0) {
            s.state.ahead.clear();
            if (s.tail > s.state.seq) {
                s.state.next = s.tailNext;
                s.state.seq = s.tail;
                s.dirty = true;
            }
        } else if (s.tail > s.state.seq) {
            s.replaying = true;
            s.cursor = s.state.next;
            s.cursorSeq = s.state.seq + 1;
            s.replayEnd = s.tail;
            m_replayTotal += s.tail - s.state.seq - s.state.aheadCount();
            m_replaying = true;
            m_pump.start();
        }
    }
}

qint64 RecordPublisher::seqOf(Stream& s, const RecordPlace& place) {
    if (place == s.tailNext) {
        s.tailNext.index = place.index + 1;
        return ++s.tail;
    }
    const qint64 d = s.files.distance(s.state.next, place);
    if (d < 0) {
        // Appended where the files' order does not lead (a clock put back a day): the number
        // still follows the last one.
        s.tailNext = {place.file, place.index + 1};
        return ++s.tail;
    }
    const qint64 seq = s.state.seq + d + 1;
    if (seq > s.tail) {
        s.tail = seq;
        s.tailNext = {place.file, place.index + 1};
    }
    return seq;
}

const DataHeader& RecordPublisher::headerOf(Stream& s, const QString& file) {
    if (s.headerFile != file) {
        QFile f;
        s.header = OpenRegularFile(f, s.files.path(file), nullptr)
                       ? ParseDataHeader(f.read(DataFile::HeaderSize))
                       : DataHeader();
        s.headerFile = file;
    }
    return s.header;
}

void RecordPublisher::recordSaved(const SavedRecord& saved) {
    if (!m_connection)
        return;
    const bool known = m_streams.count(saved.address) > 0;
    const RecordPlace place{QFileInfo(saved.file).fileName(), saved.index};
    Stream& s = stream(saved.address, &place);
    const qint64 seq = seqOf(s, place);
    if (!saved.description.isEmpty()) {
        const MeterDescription d =
            DescribeMeter(saved.address, saved.modelCode, saved.firmware, saved.description);
        const QByteArray meta = MetaPayload(d);
        if (meta != s.state.meta) {
            s.state.meta = meta;
            s.state.channels = d.channelCount;
            s.dirty = true;
        }
    }
    const bool connected = m_connection->isConnected();
    if (!known && connected) {
        // Records of an earlier run wait before this one.
        addMeter(saved.address);
        if (s.replaying)
            s.replayEnd = std::min(s.replayEnd, seq - 1);
    }
    if (connected)
        publishMeta(s);
    if (s.state.isDelivered(seq))
        return;
    if (connected) {
        publishRecord(s, saved.record.constData(), headerOf(s, place.file), seq, false);
    } else if (m_settings.qos == 0) {
        markDelivered(s, seq); // at most once: what the broker did not get is not sent later
    }
}

void RecordPublisher::publishRecord(Stream& s, const char* record, const DataHeader& header,
                                    qint64 seq, bool replayed) {
    const int channels = s.state.channels > 0 ? s.state.channels : header.channelCount;
    const int mid = m_connection->publish(Topics::meter(topicPrefix(), m_node, s.address, "data"),
                                          DataPayload(record, header, channels, seq, replayed),
                                          m_settings.qos, false);
    if (mid < 0)
        return;
    m_inFlight.insert(mid, Flight{s.address, seq, replayed});
    if (replayed)
        ++m_replayInFlight;
}

void RecordPublisher::publishMeta(Stream& s) {
    if (s.state.meta.isEmpty() || s.state.meta == s.metaSent)
        return;
    const int mid = m_connection->publish(Topics::meter(topicPrefix(), m_node, s.address, "meta"),
                                          s.state.meta, 1, true);
    if (mid >= 0) {
        s.metaSent = s.state.meta;
        m_inFlight.insert(mid, Flight{s.address, 0, false});
    }
}

void RecordPublisher::publishLink(Stream& s) {
    if (s.link.isEmpty() || s.link == s.linkSent || !m_connection || !m_connection->isConnected())
        return;
    const int mid = m_connection->publish(Topics::meter(topicPrefix(), m_node, s.address, "link"),
                                          s.link, 1, true);
    if (mid >= 0) {
        s.linkSent = s.link;
        m_inFlight.insert(mid, Flight{s.address, 0, false});
    }
}

void RecordPublisher::linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) {
    if (!m_connection)
        return;
    Stream& s = stream(address);
    if (s.linkOk == int(ok))
        return;
    s.linkOk = int(ok);
    s.link = LinkPayload(ok, good, timeouts, bad);
    publishLink(s);
}

void RecordPublisher::markDelivered(Stream& s, qint64 seq) {
    qint64 grown = 0;
    s.state.markDelivered(seq, &grown);
    if (grown > 0)
        s.state.next = s.files.advance(s.state.next, grown);
    s.dirty = true;
}

void RecordPublisher::onDelivered(int mid) {
    const auto it = m_inFlight.find(mid);
    if (it == m_inFlight.end())
        return;
    const Flight f = *it;
    m_inFlight.erase(it);
    if (f.replayed) {
        --m_replayInFlight;
        ++m_replaySent;
    }
    if (f.seq > 0) {
        const auto s = m_streams.find(f.address);
        if (s != m_streams.end())
            markDelivered(*s->second, f.seq);
    }
    if (m_replaying && !m_pump.isActive())
        m_pump.start();
}

void RecordPublisher::onConnected() {
    const bool back = m_awaySince.isValid();
    m_since = QDateTime::currentDateTime();
    m_lastProblem.clear();
    m_connection->publish(Topics::status(topicPrefix(), m_node),
                          StatusPayload(true, ProgramVersion(), m_since), 1, true);
    m_replayTotal = m_replaySent = m_replaySkipped = 0;
    for (auto& [address, s] : m_streams) {
        s->metaSent.clear();
        s->linkSent.clear();
        publishMeta(*s);
        publishLink(*s);
        if (m_settings.qos == 0) {
            // At most once: records saved while the broker was away are not sent.
            if (s->tail > s->state.seq) {
                s->state.ahead.clear();
                s->state.next = s->tailNext;
                s->state.seq = s->tail;
                s->dirty = true;
            }
            continue;
        }
        const qint64 pending = s->tail - s->state.seq - s->state.aheadCount();
        if (pending <= 0)
            continue;
        s->replaying = true;
        s->cursor = s->state.next;
        s->cursorSeq = s->state.seq + 1;
        s->replayEnd = s->tail;
        m_replayTotal += pending;
    }
    QString line =
        back ? tr("broker %1 back after %2 s").arg(brokerName()).arg(m_awaySince.secsTo(m_since))
             : tr("publishing to %1 as %2/%3").arg(brokerName(), topicPrefix(), m_node);
    if (m_replayTotal > 0)
        line += tr("; %1 to catch up").arg(records(m_replayTotal));
    m_awaySince = QDateTime();
    m_replaying = m_replayTotal > 0;
    if (m_replaying)
        m_pump.start();
    setState(BrokerState::Connected);
    Q_EMIT message(line);
}

void RecordPublisher::onLost(const QString& why) {
    m_inFlight.clear();
    m_replayInFlight = 0;
    m_pump.stop();
    m_replaying = false;
    for (auto& [address, s] : m_streams)
        s->replaying = false;
    m_awaySince = QDateTime::currentDateTime();
    m_lastProblem = why;
    setState(BrokerState::Away);
    Q_EMIT message(tr("broker %1 went away (%2); records are kept in the data files and sent "
                      "when it is back; next try in %3 s")
                       .arg(brokerName(), why)
                       .arg(m_connection->secondsToRetry()));
}

void RecordPublisher::onAttemptFailed(const QString& why, bool refusal) {
    if (refusal && !m_connection->hasConnected()) {
        m_lastProblem = why;
        setState(BrokerState::Refused);
        Q_EMIT message(tr("broker %1 refused the connection: %2").arg(brokerName(), why));
        Q_EMIT refused(why);
        return;
    }
    if (!m_awaySince.isValid() && !m_connection->hasConnected() && m_lastProblem.isEmpty())
        m_awaySince = QDateTime::currentDateTime();
    setState(refusal ? BrokerState::Refused : BrokerState::Away);
    if (why == m_lastProblem)
        return; // said once; the back-off goes on quietly
    m_lastProblem = why;
    Q_EMIT message(tr("broker %1 not reached (%2); trying again, at longest every 60 s")
                       .arg(brokerName(), why));
}

void RecordPublisher::pumpReplay() {
    if (!m_connection || !m_connection->isConnected()) {
        m_pump.stop();
        return;
    }
    int budget = std::min(kReplayBatch, kReplayWindow - m_replayInFlight);
    if (budget <= 0) {
        m_pump.stop(); // an acknowledgement starts it again
        return;
    }
    bool any = false;
    for (auto& [address, s] : m_streams) {
        if (!s->replaying)
            continue;
        any = true;
        budget -= replayStep(*s, std::max(1, budget));
        if (budget <= 0)
            break;
    }
    if (!any || std::none_of(m_streams.begin(), m_streams.end(),
                             [](const auto& e) { return e.second->replaying; })) {
        if (m_replayInFlight == 0)
            finishReplay();
        else
            m_pump.stop();
    }
}

int RecordPublisher::replayStep(Stream& s, int budget) {
    // Records older than the backlog limit are passed over, counted, as if delivered.
    const QDateTime cutoff = QDateTime::currentDateTime().addDays(-m_settings.backlogDays);
    const qint64 cutoffSeconds = DataTime::stampSeconds(PackTimeStamp(cutoff)).value_or(0);
    int sent = 0;
    int looked = 0;
    while (sent < budget && looked < budget * 40 && s.cursorSeq <= s.replayEnd) {
        if (!s.reader || s.readerFile != s.cursor.file) {
            s.readerFile = s.cursor.file;
            s.reader = std::make_unique<DataFileReader>();
            s.reader->open(s.files.path(s.cursor.file)); // a file not there holds no records
        }
        if (s.cursor.index >= s.reader->recordCount()) {
            if (s.reader->refresh() == DataFileReader::Growth::Grown)
                continue;
            const QStringList after = s.files.filesAfter(s.cursor.file);
            if (after.isEmpty()) {
                const qint64 gone = s.replayEnd - s.cursorSeq + 1;
                Q_EMIT message(tr("meter %1: %2 up to number %3 are no longer in the data "
                                  "files and cannot be sent")
                                   .arg(s.address)
                                   .arg(records(gone))
                                   .arg(s.replayEnd));
                for (qint64 n = s.cursorSeq; n <= s.replayEnd; ++n)
                    markDelivered(s, n);
                s.cursorSeq = s.replayEnd + 1;
                break;
            }
            s.cursor = {after.first(), 0};
            continue;
        }
        const char* record = s.reader->recordData(s.cursor.index);
        const qint64 seq = s.cursorSeq;
        ++s.cursor.index;
        ++s.cursorSeq;
        ++looked;
        if (!record || s.state.isDelivered(seq))
            continue;
        const std::optional<qint64> at = DataTime::stampSeconds(RecordBytes::stamp(record));
        if (at && *at < cutoffSeconds) {
            ++m_replaySkipped;
            markDelivered(s, seq);
            continue;
        }
        publishRecord(s, record, s.reader->header(), seq, true);
        ++sent;
    }
    if (s.cursorSeq > s.replayEnd) {
        s.replaying = false;
        s.readerFile.clear();
        s.reader.reset(); // lets go of the mapped file
    }
    return sent;
}

void RecordPublisher::finishReplay() {
    m_pump.stop();
    if (!m_replaying)
        return;
    m_replaying = false;
    QString line = tr("caught up %1").arg(records(m_replaySent));
    if (m_replaySkipped > 0)
        line += tr("; %1 older than %2 days not sent")
                    .arg(records(m_replaySkipped))
                    .arg(m_settings.backlogDays);
    Q_EMIT message(line);
    Q_EMIT statusChanged();
}

void RecordPublisher::writeState(Stream& s) {
    QString error;
    s.writtenAt = QDateTime::currentMSecsSinceEpoch();
    if (s.files.stateFile().isEmpty()) {
        s.dirty = false;
        return;
    }
    if (WriteDeliveryState(s.files.stateFile(), s.state, &error))
        s.dirty = false;
    else
        Q_EMIT message(tr("meter %1: %2 not written: %3")
                           .arg(s.address)
                           .arg(QDir::toNativeSeparators(s.files.stateFile()), error));
}

void RecordPublisher::writeStates(int most) {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    // Round robin from where the last call stopped, so that every meter gets its turn.
    auto it = m_streams.upper_bound(m_lastWritten);
    for (size_t n = 0; n < m_streams.size(); ++n) {
        if (it == m_streams.end())
            it = m_streams.begin();
        const auto current = it++;
        Stream& s = *current->second;
        if (!s.dirty || (most > 0 && now - s.writtenAt < kStateAgeMs))
            continue;
        writeState(s);
        m_lastWritten = current->first;
        if (most > 0 && --most == 0)
            break;
    }
}

qint64 RecordPublisher::waiting() const {
    qint64 n = 0;
    for (const auto& [address, s] : m_streams)
        n += std::max<qint64>(0, s->tail - s->state.seq - s->state.aheadCount());
    return n;
}

const DeliveryState* RecordPublisher::deliveryState(int address) const {
    const auto it = m_streams.find(address);
    return it == m_streams.end() ? nullptr : &it->second->state;
}

void RecordPublisher::setState(BrokerState state) {
    if (state == m_state)
        return;
    m_state = state;
    Q_EMIT statusChanged();
}

QString RecordPublisher::statusText() const {
    const qint64 n = waiting();
    const QString wait = tr("%1 waiting").arg(n);
    switch (m_state) {
    case BrokerState::Off:
        return tr("Publishing off");
    case BrokerState::Connecting:
        return tr("Broker: connecting \u00b7 %1").arg(wait);
    case BrokerState::Connected:
        return tr("Broker: connected \u00b7 %1").arg(wait);
    case BrokerState::Away:
        return tr("Broker: away (%1) \u00b7 %2").arg(m_lastProblem, wait);
    case BrokerState::Refused:
        return tr("Broker: refused (%1) \u00b7 %2").arg(m_lastProblem, wait);
    }
    return {};
}
