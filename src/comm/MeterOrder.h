#pragma once

struct CommState;

// The meter after the current one in list order, wrapping to 0 after the last (the scan's
// walk over every configured meter).
int NextMeterIndex(const CommState& state);
// The first online meter from `start` to the last; when `start` is past the last meter the
// search runs from 0 instead. -1 when there is none.
int NextOnlineMeter(const CommState& state, int start);
// The online meter that follows `current`, wrapping to the lowest online index: the
// monitoring cycle's next meter. -1 when no meter is online.
int FollowingOnlineMeter(const CommState& state, int current);
