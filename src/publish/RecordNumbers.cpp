#include "publish/RecordNumbers.h"

#include "core/FileRead.h"
#include "core/KeyValueText.h"
#include "logging/DataFile.h"
#include "logging/DataFileNames.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

namespace {

struct RecordNumbersTexts {
    Q_DECLARE_TR_FUNCTIONS(RecordNumbers)
};

constexpr int kIdentityBytes = 8;

} // namespace

RecordNumbers::RecordNumbers(MeterFiles files)
    : m_files(std::move(files)) {}

QByteArray RecordNumbers::identityOf(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path, nullptr))
        return {};
    const QByteArray start = file.read(DataFile::HeaderSize + DataFile::RecordSize);
    if (start.size() < DataFile::HeaderSize + DataFile::RecordSize)
        return {};
    return QCryptographicHash::hash(start, QCryptographicHash::Sha1).left(kIdentityBytes).toHex();
}

// KEY=value lines: the meter and its name (whose numbers these are), the next number to give,
// and one line per run: "run=FIRST COUNT FROM IDENTITY FILE", the file last (a name may hold
// blanks).
RecordNumbers::Loaded RecordNumbers::load(QString* why) {
    m_runs.clear();
    m_next = 1;
    const QString path = m_files.numbersFile();
    const FileKind kind = KindOfFile(path);
    if (path.isEmpty() || kind == FileKind::Missing)
        return Loaded::Missing;
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return Loaded::Damaged;
    const auto damaged = [&](const QString& text) {
        *why = text;
        m_runs.clear();
        m_next = 1;
        return Loaded::Damaged;
    };
    bool haveNext = false, ok = true;
    int meter = 0;
    QString name;
    for (const auto& [key, value] :
         KeyValuePairs(QString::fromUtf8(file.read(1 << 24)).split(u'\n'))) {
        if (key == u"meter") {
            meter = value.toInt();
        } else if (key == u"name") {
            name = value;
        } else if (key == u"next") {
            m_next = value.toLongLong(&haveNext);
        } else if (key == u"run") {
            Run r;
            r.first = value.section(u' ', 0, 0).toLongLong(&ok);
            bool ok2 = false, ok3 = false;
            r.count = value.section(u' ', 1, 1).toLongLong(&ok2);
            r.from = value.section(u' ', 2, 2).toLongLong(&ok3);
            r.identity = value.section(u' ', 3, 3).toLatin1();
            r.file = value.section(u' ', 4);
            if (!ok || !ok2 || !ok3 || r.first < 1 || r.count < 1 || r.from < 0 ||
                (!m_runs.isEmpty() && r.first <= m_runs.back().last()))
                return damaged(RecordNumbersTexts::tr("a run of numbers does not read"));
            if (!m_files.isOwn(r.file)) {
                *why = RecordNumbersTexts::tr("it numbers %1, not this meter's").arg(r.file);
                m_runs.clear();
                return Loaded::NotOurs;
            }
            m_runs.append(r);
        }
    }
    if (meter != m_files.address() || name != m_files.name()) {
        *why = RecordNumbersTexts::tr("it is meter %1's of %2").arg(meter).arg(name);
        m_runs.clear();
        return Loaded::NotOurs;
    }
    if (!haveNext || (!m_runs.isEmpty() && m_next <= m_runs.back().last()) || m_next < 1)
        return damaged(RecordNumbersTexts::tr("it is incomplete"));
    m_dirty = false;
    return Loaded::Read;
}

QByteArray RecordNumbers::text() const {
    QByteArray out = "meter=" + QByteArray::number(m_files.address()) +
                     "\nname=" + m_files.name().toUtf8() + "\nnext=" + QByteArray::number(m_next) +
                     '\n';
    for (const Run& r : m_runs)
        out += "run=" + QByteArray::number(r.first) + ' ' + QByteArray::number(r.count) + ' ' +
               QByteArray::number(r.from) + ' ' + r.identity + ' ' + r.file.toUtf8() + '\n';
    return out;
}

QList<RecordNumbers::Change> RecordNumbers::scan() {
    return scan(m_files.dataFiles());
}

QList<RecordNumbers::Change> RecordNumbers::scan(const QStringList& dataFiles) {
    QList<Change> changes;
    QStringList known;
    for (const Run& r : std::as_const(m_runs))
        if (!known.contains(r.file))
            known << r.file;
    QHash<QString, QByteArray> identities;
    for (const QString& file : std::as_const(known)) {
        const QString path = m_files.path(file);
        if (KindOfFile(path) != FileKind::Regular) {
            cut(file, 0, Change::Gone, &changes);
            continue;
        }
        const qint64 count = DataFileNames::recordCount(path);
        const QByteArray identity = identityOf(path);
        identities.insert(file, identity);
        if (count == 0)
            cut(file, 0, Change::Shrunk, &changes);
        else if (identity != identityInRuns(file))
            cut(file, 0, Change::Replaced, &changes);
        else if (count < extentOf(file))
            cut(file, count, Change::Shrunk, &changes);
    }
    // What the files hold beyond their numbered records: the file of the last run first, so
    // that its run simply grows; then the other known files; then files never seen, in saving
    // order.
    if (!m_runs.isEmpty()) {
        const Run last = m_runs.back();
        numberRecords(last.file, last.identity, last.end(),
                      DataFileNames::recordCount(m_files.path(last.file)));
    }
    for (const QString& file : std::as_const(known)) {
        const qint64 extent = extentOf(file);
        if (extent >= 0)
            numberRecords(file, identities.value(file), extent,
                          DataFileNames::recordCount(m_files.path(file)));
    }
    for (const QString& file : dataFiles) {
        if (extentOf(file) >= 0)
            continue;
        const QString path = m_files.path(file);
        numberRecords(file, identityOf(path), 0, DataFileNames::recordCount(path));
    }
    return changes;
}

qint64 RecordNumbers::number(const RecordPlace& place, QList<Change>* changes) {
    if (!m_runs.isEmpty()) {
        Run& last = m_runs.back();
        if (last.file == place.file && last.end() == place.index && last.last() == m_next - 1) {
            ++last.count;
            return m_next++;
        }
    }
    const qint64 extent = extentOf(place.file);
    if (extent < 0) {
        numberRecords(place.file, identityOf(m_files.path(place.file)), 0, place.index + 1);
    } else if (place.index < extent) {
        // The file was cut back, or is another file now: what it held past here is gone.
        const QByteArray identity = identityOf(m_files.path(place.file));
        if (identity != identityInRuns(place.file)) {
            cut(place.file, 0, Change::Replaced, changes);
            numberRecords(place.file, identity, 0, place.index + 1);
        } else {
            cut(place.file, place.index, Change::Shrunk, changes);
            numberRecords(place.file, identity, place.index, place.index + 1);
        }
    } else {
        numberRecords(place.file, identityInRuns(place.file), extent, place.index + 1);
    }
    return seqOf(place);
}

void RecordNumbers::numberRecords(const QString& file, const QByteArray& identity, qint64 from,
                                  qint64 to) {
    if (to <= from)
        return;
    if (!m_runs.isEmpty()) {
        Run& last = m_runs.back();
        if (last.file == file && last.identity == identity && last.end() == from &&
            last.last() == m_next - 1) {
            last.count += to - from;
            m_next += to - from;
            return;
        }
    }
    m_runs.append(Run{file, identity, from, to - from, m_next});
    m_next += to - from;
    m_dirty = true;
}

void RecordNumbers::cut(const QString& file, qint64 index, Change::Kind kind,
                        QList<Change>* changes) {
    for (qsizetype i = m_runs.size() - 1; i >= 0; --i) {
        Run& r = m_runs[i];
        if (r.file != file || r.end() <= index)
            continue;
        const qint64 kept = std::max<qint64>(0, index - r.from);
        if (changes)
            changes->prepend(Change{kind, file, r.first + kept, r.last()});
        if (kept == 0)
            m_runs.removeAt(i);
        else
            r.count = kept;
        m_dirty = true;
    }
}

qint64 RecordNumbers::extentOf(const QString& file) const {
    qint64 extent = -1;
    for (const Run& r : m_runs)
        if (r.file == file)
            extent = std::max(extent, r.end());
    return extent;
}

QByteArray RecordNumbers::identityInRuns(const QString& file) const {
    for (qsizetype i = m_runs.size() - 1; i >= 0; --i)
        if (m_runs[i].file == file)
            return m_runs[i].identity;
    return {};
}

qint64 RecordNumbers::seqOf(const RecordPlace& place) const {
    for (qsizetype i = m_runs.size() - 1; i >= 0; --i) {
        const Run& r = m_runs[i];
        if (r.file == place.file && place.index >= r.from && place.index < r.end())
            return r.first + place.index - r.from;
    }
    return 0;
}

const RecordNumbers::Run* RecordNumbers::runOf(qint64 seq) const {
    auto it = std::upper_bound(m_runs.begin(), m_runs.end(), seq,
                               [](qint64 n, const Run& r) { return n < r.first; });
    if (it == m_runs.begin())
        return nullptr;
    --it;
    return seq <= it->last() ? &*it : nullptr;
}

qint64 RecordNumbers::nextHeld(qint64 seq) const {
    const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), seq,
                                     [](qint64 n, const Run& r) { return n < r.first; });
    return it == m_runs.end() ? 0 : it->first;
}

RecordPlace RecordNumbers::placeOf(qint64 seq) const {
    if (const Run* r = runOf(seq))
        return {r->file, r->from + seq - r->first};
    if (!m_runs.isEmpty())
        return {m_runs.back().file, m_runs.back().end()};
    return {};
}

void RecordNumbers::raiseTo(qint64 next) {
    if (next > m_next) {
        m_next = next;
        m_dirty = true;
    }
}

void RecordNumbers::shift(qint64 by) {
    for (Run& r : m_runs)
        r.first += by;
    m_next = std::max<qint64>(1, m_next + by);
    // Records that come out below the first number were never numbered where the numbers
    // were given (saved before the count began): they keep none.
    while (!m_runs.isEmpty() && m_runs.front().first < 1) {
        Run& r = m_runs.front();
        const qint64 below = 1 - r.first;
        if (below >= r.count) {
            m_runs.removeFirst();
            continue;
        }
        r.from += below;
        r.count -= below;
        r.first = 1;
    }
    m_dirty = true;
}
