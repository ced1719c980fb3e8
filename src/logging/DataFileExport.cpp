#include "logging/DataFileExport.h"

#include "core/FileWrite.h"
#include "core/PrintableText.h"
#include "logging/DataFile.h"
#include "logging/DataFileReader.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr qint64 kBatchRecords = 16384;
constexpr size_t kFlushBytes = 1 << 20;
// A row is far shorter: 13 values of at most 24 characters and 38 short fields.
constexpr size_t kRowRoom = 1024;

constexpr double kScale[5] = {1, 10, 100, 1000, 10000};

// "00" .. "99": two digits at a time.
struct DigitPairs {
    char text[200];
    constexpr DigitPairs()
        : text() {
        for (int i = 0; i < 100; ++i) {
            text[2 * i] = char('0' + i / 10);
            text[2 * i + 1] = char('0' + i % 10);
        }
    }
};
constexpr DigitPairs kPairs;

char* putTwo(char* p, unsigned v) {
    std::memcpy(p, kPairs.text + 2 * v, 2);
    return p + 2;
}

// The stamp's fields as stored, "YYYY-MM-DD HH:MM:SS".
char* putStamp(char* p, quint32 s) {
    p = putTwo(p, 20);
    p = putTwo(p, (s >> 26) & 0x1F);
    *p++ = '-';
    p = putTwo(p, (s >> 22) & 0xF);
    *p++ = '-';
    p = putTwo(p, (s >> 17) & 0x1F);
    *p++ = ' ';
    p = putTwo(p, (s >> 12) & 0x1F);
    *p++ = ':';
    p = putTwo(p, (s >> 6) & 0x3F);
    *p++ = ':';
    return putTwo(p, s & 0x3F);
}

// A value with `decimals` places, rounded half away from zero, as the recorder shows it. The
// single widened to double and scaled by at most 10^4 is exact, so the rounding sees the
// stored value itself. Never "-0.0".
char* putValue(char* p, float value, int decimals) {
    const double x = double(value) * kScale[decimals];
    if (!(std::fabs(x) < 1e15)) // huge: no whole number holds it, print it as it is
        return std::to_chars(p, p + 64, double(value), std::chars_format::fixed, decimals).ptr;
    qint64 n = qint64(x);
    const double rest = x - double(n);
    n += rest >= 0.5 ? 1 : rest <= -0.5 ? -1 : 0;
    if (n < 0) {
        *p++ = '-';
        n = -n;
    }
    char digits[24];
    char* end = digits + sizeof digits;
    char* d = end;
    auto u = quint64(n);
    while (u >= 100) {
        d -= 2;
        std::memcpy(d, kPairs.text + 2 * (u % 100), 2);
        u /= 100;
    }
    if (u >= 10) {
        d -= 2;
        std::memcpy(d, kPairs.text + 2 * u, 2);
    } else {
        *--d = char('0' + u);
    }
    while (end - d <= decimals) // at least one digit before the point
        *--d = '0';
    const auto whole = size_t(end - d - decimals);
    std::memcpy(p, d, whole);
    p += whole;
    if (decimals > 0) {
        *p++ = '.';
        std::memcpy(p, d + whole, size_t(decimals));
        p += decimals;
    }
    return p;
}

// The numbers of the set bits among the first `count`, from 1, separated by blanks.
char* putBitList(char* p, unsigned word, int count) {
    word &= (1u << count) - 1;
    bool first = true;
    for (int i = 0; word != 0; ++i, word >>= 1) {
        if (!(word & 1))
            continue;
        if (!first)
            *p++ = ' ';
        first = false;
        if (i + 1 >= 10)
            p = putTwo(p, unsigned(i + 1));
        else
            *p++ = char('1' + i);
    }
    return p;
}

struct Column {
    int channel;  // 1..12
    int decimals; // 0..4
};

// Rows are built in place in one buffer that goes out in blocks of about a megabyte.
class CsvWriter {
public:
    CsvWriter(QIODevice& out, QString* error)
        : m_out(out)
        , m_error(error)
        , m_buffer(new char[kFlushBytes + kRowRoom])
        , m_end(m_buffer.get()) {}

    bool append(const std::string& text) {
        if (used() + text.size() > kFlushBytes && !flush())
            return false;
        if (text.size() > kFlushBytes)
            return write(text.data(), text.size());
        std::memcpy(m_end, text.data(), text.size());
        m_end += text.size();
        return true;
    }
    // Where the next row goes; it may take up to kRowRoom bytes.
    char* room() const { return m_end; }
    // The row ends at `end`.
    bool commit(char* end) {
        m_end = end;
        return used() < kFlushBytes || flush();
    }
    bool flush() {
        const bool ok = write(m_buffer.get(), used());
        m_end = m_buffer.get();
        return ok;
    }

private:
    size_t used() const { return size_t(m_end - m_buffer.get()); }
    // A write cut short is tried again for the rest: a full disk takes part of a block and
    // refuses the rest, and only that refusal says why.
    bool write(const char* data, size_t size) {
        while (size > 0) {
            const qint64 n = m_out.write(data, qint64(size));
            if (n <= 0) {
                if (m_error)
                    *m_error = m_out.errorString().isEmpty() ? QStringLiteral("write failed")
                                                             : m_out.errorString();
                return false;
            }
            data += n;
            size -= size_t(n);
        }
        return true;
    }

    QIODevice& m_out;
    QString* m_error;
    std::unique_ptr<char[]> m_buffer;
    char* m_end;
};

std::string titleRow(const DataHeader& h, const QVector<int>& channels) {
    QStringList titles{QStringLiteral("Time")};
    for (int ch : channels) {
        const DataChannel& c = h.channels[size_t(ch - 1)];
        QString title = QStringLiteral("CH%1").arg(ch);
        if (!c.name.isEmpty())
            title += u' ' + PrintableText(c.name);
        if (!c.unit.isEmpty())
            title += QStringLiteral(" (%1)").arg(PrintableText(c.unit));
        titles << title;
    }
    for (int ch : channels)
        titles << QStringLiteral("CH%1 State").arg(ch);
    for (int ch : channels)
        titles << QStringLiteral("CH%1 Alarm").arg(ch);
    titles << QStringLiteral("DI") << QStringLiteral("Relay");
    for (QString& t : titles)
        t = CsvField(t);
    return titles.join(u',').toStdString() + "\r\n";
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

QVector<int> ExportChannels(const DataHeader& header, const CsvOptions& options) {
    if (!options.channels.isEmpty())
        return options.channels;
    QVector<int> all;
    const int count = options.allChannels ? DataFile::ChannelSlots : header.channelCount;
    for (int ch = 1; ch <= count; ++ch)
        all << ch;
    return all;
}

QStringList CompareChannelLayouts(const QList<DataFileReader*>& readers) {
    QStringList notes;
    if (readers.isEmpty())
        return notes;
    const DataHeader& first = readers.front()->header();
    for (qsizetype i = 1; i < readers.size(); ++i) {
        const DataHeader& h = readers[i]->header();
        bool same = h.channelCount == first.channelCount;
        for (int ch = 0; same && ch < first.channelCount; ++ch) {
            const DataChannel& a = first.channels[size_t(ch)];
            const DataChannel& b = h.channels[size_t(ch)];
            same = a.name == b.name && a.unit == b.unit && a.decimals == b.decimals;
        }
        if (!same)
            notes << QCoreApplication::translate(
                         "DataFileExport",
                         "%1: its channels (count, names, units or decimals) differ from those "
                         "of %2; its values are shown under %2's channel titles")
                         .arg(PrintableText(readers[i]->path()),
                              PrintableText(readers.front()->path()));
    }
    return notes;
}

bool ExportCsv(const QList<DataFileReader*>& readers, QIODevice& out, const CsvOptions& options,
               QString* error, qint64* rows) {
    if (rows)
        *rows = 0;
    if (readers.isEmpty())
        return true;
    const DataHeader& first = readers.front()->header();
    const QVector<int> channels = ExportChannels(first, options);
    const int modelChannels = options.allChannels ? DataFile::ChannelSlots : first.channelCount;
    // A two-channel model has two inputs; every other model six.
    const int inputs = modelChannels == 2 ? 2 : 6;
    const bool ranged = options.from || options.to;
    const qint64 from = options.from.value_or(std::numeric_limits<qint64>::min());
    const qint64 to = options.to.value_or(std::numeric_limits<qint64>::max());

    CsvWriter writer(out, error);
    if (!writer.append((options.byteOrderMark ? "\xEF\xBB\xBF" : "") + titleRow(first, channels)))
        return false;

    qint64 written = 0;
    for (DataFileReader* reader : readers) {
        // Each file's values keep that file's decimal places.
        std::vector<Column> columns;
        for (int ch : channels)
            columns.push_back(
                {ch, std::clamp(reader->header().channels[size_t(ch - 1)].decimals, 0, 4)});
        reader->rewind();
        const char* batch = nullptr;
        qint64 got = 0;
        while ((got = reader->nextRecords(kBatchRecords, &batch)) > 0) {
            for (qint64 k = 0; k < got; ++k) {
                const char* rec = batch + k * DataFile::RecordSize;
                const quint32 stamp = RecordBytes::stamp(rec);
                if (ranged) {
                    const std::optional<qint64> t = DataTime::stampSeconds(stamp);
                    if (!t || *t < from || *t > to)
                        continue;
                }
                const quint8* st = RecordBytes::status(rec);
                char* p = writer.room();
                p = putStamp(p, stamp);
                for (const Column& c : columns) {
                    *p++ = ',';
                    const float v = RecordBytes::value(rec, c.channel);
                    if (RecordBytes::channelState(st, c.channel) <= 0 && std::isfinite(v))
                        p = putValue(p, v, c.decimals);
                }
                for (const Column& c : columns) {
                    *p++ = ',';
                    const int state = RecordBytes::channelState(st, c.channel);
                    if (state >= 0)
                        *p++ = char('0' + state);
                }
                for (const Column& c : columns) {
                    *p++ = ',';
                    p = putBitList(p, RecordBytes::alarms(st, c.channel), 4);
                }
                *p++ = ',';
                p = putBitList(p, RecordBytes::digitalInputs(st), inputs);
                *p++ = ',';
                p = putBitList(p, RecordBytes::relays(st), modelChannels);
                *p++ = '\r';
                *p++ = '\n';
                ++written;
                if (!writer.commit(p)) {
                    if (rows)
                        *rows = written;
                    return false;
                }
            }
        }
    }
    if (rows)
        *rows = written;
    return writer.flush();
}

bool ExportCsvFile(const QList<DataFileReader*>& readers, const QString& path,
                   const CsvOptions& options, QString* error, qint64* rows) {
    FileOutput out(path);
    QString why;
    if (out.open() && !ExportCsv(readers, out.device(), options, &why, rows)) {
        // Reading failed, or writing did: either way the file on disk stays as it was.
        out.cancel();
        if (error)
            *error = why.isEmpty() ? QStringLiteral("write failed") : why;
        return false;
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

bool ExportCsv(DataFileReader& reader, QIODevice& out, const CsvOptions& options, QString* error) {
    return ExportCsv(QList<DataFileReader*>{&reader}, out, options, error);
}
