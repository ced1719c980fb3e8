#pragma once

#include "paramset/ParamCompare.h"

#include <QJsonObject>
#include <QTextStream>
#include <QVector>

class ParamSet;

// A parameter set as the parameter window shows it: its visible rows with description, key
// and value (one column per channel), and its formulas when its file holds them.
void PrintParameterSet(QTextStream& out, const ParamSet& set);
// The same for scripts: every row, hidden ones marked, values as the window shows them.
QJsonObject ParameterSetJson(const ParamSet& set);

// "SAVE_PERIOD_TIME (RECORD PERIOD(sec)): 5 | 10", one line per difference, and a last line
// that counts them.
void PrintDifferences(QTextStream& out, const QVector<ParamDifference>& differences,
                      const QString& left, const QString& right);
QJsonObject DifferencesJson(const QVector<ParamDifference>& differences, const QString& left,
                            const QString& right);

// Loads a parameter file or its text for a command: warnings and the reason of a refusal go to
// `err` in the program's words. False when the file was refused.
bool ReadParameterFileFor(ParamSet& set, const QString& path, QTextStream& err);
