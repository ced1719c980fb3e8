#include "comm/DownloadData.h"

#include "comm/ChannelColours.h"
#include "comm/ParameterSource.h"
#include "comm/RequestTable.h"

std::optional<QVector<quint16>> DownloadRegisters(const ParameterSource& source, int first,
                                                  int count) {
    QVector<quint16> values = source.holdingRegisters(first, count);
    if (values.size() != count)
        return std::nullopt;
    for (int channel = 1; channel <= 12; ++channel) {
        const int at = ChannelColourRegister(channel) - first;
        if (at >= 0 && at < count)
            values[at] = quint16(std::max(0, ChannelColourIndex(values[at])));
    }
    return values;
}
