#pragma once

#include "cli/CliContext.h"

#include <QString>
#include <QStringList>

// The parts of `td700 cfg` beyond show and diff.

// cfg export: a parameter file (or a text) as text, into `out` or on standard output.
int CfgExport(CliContext& c, const QString& path, const QString& out);
// cfg import: a text into the parameter file `out`, over the set `base` when given.
int CfgImport(CliContext& c, const QString& path, const QString& out, const QString& base);
// cfg audit: every meter of --meters uploaded in turn and compared with the reference on the
// rows a download writes, less the `ignore` keys; each meter's set kept as text in `outDir`.
int CfgAudit(CliContext& c, const QString& reference, const QStringList& ignore,
             const QString& outDir);
