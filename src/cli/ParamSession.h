#pragma once

#include "cli/EngineSession.h"

#include <QString>
#include <QVector>
#include <optional>

class ParamSet;

// What the parameter commands do on the bus, on one engine session: wait for the scan and the
// selected meter's settings, select another meter, upload into a parameter set and download
// one, with the engine's progress on standard error.
class ParamSession {
public:
    ParamSession(EngineSession& session, CliContext& context);

    // Opens the port and waits until the selected meter's settings are read and monitoring
    // runs. On failure prints why and returns false with the exit code: the port did not open,
    // no meter answered, the meter given with --select did not, or the selected meter answered
    // the scan but gave up its settings read (Exit::MeterLost).
    bool settle(int* exitCode);

    struct Meter {
        int index = -1;
        int address = 0;
        int modelCode = 0;
        int channels = 0; // 0: a model code none of the four
        QString firmware;
        QString describe() const; // "model 20 (12 channels), firmware 1.20"
    };
    Meter selected() const;
    // Indexes of the meters that answered the scan, in bus order.
    QVector<int> onlineMeters() const;
    // Makes meter `index` the selected one and reads its settings.
    bool select(int index, QString* why);

    // Uploads the selected meter into `set`.
    bool upload(ParamSet& set, QString* why);
    // Downloads `set` (its edited cells taken into the image first) to the selected meter.
    bool download(ParamSet& set, QString* why);

    // Every wait on the selected meter (its settings read, a transfer) ends as soon as the
    // engine gives one of its requests up, three failures in a row: the meter stopped
    // answering (or refused), and this tells how. Nothing while the last wait did not end so.
    const std::optional<FailedRequest>& givenUp() const { return m_givenUp.first(); }

    CommEngine& engine() { return m_session.engine(); }

private:
    bool runTransfer(int code, QString* why);
    bool waitFor(const std::function<bool()>& done, qint64 maxMs, QString* why);

    EngineSession& m_session;
    CliContext& m_c;
    bool m_monitoring = false;
    GiveUpWatch m_givenUp;
};

// A whole run of one upload: opens the port, waits for the selected meter, uploads it into
// `set` and closes the port. On failure prints why and returns false with the exit code
// (Exit::MeterLost when the meter stopped answering, Exit::Failed when the line was lost).
bool UploadSelectedMeter(CliContext& context, ParamSet& set, ParamSession::Meter* meter,
                         int* exitCode);

// True when standard input / standard error is a terminal.
bool StdinIsTerminal();
bool StderrIsTerminal();
