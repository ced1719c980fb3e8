#pragma once

#include "logging/DataFileReader.h"
#include "logging/RecordBytes.h"

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>

// What differs between the channel values a message carries ([{"value":...}, ...]) and record
// `index` of a data file, each at its channel's decimals; empty when nothing. Values the record
// marks invalid are not compared.
inline QString PublishedValuesDiffer(const DataFileReader& reader, qint64 index,
                                     const QJsonArray& values) {
    if (index < 0 || index >= reader.recordCount())
        return QStringLiteral("record %1 of %2").arg(index + 1).arg(reader.recordCount());
    const char* record = reader.recordData(index);
    for (int ch = 1; ch <= values.size(); ++ch) {
        const double scale = std::pow(10, reader.header().channels[size_t(ch - 1)].decimals);
        const double expected = std::round(double(RecordBytes::value(record, ch)) * scale) / scale;
        const double got = values[ch - 1].toObject().value(QStringLiteral("value")).toDouble();
        if (RecordBytes::isValid(record, ch) &&
            std::fabs(got - expected) > 1e-9 * std::max(1.0, std::fabs(expected)))
            return QStringLiteral("record %1 channel %2: %3, file %4")
                .arg(index + 1)
                .arg(ch)
                .arg(got)
                .arg(expected);
    }
    return {};
}
