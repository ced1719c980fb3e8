#pragma once

#include <QJsonObject>
#include <QString>

class DataFileReader;

// A description of an open data file: model, layout version, the channels with name, unit,
// range and decimal point, the record count and the first and last time stamps.
// `allChannels` lists all twelve channel slots instead of the model's channels. A stream is
// read to its end for its count and last time stamp. Names and units are shown with control
// characters escaped; the JSON holds them as they are (JSON escapes them itself).
QString DescribeDataFile(DataFileReader& reader, const QString& path, bool allChannels);
QJsonObject DescribeDataFileJson(DataFileReader& reader, const QString& path, bool allChannels);
