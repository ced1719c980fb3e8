#include "cli/CfgCommands.h"
#include "cli/EngineSession.h"
#include "cli/ParamListing.h"
#include "cli/ParamSession.h"
#include "comm/ReplyDecoder.h"
#include "paramset/ParamCompare.h"
#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"
#include "paramtext/ParamAudit.h"
#include "paramtext/ParamSetFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// What became of one meter.
struct MeterAudit {
    enum class Result { Same, Differs, NoAnswer, OtherModel };
    int address = 0;
    Result result = Result::NoAnswer;
    QString why; // no answer, another model: what the program knows of it
    QVector<ParamDifference> differences;
};

QString resultText(MeterAudit::Result r) {
    switch (r) {
    case MeterAudit::Result::Same:
        return QStringLiteral("same");
    case MeterAudit::Result::Differs:
        return QStringLiteral("differs");
    case MeterAudit::Result::NoAnswer:
        return QStringLiteral("did not answer");
    case MeterAudit::Result::OtherModel:
        return QStringLiteral("another model or firmware");
    }
    return {};
}

// A row as the audit names it: its key, and the channel of a channel row or formula.
QString rowName(const ParamDifference& d) {
    return d.channel > 0 ? QStringLiteral("%1 (%2)").arg(d.key, d.where()) : d.key;
}

QString lineOf(const MeterAudit& m) {
    switch (m.result) {
    case MeterAudit::Result::Differs: {
        QStringList rows;
        for (const ParamDifference& d : m.differences)
            rows << rowName(d);
        const qsizetype n = m.differences.size();
        return QStringLiteral("%1 %2: %3")
            .arg(n)
            .arg(n == 1 ? QStringLiteral("row differs") : QStringLiteral("rows differ"))
            .arg(rows.join(QStringLiteral(", ")));
    }
    case MeterAudit::Result::Same:
        return resultText(m.result);
    default:
        return m.why.isEmpty() ? resultText(m.result)
                               : QStringLiteral("%1 (%2)").arg(resultText(m.result), m.why);
    }
}

QString identityOf(const ParamSet& set) {
    return QStringLiteral("%1 channels, firmware %2")
        .arg(set.channelCount())
        .arg(set.versionText());
}

class Audit {
public:
    Audit(CliContext& c, ParamSet& reference, const QStringList& ignore, const QString& outDir)
        : m_c(c)
        , m_reference(reference)
        , m_ignore(ignore.begin(), ignore.end())
        , m_outDir(outDir) {}

    // Uploads and compares every meter of the list in turn. False when the port did not
    // open (exit code in `exitCode`).
    bool run(int* exitCode) {
        EngineSession session(m_c);
        ParamSession bus(session, m_c);
        // A selected meter that answered the scan but not its settings read is one meter
        // lost: it is told as such below, and the others are audited all the same.
        int settled = Exit::Done;
        if (!bus.settle(&settled) && settled != Exit::NoMeterAnswered &&
            settled != Exit::MeterLost) {
            *exitCode = settled;
            return false;
        }
        m_anyAnswered = settled == Exit::Done || settled == Exit::MeterLost;
        for (int k = 0; k < m_c.meters.size(); ++k) {
            MeterAudit m;
            m.address = m_c.meters[k];
            if (m_anyAnswered)
                auditMeter(bus, k, m);
            m_results << m;
            if (!m_c.json) {
                m_c.out << "meter " << m.address << ": " << lineOf(m) << '\n';
                m_c.out.flush();
            }
        }
        session.close();
        return true;
    }

    // As a download to every meter ends: 1 when a meter differs (or is another model), else 5
    // when one did not answer, at the scan or during its upload, while another did.
    int exitCode() const {
        if (!m_anyAnswered)
            return Exit::NoMeterAnswered;
        bool differs = m_keptBadly, silent = false;
        for (const MeterAudit& m : m_results) {
            differs = differs || m.result == MeterAudit::Result::Differs ||
                      m.result == MeterAudit::Result::OtherModel;
            silent = silent || m.result == MeterAudit::Result::NoAnswer;
        }
        return differs ? Exit::Failed : silent ? Exit::MeterLost : Exit::Done;
    }

    QJsonObject json(const QString& reference) const {
        QJsonArray meters, rows;
        for (const MeterAudit& m : m_results) {
            QJsonObject o{{QStringLiteral("meter"), m.address},
                          {QStringLiteral("result"), resultText(m.result)},
                          {QStringLiteral("differing"), int(m.differences.size())}};
            if (!m.why.isEmpty())
                o.insert(QStringLiteral("why"), m.why);
            meters.append(o);
            for (const ParamDifference& d : m.differences)
                rows.append(QJsonObject{{QStringLiteral("meter"), m.address},
                                        {QStringLiteral("key"), d.key},
                                        {QStringLiteral("channel"), d.channel},
                                        {QStringLiteral("description"), d.caption},
                                        {QStringLiteral("reference"), d.left},
                                        {QStringLiteral("meterText"), d.right}});
        }
        return QJsonObject{{QStringLiteral("reference"), reference},
                           {QStringLiteral("ignored"), QJsonArray::fromStringList(m_ignoreList())},
                           {QStringLiteral("meters"), meters},
                           {QStringLiteral("differences"), rows}};
    }

private:
    QStringList m_ignoreList() const {
        QStringList keys(m_ignore.begin(), m_ignore.end());
        keys.sort();
        return keys;
    }

    void auditMeter(ParamSession& bus, int index, MeterAudit& m) {
        if (!bus.onlineMeters().contains(index)) {
            m.why = QStringLiteral("not found by the scan");
            return;
        }
        QString why;
        ParamSet uploaded;
        // A meter that stops answering here is told as such, and the next one is asked.
        if (!bus.select(index, &why) || !bus.upload(uploaded, &why)) {
            m.why = why;
            return;
        }
        TakeImageFromTables(uploaded);
        keep(uploaded, m.address);
        const ParamSession::Meter meter = bus.selected();
        if (meter.channels != m_reference.channelCount() ||
            VersionHundredths(VersionNumber(meter.firmware)) != m_reference.versionHundredths()) {
            m.result = MeterAudit::Result::OtherModel;
            m.why = QStringLiteral("the meter is %1, the reference is for %2")
                        .arg(meter.describe(), identityOf(m_reference));
            return;
        }
        m.differences = AuditDifferences(m_reference, uploaded, m_ignore);
        m.result = m.differences.isEmpty() ? MeterAudit::Result::Same : MeterAudit::Result::Differs;
    }

    // The meter's set, for the record.
    void keep(ParamSet& uploaded, int address) {
        if (m_outDir.isEmpty())
            return;
        const QString path = QDir(m_outDir).filePath(
            QStringLiteral("meter%1.txt").arg(address, 3, 10, QLatin1Char('0')));
        const ParamFileResult saved = SaveParameterSetFile(uploaded, path);
        if (!saved.ok) {
            m_c.err << "td700: " << saved.error << '\n';
            m_keptBadly = true;
        }
    }

    CliContext& m_c;
    ParamSet& m_reference;
    QSet<QString> m_ignore;
    QString m_outDir;
    QVector<MeterAudit> m_results;
    bool m_keptBadly = false;
    bool m_anyAnswered = false; // the scan found a meter
};

} // namespace

int CfgAudit(CliContext& c, const QString& reference, const QStringList& ignore,
             const QString& outDir) {
    for (const QString& key : ignore)
        if (!AuditKeys().contains(key)) {
            c.err << "td700: --ignore names no row key '" << key << "'" << AuditKeyHint(key)
                  << " (keys as cfg show and cfg export name them)\n";
            return Exit::Usage;
        }
    c.selectAddress = 0; // every meter in turn, not one
    if (c.meters.isEmpty()) {
        c.err << "td700: no meter to audit: give --meters or mark addresses in "
              << c.paths.setEnvIni() << '\n';
        return Exit::Usage;
    }
    ParamSet set;
    if (!ReadParameterFileFor(set, reference, c.err))
        return Exit::Usage;
    if (!outDir.isEmpty() && !QDir().mkpath(outDir)) {
        c.err << "td700: the folder " << QDir::toNativeSeparators(outDir) << " cannot be made\n";
        return Exit::Usage;
    }
    Audit audit(c, set, ignore, outDir);
    int exitCode = Exit::Done;
    if (!audit.run(&exitCode))
        return exitCode;
    if (c.json)
        c.out << QJsonDocument(audit.json(QDir::toNativeSeparators(reference)))
                     .toJson(QJsonDocument::Indented);
    return audit.exitCode();
}
