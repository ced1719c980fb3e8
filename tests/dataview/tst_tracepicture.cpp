#include "TimeLineFiles.h"
#include "dataview/DataTimeLine.h"
#include "dataview/TracePicture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <map>

using namespace TimeLineFiles;
using DataFileBytes::Record;

namespace {

// Records one a second with silences now and then, values anywhere, channels that now and
// then have no valid value (a state, or not a number), alarms, inputs and relays that change.
struct RandomLog {
    QList<Record> records;
    QList<qint64> times; // offsets

    RandomLog(quint32 seed, int count) {
        QRandomGenerator random(seed);
        qint64 t = 0;
        quint64 alarms = 0;
        quint8 inputs = 0;
        for (int i = 0; i < count; ++i) {
            t += random.bounded(100) == 0 ? 2 + random.bounded(40) : 1;
            Record r = recordAt(t);
            for (int ch = 0; ch < 12; ++ch) {
                r.values[size_t(ch)] = float(random.bounded(20000) / 100.0 - 50);
                // The file keeps no state for channels 6 and 12 (and 12's would land on 1's).
                if (ch != 5 && ch != 11 && random.bounded(30) == 0)
                    r.states[size_t(ch)] = 1 + random.bounded(3);
                if (random.bounded(500) == 0)
                    r.values[size_t(ch)] = std::numeric_limits<float>::quiet_NaN();
            }
            if (random.bounded(50) == 0)
                alarms ^= quint64(1) << random.bounded(48);
            if (random.bounded(80) == 0)
                inputs ^= quint8(1u << random.bounded(6));
            r.alarms = alarms;
            r.inputs = inputs;
            r.relays = quint16(alarms & 0xFFF);
            records << r;
            times << t;
        }
    }
    QByteArray file() const {
        QByteArray bytes = DataFileBytes::header();
        for (const Record& r : records)
            bytes += r.bytes();
        return bytes;
    }
    RecordFlags flagsOf(int i) const {
        const Record& r = records[i];
        return {r.alarms, quint32(r.inputs & 0x3F) | quint32(r.relays) << 8};
    }
};

// The column whose left edge a record at `t` has reached (within the view).
int columnOfTime(const TimeView& view, double t) {
    int c = int(std::floor(view.x(t)));
    while (c + 1 < view.width && view.time(c + 1) <= t)
        ++c;
    while (c > 0 && view.time(c) > t)
        --c;
    return c;
}

} // namespace

// The traces as the viewer cuts them to pixel columns, against a plain walk over the records:
// every column's lowest and highest value, which columns a line joins, the state bands.
class TestTracePicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void summaryAnswersAsAPlainWalk() {
        const RandomLog log(11, 30000);
        DataTimeLine line;
        line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("s.TDD")), log.file())});
        const RecordSummary& summary = line.summary(0);
        const DataFileReader& reader = line.reader(0);
        QRandomGenerator random(5);
        for (int round = 0; round < 400; ++round) {
            // Short spans, spans across blocks and the whole file.
            const int a = random.bounded(30000);
            const int b = round % 50 == 0
                              ? 30000
                              : std::min(30000, a + 1 + random.bounded(round % 3 ? 90 : 20000));
            const ValueSpan span = summary.span(reader, a, b);
            for (int ch = 1; ch <= 12; ++ch) {
                float low = std::numeric_limits<float>::infinity(), high = -low;
                qint64 first = -1, last = -1;
                for (int i = a; i < b; ++i) {
                    if (!log.records[i].valid(ch))
                        continue;
                    const float v = log.records[i].values[size_t(ch - 1)];
                    low = std::min(low, v);
                    high = std::max(high, v);
                    first = first < 0 ? i : first;
                    last = i;
                }
                QCOMPARE(span.hasValue(ch), first >= 0);
                if (first >= 0) {
                    QCOMPARE(span.low[size_t(ch - 1)], low);
                    QCOMPARE(span.high[size_t(ch - 1)], high);
                }
                QCOMPARE(summary.firstValid(reader, ch, a, b), first);
                QCOMPARE(summary.lastValid(reader, ch, a, b), last);
            }
            RecordFlags flags;
            for (int i = a; i < b; ++i)
                flags |= log.flagsOf(i);
            QVERIFY(summary.flags(reader, a, b) == flags);
        }
    }

    void columnsAgreeWithAPlainWalk_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<double>("from"); // offsets
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("width");
        QTest::newRow("hundreds of records a column") << 40000 << -0.37 << 41500.2 << 173;
        QTest::newRow("about one record a column") << 3000 << -0.37 << 3030.5 << 2900;
        QTest::newRow("zoomed in: columns between records") << 3000 << 1000.31 << 1040.7 << 700;
        QTest::newRow("between two records only") << 3000 << 1500.2 << 1500.6 << 300;
        QTest::newRow("beyond both ends of the data") << 3000 << -400.1 << 3500.3 << 600;
    }

    void columnsAgreeWithAPlainWalk() {
        QFETCH(int, records);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, width);
        const RandomLog log(23, records);
        DataTimeLine line;
        line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("c.TDD")), log.file())});
        QCOMPARE(line.interval(), qint64(1));
        const TimeView view{double(kBase) + from, double(kBase) + to, width};
        const TracePicture picture = BuildTracePicture(line, view);

        // The plain walk: each record in the column whose left edge it has reached.
        std::vector<int> columnOf(size_t(records), -1);
        for (int i = 0; i < records; ++i) {
            const double t = double(kBase + log.times[i]);
            if (t < view.from || t >= view.to)
                continue;
            columnOf[size_t(i)] = columnOfTime(view, t);
        }
        const auto joinedRecords = [&](int i, int j) {
            return j == i + 1 && log.times[j] - log.times[i] <= 1;
        };

        for (int ch = 1; ch <= 12; ++ch) {
            const ChannelTrace& trace = picture.channels[size_t(ch - 1)];
            // The picture: per column its values and the run it belongs to.
            std::map<int, std::pair<double, double>> drawn;
            std::map<int, size_t> runOf;
            for (size_t r = 0; r < trace.runStarts.size(); ++r)
                for (size_t k = trace.runStarts[r]; k < trace.runEnd(r); ++k) {
                    const QPointF p = trace.points[k];
                    if (p.x() - std::floor(p.x()) != 0.5 || p.x() < 0 || p.x() > width)
                        continue; // a record outside the picture that a line runs to
                    const int c = int(p.x());
                    auto [it, fresh] = drawn.try_emplace(c, p.y(), p.y());
                    it->second.first = std::min(it->second.first, p.y());
                    it->second.second = std::max(it->second.second, p.y());
                    runOf[c] = r;
                }
            std::map<int, std::pair<double, double>> expected;
            std::map<int, std::pair<int, int>> firstLast;
            for (int i = 0; i < records; ++i) {
                const int c = columnOf[size_t(i)];
                if (c < 0 || !log.records[i].valid(ch))
                    continue;
                const double v = log.records[i].values[size_t(ch - 1)];
                auto [it, fresh] = expected.try_emplace(c, v, v);
                it->second.first = std::min(it->second.first, v);
                it->second.second = std::max(it->second.second, v);
                auto [fl, none] = firstLast.try_emplace(c, i, i);
                fl->second.second = i;
            }
            QCOMPARE(drawn, expected);
            // A line joins two neighbouring columns exactly where the records do.
            for (auto it = firstLast.begin();
                 it != firstLast.end() && std::next(it) != firstLast.end(); ++it) {
                const auto next = std::next(it);
                const bool joined = joinedRecords(it->second.second, next->second.first);
                QVERIFY2((runOf[it->first] == runOf[next->first]) == joined,
                         qPrintable(QStringLiteral("channel %1, columns %2 and %3")
                                        .arg(ch)
                                        .arg(it->first)
                                        .arg(next->first)));
            }
            // With no record in the picture, the trace still runs through when the records on
            // both sides join.
            if (firstLast.empty()) {
                int before = -1;
                while (before + 1 < records && double(kBase + log.times[before + 1]) < view.from)
                    ++before;
                const bool through =
                    before >= 0 && before + 1 < records && log.records[before].valid(ch) &&
                    log.records[before + 1].valid(ch) && joinedRecords(before, before + 1);
                QCOMPARE(trace.runStarts.size(), size_t(through ? 1 : 0));
            }
        }

        // Bands: the flags of a column's records; an empty column holds the last record's
        // flags while the meter goes on answering.
        for (int c = 0; c < width; ++c) {
            RecordFlags expected;
            int last = -1;
            bool any = false;
            for (int i = 0; i < records; ++i) {
                if (columnOf[size_t(i)] == c) {
                    expected |= log.flagsOf(i);
                    any = true;
                }
                if (double(kBase + log.times[i]) < view.time(c))
                    last = i;
            }
            if (!any && last >= 0 && last + 1 < records && joinedRecords(last, last + 1))
                expected = log.flagsOf(last);
            QVERIFY2(picture.columnFlags[size_t(c)] == expected, qPrintable(QString::number(c)));
        }
        // Every silence in the picture is marked.
        for (int i = 1; i < records; ++i) {
            const double a = double(kBase + log.times[i - 1]), b = double(kBase + log.times[i]);
            if (b - a <= 1 || b <= view.from || a >= view.to)
                continue;
            const double mid = std::clamp(view.x((a + b) / 2), 0.0, double(width));
            QVERIFY(std::any_of(picture.gaps.begin(), picture.gaps.end(),
                                [&](const auto& g) { return g.first <= mid && mid <= g.second; }));
        }
    }

    void columnsOfThousandsKeepTheirPeaks() {
        // Some 3400 records a column: edges move by at most a thirty-second of a column, and
        // no value inside a column is lost.
        const int records = 200000, width = 60;
        const RandomLog log(31, records);
        DataTimeLine line;
        line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("h.TDD")), log.file())});
        const TimeView view{double(kBase) - 0.5, double(kBase + log.times.back()) + 0.5, width};
        const TracePicture picture = BuildTracePicture(line, view);
        const double slack = view.secondsPerPixel() / 32 + 1;
        for (int ch : {1, 6, 12}) {
            std::map<int, std::pair<double, double>> drawn;
            for (const QPointF& p : picture.channels[size_t(ch - 1)].points) {
                auto [it, fresh] = drawn.try_emplace(int(p.x()), p.y(), p.y());
                it->second.first = std::min(it->second.first, p.y());
                it->second.second = std::max(it->second.second, p.y());
            }
            for (int c = 0; c < width; ++c) {
                const auto rangeOf = [&](double from, double to) {
                    std::pair<double, double> r{1e30, -1e30};
                    for (int i = 0; i < records; ++i) {
                        const double t = double(kBase + log.times[i]);
                        if (t >= from && t < to && log.records[i].valid(ch)) {
                            r.first =
                                std::min(r.first, double(log.records[i].values[size_t(ch - 1)]));
                            r.second =
                                std::max(r.second, double(log.records[i].values[size_t(ch - 1)]));
                        }
                    }
                    return r;
                };
                const auto outer = rangeOf(view.time(c) - slack, view.time(c + 1) + slack);
                const auto inner = rangeOf(view.time(c) + slack, view.time(c + 1) - slack);
                QVERIFY(drawn.count(c));
                QVERIFY(drawn[c].first >= outer.first && drawn[c].second <= outer.second);
                QVERIFY(drawn[c].first <= inner.first && drawn[c].second >= inner.second);
            }
        }
    }

    // A clock put back again and again: hundreds of segments over the same minutes. The
    // picture holds no more points than its columns allow, however many overlap, and every
    // column still reaches from the lowest value of its records to the highest.
    void overlappingSegmentsKeepThePictureSmall() {
        const int stretches = 600, each = 300, width = 200;
        const RandomLog log(41, stretches * each);
        QByteArray file = DataFileBytes::header();
        QList<Record> records = log.records;
        for (int i = 0; i < records.size(); ++i) {
            records[i].stamp = stampAt(1000 + i % each); // every stretch on the same 5 minutes
            file += records[i].bytes();
        }
        DataTimeLine line;
        line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("o.TDD")), file)});
        QCOMPARE(int(line.segments().size()), stretches);
        const TimeView view{double(kBase + 1000), double(kBase + 1000 + each), width};
        const TracePicture picture = BuildTracePicture(line, view);
        for (int ch : {1, 7}) {
            const ChannelTrace& trace = picture.channels[size_t(ch - 1)];
            QVERIFY2(trace.points.size() <= size_t((4 * TracePicture::MaxLayers + 2) * width +
                                                   4 * TracePicture::MaxLayers),
                     qPrintable(QString::number(trace.points.size())));
            std::map<int, std::pair<double, double>> drawn, expected;
            for (const QPointF& p : trace.points) {
                if (p.x() < 0 || p.x() > width)
                    continue; // a record outside the picture that a line runs to
                auto [it, fresh] = drawn.try_emplace(int(p.x()), p.y(), p.y());
                it->second = {std::min(it->second.first, p.y()),
                              std::max(it->second.second, p.y())};
            }
            for (int i = 0; i < records.size(); ++i) {
                if (!records[i].valid(ch))
                    continue;
                const double v = records[i].values[size_t(ch - 1)];
                auto [it, fresh] =
                    expected.try_emplace(columnOfTime(view, double(kBase + 1000 + i % each)), v, v);
                it->second = {std::min(it->second.first, v), std::max(it->second.second, v)};
            }
            QCOMPARE(drawn, expected);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestTracePicture)
#include "tst_tracepicture.moc"
