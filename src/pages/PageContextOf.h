#pragma once

#include "pages/ParamPage.h"
#include "paramset/ParamSet.h"

// A page's context over `set`: the common table, or channel `channel`'s column, on `tab`.
inline PageContext PageContextOf(ParamSet& set, int channel = 0, int tab = 0,
                                 const Clock* clock = nullptr, const AppPaths* paths = nullptr) {
    PageContext c;
    c.set = &set;
    c.table = channel > 0 ? PageTable::Channel : PageTable::Common;
    c.column = channel > 0 ? ParamTables::channelColumn(channel) : ParamTables::ValueColumn;
    c.tab = tab;
    c.clock = clock;
    c.paths = paths;
    return c;
}
