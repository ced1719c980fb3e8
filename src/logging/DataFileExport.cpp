#include "logging/DataFileExport.h"

#include "core/FileWrite.h"
#include "core/PrintableText.h"
#include "logging/CsvRowFormat.h"
#include "logging/DataFile.h"
#include "logging/DataFileReader.h"
#include "logging/DataTime.h"
#include "logging/RecordBytes.h"

#include <QCoreApplication>
#include <QIODevice>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr qint64 kBatchRecords = 16384;
constexpr size_t kFlushBytes = 1 << 20;

// Rows are built in place in one buffer that goes out in blocks of about a megabyte.
class CsvWriter {
public:
    // `rowRoom`: the most bytes a row may take.
    CsvWriter(QIODevice& out, QString* error, size_t rowRoom)
        : m_out(out)
        , m_error(error)
        , m_buffer(new char[kFlushBytes + rowRoom])
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
    // Where the next row goes; it may take up to the row room given.
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
                    *m_error = m_out.errorString().isEmpty()
                                   ? QCoreApplication::translate("DataFileExport", "write failed")
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
    const bool ranged = options.from || options.to;
    const qint64 from = options.from.value_or(std::numeric_limits<qint64>::min());
    const qint64 to = options.to.value_or(std::numeric_limits<qint64>::max());

    CsvWriter writer(out, error, CsvRowFormat(first, channels, modelChannels).maxRowBytes());
    if (!writer.append((options.byteOrderMark ? "\xEF\xBB\xBF" : "") + titleRow(first, channels)))
        return false;

    qint64 written = 0;
    for (DataFileReader* reader : readers) {
        // Each file's values keep that file's decimal places.
        const CsvRowFormat format(reader->header(), channels, modelChannels);
        reader->rewind();
        const char* batch = nullptr;
        qint64 got = 0;
        while ((got = reader->nextRecords(kBatchRecords, &batch)) > 0) {
            for (qint64 k = 0; k < got; ++k) {
                const char* rec = batch + k * DataFile::RecordSize;
                if (ranged) {
                    const std::optional<qint64> t = DataTime::stampSeconds(RecordBytes::stamp(rec));
                    if (!t || *t < from || *t > to)
                        continue;
                }
                ++written;
                if (!writer.commit(format.put(writer.room(), rec))) {
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
            *error =
                why.isEmpty() ? QCoreApplication::translate("DataFileExport", "write failed") : why;
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
