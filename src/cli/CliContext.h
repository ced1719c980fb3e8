#pragma once

#include "cli/StandardOutput.h"
#include "comm/PortSettings.h"
#include "core/AppPaths.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// Exit codes of the command-line companion.
namespace Exit {
constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;
constexpr int PortNotOpened = 3;
constexpr int NoMeterAnswered = 4;
constexpr int MeterLost = 5;     // poll: a meter that had answered stopped answering
constexpr int RecordsLost = 6;   // log: records were not written (a silent meter, a failed write)
constexpr int BrokerRefused = 7; // log: the broker refused the credentials or certificate
} // namespace Exit

// The exit statuses as --help lists them, for the commands that talk to meters.
QString ExitStatusHelp(bool poll, bool log);

// What every command shares: the program folder and its settings files, and the flags that
// override them for one run.
struct CliContext {
    AppPaths paths;
    PortSettings port;         // Comm.CFG, then the flags
    QVector<int> meters;       // slave addresses: --meters, else the marked lines of SetEnv.INI
    int selectAddress = 0;     // --select, 0 = the first meter that answers
    int replyTimeoutMs = 1000; // --timeout
    bool json = false;
    QTextStream out{&StandardOutput()};
    QTextStream err{stderr};
};

// Adds the shared flags to a command's parser.
void AddCommonOptions(QCommandLineParser& parser);
// Fills the context from the program folder and the flags. On a bad flag it prints why to
// standard error and returns false (exit with Exit::Usage). Marked lines of the meter list
// that name no slave address are said on standard error and left out.
bool LoadCommonOptions(const QCommandLineParser& parser, CliContext& context);
// Parses "1,3,5-7" into slave addresses 1..247; false on any bad item.
bool ParseAddressList(const QString& text, QVector<int>* addresses);
// Parses "1,3,5-7" into the numbers lowest..highest, sorted, each once; false on any bad item.
bool ParseNumberList(const QString& text, int lowest, int highest, QVector<int>* numbers);
// Adds --backoff to the parser of a command that polls.
void AddBackoffOption(QCommandLineParser& parser);
// Applies --backoff over Comm.CFG's setting; false with the reason on standard error.
bool LoadBackoffOption(const QCommandLineParser& parser, CliContext& context);
// Adds the spacing of requests to the parser of a command that polls: --request-interval, and
// also --interval where the command has no other interval.
void AddRequestIntervalOption(QCommandLineParser& parser, bool alsoAsInterval);
// Applies it over Comm.CFG's eighth line; false with the reason on standard error.
bool LoadRequestIntervalOption(const QCommandLineParser& parser, CliContext& context);
// A command's --help text, its usage line naming the program and the command as they are
// typed ("td700 scan [options]"), however the program was started.
QString CommandHelp(const QCommandLineParser& parser, const QString& command);
// A sentence as a clause: without its final full stop, to be followed by more.
QString AsClause(const QString& sentence);
