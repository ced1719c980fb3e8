#pragma once

#include "logging/SaveSettings.h"
#include "publish/PublishSettings.h"

#include <QCommandLineParser>
#include <QString>

struct CliContext;

// The settings of a `td700 log` run read again (on SIGHUP): the program folder's files under
// the same flags, checked as at the start. False with the reason when they would not start a
// run; the run then goes on with the settings it has.
bool ReadLogSettings(const QCommandLineParser& parser, CliContext* context, SaveSettings* save,
                     PublishSettings* publish, QString* why);
// Whether the line must be opened anew for them: another port or line settings, other meters,
// another selected meter or reply time-out.
bool LineSettingsDiffer(const CliContext& running, const CliContext& read);
// Starts this program again in its place with the arguments it was started with (same process
// on Unix, so that a service manager sees the same program); returns only when it could not.
QString RestartInPlace();
