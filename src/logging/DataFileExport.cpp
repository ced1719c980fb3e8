#include "logging/DataFileExport.h"

#include "logging/DataFile.h"
#include "logging/DataFileReader.h"

#include <QIODevice>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr qint64 kBatchRecords = 16384;
constexpr qsizetype kFlushBytes = 1 << 20;

// One CSV row is built in a fixed buffer: far more than the longest row needs (13 values
// of at most 15 characters, 38 short status fields), and cheaper than growing a string.
struct Row {
    char text[1024];
    char* p = text;

    void put(char c) { *p++ = c; }
    void put(const char* s, size_t n) {
        std::memcpy(p, s, n);
        p += n;
    }
    void two(unsigned v) {
        *p++ = char('0' + v / 10 % 10);
        *p++ = char('0' + v % 10);
    }
    size_t size() const { return size_t(p - text); }
};

void putStamp(Row& row, quint32 stamp) {
    row.p = std::to_chars(row.p, row.p + 8, 2000 + int((stamp >> 26) & 0x1F)).ptr;
    row.put('-');
    row.two((stamp >> 22) & 0xF);
    row.put('-');
    row.two((stamp >> 17) & 0x1F);
    row.put(' ');
    row.two((stamp >> 12) & 0x1F);
    row.put(':');
    row.two((stamp >> 6) & 0x3F);
    row.put(':');
    row.two(stamp & 0x3F);
}

// The shortest text that reads back as the same single, as a spreadsheet parses it.
void putValue(Row& row, float v) {
    if (std::isnan(v))
        row.put("NaN", 3);
    else if (std::isinf(v))
        v > 0 ? row.put("Inf", 3) : row.put("-Inf", 4);
    else
        row.p = std::to_chars(row.p, row.p + 32, v == 0.0f ? 0.0f : v).ptr;
}

// The numbers of the set bits among the first `count`, from 1, separated by blanks.
void putBitList(Row& row, unsigned word, int count) {
    bool first = true;
    for (int i = 0; i < count; ++i) {
        if (!((word >> i) & 1))
            continue;
        if (!first)
            row.put(' ');
        first = false;
        row.p = std::to_chars(row.p, row.p + 4, i + 1).ptr;
    }
}

bool flush(QIODevice& out, std::string& s, QString* error) {
    if (s.empty())
        return true;
    if (out.write(s.data(), qint64(s.size())) != qint64(s.size())) {
        if (error)
            *error = out.errorString();
        return false;
    }
    s.clear();
    return true;
}

} // namespace

QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

bool ExportCsv(DataFileReader& reader, QIODevice& out, const CsvOptions& options, QString* error) {
    const DataHeader& h = reader.header();
    const int channels = options.allChannels ? DataFile::ChannelSlots : h.channelCount;
    // A two-channel model has two inputs; every other model six.
    const int inputs = channels == 2 ? 2 : 6;

    QStringList titles{QStringLiteral("Time")};
    for (int ch = 1; ch <= channels; ++ch) {
        const DataChannel& c = h.channels[size_t(ch - 1)];
        QString title = QStringLiteral("CH%1").arg(ch);
        if (!c.name.isEmpty())
            title += u' ' + c.name;
        if (!c.unit.isEmpty())
            title += QStringLiteral(" (%1)").arg(c.unit);
        titles << title;
    }
    for (int ch = 1; ch <= channels; ++ch)
        titles << QStringLiteral("CH%1 State").arg(ch);
    for (int ch = 1; ch <= channels; ++ch)
        titles << QStringLiteral("CH%1 Alarm").arg(ch);
    titles << QStringLiteral("DI") << QStringLiteral("Relay");
    for (QString& t : titles)
        t = CsvField(t);

    std::string s;
    s.reserve(size_t(kFlushBytes) + 4096);
    if (options.byteOrderMark)
        s += "\xEF\xBB\xBF";
    s += titles.join(u',').toStdString();
    s += "\r\n";

    QByteArray batch;
    for (qint64 first = 0; first < reader.recordCount(); first += kBatchRecords) {
        const qint64 got = reader.readRecords(first, kBatchRecords, &batch);
        for (qint64 k = 0; k < got; ++k) {
            const DataRecord r = ParseDataRecord(batch.constData() + k * DataFile::RecordSize);
            Row row;
            putStamp(row, r.stamp);
            for (int ch = 0; ch < channels; ++ch) {
                row.put(',');
                putValue(row, r.values[size_t(ch)]);
            }
            for (int ch = 1; ch <= channels; ++ch) {
                row.put(',');
                const int state = r.channelState(ch);
                if (state >= 0)
                    row.put(char('0' + state));
            }
            for (int ch = 1; ch <= channels; ++ch) {
                row.put(',');
                unsigned bits = 0;
                for (int a = 1; a <= 4; ++a)
                    bits |= unsigned(r.alarm(ch, a)) << (a - 1);
                putBitList(row, bits, 4);
            }
            row.put(',');
            putBitList(row, r.digitalInputs(), inputs);
            row.put(',');
            putBitList(row, r.relays(), channels);
            row.put("\r\n", 2);
            s.append(row.text, row.size());
            if (qsizetype(s.size()) >= kFlushBytes && !flush(out, s, error))
                return false;
        }
        if (got < std::min(kBatchRecords, reader.recordCount() - first)) {
            if (error)
                *error = QStringLiteral("the file could not be read to its end");
            flush(out, s, nullptr);
            return false;
        }
    }
    return flush(out, s, error);
}
