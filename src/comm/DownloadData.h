#pragma once

#include <QVector>
#include <optional>

class ParameterSource;

// The register values a download writes from `first` on, taken from the parameter image.
// Every channel colour register in the range carries the colour's index 0..11 instead of the
// image's RGB565 value (a colour outside the twelve is sent as 0). Nothing when the image
// does not answer with exactly `count` values: a download never writes made-up data.
std::optional<QVector<quint16>> DownloadRegisters(const ParameterSource& source, int first,
                                                  int count);
