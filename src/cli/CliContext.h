#pragma once

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
} // namespace Exit

// What every command shares: the program folder and its settings files, and the flags that
// override them for one run.
struct CliContext {
    AppPaths paths;
    PortSettings port;     // Comm.CFG, then the flags
    QVector<int> meters;   // slave addresses: --meters, else the marked lines of SetEnv.INI
    int selectAddress = 0; // --select, 0 = the first meter that answers
    bool json = false;
    QTextStream out{stdout};
    QTextStream err{stderr};
};

// Adds the shared flags to a command's parser.
void AddCommonOptions(QCommandLineParser& parser);
// Fills the context from the program folder and the flags. On a bad flag it prints why to
// standard error and returns false (exit with Exit::Usage).
bool LoadCommonOptions(const QCommandLineParser& parser, CliContext& context);
// Parses "1,3,5-7" into slave addresses 1..247; false on any bad item.
bool ParseAddressList(const QString& text, QVector<int>* addresses);
// Parses "1,3,5-7" into the numbers lowest..highest, sorted, each once; false on any bad item.
bool ParseNumberList(const QString& text, int lowest, int highest, QVector<int>* numbers);
