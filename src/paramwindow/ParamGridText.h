#pragma once

#include <QString>

class TextTable;

// What the parameter window's channel grid shows for a value cell: a code with its name where
// the code has one ("14 Pt100(DIN)", "3 °C", "1 (0.0)"), and a channel's values (ranges,
// adjustments, alarm values) in the channel's decimals, so that values read from a meter, from
// a file and written by a page read alike. The cells keep their own text; a text that is no
// number is shown as it stands.
QString ChannelGridText(const TextTable& sprdP_CH, int row, int column);
