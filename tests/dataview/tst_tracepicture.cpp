#include "TimeLineFiles.h"
#include "dataview/DataTimeLine.h"
#include "dataview/TracePicture.h"
#include "support/GoldenFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace TimeLineFiles;

namespace {

// Records a second apart with silences, any values, invalid ones now and then, changing alarms,
// inputs and relays; with `each`, stamps start over every `each` records (a clock put back).
QByteArray randomLog(quint32 seed, int count, int each = 0) {
    QRandomGenerator random(seed);
    QByteArray bytes = DataFileBytes::header();
    qint64 t = 0;
    quint64 alarms = 0;
    quint8 inputs = 0;
    for (int i = 0; i < count; ++i) {
        t += random.bounded(100) == 0 ? 2 + random.bounded(40) : 1;
        DataFileBytes::Record r = recordAt(each ? 1000 + i % each : t);
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
        bytes += r.bytes();
    }
    return bytes;
}

// A picture as text: each drawn run of channels 1, 7 and 12, the flags of each column and the
// gaps.
QByteArray pictureText(const TracePicture& picture) {
    QByteArray out;
    const auto number = [](double v) { return QByteArray::number(v, 'f', 3); };
    for (int ch : {1, 7, 12}) {
        const ChannelTrace& trace = picture.channels[size_t(ch - 1)];
        for (size_t r = 0; r < trace.runStarts.size(); ++r) {
            out += "ch" + QByteArray::number(ch) + ':';
            for (size_t k = trace.runStarts[r]; k < trace.runEnd(r); ++k)
                out += ' ' + number(trace.points[k].x()) + ',' + number(trace.points[k].y());
            out += '\n';
        }
    }
    out += "flags:";
    for (const RecordFlags& f : picture.columnFlags)
        out += ' ' + QByteArray::number(f.alarms, 16) + '/' + QByteArray::number(f.io, 16);
    out += "\ngaps:";
    for (const auto& [from, to] : picture.gaps)
        out += ' ' + number(from) + '-' + number(to);
    return out + '\n';
}

} // namespace

// Traces cut to pixel columns (first, lowest, highest, last; runs cut by silences or invalid
// values; band and gap flags) against a picture checked once by hand.
class TestTracePicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void picturesAsKept() {
        struct View {
            const char* name;
            quint32 seed;
            int records, each;
            double from, to; // offsets
            int width;
        };
        // clang-format off
        const View views[] = {
            {"thousands of records a column", 31, 200000, 0, -0.5, 200200.5, 40},
            {"hundreds of records a column", 11, 40000, 0, -0.37, 41500.2, 30},
            {"about one record a column", 23, 100, 0, -0.37, 101.5, 98},
            {"zoomed in: columns between records", 23, 3000, 0, 1000.31, 1040.7, 90},
            {"between two records only", 23, 3000, 0, 1500.2, 1500.6, 30},
            {"beyond both ends of the data", 23, 120, 0, -20.1, 150.3, 40},
            {"a clock put back again and again", 41, 1200, 60, 1000, 1060, 12},
        };
        // clang-format on
        QByteArray text;
        for (const View& v : views) {
            DataTimeLine line;
            line.add({DataFileBytes::write(m_dir.filePath(QStringLiteral("%1.TDD").arg(v.seed)),
                                           randomLog(v.seed, v.records, v.each))});
            const TimeView view{double(kBase) + v.from, double(kBase) + v.to, v.width};
            text += QByteArray("# ") + v.name + '\n' + pictureText(BuildTracePicture(line, view));
        }
        QVERIFY(MatchesGolden(text, QFINDTESTDATA("data/tracepicture.golden")));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestTracePicture)
#include "tst_tracepicture.moc"
