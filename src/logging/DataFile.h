#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TextTable;

// The binary data file (.TDD): a 512-byte header that describes the meter's twelve channel
// slots, then one 64-byte record per save. Numbers are big-endian singles; the status words
// at the end of a record are little-endian.
namespace DataFile {
constexpr int HeaderSize = 512;
constexpr int RecordSize = 64;
constexpr int ChannelSlots = 12;
constexpr int ChannelEntryOffset = 32;
constexpr int ChannelEntrySize = 40;
// "TD700 LOG DATA" followed by two zero bytes.
QByteArray magic();
// The recorder's character set shows this byte as the degree sign ("`C" is degrees Celsius).
constexpr char DegreeByte = 0x60;
} // namespace DataFile

// The 32-bit time stamp of a record: bits 0..5 second, 6..11 minute, 12..16 hour, 17..21 day,
// 22..25 month, 26..30 year - 2000, bit 31 zero.
quint32 PackTimeStamp(const QDateTime& at);
// The stamp as "YYYY-MM-DD HH:MM:SS", field by field as stored (no calendar check).
QString TimeStampText(quint32 stamp);

// The header of a new data file from row `row` of sprdMON. The model code is the row's own
// where that model has `channelCount` channels (the meter's own count), else the code of the
// model that has them (2 -> 0, 4 -> 40, 6 -> 10, 12 -> 20); `paramVersion` is 1.06, 1.07 or 1.08. A
// channel whose unit code is not 0..5 keeps the unit bytes of `previousHeader` (the last header
// built).
QByteArray BuildDataHeader(const TextTable& sprdMON, int row, int channelCount, double paramVersion,
                           const QByteArray& previousHeader = {});
// One record from row `row` of sprdMON, stamped with `at`.
QByteArray BuildDataRecord(const TextTable& sprdMON, int row, const QDateTime& at);
