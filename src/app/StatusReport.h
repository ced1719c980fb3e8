#pragma once

#include <QString>
#include <QStringList>

class TextTable;

// The rows of the meter status list as text, one line per meter: address, link text, model
// code and firmware version, separated by tabs.
QStringList StatusRows(const TextTable& sprdStatus);
