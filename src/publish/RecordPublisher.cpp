#include "publish/RecordPublisher.h"

#include "core/Clock.h"
#include "core/FileRead.h"
#include "core/Version.h"
#include "logging/DataFile.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"
#include "publish/DeliveryState.h"
#include "publish/JsonTopics.h"
#include "publish/RecordPayload.h"
#include "publish/ReplayCursor.h"
#include "publish/SparkplugNode.h"
#include "publish/StateWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace {

// Replayed messages on their way at once: enough to keep a broker busy, few enough that a
// live record queued behind them waits milliseconds.
constexpr int kReplayWindow = 1000;
constexpr int kReplayBatch = 250;
// A meter's state is handed to the writer at most every two seconds: after a crash a record
// delivered since is sent once more, with its number.
constexpr int kHousekeepingMs = 500;
constexpr qint64 kStateAgeMs = 2000;
// The data files are looked at this often for files gone, cut shorter or replaced.
constexpr int kScanEveryTicks = 120;
// The node's status comes back to us through our subscription within this time, unless the
// broker passes nothing on that we publish.
constexpr qint64 kEchoWaitMs = 5000;
// What a connection made again is given to send what it has on its way.
constexpr int kGoodbyeMs = 500;

QString records(qint64 n) {
    return n == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(n);
}

// How many of `first`..`last` the broker has not got.
qint64 undelivered(const DeliveryState& s, qint64 first, qint64 last) {
    first = std::max(first, s.seq + 1);
    qint64 n = std::max<qint64>(0, last - first + 1);
    for (const DeliveryState::Range& r : s.ahead)
        n -= std::max<qint64>(0, std::min(r.last, last) - std::max(r.first, first) + 1);
    return n;
}

} // namespace

struct RecordPublisher::Stream {
    int address = 0;
    MeterFiles files;
    RecordNumbers numbers;
    DeliveryState state;
    bool dirty = false;
    qint64 handedAt = std::numeric_limits<qint64>::min() / 2; // on the clock, ms
    ReplayCursor replay;
    // The header of the file live records go to.
    QString headerFile;
    DataHeader header;

    qint64 waiting() const {
        return std::max<qint64>(0, numbers.last() - state.seq - state.aheadCount());
    }
};

RecordPublisher::RecordPublisher(Clock& clock, PublishSettings settings, SaveSettings save,
                                 QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_settings(std::move(settings))
    , m_save(std::move(save))
    , m_linkFactory([&clock](const BrokerConnection::Options& o) {
        return std::make_unique<BrokerConnection>(clock, o);
    })
    , m_writer(std::make_unique<StateWriter>())
    , m_pump(clock, QStringLiteral("replay"), 0, [this] { pumpReplay(); })
    , m_housekeeping(clock, QStringLiteral("publishing"), kHousekeepingMs,
                     [this] { onHousekeeping(); }) {
    m_housekeeping.setSlackMs(kHousekeepingMs / 2);
}

RecordPublisher::~RecordPublisher() {
    if (m_connection)
        stop(0);
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
    BrokerAddress address;
    ParseBrokerUrl(m_settings.url, &address, why, m_settings.sparkplugGroup.isEmpty());
    const QString node = m_settings.node.isEmpty() ? DefaultNodeName() : m_settings.node;
    Host& host = *this;
    if (m_settings.sparkplugGroup.isEmpty())
        m_format = std::make_unique<JsonTopics>(host, m_settings, address.prefix, node);
    else
        m_format = std::make_unique<SparkplugNode>(host, m_settings, node, m_portName, m_save);
    connect(m_format.get(), &PublishFormat::message, this, &RecordPublisher::message);
    connect(m_format.get(), &PublishFormat::statusChanged, this, &RecordPublisher::statusChanged);
    BrokerConnection::Options o;
    if (!ConnectionOptions(
            m_settings, m_settings.sparkplugGroup.isEmpty(),
            QStringLiteral("td700-%1-%2").arg(node).arg(QCoreApplication::applicationPid()), &o,
            why))
        return false;
    m_format->prepare(o);
    m_connection = m_linkFactory(o);
    connect(m_connection.get(), &BrokerLink::connected, this, &RecordPublisher::onConnected);
    connect(m_connection.get(), &BrokerLink::connectionLost, this, &RecordPublisher::onLost);
    connect(m_connection.get(), &BrokerLink::attemptFailed, this,
            &RecordPublisher::onAttemptFailed);
    connect(m_connection.get(), &BrokerLink::delivered, this, &RecordPublisher::onDelivered);
    connect(m_connection.get(), &BrokerLink::received, m_format.get(), &PublishFormat::received);
    for (const QString& filter : m_format->subscriptions())
        m_connection->subscribe(filter);
    setState(BrokerState::Connecting);
    m_housekeeping.start();
    m_connection->start();
    return true;
}

void RecordPublisher::stop(int waitMs) {
    if (!m_connection)
        return;
    // One budget for the whole stop, on the program's clock.
    const qint64 startedUs = m_clock.nowUs();
    m_pump.stop();
    if (m_connection->isConnected()) {
        m_format->goodbye();
        // What is on its way is let arrive, so that it is not sent again next time.
        QEventLoop loop;
        const auto check = [&] {
            if (m_inFlight.isEmpty() || !m_connection->isConnected())
                loop.quit();
        };
        const auto watch = connect(m_connection.get(), &BrokerLink::delivered, &loop, check);
        const auto lost = connect(m_connection.get(), &BrokerLink::connectionLost, &loop, check);
        if (!m_inFlight.isEmpty() && waitMs > 0) {
            const quint64 limit =
                m_clock.schedule(qint64(waitMs) * 1000, 0, [&loop] { loop.quit(); });
            loop.exec();
            m_clock.cancel(limit);
        }
        disconnect(watch);
        disconnect(lost);
    }
    m_connection->disconnect(this);
    const qint64 spentMs = (m_clock.nowUs() - startedUs) / 1000;
    m_connection->stop(int(std::max<qint64>(0, waitMs - spentMs)));
    m_connection.reset();
    m_inFlight.clear();
    m_replayInFlight = 0;
    m_housekeeping.stop();
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
    for (auto& [address, s] : m_streams)
        handOver(*s);
    m_save = save;
    QList<int> addresses;
    for (const auto& [address, s] : m_streams)
        addresses << address;
    m_streams.clear();
    for (auto it = m_inFlight.begin(); it != m_inFlight.end(); ++it)
        *it = Flight{}; // acknowledgements of the old files' records no longer move anything
    m_replayInFlight = 0;
    for (int address : std::as_const(addresses))
        addMeter(address);
}

RecordPublisher::Stream& RecordPublisher::stream(int address, const RecordPlace* firstRecord) {
    auto& slot = m_streams[address];
    if (!slot) {
        slot = std::make_unique<Stream>();
        slot->address = address;
        open(*slot, firstRecord);
    }
    return *slot;
}

// The meter's numbers and state from the files beside its data files, checked against the data
// files as they are now.
void RecordPublisher::open(Stream& s, const RecordPlace* firstRecord) {
    s.files = MeterFiles(m_save, s.address);
    s.numbers = RecordNumbers(s.files);
    if (s.files.stateFile().isEmpty())
        return;
    QString why;
    const RecordNumbers::Loaded numbers = s.numbers.load(&why);
    if (numbers == RecordNumbers::Loaded::NotOurs || numbers == RecordNumbers::Loaded::Damaged)
        setAside(s, s.files.numbersFile(), why);
    const StateLoaded state = LoadDeliveryState(s.files, &s.state, &why);
    if (state == StateLoaded::NotOurs || state == StateLoaded::Damaged) {
        s.state = DeliveryState();
        setAside(s, s.files.stateFile(), why);
    }
    const QList<RecordNumbers::Change> changes = s.numbers.scan();
    if (state == StateLoaded::Read) {
        if (numbers != RecordNumbers::Loaded::Read)
            lineUp(s);
        qint64 given = std::max(
            s.state.seq, s.state.anchor.identity.isEmpty() ? qint64(0) : s.state.anchor.number);
        if (!s.state.ahead.isEmpty())
            given = std::max(given, s.state.ahead.back().last);
        s.numbers.raiseTo(given + 1);
    } else if (numbers != RecordNumbers::Loaded::Missing || state != StateLoaded::Missing) {
        // Published before, but how far the broker got is not known: what the files hold is
        // sent again, with the numbers it had; a subscriber drops the copies by them.
        s.state.seq = s.numbers.firstHeld() - 1;
        if (s.waiting() > 0)
            Q_EMIT message(tr("meter %1: where the broker stands is not known; the %2 in its "
                              "data files (numbers %3 to %4) are sent again, flagged replayed")
                               .arg(s.address)
                               .arg(records(s.waiting()))
                               .arg(s.numbers.firstHeld())
                               .arg(s.numbers.last()));
    } else {
        // A meter seen for the first time starts at the end of what its files already hold:
        // records saved before publishing was switched on are not sent, but count.
        s.state.seq = firstRecord ? s.numbers.seqOf(*firstRecord) - 1 : s.numbers.last();
    }
    sayChanges(s, changes);
    // Written at once, so that a run killed before anything is delivered still knows.
    handOver(s);
}

// The numbers were lost and rebuilt from the files: they are lined up with the record the
// state file names, so that the records keep the numbers they had when older files are gone.
// Without that record the rebuilt numbers start after every number the state file knows.
void RecordPublisher::lineUp(Stream& s) {
    const DeliveryState::Anchor& a = s.state.anchor;
    qint64 at = s.numbers.seqOf({a.file, a.index});
    qint64 number = a.number;
    if (at == 0 && a.index > 0) { // an earlier version names the record after the last
        at = s.numbers.seqOf({a.file, a.index - 1});
        --number;
    }
    if (at > 0) {
        s.numbers.shift(number - at);
        return;
    }
    qint64 known = std::max(s.state.seq, a.number);
    if (!s.state.ahead.isEmpty())
        known = std::max(known, s.state.ahead.back().last);
    if (s.numbers.firstHeld() <= known)
        s.numbers.shift(known + 1 - s.numbers.firstHeld());
}

// A file beside the data files that is not the meter's, or does not read, is moved out of the
// way (NAME.bad) and said; the meter goes on as if it were not there.
void RecordPublisher::setAside(Stream& s, const QString& path, const QString& why) {
    const QString aside = path + QStringLiteral(".bad");
    QString where;
    if (KindOfFile(path) == FileKind::Regular) {
        QFile::remove(aside);
        where = QFile::rename(path, aside) ? tr("set aside as %1").arg(QFileInfo(aside).fileName())
                                           : tr("it could not be set aside and is written anew");
    } else {
        where = tr("it is left as it is and not used");
    }
    Q_EMIT message(tr("meter %1: %2 is not used (%3); %4")
                       .arg(s.address)
                       .arg(QDir::toNativeSeparators(path), why, where));
}

void RecordPublisher::sayChanges(Stream& s, const QList<RecordNumbers::Change>& changes) {
    for (const RecordNumbers::Change& c : changes) {
        const qint64 lost = undelivered(s.state, c.first, c.last);
        s.state.markDelivered(c.first, c.last); // nothing of them can be sent any more
        s.dirty = true;
        if (c.kind == RecordNumbers::Change::Gone && lost == 0 &&
            m_deletedFiles.value(s.address).contains(c.file)) {
            m_deletedFiles[s.address].remove(c.file); // said by what deleted it
            continue;
        }
        const QString numbers = c.first == c.last ? tr("record %1").arg(c.first)
                                                  : tr("records %1 to %2").arg(c.first).arg(c.last);
        const QString sent = lost == 0
                                 ? tr("none of them was waiting to be sent")
                                 : tr("%1 of them not sent, and they cannot be now").arg(lost);
        QString what;
        switch (c.kind) {
        case RecordNumbers::Change::Gone:
            what = tr("%1 is no longer in the data folder: %2 went with it").arg(c.file, numbers);
            break;
        case RecordNumbers::Change::Shrunk:
            what = tr("%1 is shorter than before: it no longer holds %2").arg(c.file, numbers);
            break;
        case RecordNumbers::Change::Replaced:
            what = tr("%1 is another file now: %2 went with the one before").arg(c.file, numbers);
            if (s.headerFile == c.file)
                s.headerFile.clear(); // its header is read again
            break;
        }
        Q_EMIT message(tr("meter %1: %2 (%3); the numbers of the records still there stay")
                           .arg(s.address)
                           .arg(what, sent));
    }
}

void RecordPublisher::setMeters(const QList<int>& addresses) {
    m_meters = QSet<int>(addresses.begin(), addresses.end());
    m_metersKnown = true;
    for (int address : addresses)
        addMeter(address);
    if (m_connection)
        m_format->metersChanged();
}

void RecordPublisher::addMeter(int address) {
    const bool known = m_streams.count(address) > 0;
    Stream& s = stream(address);
    if (!known && m_connection && m_connection->isConnected())
        m_format->described(address);
    if (!known && isReady()) {
        if (const qint64 pending = beginCatchUp(s); pending > 0) {
            m_replayTotal += pending;
            m_replaying = true;
            m_pump.start();
        }
    }
}

qint64 RecordPublisher::beginCatchUp(Stream& s) {
    if (m_settings.qos == 0) {
        // At most once: records saved while the broker was away are not sent.
        if (s.waiting() > 0) {
            s.state.ahead.clear();
            s.state.seq = s.numbers.last();
            s.dirty = true;
        }
        return 0;
    }
    const qint64 pending = s.waiting();
    if (pending > 0)
        s.replay.begin(s.state.seq + 1, s.numbers.last());
    return pending;
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
    if (s.files.folder().isEmpty())
        return; // no data folder: nothing was saved
    QList<RecordNumbers::Change> changes;
    const qint64 seq = known ? s.numbers.number(place, &changes) : s.numbers.seqOf(place);
    sayChanges(s, changes);
    if (seq <= 0)
        return;
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
    const bool ready = isReady();
    if (!known && ready) {
        // Records of an earlier run wait before this one.
        const qint64 pending = beginCatchUp(s);
        s.replay.shortenTo(seq - 1);
        if (s.replay.isActive()) {
            m_replayTotal += pending - 1;
            m_replaying = true;
            m_pump.start();
        }
    }
    if (m_connection->isConnected())
        m_format->described(saved.address);
    if (s.state.isDelivered(seq))
        return;
    if (ready) {
        // The record was stamped just now, with the offset in force now.
        publishRecord(s, saved.record.constData(), headerOf(s, place.file), seq, false,
                      m_clock.currentDateTime().offsetFromUtc());
    } else if (m_settings.qos == 0) {
        s.state.markDelivered(seq); // at most once: what the broker did not get is not sent later
        s.dirty = true;
    }
}

void RecordPublisher::publishRecord(Stream& s, const char* record, const DataHeader& header,
                                    qint64 seq, bool replayed, std::optional<int> utcOffset) {
    RecordToSend r;
    r.address = s.address;
    r.record = record;
    r.header = &header;
    r.channels = s.state.channels > 0 ? s.state.channels : header.channelCount;
    r.seq = seq;
    r.replayed = replayed;
    r.utcOffset = utcOffset;
    const int mid = m_format->publishRecord(r);
    if (mid < 0)
        return;
    m_inFlight.insert(mid, Flight{s.address, seq, replayed});
    if (replayed)
        ++m_replayInFlight;
}

void RecordPublisher::linkChanged(int address, bool ok, qint64 good, qint64 timeouts, qint64 bad) {
    if (!m_connection)
        return;
    stream(address);
    m_format->linkChanged(address, ok, good, timeouts, bad);
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
        if (s != m_streams.end()) {
            s->second->state.markDelivered(f.seq);
            s->second->dirty = true;
        }
    }
    if (m_replaying && !m_pump.isEnabled())
        m_pump.start();
}

void RecordPublisher::onConnected() {
    m_since = m_clock.currentDateTime();
    m_lastProblem.clear();
    m_format->connected();
    if (!m_format->isReady())
        setState(BrokerState::Waiting);
}

// The format lets records go: what the broker has not got is caught up from the files.
void RecordPublisher::ready() {
    const bool back = m_awaySince.isValid();
    m_replayTotal = m_replaySent = m_replaySkipped = 0;
    for (auto& [address, s] : m_streams) {
        sayChanges(*s, s->numbers.scan());
        m_replayTotal += beginCatchUp(*s);
    }
    QString line =
        back ? tr("broker %1 back after %2 s").arg(brokerName()).arg(m_awaySince.secsTo(m_since))
             : tr("publishing to %1 as %2").arg(brokerName(), m_format->target());
    if (m_replayTotal > 0)
        line += tr("; %1 to catch up").arg(records(m_replayTotal));
    m_awaySince = QDateTime();
    m_replaying = m_replayTotal > 0;
    if (m_replaying)
        m_pump.start();
    setState(BrokerState::Connected);
    Q_EMIT message(line);
}

bool RecordPublisher::isReady() const {
    return m_connection && m_connection->isConnected() && m_format->isReady();
}

void RecordPublisher::endSession() {
    m_inFlight.clear();
    m_replayInFlight = 0;
    m_pump.stop();
    m_replaying = false;
    for (auto& [address, s] : m_streams)
        s->replay.end();
    m_format->lost();
}

void RecordPublisher::onLost(const QString& why) {
    endSession();
    m_awaySince = m_clock.currentDateTime();
    m_lastProblem = why;
    setState(BrokerState::Away);
    Q_EMIT message(tr("broker %1 went away (%2); records are kept in the data files and sent "
                      "when it is back; next try in %3 s")
                       .arg(brokerName(), why)
                       .arg(m_connection->secondsToRetry()));
}

// Made again off the handler that asked: the connection may be in the middle of its own work.
void RecordPublisher::reconnect(const QString& why) {
    endSession();
    setState(BrokerState::Connecting);
    Q_EMIT message(tr("%1; connecting to broker %2 again").arg(why, brokerName()));
    m_clock.callAfter(0, [this, guard = QPointer<RecordPublisher>(this)] {
        if (!guard || !m_connection)
            return;
        m_connection->stop(kGoodbyeMs);
        m_connection->start();
    });
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
        m_awaySince = m_clock.currentDateTime();
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
    for (auto& [address, s] : m_streams) {
        if (!s->replay.isActive())
            continue;
        budget -= replayStep(*s, std::max(1, budget));
        if (budget <= 0)
            break;
    }
    if (std::none_of(m_streams.begin(), m_streams.end(),
                     [](const auto& e) { return e.second->replay.isActive(); })) {
        if (m_replayInFlight == 0)
            finishReplay();
        else
            m_pump.stop();
    }
}

int RecordPublisher::replayStep(Stream& s, int budget) {
    // Records older than the backlog limit are passed over, counted, as if delivered.
    const QDateTime cutoff = m_clock.currentDateTime().addDays(-m_settings.backlogDays);
    const qint64 cutoffSeconds = DataTime::stampSeconds(PackTimeStamp(cutoff)).value_or(0);
    int sent = 0;
    int looked = 0;
    s.replay.recheck();
    while (sent < budget && looked < budget * 40 && s.replay.isActive()) {
        const ReplayCursor::Step step = s.replay.step(s.numbers, s.files);
        if (step.goneTo > 0) {
            if (const qint64 lost = undelivered(s.state, step.seq, step.goneTo); lost > 0)
                Q_EMIT message(tr("meter %1: %2 up to number %3 are no longer in the data "
                                  "files and cannot be sent")
                                   .arg(s.address)
                                   .arg(records(lost))
                                   .arg(step.goneTo));
            s.state.markDelivered(step.seq, step.goneTo);
            s.dirty = true;
            continue;
        }
        ++looked;
        if (s.state.isDelivered(step.seq))
            continue;
        const std::optional<qint64> at = DataTime::stampSeconds(RecordBytes::stamp(step.record));
        if (at && *at < cutoffSeconds) {
            ++m_replaySkipped;
            s.state.markDelivered(step.seq);
            s.dirty = true;
            continue;
        }
        publishRecord(s, step.record, *step.header, step.seq, true, step.utcOffset);
        ++sent;
    }
    if (!s.replay.isActive()) {
        s.replay.end();
        m_format->caughtUp(s.address);
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

// The state (and the numbers, when they changed) go to the writer's thread; the newest data
// file's last record is named in the state, so that the state says whose it is.
void RecordPublisher::handOver(Stream& s) {
    s.dirty = false;
    s.handedAt = m_clock.nowMs();
    if (s.files.stateFile().isEmpty())
        return;
    if (s.numbers.isDirty()) {
        m_writer->write(s.files.numbersFile(), s.numbers.text());
        s.numbers.markWritten();
    }
    if (!s.numbers.runs().isEmpty()) {
        const RecordNumbers::Run& newest = s.numbers.runs().back();
        s.state.anchor = {newest.file, newest.identity,
                          DataFile::HeaderSize + newest.end() * DataFile::RecordSize,
                          newest.end() - 1, newest.last()};
    }
    m_writer->write(s.files.stateFile(),
                    DeliveryStateText(s.files, s.state, s.numbers.placeOf(s.state.seq + 1)));
}

void RecordPublisher::onHousekeeping() {
    const qint64 now = m_clock.nowMs();
    if (m_echoDueMs >= 0 && now >= m_echoDueMs && m_connection->isConnected()) {
        // Said once a run: a broker that takes messages in and drops them looks like one that
        // delivers them, so this is the one sign of it.
        m_echoDueMs = -2;
        Q_EMIT message(tr("WARNING: broker %1 takes what this program publishes but passes "
                          "nothing on: this program's own status did not come back in %2 s. Do "
                          "the broker's access rules let user %3 publish and read under %4? "
                          "What it drops is lost to subscribers.")
                           .arg(brokerName())
                           .arg(kEchoWaitMs / 1000)
                           .arg(m_settings.user.isEmpty() ? tr("(none)") : m_settings.user,
                                m_format->topicsText()));
    }
    m_format->tick();
    const bool scan = ++m_ticks % kScanEveryTicks == 0;
    // One look at the folder for every meter.
    const QHash<int, QStringList> listed =
        scan ? DataFileNames::filesByMeter(m_save.gDSaveFolder, m_save.gDSaveName)
             : QHash<int, QStringList>();
    for (auto& [address, s] : m_streams) {
        if (scan && !s->replay.isActive())
            sayChanges(*s, s->numbers.scan(listed.value(address)));
        if ((s->dirty || s->numbers.isDirty()) && now - s->handedAt >= kStateAgeMs)
            handOver(*s);
    }
    sayWriteOutcomes();
    if (m_ticks % (1000 / kHousekeepingMs) == 0)
        Q_EMIT statusChanged();
}

void RecordPublisher::sayWriteOutcomes() {
    for (const StateWriter::Outcome& o : m_writer->takeOutcomes())
        Q_EMIT message(o.error.isEmpty()
                           ? tr("%1 written again").arg(QDir::toNativeSeparators(o.path))
                           : tr("%1 not written: %2; publishing goes on, and after a restart "
                                "records may be sent again")
                                 .arg(QDir::toNativeSeparators(o.path), o.error));
}

void RecordPublisher::writeStates() {
    for (auto& [address, s] : m_streams)
        if (s->dirty || s->numbers.isDirty())
            handOver(*s);
    m_writer->flush();
    sayWriteOutcomes();
}

qint64 RecordPublisher::waiting() const {
    qint64 n = 0;
    for (const auto& [address, s] : m_streams)
        n += s->waiting();
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
    QString wait = tr("%1 waiting").arg(n);
    if (m_format && m_state != BrokerState::Off)
        wait += m_format->statusNote();
    switch (m_state) {
    case BrokerState::Off:
        return tr("Publishing off");
    case BrokerState::Connecting:
        return tr("Broker: connecting \u00b7 %1").arg(wait);
    case BrokerState::Connected:
        return tr("Broker: connected \u00b7 %1").arg(wait);
    case BrokerState::Waiting:
        return tr("Broker: connected, not publishing \u00b7 %1").arg(wait);
    case BrokerState::Away:
        return tr("Broker: away (%1) \u00b7 %2").arg(m_lastProblem, wait);
    case BrokerState::Refused:
        return tr("Broker: refused (%1) \u00b7 %2").arg(m_lastProblem, wait);
    }
    return {};
}

bool RecordPublisher::holdsUndelivered(int address, const QString& file) const {
    if (!m_connection || m_settings.qos == 0)
        return false; // at most once: nothing waits for a later connection
    const auto it = m_streams.find(address);
    if (it == m_streams.end())
        return false;
    const Stream& s = *it->second;
    qint64 numbered = 0;
    for (const RecordNumbers::Run& run : s.numbers.runs()) {
        if (run.file != file)
            continue;
        if (undelivered(s.state, run.first, run.last()) > 0)
            return true;
        numbered = std::max(numbered, run.end());
    }
    return DataFileNames::recordCount(s.files.path(file)) > numbered;
}

void RecordPublisher::filesDeleted(int address, const QStringList& files) {
    const auto it = m_streams.find(address);
    if (it == m_streams.end())
        return;
    for (const QString& file : files)
        m_deletedFiles[address].insert(file);
    Stream& s = *it->second;
    // While a catch-up reads the files, the next look at them notices.
    if (!s.replay.isActive())
        sayChanges(s, s.numbers.scan());
}

std::optional<qint64> RecordPublisher::oldestWaitingStamp() const {
    std::optional<qint64> oldest;
    for (const auto& [address, s] : m_streams) {
        if (s->waiting() <= 0)
            continue;
        qint64 seq = s->state.seq + 1;
        if (!s->numbers.runOf(seq))
            seq = s->numbers.nextHeld(seq);
        if (seq <= 0)
            continue;
        const RecordPlace place = s->numbers.placeOf(seq);
        QFile f(s->files.path(place.file));
        char stamp[4];
        if (!f.open(QIODevice::ReadOnly) ||
            !f.seek(DataFile::HeaderSize + place.index * DataFile::RecordSize) ||
            f.read(stamp, sizeof stamp) != qint64(sizeof stamp))
            continue;
        const std::optional<qint64> at = DataTime::stampSeconds(RecordBytes::stamp(stamp));
        if (at && (!oldest || *at < *oldest))
            oldest = at;
    }
    return oldest;
}

QList<int> RecordPublisher::meters() const {
    QList<int> out;
    for (const auto& [address, s] : m_streams)
        out << address;
    return out;
}

bool RecordPublisher::isListed(int address) const {
    return !m_metersKnown || m_meters.contains(address);
}

bool RecordPublisher::isCatchingUp(int address) const {
    const auto it = m_streams.find(address);
    return it != m_streams.end() && it->second->replay.isActive();
}

std::optional<NewestRecord> RecordPublisher::newestRecord(int address) {
    Stream& s = stream(address);
    if (s.numbers.last() <= 0)
        return std::nullopt;
    ReplayCursor cursor;
    cursor.begin(s.numbers.last(), s.numbers.last());
    const ReplayCursor::Step step = cursor.step(s.numbers, s.files);
    if (!step.record)
        return std::nullopt;
    return NewestRecord{QByteArray(step.record, DataFile::RecordSize), *step.header, step.seq,
                        step.utcOffset};
}

void RecordPublisher::track(int mid) {
    if (mid >= 0)
        m_inFlight.insert(mid, Flight{});
}

void RecordPublisher::expectEcho() {
    if (m_echoDueMs != -2)
        m_echoDueMs = m_clock.nowMs() + kEchoWaitMs;
}

void RecordPublisher::writeFile(const QString& path, const QByteArray& bytes) {
    m_writer->write(path, bytes);
}
