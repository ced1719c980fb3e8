#pragma once

#include <QString>

class QTextStream;

// The logger's lines on standard error. Run as a service, standard error is the journal's
// stream, and each line then begins with its priority ("<4>" for a warning), which the journal
// files it under; in a terminal the lines are as they always were.
class JournalLines {
public:
    enum class Priority { Error = 3, Warning = 4, Notice = 5, Info = 6 };

    // Each line begins with `prefix` ("td700 log: ").
    JournalLines(QTextStream& err, QString prefix);

    void say(Priority priority, const QString& line);
    // A line whose priority its words tell: what failed or could not be done is an error, what
    // went missing or away a warning, the rest a notice.
    void say(const QString& line) { say(priorityOf(line), line); }

    static Priority priorityOf(const QString& line);
    // Whether standard error is the journal's stream (JOURNAL_STREAM names its device and inode).
    static bool toJournal();

private:
    QTextStream& m_err;
    QString m_prefix;
    bool m_journal;
};
