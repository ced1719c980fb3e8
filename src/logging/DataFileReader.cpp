#include "logging/DataFileReader.h"

#include "comm/CommState.h"
#include "core/CodePage.h"
#include "logging/DataFile.h"

#include <QCoreApplication>
#include <QtEndian>
#include <cstring>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("DataFileReader", text);
}

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
    // Bytes 52..54 hold the state word of channels 7..12 (its low ten bits and, added on,
    // the rest) and four times the word of channels 1..6 (its bits 0..9).
    if (channel >= 7 && channel <= 11) {
        const int word = status[0] | (status[1] & 3) << 8;
        return (word >> (2 * (channel - 7))) & 3;
    }
    if (channel >= 1 && channel <= 5) {
        const int word = (status[1] >> 2) | status[2] << 2;
        return (word >> (2 * (channel - 1))) & 3;
    }
    return -1;
}

bool DataRecord::alarm(int channel, int alarmNo) const {
    if (channel < 1 || channel > 12 || alarmNo < 1 || alarmNo > 4)
        return false;
    // Words as stored: channels 1..4 at 56, 9..12 at 60, 5..8 at 62.
    static constexpr int kWordAt[3] = {4, 10, 8};
    const int at = kWordAt[(channel - 1) / 4];
    const int word = status[at] | status[at + 1] << 8;
    return (word >> (4 * ((channel - 1) % 4) + alarmNo - 1)) & 1;
}

bool DataFileReader::open(const QString& path) {
    using namespace DataFile;
    m_warnings.clear();
    m_error.clear();
    m_records = 0;
    m_file.close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = tr("cannot open %1: %2").arg(path, m_file.errorString());
        return false;
    }
    m_size = m_file.size();
    const QByteArray head = m_file.read(HeaderSize);
    if (head.left(16) != magic().left(std::min<qsizetype>(head.size(), 16))) {
        m_error = tr("%1 is not a TD700 data file").arg(path);
        return false;
    }
    m_header = ParseDataHeader(head);
    if (!m_header.complete) {
        m_warnings << tr("%1: the header is cut short (%2 of %3 bytes); the file holds no records")
                          .arg(path)
                          .arg(head.size())
                          .arg(HeaderSize);
        return true;
    }
    m_records = (m_size - HeaderSize) / RecordSize;
    const qint64 tail = (m_size - HeaderSize) % RecordSize;
    if (tail != 0)
        m_warnings << tr("%1: the last %2 bytes are not a whole record and were left out")
                          .arg(path)
                          .arg(tail);
    if (!m_header.knownModel)
        m_warnings << tr("%1: unknown model code %2; all twelve channels are shown")
                          .arg(path)
                          .arg(m_header.modelCode);
    return true;
}

qint64 DataFileReader::readRecords(qint64 first, qint64 count, QByteArray* out) {
    using namespace DataFile;
    count = std::clamp<qint64>(std::min(count, m_records - first), 0, m_records);
    out->resize(count * RecordSize);
    if (count == 0 || !m_file.seek(HeaderSize + first * RecordSize))
        return 0;
    const qint64 got = m_file.read(out->data(), count * RecordSize);
    const qint64 whole = std::max<qint64>(got, 0) / RecordSize;
    out->resize(whole * RecordSize);
    return whole;
}

bool DataFileReader::record(qint64 index, DataRecord* out) {
    QByteArray bytes;
    if (index < 0 || readRecords(index, 1, &bytes) != 1)
        return false;
    *out = ParseDataRecord(bytes.constData());
    return true;
}
