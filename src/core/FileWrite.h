#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes go to a temporary
// file beside it, every write is checked (unbuffered, so a full disk shows at the write that
// hit it, not only at the end), and only a complete temporary file is renamed over the old
// one. On any failure the old file stays as it was and `error` says why.
bool WriteFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// What a user is told when such a write failed: which file, why, and that the file on disk
// is as it was before.
QString NotSavedMessage(const QString& path, const QString& error);
