#pragma once

#include <QString>
#include <optional>

// How much of the data folder's disk stays free: a size ("500M", "2G", "1.5T", plain bytes) or a
// share of the disk ("10%"). Sizes count in 1024s; a trailing "B" or "iB" is allowed.
struct FreeSpaceLimit {
    qint64 bytes = 0;
    double percent = 0;

    bool isSet() const { return bytes > 0 || percent > 0; }
    // The limit in bytes on a disk of `total` bytes.
    qint64 bytesOn(qint64 total) const;
    // The text it was given as, in its shortest form ("10%", "2G"); empty when not set.
    QString text() const;

    // Empty text (or "0") is no limit; nullopt for a text that is none of the forms, a share
    // of 100% or more, or a size beyond any disk.
    static std::optional<FreeSpaceLimit> parse(const QString& text);

    bool operator==(const FreeSpaceLimit&) const = default;
};
