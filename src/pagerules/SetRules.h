#pragma once

#include "pagerules/RowRules.h"

#include <functional>

struct ParamField;

// The rules of the pages that weigh a row against other rows of its set, where RowRefusal looks
// at the row alone: a display group of a twelve-channel recorder holds at most six channels (the
// home page takes no seventh), and the reserved start's day lies within its month (the clock
// window limits it so). A recorder may hold a set that breaks them; the pages only never make
// one.

// The text a row of the set shows: `key` of channel `channel` (0 for a common row).
using SetRowText = std::function<QString(const QString& key, int channel)>;

// Why the pages would not have changed row `f` at `place` from `before` (nothing: a row new to
// the set) to `text` in a set whose rows read as `rowText` gives them (the row itself with
// `text`); nothing when they would. A channel that stays in a group too full is not refused:
// the page lets a channel leave or join the other group whatever the count.
std::optional<QString> SetRefusal(const ParamField& f, const QString& text,
                                  const std::optional<QString>& before, const RowPlace& place,
                                  const SetRowText& rowText);
