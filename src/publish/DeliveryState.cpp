#include "publish/DeliveryState.h"

#include "core/FileRead.h"
#include "core/KeyValueText.h"
#include "logging/DataFile.h"
#include "logging/DataFileNames.h"
#include "publish/RecordNumbers.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace {

struct DeliveryStateTexts {
    Q_DECLARE_TR_FUNCTIONS(DeliveryState)
};

} // namespace

void DeliveryState::markDelivered(qint64 first, qint64 last) {
    first = std::max(first, seq + 1);
    if (first > last)
        return;
    // The ranges that touch or overlap [first, last] merge with it.
    auto from = std::lower_bound(ahead.begin(), ahead.end(), first,
                                 [](const Range& r, qint64 n) { return r.last + 1 < n; });
    auto to = from;
    Range merged{first, last};
    for (; to != ahead.end() && to->first <= last + 1; ++to) {
        merged.first = std::min(merged.first, to->first);
        merged.last = std::max(merged.last, to->last);
    }
    const qsizetype at = from - ahead.begin();
    ahead.erase(from, to);
    ahead.insert(at, merged);
    if (ahead.front().first == seq + 1) {
        seq = ahead.front().last;
        ahead.removeFirst();
    }
}

bool DeliveryState::isDelivered(qint64 number) const {
    if (number <= seq)
        return true;
    const auto it = std::lower_bound(ahead.begin(), ahead.end(), number,
                                     [](const Range& r, qint64 n) { return r.last < n; });
    return it != ahead.end() && it->first <= number;
}

qint64 DeliveryState::aheadCount() const {
    qint64 n = 0;
    for (const Range& r : ahead)
        n += r.last - r.first + 1;
    return n;
}

// The file: KEY=value lines. Data files are named without their folder, so that a folder
// moved whole keeps its state.
StateLoaded LoadDeliveryState(const MeterFiles& files, DeliveryState* out, QString* why) {
    const QString path = files.stateFile();
    if (path.isEmpty() || KindOfFile(path) == FileKind::Missing)
        return StateLoaded::Missing;
    QFile file;
    if (!OpenRegularFile(file, path, why))
        return StateLoaded::Damaged;
    const auto notOurs = [&](const QString& text) {
        *why = text;
        return StateLoaded::NotOurs;
    };
    const auto damaged = [&]() {
        *why = DeliveryStateTexts::tr("it does not read as a state file");
        return StateLoaded::Damaged;
    };
    DeliveryState s;
    bool haveSeq = false, haveMeter = false;
    QString place, newest;
    qint64 next = -1;
    for (const auto& [key, value] :
         KeyValuePairs(QString::fromUtf8(file.read(1 << 20)).split(u'\n'))) {
        bool ok = true;
        if (key == u"meter") {
            if (value.toInt() != files.address())
                return notOurs(DeliveryStateTexts::tr("it is meter %1's").arg(value));
            haveMeter = true;
        } else if (key == u"name" && value != files.name()) {
            return notOurs(DeliveryStateTexts::tr("it is the state of %1 files").arg(value));
        } else if (key == u"file") {
            place = value;
        } else if (key == u"next") {
            next = value.toLongLong(&ok);
        } else if (key == u"seq") {
            s.seq = value.toLongLong(&haveSeq);
            haveSeq = haveSeq && s.seq >= 0;
        } else if (key == u"ahead") {
            for (const QString& part : value.split(u',', Qt::SkipEmptyParts)) {
                bool ok1 = false, ok2 = false;
                const DeliveryState::Range r{part.section(u'-', 0, 0).toLongLong(&ok1),
                                             part.section(u'-', -1).toLongLong(&ok2)};
                // Each range leaves a gap before it: what touches the run would be part of it.
                const qint64 floor = s.ahead.isEmpty() ? s.seq + 1 : s.ahead.back().last + 1;
                if (!ok1 || !ok2 || r.first > r.last || r.first <= floor)
                    return damaged();
                s.ahead.append(r);
            }
        } else if (key == u"data") {
            newest = value;
        } else if (key == u"identity") {
            s.anchor.identity = value.toLatin1();
        } else if (key == u"size") {
            s.anchor.size = value.toLongLong(&ok);
        } else if (key == u"last") {
            s.anchor.number = value.toLongLong(&ok);
        } else if (key == u"channels") {
            s.channels = value.toInt();
        } else if (key == u"meta") {
            s.meta = value.toUtf8();
        }
        if (!ok)
            return damaged();
    }
    for (const QString& name : {place, newest})
        if (!name.isEmpty() && !files.isOwn(name))
            return notOurs(DeliveryStateTexts::tr("it names %1").arg(name));
    // A file of an earlier version says whose it is only by the data file it names.
    if (!haveSeq || (!haveMeter && (place.isEmpty() || next < 0)))
        return damaged();
    if (!newest.isEmpty()) {
        s.anchor.file = newest;
        s.anchor.index = (s.anchor.size - DataFile::HeaderSize) / DataFile::RecordSize - 1;
        if (s.anchor.size < DataFile::HeaderSize + DataFile::RecordSize || s.anchor.number < 1)
            return damaged();
        // The data file it names must still be there as it was: the same file, no shorter.
        const QString data = files.path(newest);
        if (KindOfFile(data) == FileKind::Regular) {
            if (RecordNumbers::identityOf(data) != s.anchor.identity)
                return notOurs(
                    DeliveryStateTexts::tr("it speaks of another %1 than the one there now")
                        .arg(newest));
            if (DataFileNames::recordCount(data) <= s.anchor.index)
                return notOurs(
                    DeliveryStateTexts::tr("%1 is shorter now than it says").arg(newest));
        }
    } else if (!place.isEmpty() && next >= 0) {
        s.anchor = {place, {}, -1, next, s.seq + 1};
    }
    *out = s;
    return StateLoaded::Read;
}

QByteArray DeliveryStateText(const MeterFiles& files, const DeliveryState& s,
                             const RecordPlace& next) {
    QByteArray ranges;
    for (const DeliveryState::Range& r : s.ahead) {
        if (!ranges.isEmpty())
            ranges += ',';
        ranges += QByteArray::number(r.first) + '-' + QByteArray::number(r.last);
    }
    QByteArray text = "meter=" + QByteArray::number(files.address()) +
                      "\nname=" + files.name().toUtf8() + "\nseq=" + QByteArray::number(s.seq) +
                      "\nahead=" + ranges + "\nfile=" + next.file.toUtf8() +
                      "\nnext=" + QByteArray::number(next.index) + '\n';
    if (!s.anchor.identity.isEmpty())
        text += "data=" + s.anchor.file.toUtf8() + "\nidentity=" + s.anchor.identity +
                "\nsize=" + QByteArray::number(s.anchor.size) +
                "\nlast=" + QByteArray::number(s.anchor.number) + '\n';
    return text + "channels=" + QByteArray::number(s.channels) + "\nmeta=" + s.meta + '\n';
}
