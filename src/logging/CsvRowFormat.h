#pragma once

#include <QVector>
#include <QtGlobal>
#include <cstddef>
#include <vector>

struct DataHeader;

// How one record of a data file becomes one CSV row: the time stamp, the values with their
// channel's decimal places (an empty cell where the channel had no valid value), the channel
// states, the alarms of each channel, the digital inputs and the relays, ending in CR LF.
//
// An export walks millions of records, so everything that depends only on the file (columns,
// decimals, where each state and alarm sits, the masks of the inputs and relays) is settled
// once here, and a row is written straight into the caller's buffer: no allocation, no text
// class, integers formatted as integers.
class CsvRowFormat {
public:
    // `channels` (1..12) in the order written; each keeps `header`'s decimal places (0..4).
    // `modelChannels` is the meter's channel count (12 for all slots): it says how many relays
    // and digital inputs a record holds.
    CsvRowFormat(const DataHeader& header, const QVector<int>& channels, int modelChannels);

    // The most bytes put() may touch for a row, the room to leave at its start.
    size_t maxRowBytes() const;
    // Writes the row of the 64 record bytes at `record` to `out`; returns the end of the row.
    char* put(char* out, const char* record) const;

private:
    struct Column {
        int valueAt;         // byte offset of the channel's value in a record
        int decimals;        // 0..4
        unsigned stateShift; // of the channel's state in the record's state bits
        unsigned stateMask;  // 3, or 0 for channels whose state a record does not keep
        int alarmAt;         // status byte of the channel's alarm word
        unsigned alarmShift;
    };

    std::vector<Column> m_columns;
    // Most records have every channel valid and no alarm on: their state and alarm fields are
    // then the same text every time, written whole. Which bits of the state bits and of the
    // alarm words (status bytes 4..11, read as one word) the columns look at:
    unsigned m_stateBitsUsed = 0;
    quint64 m_alarmBitsUsed = 0;
    bool m_plainRows = false; // the columns are few enough for the texts below
    char m_validStates[32] = {};
    int m_validStatesSize = 0;
    unsigned m_inputMask = 0;
    unsigned m_relayMask = 0;
};
