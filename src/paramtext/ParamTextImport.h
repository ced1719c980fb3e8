#pragma once

#include "paramset/ParamFile.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

// Reads a parameter set's text (see ParamTextExport.h) back into the bytes of its parameter
// file. With a `base` the text is a patch: it gives only the rows it changes, and its [file]
// section, if any, must agree with the base; without one it gives every row, [file] included.
// A row given with the text the base shows keeps the base's bytes. A row without "@" takes
// only what its parameter page offers.
//
// Nothing is made of a text with any fault; every fault is told as "NAME line N: why": an
// unknown section or key, a key given twice, a text the row does not take, a channel or
// formula section the model does not have, a [file] that contradicts the base, a row missing
// without a base, a byte given in [reserved] that a row holds.
struct ParamTextResult {
    std::optional<QByteArray> bytes; // the parameter file
    QStringList errors;
};
ParamTextResult ParameterFileFromText(const QByteArray& text, const QString& name,
                                      const ParamFileContents* base);
