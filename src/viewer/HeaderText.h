#pragma once

#include <QString>

class DataTimeLine;

// The header panel: the meter, model, layout, save interval and span of the time line, its
// files, the channels with name, unit, range and decimal places, and what the user should
// know about the files (damage, files that do not fit together), as rich text.
QString HeaderHtml(const DataTimeLine& timeLine);
