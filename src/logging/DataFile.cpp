#include "logging/DataFile.h"

#include "comm/MeterModels.h"
#include "core/CodePage.h"
#include "core/TextTable.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

// Columns of a channel in sprdMON, six per channel from column 29.
constexpr int kNameColumn = 29;
constexpr int kUnitTextColumn = 30;
constexpr int kDecimalColumn = 31;
constexpr int kUnitCodeColumn = 32;
constexpr int kRangeHighColumn = 33; // display range high
constexpr int kRangeLowColumn = 34;  // display range low
constexpr int kValueColumn = 13;

int channelColumn(int base, int ch) {
    return base + 6 * ch;
}

void putSingle(char* at, double value) {
    const float f = float(value);
    quint32 bits;
    std::memcpy(&bits, &f, sizeof bits);
    qToBigEndian(bits, at);
}

void putWordLowFirst(char* at, qint64 value) {
    at[0] = char(value & 0xFF);
    at[1] = char((value >> 8) & 0xFF);
}

// The text's bytes in the recorder's code page, at most `size` of them; a double-byte
// character that would not fit whole is left out rather than cut in half.
QByteArray fieldBytes(const QString& text, int size) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray one = EncodeCp949(text.mid(i, len));
        if (bytes.size() + one.size() > size)
            break;
        bytes += one;
        i += len - 1;
    }
    return bytes;
}

int modelCodeOf(const TextTable& mon, int row, int channelCount) {
    const int code = ModelCodeOfChannels(channelCount);
    return code >= 0 ? code : int(mon.integer(2, row));
}

} // namespace

QByteArray DataFile::magic() {
    return QByteArray("TD700 LOG DATA\0\0", 16);
}

quint32 PackTimeStamp(const QDateTime& at) {
    const QDate d = at.date();
    const QTime t = at.time();
    const quint32 year = quint32(d.year() - 2000) & 0x1F;
    return year << 26 | quint32(d.month()) << 22 | quint32(d.day()) << 17 |
           quint32(t.hour()) << 12 | quint32(t.minute()) << 6 | quint32(t.second());
}

QString TimeStampText(quint32 s) {
    const QChar zero(u'0');
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(2000 + int((s >> 26) & 0x1F))
        .arg(int((s >> 22) & 0xF), 2, 10, zero)
        .arg(int((s >> 17) & 0x1F), 2, 10, zero)
        .arg(int((s >> 12) & 0x1F), 2, 10, zero)
        .arg(int((s >> 6) & 0x3F), 2, 10, zero)
        .arg(int(s & 0x3F), 2, 10, zero);
}

QByteArray BuildDataHeader(const TextTable& mon, int row, int channelCount, double paramVersion,
                           const QByteArray& previousHeader) {
    using namespace DataFile;
    QByteArray h(HeaderSize, '\0');
    std::memcpy(h.data(), magic().constData(), 16);
    const int model = modelCodeOf(mon, row, channelCount);
    h[16] = char((model / 10) & 0xFF);
    h[17] = char((model % 10) & 0xFF);
    const int version = int(std::lround(paramVersion * 100.0));
    h[18] = char((version / 100) & 0xFF);
    h[19] = char((version % 100) & 0xFF);

    for (int ch = 0; ch < ChannelSlots; ++ch) {
        char* e = h.data() + ChannelEntryOffset + ChannelEntrySize * ch;
        QByteArray unit;
        bool known = true;
        switch (mon.integer(channelColumn(kUnitCodeColumn, ch), row)) {
        case 0:
            unit = "V";
            break;
        case 1:
            unit = "mV";
            break;
        case 2:
            unit = "%";
            break;
        case 3:
            unit = QByteArray(1, DegreeByte) + 'C';
            break;
        case 4:
            unit = QByteArray(1, DegreeByte) + 'F';
            break;
        case 5:
            unit = fieldBytes(mon.text(channelColumn(kUnitTextColumn, ch), row), 6);
            break;
        default:
            known = false;
        }
        if (known)
            std::memcpy(e + 2, unit.constData(), size_t(unit.size()));
        else if (previousHeader.size() == HeaderSize)
            std::memcpy(e + 2, previousHeader.constData() + (e - h.constData()) + 2, 6);
        putSingle(e + 8, mon.number(channelColumn(kRangeHighColumn, ch), row));
        putSingle(e + 12, mon.number(channelColumn(kRangeLowColumn, ch), row));
        const QByteArray name = fieldBytes(mon.text(channelColumn(kNameColumn, ch), row), 10);
        std::memcpy(e + 16, name.constData(), size_t(name.size()));
        e[26] = char(mon.integer(channelColumn(kDecimalColumn, ch), row) & 0xFF);
    }
    return h;
}

QByteArray BuildDataRecord(const TextTable& mon, int row, const QDateTime& at) {
    using namespace DataFile;
    QByteArray r(RecordSize, '\0');
    char* p = r.data();
    qToBigEndian(PackTimeStamp(at), p);
    for (int ch = 0; ch < ChannelSlots; ++ch)
        putSingle(p + 4 + 4 * ch, mon.number(kValueColumn + ch, row));
    const qint64 states7to12 = mon.integer(6, row);
    const qint64 states1to6 = mon.integer(7, row);
    p[52] = char(states7to12 & 0xFF);
    p[53] = char((states7to12 / 256 + 4 * (states1to6 & 3)) & 0xFF);
    p[54] = char((states1to6 / 4) & 0xFF);
    // Only the digital inputs (bits 0..5) fit the byte; the card-present bit is not kept.
    p[55] = char(mon.integer(11, row) & 0xFF);
    putWordLowFirst(p + 56, mon.integer(10, row));
    putWordLowFirst(p + 58, mon.integer(12, row));
    putWordLowFirst(p + 60, mon.integer(8, row));
    putWordLowFirst(p + 62, mon.integer(9, row));
    return r;
}
