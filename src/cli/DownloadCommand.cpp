#include "cli/Commands.h"
#include "cli/ParamListing.h"
#include "cli/ParamSession.h"
#include "comm/ReplyDecoder.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"

#include <QDir>

namespace {

constexpr int kRs232AddressRow = MachineAddressRows[0];
constexpr int kRs485AddressRow = MachineAddressRows[1];

struct Options {
    QString path;
    bool force = false;
    bool verify = false;
    bool all = false;
};

QString fileDescription(const ParamSet& set) {
    return QStringLiteral("%1 channels, firmware %2")
        .arg(set.channelCount())
        .arg(set.versionText());
}

// Why the file does not fit the meter, empty when it does.
QString mismatch(const ParamSet& file, const ParamSession::Meter& meter) {
    const bool model = meter.channels != file.channelCount();
    const bool firmware =
        VersionHundredths(VersionNumber(meter.firmware)) != file.versionHundredths();
    if (!model && !firmware)
        return QString();
    return QStringLiteral("the meter is %1, the file is for %2")
        .arg(meter.describe(), fileDescription(file));
}

QString addressCell(const ParamSet& set, int row) {
    return set.tables.sprdP.text(ParamTables::ValueColumn, row);
}

class Download {
public:
    Download(CliContext& c, ParamSession& bus, const ParamSet& file, const Options& o)
        : m_c(c)
        , m_bus(bus)
        , m_file(file)
        , m_o(o) {}

    // Downloads to the selected meter; returns the summary line's text and whether it went
    // well. `silent` tells that it did not because the meter stopped answering.
    bool toSelected(QString* summary, bool* silent) {
        *silent = false;
        const bool ok = attempt(summary);
        *silent = !ok && m_bus.givenUp().has_value();
        return ok;
    }

private:
    bool attempt(QString* summary) {
        const ParamSession::Meter meter = m_bus.selected();
        const QString reason = mismatch(m_file, meter);
        if (!reason.isEmpty() && !m_o.force) {
            *summary = QStringLiteral("refused: %1 (--force writes it anyway)").arg(reason);
            return false;
        }
        ParamSet set;
        if (!prepare(set, meter, summary))
            return false;
        QString why;
        if (!m_bus.download(set, &why)) {
            *summary = QStringLiteral("the download did not complete: ") + why;
            return false;
        }
        *summary = QStringLiteral("downloaded (%1)").arg(meter.describe());
        if (!m_o.verify)
            return true;
        ParamSet check;
        if (!m_bus.upload(check, &why)) {
            *summary += QStringLiteral(", but the upload to verify it did not complete: ") + why;
            return false;
        }
        TakeImageFromTables(check);
        const QVector<ParamDifference> differences =
            CompareWrittenSet(set, check, keepsOwnFormulas(meter));
        if (differences.isEmpty()) {
            *summary += QStringLiteral(", verified");
            return true;
        }
        PrintDifferences(m_c.out, differences, QStringLiteral("written"),
                         QStringLiteral("meter %1 now").arg(meter.address));
        *summary += QStringLiteral(", but %1 rows read back differently").arg(differences.size());
        return false;
    }

    // Whether the download writes the meter's own formulas of channels 7 to 12 back.
    bool keepsOwnFormulas(const ParamSession::Meter& meter) const {
        return m_file.hasFormulasInFile() && meter.channels > 6;
    }

    // The set to write to this meter: the file's, over the meter's own formulas of channels 7
    // to 12 (no file holds them); in a batch, with the meter's own machine addresses.
    bool prepare(ParamSet& set, const ParamSession::Meter& meter, QString* summary) {
        QString why;
        if (keepsOwnFormulas(meter)) {
            m_c.err << "Reading the formulas of channels 7 to 12 from meter " << meter.address
                    << " (a parameter file does not hold them)\n";
            if (!m_bus.upload(set, &why)) {
                *summary = QStringLiteral("its formulas could not be read: ") + why;
                return false;
            }
        }
        if (!ReadParameterFileFor(set, m_o.path, m_c.err)) {
            *summary = QStringLiteral("the file could not be read again");
            return false;
        }
        const TextTable& own = m_bus.engine().tables().sprdP_Common;
        if (m_o.all && !m_bus.engine().settingsComplete()) {
            *summary = QStringLiteral("its settings could not be read whole, so its machine "
                                      "addresses are not known; nothing was written");
            return false;
        }
        if (m_o.all) {
            for (int row : MachineAddressRows)
                set.tables.sprdP.setText(ParamTables::ValueColumn, row, own.text(1, row));
        } else if (addressCell(set, kRs232AddressRow).toInt() != meter.address &&
                   addressCell(set, kRs485AddressRow).toInt() != meter.address) {
            m_c.err << "td700: warning: the file sets machine address "
                    << addressCell(set, kRs232AddressRow) << " (RS232) and "
                    << addressCell(set, kRs485AddressRow) << " (RS422/485); meter " << meter.address
                    << " answers at its own: a recorder that takes the new address answers at "
                       "it after the download\n";
        }
        return true;
    }

    CliContext& m_c;
    ParamSession& m_bus;
    const ParamSet& m_file;
    const Options& m_o;
};

bool confirm(CliContext& c, const ParamSet& file, const Options& o) {
    QString target;
    if (o.all) {
        QStringList addresses;
        for (int a : c.meters)
            addresses << QString::number(a);
        target = QStringLiteral("every meter of %1 that answers").arg(addresses.join(u','));
    } else {
        target = c.selectAddress > 0 ? QStringLiteral("meter %1").arg(c.selectAddress)
                                     : QStringLiteral("the first meter that answers");
    }
    c.err << "Write " << QDir::toNativeSeparators(o.path) << " (" << fileDescription(file)
          << ") to " << target << " on " << c.port.portName
          << "? This replaces its settings. [y/N] ";
    c.err.flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QStringLiteral("y") || answer == QStringLiteral("yes");
}

} // namespace

int RunDownload(const QStringList& arguments) {
    CliContext c;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "Downloads a parameter file (.CFG, or its text from cfg export) to the selected meter "
            "(--select, else the first meter that "
            "answers), or with --all to every meter that answers, one after the other. Asks first "
            "on a terminal.") +
        QStringLiteral("\n") + AsClause(ExitStatusHelp(false, false)) +
        QStringLiteral("; 2 also for a file that is not a parameter set (or a text with a "
                       "fault: nothing is written), 1 also when a meter refused the file, did "
                       "not take it whole or read back otherwise, 5 when a meter did not answer "
                       "or stopped answering (and none failed so)."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The parameter file or text to download."));
    parser.addOptions({
        {QStringLiteral("yes"), QStringLiteral("Do not ask; needed without a terminal.")},
        {QStringLiteral("force"),
         QStringLiteral("Write the file also to a meter of another model or firmware.")},
        {QStringLiteral("verify"),
         QStringLiteral("Upload again afterwards and list every row that reads back otherwise.")},
        {QStringLiteral("all"),
         QStringLiteral("Download to each meter of --meters (or the meter list) that answers; "
                        "every meter keeps its own machine addresses.")},
    });
    int exitCode = Exit::Done;
    if (!ParseEngineCommand(parser, arguments, c, &exitCode, 1))
        return exitCode;
    Options o;
    o.path = parser.positionalArguments().value(0);
    o.force = parser.isSet(QStringLiteral("force"));
    o.verify = parser.isSet(QStringLiteral("verify"));
    o.all = parser.isSet(QStringLiteral("all"));
    if (o.path.isEmpty()) {
        c.err << "td700: download wants the parameter file to write\n";
        return Exit::Usage;
    }
    if (o.all && c.selectAddress > 0) {
        c.err << "td700: give --all or --select, not both\n";
        return Exit::Usage;
    }
    ParamSet file;
    if (!ReadParameterFileFor(file, o.path, c.err))
        return Exit::Usage;
    if (!parser.isSet(QStringLiteral("yes"))) {
        if (!StdinIsTerminal()) {
            c.err << "td700: a download replaces a meter's settings and asks first; give --yes "
                     "to run it without a terminal\n";
            return Exit::Usage;
        }
        if (!confirm(c, file, o)) {
            c.err << "Nothing was written.\n";
            return Exit::Failed;
        }
    }

    EngineSession session(c);
    ParamSession bus(session, c);
    if (!bus.settle(&exitCode))
        return exitCode;
    Download download(c, bus, file, o);
    // A meter that refused the file or read back otherwise fails the run (1); one that did not
    // answer, at the scan or during its download, ends it with 5 when nothing else failed.
    bool failed = false, silent = false;
    const auto report = [&](int address, bool ok, bool quiet, const QString& summary) {
        c.out << "meter " << address << ": " << summary << '\n';
        c.out.flush();
        if (!ok)
            (quiet ? silent : failed) = true;
    };
    if (!o.all) {
        QString summary;
        bool quiet = false;
        const bool ok = download.toSelected(&summary, &quiet);
        report(bus.selected().address, ok, quiet, summary);
    } else {
        const CommState& s = bus.engine().state();
        const QVector<int> online = bus.onlineMeters();
        for (int k = 0; k < s.meterCount(); ++k) {
            const int address = s.gMeterAddress[k];
            QString why, summary;
            bool quiet = true;
            if (!online.contains(k)) {
                report(address, false, quiet, QStringLiteral("no answer"));
            } else if (!bus.select(k, &why)) {
                report(address, false, quiet, QStringLiteral("not selected: ") + why);
            } else {
                const bool ok = download.toSelected(&summary, &quiet);
                report(address, ok, quiet, summary);
            }
        }
    }
    session.close();
    if (!session.lostReason().isEmpty())
        return Exit::Failed;
    return failed ? Exit::Failed : silent ? Exit::MeterLost : Exit::Done;
}
