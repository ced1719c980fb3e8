#pragma once

#include "paramset/ParamCompare.h"

#include <QSet>
#include <QString>
#include <QVector>

class ParamSet;

// The rules of an audit of a bus against its reference set.

// Every key a row or a formula has, as the text form names them: what an audit may be told
// to leave out.
const QSet<QString>& AuditKeys();
// For a word that is no key but spells a row's caption ("UNIT_TEXT"): a clause naming the
// row's key (": the row UNIT TEXT has the key UNIT_NAME"); empty for any other word.
QString AuditKeyHint(const QString& word);

// The rows in which a meter's set differs from the reference as an audit counts them: the rows
// a download writes, the model aside, without those `ignore` names and the machine addresses
// (each meter of a bus answers at its own, as a download to all of them leaves it).
QVector<ParamDifference> AuditDifferences(const ParamSet& reference, const ParamSet& meter,
                                          const QSet<QString>& ignore);
