#include "logging/DataFileReader.h"

#include "comm/MeterModels.h"
#include "core/CodePage.h"
#include "core/FileRead.h"
#include "logging/DataFile.h"
#include "logging/RecordBytes.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct DataFileReaderTexts {
    Q_DECLARE_TR_FUNCTIONS(DataFileReader)
};

float singleAt(const char* p) {
    const quint32 bits = qFromBigEndian<quint32>(p);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// The bytes up to the first zero byte, decoded, trailing blanks dropped.
QString fieldText(const char* p, int size) {
    const int len = int(qstrnlen(p, size_t(size)));
    QString text = DecodeCp949(QByteArray(p, len));
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

QString DataHeader::layoutVersion() const {
    return QStringLiteral("%1.%2").arg(layoutMajor).arg(layoutMinor, 2, 10, QChar(u'0'));
}

QString DecodeDataUnit(const QByteArray& bytes) {
    const int len = int(qstrnlen(bytes.constData(), size_t(bytes.size())));
    QString text;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= len; ++i) {
        if (i < len && bytes[i] != DataFile::DegreeByte)
            continue;
        text += DecodeCp949(bytes.mid(from, i - from));
        if (i < len)
            text += QChar(0x00B0);
        from = i + 1;
    }
    return text.trimmed();
}

DataHeader ParseDataHeader(const QByteArray& bytes) {
    using namespace DataFile;
    DataHeader h;
    h.complete = bytes.size() >= HeaderSize;
    QByteArray b = bytes.left(HeaderSize);
    b.resize(HeaderSize, '\0');
    const auto* u = reinterpret_cast<const quint8*>(b.constData());
    h.modelCode = u[16] * 10 + u[17];
    const int count = ChannelCountOfModel(h.modelCode);
    h.knownModel = count != 0;
    h.channelCount = h.knownModel ? count : ChannelSlots;
    h.layoutMajor = u[18];
    h.layoutMinor = u[19];
    for (int ch = 0; ch < ChannelSlots; ++ch) {
        const char* e = b.constData() + ChannelEntryOffset + ChannelEntrySize * ch;
        DataChannel& c = h.channels[size_t(ch)];
        c.unit = DecodeDataUnit(QByteArray(e + 2, 6));
        c.high = singleAt(e + 8); // display range high, then low
        c.low = singleAt(e + 12);
        c.name = fieldText(e + 16, 10);
        c.decimals = quint8(e[26]);
    }
    return h;
}

DataRecord ParseDataRecord(const char* p) {
    DataRecord r;
    r.stamp = qFromBigEndian<quint32>(p);
    for (int ch = 0; ch < 12; ++ch)
        r.values[size_t(ch)] = singleAt(p + 4 + 4 * ch);
    std::memcpy(r.status, p + 52, 12);
    return r;
}

int DataRecord::channelState(int channel) const {
    return RecordBytes::channelState(status, channel);
}

bool DataRecord::alarm(int channel, int alarmNo) const {
    if (channel < 1 || channel > 12 || alarmNo < 1 || alarmNo > 4)
        return false;
    return (RecordBytes::alarms(status, channel) >> (alarmNo - 1)) & 1;
}

DataFileReader::~DataFileReader() {
    if (m_map)
        m_file.unmap(m_map);
}

namespace {

// Reads until `size` bytes are there or the input ends (a pipe delivers in pieces).
qint64 readFully(QFile& file, char* to, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(to + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    return got;
}

} // namespace

bool DataFileReader::open(const QString& path, Source source) {
    using namespace DataFile;
    if (m_map)
        m_file.unmap(m_map);
    m_map = nullptr;
    m_loaded.clear();
    m_data = nullptr;
    m_streamBuffer.clear();
    m_streamEnded = false;
    m_warnings.clear();
    m_error.clear();
    m_header = DataHeader();
    m_records = 0;
    m_size = 0;
    m_next = 0;
    m_path = path;
    m_file.close();
    // Unbuffered: the header is the only thing read through the device; records are mapped,
    // and a stream's records are read in large blocks that a buffer would only copy twice.
    bool opened = false;
    QString why;
    if (path == u"-" && source == Source::FileOrStream) {
        opened = m_file.open(0, QIODevice::ReadOnly | QIODevice::Unbuffered);
        why = m_file.errorString();
    } else if (source == Source::FileOrStream) {
        opened = OpenFileOrStream(m_file, path, &why, QIODevice::Unbuffered);
    } else {
        opened = OpenRegularFile(m_file, path, &why, QIODevice::Unbuffered);
    }
    if (!opened) {
        m_error = DataFileReaderTexts::tr("cannot open %1: %2").arg(path, why);
        return false;
    }
    m_stream = m_file.isSequential();
    QByteArray head(HeaderSize, '\0');
    head.resize(readFully(m_file, head.data(), HeaderSize));
    if (head.left(16) != magic().left(std::min<qsizetype>(head.size(), 16))) {
        m_error = DataFileReaderTexts::tr("%1 is not a TD700 data file").arg(path);
        return false;
    }
    m_header = ParseDataHeader(head);
    if (!m_header.complete) {
        m_warnings << DataFileReaderTexts::tr(
                          "%1: the header is cut short (%2 of %3 bytes); the file holds no records")
                          .arg(path)
                          .arg(head.size())
                          .arg(HeaderSize);
        m_size = m_stream ? head.size() : m_file.size();
        m_streamEnded = true;
        return true;
    }
    if (!m_header.knownModel)
        m_warnings << DataFileReaderTexts::tr(
                          "%1: unknown model code %2; all twelve channels are shown")
                          .arg(path)
                          .arg(m_header.modelCode);
    if (m_stream) {
        m_size = HeaderSize;
        return true;
    }
    m_size = m_file.size();
    m_records = std::max<qint64>(m_size - HeaderSize, 0) / RecordSize;
    noteTail();
    return mapWholeRecords();
}

void DataFileReader::noteTail() {
    using namespace DataFile;
    static const QString kTail = QStringLiteral(" bytes are not a whole record");
    m_warnings.erase(std::remove_if(m_warnings.begin(), m_warnings.end(),
                                    [](const QString& w) { return w.contains(kTail); }),
                     m_warnings.end());
    const qint64 tail = std::max<qint64>(m_size - HeaderSize, 0) % RecordSize;
    if (tail != 0)
        m_warnings << DataFileReaderTexts::tr(
                          "%1: the last %2 bytes are not a whole record and were left out")
                          .arg(m_path)
                          .arg(tail);
}

bool DataFileReader::mapWholeRecords() {
    using namespace DataFile;
    if (m_map)
        m_file.unmap(m_map);
    m_map = nullptr;
    m_data = nullptr;
    m_loaded.clear();
    if (m_records == 0)
        return true;
    m_map = m_file.map(HeaderSize, m_records * RecordSize);
    if (m_map) {
        m_data = reinterpret_cast<const char*>(m_map);
        return true;
    }
    // Some file systems cannot map; such a file is read into memory instead.
    if (!m_file.seek(HeaderSize)) {
        m_error = DataFileReaderTexts::tr("cannot read %1: %2").arg(m_path, m_file.errorString());
        m_records = 0;
        return false;
    }
    m_loaded.resize(m_records * RecordSize);
    const qint64 got = readFully(m_file, m_loaded.data(), m_loaded.size());
    m_records = got / RecordSize;
    m_loaded.resize(m_records * RecordSize);
    m_data = m_loaded.constData();
    if (got < m_records * RecordSize)
        m_warnings << DataFileReaderTexts::tr("%1: read error after %2 records: %3")
                          .arg(m_path)
                          .arg(m_records)
                          .arg(m_file.errorString());
    return true;
}

qint64 DataFileReader::readStream(qint64 maxCount, const char** data) {
    using namespace DataFile;
    // Drop what the previous call handed out; keep the partial record after it.
    const qint64 handedOut = m_streamBuffer.size() - m_streamBuffer.size() % RecordSize;
    m_streamBuffer.remove(0, handedOut);
    if (m_streamEnded || maxCount <= 0)
        return 0;
    const qint64 have = m_streamBuffer.size();
    const qint64 want = maxCount * RecordSize;
    m_streamBuffer.resize(std::max(want, have));
    const qint64 got =
        have >= want ? 0 : readFully(m_file, m_streamBuffer.data() + have, want - have);
    m_streamBuffer.resize(have + got);
    m_size += got;
    const qint64 whole = m_streamBuffer.size() / RecordSize;
    if (have + got < want) {
        m_streamEnded = true;
        if (m_file.error() != QFileDevice::NoError)
            m_warnings << DataFileReaderTexts::tr("%1: read error after %2 records: %3")
                              .arg(m_path)
                              .arg(m_records + whole)
                              .arg(m_file.errorString());
        noteTail();
    }
    m_records += whole;
    *data = m_streamBuffer.constData();
    return whole;
}

qint64 DataFileReader::nextRecords(qint64 maxCount, const char** data) {
    if (m_stream)
        return readStream(maxCount, data);
    const qint64 n = std::clamp<qint64>(m_records - m_next, 0, std::max<qint64>(maxCount, 0));
    *data = m_data ? m_data + DataFile::RecordSize * m_next : nullptr;
    m_next += n;
    return n;
}

qint64 DataFileReader::readRecords(qint64 first, qint64 count, QByteArray* out) {
    using namespace DataFile;
    out->clear();
    if (first < 0 || count <= 0)
        return 0;
    if (m_stream) {
        if (first != m_records)
            return 0;
        const char* data = nullptr;
        const qint64 n = readStream(count, &data);
        out->append(data, n * RecordSize);
        return n;
    }
    count = std::min(count, m_records - first);
    if (count <= 0 || !m_data)
        return 0;
    out->append(m_data + first * RecordSize, count * RecordSize);
    return count;
}

bool DataFileReader::record(qint64 index, DataRecord* out) {
    QByteArray bytes;
    if (index < 0 || readRecords(index, 1, &bytes) != 1)
        return false;
    *out = ParseDataRecord(bytes.constData());
    return true;
}

bool DataFileReader::isCutShort() const {
    if (!m_map)
        return false;
    const qint64 size = m_file.size();
    return size >= 0 && size < DataFile::HeaderSize + m_records * DataFile::RecordSize;
}

DataFileReader::Growth DataFileReader::refresh() {
    using namespace DataFile;
    if (m_stream || !m_file.isOpen() || m_file.isSequential())
        return Growth::Unchanged;
    const qint64 size = m_file.size();
    if (size < 0)
        return Growth::Failed;
    if (!m_header.complete) {
        if (size < HeaderSize)
            return Growth::Unchanged;
        QByteArray head(HeaderSize, '\0');
        if (!m_file.seek(0) || readFully(m_file, head.data(), HeaderSize) != HeaderSize)
            return Growth::Failed;
        if (head.left(16) != magic())
            return Growth::Shrunk; // rewritten as something else: open it again to see
        m_header = ParseDataHeader(head);
        m_warnings.clear();
        if (!m_header.knownModel)
            m_warnings << DataFileReaderTexts::tr(
                              "%1: unknown model code %2; all twelve channels are shown")
                              .arg(m_path)
                              .arg(m_header.modelCode);
    }
    if (size < HeaderSize + m_records * RecordSize)
        return Growth::Shrunk;
    const qint64 records = (size - HeaderSize) / RecordSize;
    m_size = size;
    noteTail();
    if (records == m_records)
        return Growth::Unchanged;
    const qint64 before = m_records;
    m_records = records;
    if (!mapWholeRecords()) {
        m_records = 0;
        return Growth::Failed;
    }
    return m_records > before ? Growth::Grown : Growth::Shrunk;
}
