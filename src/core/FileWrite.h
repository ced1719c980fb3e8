#pragma once

#include "core/FileRead.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Where the program writes a file it is given by name (its settings and state files, a
// parameter file, a CSV export, a picture):
//
//  - a regular file, or a name not there yet, is replaced whole or not at all: the bytes go to
//    a temporary file beside it, every write is checked (unbuffered, so a full disk shows at
//    the write that hit it), and only a complete temporary file is renamed over the old one
//    (a symbolic link is followed: the file it points to is replaced, the link stays);
//  - a FIFO or a character device (/dev/null, a terminal, /dev/stdout) is written into as a
//    stream, never replaced; an error there (a full device) is an error;
//  - anything else (a folder, a block device, a socket) is refused.
//
// The temporary file is named NAME.td700-XXXXXX.part and is locked while it is written. One
// that a killed program left behind is removed by the first write of NAME in a run: a leftover
// is one that nobody holds locked (where the system has no such locks, one that cannot be
// removed while it is open).
class FileOutput {
public:
    explicit FileOutput(const QString& path);
    ~FileOutput(); // an output not committed is given up: its temporary file goes
    FileOutput(const FileOutput&) = delete;
    FileOutput& operator=(const FileOutput&) = delete;

    // False when it cannot be written at all; errorString() says why.
    bool open();
    // What to write into, once open.
    QIODevice& device() { return m_file; }
    // True when writing goes straight into a FIFO or a device.
    bool isStream() const { return m_stream; }
    // Puts what was written in place (a file: checked, flushed to the disk, renamed over the
    // old one; a stream: flushed). False, with errorString(), when anything went wrong: the old
    // file is then as it was.
    bool commit();
    // Gives the output up: the temporary file goes, the old file stays as it was.
    void cancel();
    QString errorString() const { return m_error; }

    // A FIFO that no program reads from yet: a window must never wait for one, so by default
    // such an output is refused at once; a command-line program waits for its reader, as a
    // shell's redirection does. Set once, for the whole program.
    static void setWaitForFifoReaders(bool wait);

    // True for the kinds of file an output is written to: none (a new file), a regular file, a
    // FIFO or a character device.
    static bool writes(FileKind kind);

    // True when `fileName` is the name of a temporary file of a write of `targetName`.
    static bool isTemporaryOf(const QString& fileName, const QString& targetName);

private:
    bool fail(const QString& why);
    bool openStream(bool fifo);
    bool openTemporary();
    void removeLeftovers() const;

    QString m_path;   // as given
    QString m_target; // the file a rename replaces (symbolic links followed)
    QString m_temporary;
    QFile m_file;
    QString m_error;
    bool m_stream = false;
    bool m_done = false;
};

// Replaces the file at `path` with `bytes` through a FileOutput: whole or not at all. On any
// failure the old file stays as it was and `error` says why.
bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// What a user is told when such a write failed: which file, why, and that the file on disk
// is as it was before.
QString NotSavedMessage(const QString& path, const QString& error);
