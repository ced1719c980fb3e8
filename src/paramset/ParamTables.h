#pragma once

#include "core/TextTable.h"

// The four tables of a parameter set as the parameter window shows them and its pages edit
// them, all text:
//   sprdP            common parameters, rows 1..69: column 1 the description, column 2 the
//                    key (hidden), column 3 the value
//   sprdP_CH         channel parameters, rows 1..61: column 1 the description, column 2 the
//                    key (hidden), channel n in column n + 2; channel count + 2 columns
//   sprdFormual_Mem  memory formula of channel n in row n, column 1; one row per channel
//   sprdFormual_CH   channel formula of channel n in row n, column 1; one row per channel
// Header row 0 and column 0 hold the captions ("DESCRIPTION", "CH.01" ...). Rows that the
// set's model and firmware do not use are hidden, and a few rows change caption with them.
class ParamTables {
public:
    ParamTables();
    ParamTables(const ParamTables&) = delete;
    ParamTables& operator=(const ParamTables&) = delete;

    static constexpr int DescriptionColumn = 1;
    static constexpr int KeyColumn = 2;
    static constexpr int ValueColumn = 3;
    static constexpr int channelColumn(int channel) { return channel + 2; }

    // Channel columns, formula rows, hidden rows and version-dependent captions for a set of
    // `channels` channels at firmware `versionHundredths`.
    void layOut(int channels, int versionHundredths);

    TextTable sprdP;
    TextTable sprdP_CH;
    TextTable sprdFormual_Mem;
    TextTable sprdFormual_CH;
};
