#include "publish/DeliveryState.h"

#include "core/FileRead.h"
#include "core/FileWrite.h"

#include <QFile>
#include <algorithm>

void DeliveryState::markDelivered(qint64 number, qint64* grown) {
    *grown = 0;
    if (number <= seq || isDelivered(number))
        return;
    // Insert, merging with the neighbours.
    auto it = std::lower_bound(ahead.begin(), ahead.end(), number,
                               [](const Range& r, qint64 n) { return r.last < n; });
    const qsizetype at = it - ahead.begin();
    ahead.insert(at, Range{number, number});
    if (at + 1 < ahead.size() && ahead[at + 1].first == number + 1) {
        ahead[at].last = ahead[at + 1].last;
        ahead.removeAt(at + 1);
    }
    if (at > 0 && ahead[at - 1].last + 1 == number) {
        ahead[at - 1].last = ahead[at].last;
        ahead.removeAt(at);
    }
    if (!ahead.isEmpty() && ahead.front().first == seq + 1) {
        *grown = ahead.front().last - seq;
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

// The file: KEY=value lines. The data file is named without its folder, so that a folder
// moved whole keeps its state.
bool LoadDeliveryState(const QString& path, DeliveryState* out) {
    QFile file;
    if (!OpenRegularFile(file, path, nullptr))
        return false;
    DeliveryState s;
    bool haveFile = false, haveNext = false, haveSeq = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray line : lines) {
        line = line.trimmed();
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq);
        const QByteArray value = line.mid(eq + 1);
        bool ok = true;
        if (key == "file") {
            s.next.file = QString::fromUtf8(value);
            haveFile = !s.next.file.isEmpty() && !s.next.file.contains(u'/');
        } else if (key == "next") {
            s.next.index = value.toLongLong(&ok);
            haveNext = ok && s.next.index >= 0;
        } else if (key == "seq") {
            s.seq = value.toLongLong(&ok);
            haveSeq = ok && s.seq >= 0;
        } else if (key == "ahead") {
            for (const QByteArray& part : value.split(',')) {
                if (part.isEmpty())
                    continue;
                const QList<QByteArray> ends = part.split('-');
                bool ok1 = false, ok2 = false;
                const DeliveryState::Range r{ends.value(0).toLongLong(&ok1),
                                             ends.value(ends.size() - 1).toLongLong(&ok2)};
                // Each range leaves a gap before it: what touches the run would be part of it.
                const qint64 floor = s.ahead.isEmpty() ? s.seq + 1 : s.ahead.back().last + 1;
                if (!ok1 || !ok2 || r.first > r.last || r.first <= floor)
                    return false;
                s.ahead.append(r);
            }
        } else if (key == "channels") {
            s.channels = value.toInt();
        } else if (key == "meta") {
            s.meta = value;
        }
    }
    if (!haveFile || !haveNext || !haveSeq)
        return false;
    *out = s;
    return true;
}

bool WriteDeliveryState(const QString& path, const DeliveryState& s, QString* error) {
    QByteArray ranges;
    for (const DeliveryState::Range& r : s.ahead) {
        if (!ranges.isEmpty())
            ranges += ',';
        ranges += QByteArray::number(r.first) + '-' + QByteArray::number(r.last);
    }
    const QByteArray text =
        "file=" + s.next.file.toUtf8() + "\nnext=" + QByteArray::number(s.next.index) +
        "\nseq=" + QByteArray::number(s.seq) + "\nahead=" + ranges +
        "\nchannels=" + QByteArray::number(s.channels) + "\nmeta=" + s.meta + '\n';
    return WriteFileWhole(path, text, error);
}
