#include "service/JournalLines.h"

#include <QTextStream>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Words of the lines the logger and its parts say, by the priority they carry; the first that
// a line holds decides.
struct Words {
    JournalLines::Priority priority;
    const char* words;
};
constexpr Words kWords[] = {
    {JournalLines::Priority::Error, " not written"},
    {JournalLines::Priority::Error, "refused"},
    {JournalLines::Priority::Error, "cannot be deleted"},
    {JournalLines::Priority::Error, "disk is full"},
    {JournalLines::Priority::Warning, "WARNING"},
    {JournalLines::Priority::Warning, "stopped answering"},
    {JournalLines::Priority::Warning, "missing"},
    {JournalLines::Priority::Warning, "no record"},
    {JournalLines::Priority::Warning, "went away"},
    {JournalLines::Priority::Warning, "not reached"},
    {JournalLines::Priority::Warning, "not used"},
    {JournalLines::Priority::Warning, "cannot"},
    {JournalLines::Priority::Warning, "closed"},
    {JournalLines::Priority::Warning, "not sent"},
    {JournalLines::Priority::Warning, "shorter than before"},
    {JournalLines::Priority::Warning, "another file now"},
    {JournalLines::Priority::Info, "deleted"},
    {JournalLines::Priority::Info, "caught up"},
};

} // namespace

JournalLines::JournalLines(QTextStream& err, QString prefix)
    : m_err(err)
    , m_prefix(std::move(prefix))
    , m_journal(toJournal()) {}

void JournalLines::say(Priority priority, const QString& line) {
    if (m_journal)
        m_err << '<' << int(priority) << '>';
    m_err << m_prefix << line << '\n';
    m_err.flush();
}

JournalLines::Priority JournalLines::priorityOf(const QString& line) {
    for (const Words& w : kWords)
        if (line.contains(QLatin1String(w.words)))
            return w.priority;
    return Priority::Notice;
}

bool JournalLines::toJournal() {
#ifdef Q_OS_UNIX
    const QByteArray stream = qgetenv("JOURNAL_STREAM");
    const qsizetype colon = stream.indexOf(':');
    struct stat st {};
    if (colon <= 0 || ::fstat(STDERR_FILENO, &st) != 0)
        return false;
    bool devOk = false, inoOk = false;
    const qulonglong dev = stream.left(colon).toULongLong(&devOk);
    const qulonglong ino = stream.mid(colon + 1).toULongLong(&inoOk);
    return devOk && inoOk && dev == qulonglong(st.st_dev) && ino == qulonglong(st.st_ino);
#else
    return false;
#endif
}
