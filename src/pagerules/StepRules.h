#pragma once

#include <QString>
#include <QStringList>

// How the up and down buttons of the parameter pages move a value. Every stepper wraps: past
// the top it starts again at the bottom, below the bottom it goes on at the top.

// `value` moved by `delta` (+1 or -1) inside low..high. A value already outside the range
// (a stray cell) steps to the end the button points away from: up to `low`, down to `high`.
int StepWrapped(int value, int delta, int low, int high);

// The entry after (`delta` +1) or before (-1) `current` in `list`, wrapping at both ends. A
// current text that is not in the list steps to the first entry (up) or the last (down).
QString StepInList(const QStringList& list, const QString& current, int delta);
