#pragma once

#include "cli/CliContext.h"
#include "comm/CommEngine.h"
#include "core/Clock.h"

#include <QCommandLineParser>
#include <functional>
#include <memory>
#include <optional>

class SerialLink;

// Parses a command's arguments (the program name and the command word first) with the shared
// flags and the command's own. Prints the help or a usage message itself; returns false with
// the exit code to end with (Exit::Done after --help, Exit::Usage on a bad command line or
// when no meter is configured). Up to `positionals` arguments besides the flags are taken.
bool ParseEngineCommand(QCommandLineParser& parser, const QStringList& arguments,
                        CliContext& context, int* exitCode, int positionals = 0);

// The engine of one command run: the program's clock, the link of the context's port, the
// meters of the context (row k of the tables = the k-th address), and the selected address
// when one was given.
class EngineSession {
public:
    explicit EngineSession(const CliContext& context);
    ~EngineSession();

    CommEngine& engine() { return *m_engine; }
    Clock& clock() { return m_clock; }
    const Clock& clock() const { return m_clock; }
    // Opens the port and starts the scan; false with the reason when it cannot be opened.
    bool open(QString* why);
    // Runs the event loop until `done` holds (checked whenever the engine reports progress)
    // or `maxMs` have passed; returns done().
    bool runUntil(const std::function<bool()>& done, qint64 maxMs);
    // Why the line went away while open (an unplugged adapter); empty while it did not.
    QString lostReason() const { return m_lostReason; }
    // Ends the run on the line: sends nothing more, waits for the reply to the request on the
    // line (up to its time-out) so that it is not left for the next program, and closes the
    // port. The session does so itself when it ends.
    void close();

private:
    SystemClock m_clock;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<CommEngine> m_engine;
    QString m_lostReason;
    qint64 m_replyTimeoutMs = 0;
};

// Opens the session's port. When it cannot be opened, says so and why on standard error as
// "SPEAKER: cannot open port NAME: REASON" and returns false: the run ends with
// Exit::PortNotOpened.
bool OpenSessionPort(EngineSession& session, CliContext& context, const char* speaker = "td700");

// The first request the engine gives up (three failures in a row) from now on among those
// `counts` takes: what ends a wait on a meter that stopped answering, and says how it failed.
class GiveUpWatch {
public:
    GiveUpWatch(CommEngine& engine, std::function<bool(const FailedRequest&)> counts);
    ~GiveUpWatch();
    GiveUpWatch(const GiveUpWatch&) = delete;
    GiveUpWatch& operator=(const GiveUpWatch&) = delete;

    const std::optional<FailedRequest>& first() const { return m_first; }
    explicit operator bool() const { return m_first.has_value(); }
    void reset() { m_first.reset(); }

private:
    QMetaObject::Connection m_connection;
    std::optional<FailedRequest> m_first;
};
