#include "service/DataRetention.h"

#include "core/Clock.h"
#include "logging/DataFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace {

constexpr int kPassEveryMs = 60000;
constexpr int kSoonMs = 2000;
// While files are kept for the broker, it is said again at most this often.
constexpr qint64 kHeldReminderMs = 3600000;

QString sizeText(qint64 bytes) {
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString recordsText(qint64 n) {
    return n == 1 ? QStringLiteral("1 record") : QStringLiteral("%1 records").arg(n);
}

} // namespace

DataRetention::DataRetention(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_spaceOf([](const QString& folder) {
        QStorageInfo info(folder);
        return info.isValid() ? DiskSpace{info.bytesAvailable(), info.bytesTotal()} : DiskSpace{};
    })
    , m_timer(clock, QStringLiteral("retention"), kPassEveryMs, [this] { onTimer(); })
    , m_soon(clock, QStringLiteral("retention soon"), kSoonMs, [this] {
        m_soon.stop();
        check();
    }) {
    m_timer.setSlackMs(kPassEveryMs / 10);
}

void DataRetention::setSettings(const SaveSettings& settings) {
    m_settings = settings;
    m_lookedAtDay = QDate();
    if (hasLimits() && !settings.gDSaveDaily && !m_saidSingle) {
        m_saidSingle = true;
        Q_EMIT message(tr("the data files are one per meter, not daily: the limits of what the "
                          "data folder keeps apply to daily files only, and none is deleted"));
    }
}

void DataRetention::setMeters(const QList<int>& addresses) {
    m_meters = QSet<int>(addresses.begin(), addresses.end());
    m_lookedAtDay = QDate();
}

QDate DataRetention::oldestKeptDay(const QDateTime& now) const {
    const int dayChange = m_settings.gDSaveDayHour * 3600 + m_settings.gDSaveDayMinute * 60;
    return now.addDays(-m_settings.keepDays).addSecs(-dayChange).date();
}

// A look at the disk; at the files only when it may find one to delete.
void DataRetention::onTimer() {
    if (!hasLimits())
        return;
    const DiskSpace disk = space();
    const bool below = m_settings.keepFree.isSet() && disk.total > 0 && disk.free >= 0 &&
                       disk.free < m_settings.keepFree.bytesOn(disk.total);
    if (below || m_held > 0 || m_belowLimit ||
        (m_settings.keepDays > 0 && oldestKeptDay(m_clock.currentDateTime()) != m_lookedAtDay))
        check();
}

void DataRetention::start() {
    m_timer.start();
    checkSoon();
}

void DataRetention::stop() {
    m_timer.stop();
    m_soon.stop();
}

void DataRetention::checkSoon() {
    if (hasLimits() && !m_soon.isEnabled())
        m_soon.start();
}

QString DataRetention::statusText() const {
    if (m_held == 0)
        return {};
    return m_belowLimit
               ? tr("Disk filling: %1 data files kept until the broker has them").arg(m_held)
               : tr("%1 data files kept until the broker has them").arg(m_held);
}

DataRetention::DiskSpace DataRetention::space() const {
    return m_settings.gDSaveFolder.isEmpty() ? DiskSpace{} : m_spaceOf(m_settings.gDSaveFolder);
}

// The meters' data files that may go, oldest first: daily files of the meters in the list but
// the one each meter's records go to now. A file of an earlier single-file setting counts by
// when it was last written.
QList<DataRetention::Candidate> DataRetention::candidates(const QDateTime& now) const {
    const QString& name = m_settings.gDSaveName;
    const QDir folder(m_settings.gDSaveFolder);
    QList<Candidate> out;
    for (const QString& file : folder.entryList({name + QStringLiteral("_*")}, QDir::Files)) {
        const DataFileName n = DataFileName::parse(file);
        if (!n.matches || n.name != name || !m_meters.contains(n.address))
            continue;
        if (QFileInfo(DataFileNames::path(m_settings, n.address, now)).fileName() == file)
            continue;
        Candidate c{file, n.address, {}};
        c.end = n.day.isValid() ? QDateTime(n.day.addDays(1), QTime(m_settings.gDSaveDayHour,
                                                                    m_settings.gDSaveDayMinute))
                                : QFileInfo(folder.filePath(file)).lastModified();
        out << c;
    }
    std::sort(out.begin(), out.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.end, a.address, a.file) < std::tie(b.end, b.address, b.file);
    });
    return out;
}

void DataRetention::check() {
    if (!hasLimits() || !m_settings.gDSaveDaily || m_settings.gDSaveFolder.isEmpty())
        return;
    const QDateTime now = m_clock.currentDateTime();
    m_lookedAtDay = oldestKeptDay(now);
    const QDateTime oldest =
        m_settings.keepDays > 0 ? now.addDays(-m_settings.keepDays) : QDateTime();
    DiskSpace disk = space();
    const qint64 limit = m_settings.keepFree.isSet() && disk.total > 0
                             ? m_settings.keepFree.bytesOn(disk.total)
                             : -1;
    const QDir folder(m_settings.gDSaveFolder);
    QMap<int, QStringList> gone;
    int held = 0;
    for (const Candidate& c : candidates(now)) {
        const bool old = oldest.isValid() && c.end < oldest;
        const bool room = limit >= 0 && disk.free >= 0 && disk.free < limit;
        if (!old && !room)
            continue;
        if (m_undelivered && m_undelivered(c.address, c.file)) {
            ++held;
            continue;
        }
        const QString path = folder.filePath(c.file);
        const qint64 records = DataFileNames::recordCount(path);
        QFile f(path);
        if (!f.remove()) {
            if (!m_failed.contains(c.file)) {
                m_failed.insert(c.file);
                Q_EMIT message(tr("%1 cannot be deleted: %2")
                                   .arg(QDir::toNativeSeparators(path), f.errorString()));
            }
            continue;
        }
        m_failed.remove(c.file);
        ++m_deleted;
        gone[c.address] << c.file;
        const QString why =
            old ? tr("older than %1 days").arg(m_settings.keepDays)
                : tr("%1 free, %2 to be kept free").arg(sizeText(disk.free), sizeText(limit));
        Q_EMIT message(tr("deleted %1 (%2; %3)")
                           .arg(QDir::toNativeSeparators(path), recordsText(records), why));
        if (room)
            disk = space();
    }
    const bool below = limit >= 0 && disk.free >= 0 && disk.free < limit;
    const bool changed = held != m_held || below != m_belowLimit;
    sayHeld(held, disk, limit);
    m_held = held;
    m_belowLimit = below;
    for (auto it = gone.cbegin(); it != gone.cend(); ++it)
        Q_EMIT filesDeleted(it.key(), it.value());
    if (changed || !gone.isEmpty())
        Q_EMIT stateChanged();
}

// Files kept for the broker are said when they begin to be kept, again every hour while more
// are kept, and when they are no longer kept.
void DataRetention::sayHeld(int held, const DiskSpace& space, qint64 limit) {
    const qint64 nowMs = m_clock.nowMs();
    if (held == 0) {
        if (m_held > 0)
            Q_EMIT message(tr("no data file past the limits is kept for the broker any more"));
        m_heldSaidMs = -1;
        return;
    }
    if (m_heldSaidMs >= 0 && (held <= m_held || nowMs - m_heldSaidMs < kHeldReminderMs))
        return;
    m_heldSaidMs = nowMs;
    QString line = tr("WARNING: %1 data files past the limits kept: they hold records the broker "
                      "has not acknowledged, and go once it has them")
                       .arg(held);
    if (limit >= 0 && space.free >= 0 && space.free < limit)
        line += tr("; the disk is filling because the broker is away (%1 free, %2 to be kept "
                   "free)")
                    .arg(sizeText(space.free), sizeText(limit));
    Q_EMIT message(line);
}
