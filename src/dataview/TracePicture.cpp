#include "dataview/TracePicture.h"

#include "dataview/DataTimeLine.h"
#include "logging/RecordBytes.h"

#include <algorithm>
#include <cmath>

namespace {

// A record's place: segment k of the time line, record index in its file.
struct Pos {
    size_t segment = 0;
    qint64 record = 0;
};

// What one channel shows in one column (or at one record outside the picture).
struct Entry {
    double x = 0;
    Pos first, last; // the first and last record with a valid value
    float firstValue = 0, lastValue = 0, low = 0, high = 0;
};

class Builder {
public:
    Builder(const DataTimeLine& timeLine, const TimeView& view, unsigned shown)
        : m_line(timeLine)
        , m_segments(timeLine.segments())
        , m_view(view)
        , m_width(std::max(view.width, 1))
        , m_shown(shown) {
        m_picture.view = view;
        m_picture.columnFlags.assign(size_t(m_width), {});
        m_picture.columnHasRecords.assign(size_t(m_width), false);
        m_layers.assign(size_t(m_width), 0);
    }

    TracePicture build() {
        if (m_view.to > m_view.from && !m_segments.empty()) {
            for (size_t k = m_line.firstReaching(qint64(std::floor(m_view.from)));
                 k < m_segments.size() && m_segments[k].t0 <= m_view.to; ++k)
                if (visible(k))
                    addSegment(k);
            for (ChannelTrace& trace : m_picture.channels)
                clipEnds(trace);
            addFolded();
            addGaps();
        }
        return std::move(m_picture);
    }

private:
    bool visible(size_t k) const {
        return m_segments[k].t1 >= m_view.from && m_segments[k].t0 <= m_view.to;
    }
    int fileOf(const Pos& p) const { return m_segments[p.segment].file; }
    // Every channel asks for the times of the same few records: they are kept at hand.
    qint64 timeOf(const Pos& p) const {
        Known& k = m_known[size_t(p.record) % m_known.size()];
        if (k.segment != p.segment || k.record != p.record)
            k = {p.segment, p.record, m_line.timeOf(fileOf(p), p.record)};
        return k.time;
    }
    const char* recordOf(const Pos& p) const {
        return m_line.reader(fileOf(p)).recordData(p.record);
    }

    // True when the trace runs on from record p to record q: q follows p with no record
    // between and no silence of the meter.
    bool joined(const Pos& p, const Pos& q) const {
        if (p.segment == q.segment)
            return q.record == p.record + 1 &&
                   !m_line.isGap(timeOf(q) - timeOf(p), fileOf(p), fileOf(p));
        const TimeSegment& a = m_segments[p.segment];
        const TimeSegment& b = m_segments[q.segment];
        return q.segment == p.segment + 1 && p.record == a.end - 1 && q.record == b.first &&
               m_line.continues(a, b);
    }

    void addEntry(int channel, const Entry& e) {
        ChannelTrace& trace = m_picture.channels[size_t(channel - 1)];
        Open& open = m_open[size_t(channel - 1)];
        if (!open.has || !joined(open.last.last, e.first))
            trace.runStarts.push_back(trace.points.size());
        trace.points.emplace_back(e.x, e.firstValue);
        if (e.low != e.high || e.low != e.firstValue || e.high != e.lastValue) {
            trace.points.emplace_back(e.x, e.low);
            trace.points.emplace_back(e.x, e.high);
            trace.points.emplace_back(e.x, e.lastValue);
        }
        open.has = true;
        open.last = e;
    }

    // One record outside the picture that the trace runs to or from (not where the edge
    // column draws no more lines).
    void emitRecord(const Pos& p) {
        const char* record = recordOf(p);
        const double x = m_view.x(double(timeOf(p)));
        if (m_layers[x < 0 ? 0 : size_t(m_width - 1)] >= TracePicture::MaxLayers)
            return;
        for (int ch = 1; ch <= 12; ++ch) {
            if (!((m_shown >> (ch - 1)) & 1) || !RecordBytes::isValid(record, ch))
                continue;
            const float v = RecordBytes::value(record, ch);
            addEntry(ch, Entry{x, p, p, v, v, v, v});
        }
    }

    void addSegment(size_t k) {
        const TimeSegment& s = m_segments[k];
        const DataFileReader& reader = m_line.reader(s.file);
        const RecordSummary& summary = m_line.summary(s.file);
        const double tA = std::max(m_view.from, double(s.t0));
        const double tB = std::min(m_view.to, double(s.t1));
        const int c0 = std::clamp(int(std::floor(m_view.x(tA))), 0, m_width - 1);
        const int c1 = std::clamp(int(std::floor(m_view.x(tB))), 0, m_width - 1);
        // bounds[i]: the first record of column c0 + i.
        std::vector<qint64> bounds(size_t(c1 - c0 + 2));
        const auto boundAt = [&](int c) {
            return c == c0 && double(s.t0) >= m_view.time(c)
                       ? s.first
                       : m_line.lowerBound(s, qint64(std::ceil(m_view.time(c))));
        };
        bounds.front() = boundAt(c0);
        bounds.back() = boundAt(c1 + 1);
        if (bounds.back() - bounds.front() <= 8 * qint64(bounds.size())) {
            // A few records a column: one walk over them costs less than a search per column.
            qint64 r = bounds.front();
            for (int c = c0 + 1; c <= c1; ++c) {
                const qint64 t = qint64(std::ceil(m_view.time(c)));
                while (r < bounds.back() && timeOf({k, r}) < t)
                    ++r;
                bounds[size_t(c - c0)] = r;
            }
        } else {
            for (int c = c0 + 1; c <= c1; ++c)
                bounds[size_t(c - c0)] = boundAt(c);
        }

        snapToBlocks(bounds, s);

        const qint64 firstShown = bounds.front();
        const qint64 afterShown = bounds.back();
        if (firstShown > s.first)
            emitRecord({k, firstShown - 1});
        else if (k > 0 && !visible(k - 1) && m_line.continues(m_segments[k - 1], s))
            emitRecord({k - 1, m_segments[k - 1].end - 1});

        for (int c = c0; c <= c1; ++c) {
            const qint64 a = bounds[size_t(c - c0)];
            const qint64 b = bounds[size_t(c - c0 + 1)];
            RecordFlags& flags = m_picture.columnFlags[size_t(c)];
            if (a >= b) {
                // No record here: what the last one said holds until the next, if the meter
                // went on answering.
                if (a > s.first && a < s.end &&
                    !m_line.isGap(timeOf({k, a}) - timeOf({k, a - 1}), s.file, s.file))
                    flags |= FlagsOfRecord(reader.recordData(a - 1));
                continue;
            }
            m_picture.columnHasRecords[size_t(c)] = true;
            flags |= summary.flags(reader, a, b);
            const ValueSpan span = summary.span(reader, a, b);
            if (m_layers[size_t(c)] >= TracePicture::MaxLayers) {
                fold(c, span);
                continue;
            }
            ++m_layers[size_t(c)];
            for (int ch = 1; ch <= 12; ++ch) {
                if (!((m_shown >> (ch - 1)) & 1) || !span.hasValue(ch))
                    continue;
                const qint64 fv = summary.firstValid(reader, ch, a, b);
                const qint64 lv = summary.lastValid(reader, ch, a, b);
                if (fv < 0 || lv < 0)
                    continue;
                addEntry(ch, Entry{c + 0.5,
                                   {k, fv},
                                   {k, lv},
                                   RecordBytes::value(reader.recordData(fv), ch),
                                   RecordBytes::value(reader.recordData(lv), ch),
                                   span.low[size_t(ch - 1)],
                                   span.high[size_t(ch - 1)]});
            }
        }

        if (afterShown < s.end)
            emitRecord({k, afterShown});
        else if (k + 1 < m_segments.size() && !visible(k + 1) &&
                 m_line.continues(s, m_segments[k + 1]))
            emitRecord({k + 1, m_segments[k + 1].first});
    }

    // Where a column holds thousands of records, its inner edges are moved to the nearest
    // edge of a block of the summary no longer than a thirty-second of a column: a shift no
    // eye sees, and the column is then answered from whole blocks, so that the time of a
    // picture stays the same however many records it covers. The first and last edge stay.
    void snapToBlocks(std::vector<qint64>& bounds, const TimeSegment& s) const {
        const qint64 perColumn = (bounds.back() - bounds.front()) / qint64(bounds.size());
        qint64 block = 1;
        while (block * RecordSummary::Fan * 32 <= perColumn)
            block *= RecordSummary::Fan;
        if (block == 1)
            return;
        for (size_t i = 1; i + 1 < bounds.size(); ++i) {
            const qint64 snapped = (bounds[i] + block / 2) / block * block;
            bounds[i] = std::clamp(snapped, std::max(bounds[i - 1], s.first), bounds.back());
        }
    }

    // Records far outside the picture would put line ends at huge coordinates: such an end is
    // moved along its line to just outside the edge. A run that lies wholly outside goes.
    void clipEnds(ChannelTrace& trace) const {
        const double left = -2, right = m_width + 2;
        ChannelTrace out;
        for (size_t r = 0; r < trace.runStarts.size(); ++r) {
            std::vector<QPointF> run(trace.points.begin() + qsizetype(trace.runStarts[r]),
                                     trace.points.begin() + qsizetype(trace.runEnd(r)));
            if (run.size() >= 2 && run.front().x() < left) {
                const QPointF a = run[0], b = run[1];
                if (b.x() > left)
                    run[0] = {left, a.y() + (b.y() - a.y()) * (left - a.x()) / (b.x() - a.x())};
            }
            if (run.size() >= 2 && run.back().x() > right) {
                const QPointF a = run[run.size() - 2], b = run.back();
                if (a.x() < right)
                    run.back() = {right,
                                  a.y() + (b.y() - a.y()) * (right - a.x()) / (b.x() - a.x())};
            }
            const bool inside = std::any_of(run.begin(), run.end(), [&](const QPointF& p) {
                return p.x() >= left && p.x() <= right;
            });
            if (!inside)
                continue;
            out.runStarts.push_back(out.points.size());
            out.points.insert(out.points.end(), run.begin(), run.end());
        }
        trace = std::move(out);
    }

    // Values of a column that draws no more lines: into its one stroke per channel.
    void fold(int column, const ValueSpan& span) {
        for (int ch = 1; ch <= 12; ++ch) {
            if (!((m_shown >> (ch - 1)) & 1) || !span.hasValue(ch))
                continue;
            std::vector<Fold>& folds = m_folds[size_t(ch - 1)];
            if (folds.empty())
                folds.resize(size_t(m_width));
            Fold& f = folds[size_t(column)];
            const float low = span.low[size_t(ch - 1)], high = span.high[size_t(ch - 1)];
            f.low = f.has ? std::min(f.low, low) : low;
            f.high = f.has ? std::max(f.high, high) : high;
            f.has = true;
        }
    }

    // The strokes, neighbouring columns joined into one run.
    void addFolded() {
        for (size_t ch = 0; ch < 12; ++ch) {
            ChannelTrace& trace = m_picture.channels[ch];
            const std::vector<Fold>& folds = m_folds[ch];
            for (size_t c = 0; c < folds.size(); ++c) {
                if (!folds[c].has)
                    continue;
                if (c == 0 || !folds[c - 1].has)
                    trace.runStarts.push_back(trace.points.size());
                trace.points.emplace_back(double(c) + 0.5, folds[c].low);
                trace.points.emplace_back(double(c) + 0.5, folds[c].high);
            }
        }
    }

    void addGaps() {
        const std::vector<TimeGap>& gaps = m_line.gaps();
        auto it = std::lower_bound(gaps.begin(), gaps.end(), m_view.from,
                                   [](const TimeGap& g, double t) { return g.from < t; });
        while (it != gaps.begin() && std::prev(it)->to > m_view.from)
            --it;
        for (; it != gaps.end() && it->from < m_view.to; ++it) {
            if (it->to <= m_view.from)
                continue;
            double x0 = std::max(0.0, m_view.x(double(it->from)));
            double x1 = std::min(double(m_width), m_view.x(double(it->to)));
            if (x1 - x0 < 1) {
                const double mid = (x0 + x1) / 2;
                x0 = mid - 0.5;
                x1 = mid + 0.5;
            }
            auto& spans = m_picture.gaps;
            if (!spans.empty() && x0 <= spans.back().second + 0.5)
                spans.back().second = std::max(spans.back().second, x1);
            else
                spans.emplace_back(x0, x1);
        }
    }

    struct Open {
        bool has = false;
        Entry last;
    };
    struct Fold {
        float low = 0, high = 0;
        bool has = false;
    };

    const DataTimeLine& m_line;
    const std::vector<TimeSegment>& m_segments;
    TimeView m_view;
    int m_width;
    unsigned m_shown;
    TracePicture m_picture;
    std::array<Open, 12> m_open{};
    std::vector<quint8> m_layers;              // per column: segments drawn as lines there
    std::array<std::vector<Fold>, 12> m_folds; // per channel and column, once needed
    struct Known {
        size_t segment = size_t(-1);
        qint64 record = -1;
        qint64 time = 0;
    };
    mutable std::array<Known, 16> m_known{};
};

} // namespace

TracePicture BuildTracePicture(const DataTimeLine& timeLine, const TimeView& view, unsigned shown) {
    return Builder(timeLine, view, shown).build();
}
