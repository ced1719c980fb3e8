#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

// The project's programs (td700, td700-sim, TD700_File) run as processes.
inline QString BinPath(const char* name) {
    return qEnvironmentVariable("TD700_BIN_DIR") + u'/' + QLatin1String(name);
}

// The next line of a running process's standard output; empty when none came in time.
inline QString NextLine(QProcess& p, const QDeadlineTimer& deadline = QDeadlineTimer(10000)) {
    while (!p.canReadLine()) {
        if (deadline.hasExpired() || p.state() == QProcess::NotRunning)
            return QString();
        p.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return QString::fromLocal8Bit(p.readLine()).trimmed();
}

// Runs one of the programs to its end (two minutes at most) and gives its exit status, -1 when
// it crashed or hung, with what it printed. Its standard input is closed at once, as under a
// script: nothing to read and no terminal to ask.
inline int RunProgram(const char* name, const QStringList& args, QByteArray* out = nullptr,
                      QByteArray* err = nullptr, const QString& workingFolder = {}) {
    QProcess p;
    if (!workingFolder.isEmpty())
        p.setWorkingDirectory(workingFolder);
    p.start(BinPath(name), args);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished(5000);
        return -1;
    }
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The same, its outcome as one value.
struct ProgramRun {
    int status = -1;
    QByteArray out, err;
};
inline ProgramRun RunToEnd(const char* name, const QStringList& args) {
    ProgramRun r;
    r.status = RunProgram(name, args, &r.out, &r.err);
    return r;
}

// One of the programs running, what it says on standard error gathered as it comes; killed when
// it goes out of scope.
class RunningProgram {
public:
    RunningProgram(const char* name, const QStringList& args,
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        m_process.setProcessEnvironment(env);
        m_process.start(BinPath(name), args);
    }
    ~RunningProgram() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    // Waits until standard error matches `pattern` (^ and $ at each line); the match. What comes
    // on standard output meanwhile is dropped.
    QRegularExpressionMatch waitFor(const QString& pattern, int ms = 30000) {
        const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
        const QDeadlineTimer deadline(ms);
        for (;;) {
            const bool over = deadline.hasExpired() || m_process.state() == QProcess::NotRunning;
            const QRegularExpressionMatch m = re.match(err());
            if (m.hasMatch() || over)
                return m;
            m_process.waitForReadyRead(100);
            m_process.readAllStandardOutput();
        }
    }
    // Sends `signal` (0: none) and waits for the end: the exit code, -1 after a crash, -2 while
    // it runs on.
    int finish(int signal = 0) {
#ifdef Q_OS_UNIX
        if (signal)
            ::kill(pid_t(m_process.processId()), signal);
#endif
        m_process.waitForFinished(20000);
        err();
        return m_process.state() != QProcess::NotRunning        ? -2
               : m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode()
                                                                : -1;
    }
    QString err() {
        m_err += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_err;
    }
    QProcess& process() {
        return m_process;
    }

private:
    QProcess m_process;
    QString m_err;
};

// td700-sim started with `args`, killed when it goes out of scope.
class Simulator : public RunningProgram {
public:
    explicit Simulator(const QStringList& args)
        : RunningProgram("td700-sim", args) {}
    QString nextLine() { return NextLine(process()); }
};

// The registers of a --dump line, "ADDR:FIRST:COUNT r1 r2 ...".
inline QList<quint16> DumpedRegisters(const QString& line) {
    QList<quint16> values;
    for (const QString& p : line.split(u' ', Qt::SkipEmptyParts).mid(1))
        values.append(quint16(p.toUInt()));
    return values;
}
