#pragma once

#include "paramset/ParamFile.h"

#include <QString>
#include <optional>

class ParamSet;

// A parameter file as text (UTF-8, LF line ends): [file] with the channel count and firmware,
// [common] with one "KEY = text" per row of the common table, [CH01] .. with the rows of each
// channel the model has, [formulas] (from firmware 1.16) with the channel and memory formulas
// of channels 1 to 6, and [reserved] with every byte that no row holds and is not zero, by its
// offset in the file. Each row carries its caption as a comment. A row whose text alone would
// not give back its bytes, or that its page would not offer, carries "@" (see
// ParamTextSyntax.h), so that reading the text back gives the file byte for byte.
// Nothing, with `error`, for a file whose model code is none of the four.
std::optional<QString> ParameterText(const ParamFileContents& contents, QString* error);
// The text of a set as a save would write its file.
QString ParameterSetText(ParamSet& set);
