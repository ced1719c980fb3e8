#pragma once

#include <QFile>
#include <QString>

// What a name on disk is, for files the program reads or writes by name.
enum class FileKind { Missing, Regular, Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

// Follows symbolic links: a link to a regular file is a regular file.
FileKind KindOfFile(const QString& path);
// "a FIFO (named pipe)", "a character device", ... for messages; empty for a regular file.
QString FileKindText(FileKind kind);

// Opens `path` for reading when it is a regular file. Anything else (a FIFO, a device such as
// /dev/zero, a folder, a socket) is refused at once without waiting on it: opening a FIFO for
// reading would wait for a writer, forever if none comes, and a device never ends. The check
// is made on what was opened, so a name swapped in between cannot slip through. `error` names
// the file and says why (the file's name as the user gave it).
bool OpenRegularFile(QFile& file, const QString& path, QString* error,
                     QIODevice::OpenMode extra = {});

// For commands that read a stream on purpose (a data file from a pipe): a regular file, a FIFO
// or standard input by its name (/dev/stdin, also a terminal) is opened (a FIFO waits for its
// writer, as a pipe does); any other device, a folder or a socket is refused.
bool OpenFileOrStream(QFile& file, const QString& path, QString* error,
                      QIODevice::OpenMode extra = {});
