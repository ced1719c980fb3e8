#pragma once

#include <QStringList>

// One function per command; `arguments` starts with the program name and the command word.
int RunScan(const QStringList& arguments);
int RunPoll(const QStringList& arguments);
int RunLog(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunUpload(const QStringList& arguments);
int RunDownload(const QStringList& arguments);
int RunCfg(const QStringList& arguments);
int RunClock(const QStringList& arguments);
int RunWatch(const QStringList& arguments);
