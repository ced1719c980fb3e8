#include "logging/DataFileInfo.h"

#include "core/PrintableText.h"
#include "logging/DataFile.h"
#include "logging/DataFileReader.h"

#include <QDir>
#include <QJsonArray>

namespace {

QString number(float v) {
    return QString::number(double(v), 'g', 7);
}

struct Span {
    QString first, last;
};

// The first and last time stamps. A stream is read to its end for them, which also gives
// its record count.
Span timeSpan(DataFileReader& reader) {
    Span s;
    if (reader.isStream()) {
        const char* data = nullptr;
        qint64 n = 0;
        while ((n = reader.nextRecords(16384, &data)) > 0) {
            if (s.first.isEmpty())
                s.first = TimeStampText(ParseDataRecord(data).stamp);
            s.last = TimeStampText(ParseDataRecord(data + (n - 1) * DataFile::RecordSize).stamp);
        }
        return s;
    }
    DataRecord r;
    if (reader.record(0, &r))
        s.first = TimeStampText(r.stamp);
    if (reader.record(reader.recordCount() - 1, &r))
        s.last = TimeStampText(r.stamp);
    return s;
}

int shownChannels(const DataFileReader& reader, bool allChannels) {
    return allChannels ? DataFile::ChannelSlots : reader.header().channelCount;
}

} // namespace

QString DescribeDataFile(DataFileReader& reader, const QString& path, bool allChannels) {
    const DataHeader& h = reader.header();
    const Span span = timeSpan(reader);
    QString out;
    const auto line = [&out](const QString& label, const QString& value) {
        out += (label + u':').leftJustified(10) + value + u'\n';
    };
    line(QStringLiteral("File"), PrintableText(QDir::toNativeSeparators(path)));
    line(QStringLiteral("Size"), QStringLiteral("%1 bytes").arg(reader.fileSize()));
    line(QStringLiteral("Model"),
         h.knownModel ? QStringLiteral("%1 (%2 channels)").arg(h.modelCode).arg(h.channelCount)
                      : QStringLiteral("%1 (unknown)").arg(h.modelCode));
    line(QStringLiteral("Layout"), h.layoutVersion());
    out += QStringLiteral("Channels:\n");
    out += QStringLiteral("  CH  %1 %2 %3 %4 Decimals\n")
               .arg(QStringLiteral("Name"), -10)
               .arg(QStringLiteral("Unit"), -6)
               .arg(QStringLiteral("Low"), -12)
               .arg(QStringLiteral("High"), -12);
    for (int ch = 0; ch < shownChannels(reader, allChannels); ++ch) {
        const DataChannel& c = h.channels[size_t(ch)];
        out += QStringLiteral("  %1  %2 %3 %4 %5 %6\n")
                   .arg(ch + 1, 2)
                   .arg(PrintableText(c.name), -10)
                   .arg(PrintableText(c.unit), -6)
                   .arg(number(c.low), -12)
                   .arg(number(c.high), -12)
                   .arg(c.decimals);
    }
    line(QStringLiteral("Records"), QString::number(reader.recordCount()));
    if (reader.recordCount() > 0) {
        line(QStringLiteral("First"), span.first);
        line(QStringLiteral("Last"), span.last);
    }
    return out;
}

QJsonObject DescribeDataFileJson(DataFileReader& reader, const QString& path, bool allChannels) {
    const DataHeader& h = reader.header();
    const Span span = timeSpan(reader);
    QJsonArray channels;
    for (int ch = 0; ch < shownChannels(reader, allChannels); ++ch) {
        const DataChannel& c = h.channels[size_t(ch)];
        channels.append(QJsonObject{{QStringLiteral("channel"), ch + 1},
                                    {QStringLiteral("name"), c.name},
                                    {QStringLiteral("unit"), c.unit},
                                    {QStringLiteral("low"), double(c.low)},
                                    {QStringLiteral("high"), double(c.high)},
                                    {QStringLiteral("decimals"), c.decimals}});
    }
    QJsonObject o{{QStringLiteral("file"), QDir::toNativeSeparators(path)},
                  {QStringLiteral("size"), reader.fileSize()},
                  {QStringLiteral("modelCode"), h.modelCode},
                  {QStringLiteral("channelCount"), h.channelCount},
                  {QStringLiteral("layoutVersion"), h.layoutVersion()},
                  {QStringLiteral("channels"), channels},
                  {QStringLiteral("records"), reader.recordCount()},
                  {QStringLiteral("warnings"), QJsonArray::fromStringList(reader.warnings())}};
    if (reader.recordCount() > 0) {
        o.insert(QStringLiteral("first"), span.first);
        o.insert(QStringLiteral("last"), span.last);
    }
    return o;
}
