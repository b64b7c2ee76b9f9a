#pragma once
// Reading a file whole, within the largest size its format can have. A file larger than that,
// or one that is no regular file (a folder, a device such as /dev/zero, a pipe), is refused
// before a byte is read, so a wrong path never fills the memory or waits forever.
#include <cstdint>
#include <string>

#include "StringTable.h"

// The largest files of each format read whole. Each is far above what the program writes.
// Options and settings: a few hundred keys of short values.
constexpr std::uintmax_t ProfileFileLimit = 1024 * 1024;
// Town files: the header and 57-byte records; the shipped atlas holds about 200,000 towns,
// this allows over a million.
constexpr std::uintmax_t TownFileLimit = 64 * 1024 * 1024;
// Time-zone files: 17-byte units; the shipped file is under a megabyte.
constexpr std::uintmax_t TimeFileLimit = 16 * 1024 * 1024;
// Other names of the towns: lines of a name and a record number.
constexpr std::uintmax_t TownAliasFileLimit = 16 * 1024 * 1024;
// The dignity table: a few hundred short lines.
constexpr std::uintmax_t DignityFileLimit = 1024 * 1024;

enum class WholeFileStatus {
    Ok,
    Missing,     // no such file (or the path cannot be looked at)
    NotRegular,  // a folder, a device, a pipe, a socket
    TooLarge,    // larger than the limit of its format
    Unreadable,  // there, but opening or reading it failed
};

struct WholeFile {
    WholeFileStatus status = WholeFileStatus::Missing;
    std::string bytes;  // the content when status is Ok

    bool ok() const { return status == WholeFileStatus::Ok; }
};

// The content of `path` when it is a regular file of at most `limit` bytes. A file that grows
// past the limit while it is read is refused as well.
WholeFile readWholeFile(const std::string& path, std::uintmax_t limit);

// Why a file was refused, naming it (empty for Ok and Missing, which callers tell in their own
// words): from the string table, so in the interface language.
std::string wholeFileMessage(const StringTable& strings, WholeFileStatus status, const std::string& path,
                             std::uintmax_t limit);
