#pragma once

// The modal hook and the message boxes live with the shared widgets, so that windows outside
// the program shell (the parameter pages) run their boxes through the same hook.
#include "widgets/MessageBoxes.h"
