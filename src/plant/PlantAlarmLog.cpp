#include "plant/PlantAlarmLog.h"

#include "plant/PlantAlarmFile.h"
#include "plant/PlantRecord.h"

#include <QMap>
#include <algorithm>

namespace {

// Alarms come and go in bursts; the file is written once a burst has passed.
constexpr int kSaveDelayMs = 5000;

int keyOf(int ch, int alarm) {
    return ch * 256 + alarm;
}

QList<int> keysOf(const QList<PlantAlarm>& alarms) {
    QList<int> keys;
    keys.reserve(alarms.size());
    for (const PlantAlarm& a : alarms)
        keys << keyOf(a.ch, a.alarm);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}

bool newerFirst(const PlantAlarmEntry& a, const PlantAlarmEntry& b) {
    if (a.cameMs != b.cameMs)
        return a.cameMs > b.cameMs;
    return std::tie(a.node, a.address, a.ch, a.alarm) < std::tie(b.node, b.address, b.ch, b.alarm);
}

} // namespace

PlantAlarmLog::PlantAlarmLog(QObject* parent)
    : QObject(parent) {
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { save(); });
    connect(this, &PlantAlarmLog::changed, this, [this] {
        m_unsaved = true;
        if (!m_path.isEmpty() && !m_saveTimer.isActive())
            m_saveTimer.start();
    });
}

PlantAlarmLog::~PlantAlarmLog() {
    save();
}

QString PlantAlarmLog::keepIn(const QString& path) {
    QString problem;
    const QList<PlantAlarmEntry> entries = LoadPlantAlarms(path, &problem);
    m_path = path;
    restore(entries);
    // What was read is what the file holds: nothing to write until something changes.
    m_unsaved = false;
    m_saveTimer.stop();
    return problem;
}

bool PlantAlarmLog::save(QString* error) {
    if (m_path.isEmpty() || !m_unsaved)
        return true;
    QString why;
    if (!SavePlantAlarms(m_path, entries(), &why)) {
        if (error)
            *error = why;
        return false;
    }
    m_unsaved = false;
    return true;
}

void PlantAlarmLog::take(const QString& node, int address, const PlantRecord& record) {
    if (!record.utcMs)
        return;
    const MeterKey key(node, address);
    auto it = m_meters.find(key);
    const QList<int> keys = keysOf(record.alarms);
    // Quiet records count too: a replayed record may fall on either side of one.
    if (it == m_meters.end())
        it = m_meters.insert(key, Meter());
    if (!place(*it, *record.utcMs, record.ts, keys))
        return;
    derive(key, *it);
    prune();
    Q_EMIT changed();
}

bool PlantAlarmLog::place(Meter& m, qint64 ms, const QString& ts, const QList<int>& keys) {
    std::vector<Run>& runs = m.runs;
    // The last run that began at or before the record.
    auto next = std::upper_bound(runs.begin(), runs.end(), ms,
                                 [](qint64 t, const Run& r) { return t < r.firstMs; });
    const qsizetype i = (next - runs.begin()) - 1;
    if (i >= 0 && ms <= runs[size_t(i)].lastMs) {
        Run& run = runs[size_t(i)];
        // Inside a stretch: the same alarms change nothing (a copy, a record replayed twice);
        // others split it, as the alarms came and went between its records. Two records of
        // one moment that disagree: the first one stays.
        if (run.keys == keys || ms == run.firstMs || ms == run.lastMs)
            return false;
        Run right{run.lastMs, run.lastMs, run.lastTs, run.lastTs, run.keys};
        run.lastMs = run.firstMs;
        run.lastTs = run.firstTs;
        const auto at = runs.begin() + i + 1;
        runs.insert(runs.insert(at, std::move(right)), Run{ms, ms, ts, ts, keys});
        return true;
    }
    if (i >= 0 && runs[size_t(i)].keys == keys) {
        Run& run = runs[size_t(i)];
        run.lastMs = ms;
        run.lastTs = ts;
        return false;
    }
    const size_t n = size_t(i + 1);
    if (n < runs.size() && runs[n].keys == keys) {
        runs[n].firstMs = ms;
        runs[n].firstTs = ts;
        return true;
    }
    runs.insert(runs.begin() + qsizetype(n), Run{ms, ms, ts, ts, keys});
    return true;
}

void PlantAlarmLog::derive(const MeterKey& key, Meter& m) {
    m_count -= qsizetype(m.entries.size());
    m.entries.clear();
    QHash<int, size_t> open; // alarm -> its entry, while the runs show it
    for (size_t j = 0; j < m.runs.size(); ++j) {
        const Run& run = m.runs[j];
        for (auto o = open.begin(); o != open.end();) {
            if (run.keys.contains(o.key())) {
                ++o;
                continue;
            }
            PlantAlarmEntry& e = m.entries[o.value()];
            e.goneMs = run.firstMs;
            e.gone = run.firstTs;
            o = open.erase(o);
        }
        for (int k : run.keys) {
            if (open.contains(k))
                continue;
            PlantAlarmEntry e{key.first,   key.second,  k / 256,      k % 256,
                              run.firstMs, run.firstTs, std::nullopt, QString()};
            if (j == 0)
                if (const auto c = m.carried.constFind(k);
                    c != m.carried.cend() && c->ms < run.firstMs) {
                    e.cameMs = c->ms;
                    e.came = c->ts;
                }
            open.insert(k, m.entries.size());
            m.entries.push_back(std::move(e));
        }
    }
    m_count += qsizetype(m.entries.size());
}

void PlantAlarmLog::prune() {
    while (m_count > kMaxEntries) {
        // The meter whose history reaches back furthest gives up its oldest run.
        Meter* oldest = nullptr;
        const MeterKey* oldestKey = nullptr;
        for (auto it = m_meters.begin(); it != m_meters.end(); ++it)
            if (it->runs.size() > 1 &&
                (!oldest || it->runs.front().firstMs < oldest->runs.front().firstMs)) {
                oldest = &*it;
                oldestKey = &it.key();
            }
        if (!oldest)
            return;
        const Run& first = oldest->runs[0];
        const Run& second = oldest->runs[1];
        QHash<int, Stamp> carried;
        for (int k : second.keys)
            if (first.keys.contains(k))
                carried.insert(k, oldest->carried.value(k, Stamp{first.firstMs, first.firstTs}));
        oldest->carried = std::move(carried);
        oldest->runs.erase(oldest->runs.begin());
        derive(*oldestKey, *oldest);
    }
}

QList<PlantAlarmEntry> PlantAlarmLog::entries() const {
    QList<PlantAlarmEntry> all;
    all.reserve(m_count);
    for (const Meter& m : m_meters)
        for (const PlantAlarmEntry& e : m.entries)
            all << e;
    std::sort(all.begin(), all.end(), newerFirst);
    return all;
}

void PlantAlarmLog::restore(const QList<PlantAlarmEntry>& entries) {
    m_meters.clear();
    m_count = 0;
    // Each entry tells that its alarm was there when it came and not when it went: the runs
    // are rebuilt at those moments, the alarms of every entry that covers each.
    QHash<MeterKey, QList<const PlantAlarmEntry*>> byMeter;
    for (const PlantAlarmEntry& e : entries)
        byMeter[MeterKey(e.node, e.address)] << &e;
    for (auto it = byMeter.cbegin(); it != byMeter.cend(); ++it) {
        QMap<qint64, QString> moments;
        for (const PlantAlarmEntry* e : *it) {
            moments.insert(e->cameMs, e->came);
            if (e->goneMs)
                moments.insert(*e->goneMs, e->gone);
        }
        Meter& m = m_meters[it.key()];
        for (auto t = moments.cbegin(); t != moments.cend(); ++t) {
            QList<int> keys;
            for (const PlantAlarmEntry* e : *it)
                if (e->cameMs <= t.key() && (!e->goneMs || t.key() < *e->goneMs))
                    keys << keyOf(e->ch, e->alarm);
            std::sort(keys.begin(), keys.end());
            keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
            if (!m.runs.empty() && m.runs.back().keys == keys)
                continue;
            m.runs.push_back(Run{t.key(), t.key(), t.value(), t.value(), keys});
        }
        derive(it.key(), m);
    }
    prune();
    Q_EMIT changed();
}
