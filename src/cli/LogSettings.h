#pragma once

#include "logging/SaveSettings.h"

#include <QCommandLineParser>
#include <QString>

// The options of `td700 log` beyond the shared ones and publishing: where the data files go
// and how often (--folder ... --single, --duration), what the data folder keeps (--keep-days,
// --keep-free) and where the figures are served (--metrics).
void AddLogOptions(QCommandLineParser& parser);
// Applies the flags over the settings file; false with the reason on a bad value.
bool ApplySaveFlags(const QCommandLineParser& parser, SaveSettings& settings, QString* why);
// "90", "90s", "15m", "2h" -> milliseconds.
bool ParseDuration(const QString& text, qint64* ms);
// "every 1 sec into /data as RUN_NN_YYYYMMDD.TDD, new files at 00:00; keeping 30 days".
QString DescribeSaving(const SaveSettings& settings);
