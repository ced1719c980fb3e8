#pragma once

#include "comm/DeviceTables.h"

#include <QString>

// Fills fresh device tables (without meter rows) with the settings a recorder comes with from
// the factory, as an upload of it fills them: the settings the simulated recorders start with, read
// back by the same requests and decoder as an upload from a real one, less the file-name
// prefix, which is each meter's own. A new parameter set starts
// from these, so that it shows every value in the format an upload of the meter then shows.
void ReadFactorySettings(DeviceTables& tables, int channels, const QString& firmwareText);
