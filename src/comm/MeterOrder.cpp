#include "comm/MeterOrder.h"

#include "comm/CommState.h"

#include <algorithm>

int NextMeterIndex(const CommState& state) {
    const int next = state.gCurMeter + 1;
    return next > state.gLastMeter ? 0 : next;
}

int NextOnlineMeter(const CommState& state, int start) {
    if (start > state.gLastMeter)
        start = 0;
    for (int k = std::max(0, start); k <= state.gLastMeter; ++k)
        if (state.isOnline(k))
            return k;
    return -1;
}

int FollowingOnlineMeter(const CommState& state, int current) {
    const int next = NextOnlineMeter(state, current + 1);
    return next >= 0 ? next : NextOnlineMeter(state, 0);
}
