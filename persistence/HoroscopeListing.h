#pragma once
// The horoscope browser's listing of one folder: every horoscope file there with the person's
// name and horoscope type taken from its first bytes, ordered by folded name; entries with
// equal folded names stay in the order the folder gave them.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class StringTable;

struct HoroscopeEntry {
    std::string fileName;  // without the folder; the file system's bytes
    std::string name;      // Windows-1250, at most 40 characters, as stored
    std::string horType;   // Windows-1250, at most 10 characters, as stored
    std::string folded;    // the name through FoldTable: the sort and search key
};

struct HoroscopeListing {
    std::string folder;
    std::string mask = "*.hor";  // several masks are separated by ";"
    // Entries live on the heap so that list items can point at them across deletions.
    std::vector<std::unique_ptr<HoroscopeEntry>> entries;
    // Column positions of the list drawing, measured once per listing; -1 until then.
    int typeColumn = -1;
    int fileColumn = -1;
    int rowWidth = -1;

    // Files matching the mask that were left out: no horoscope files, or unreadable.
    std::size_t skipped = 0;

    std::size_t found() const { return entries.size(); }
    std::string pathOf(const HoroscopeEntry& entry) const;
    // Takes an entry out of the listing (after its file was deleted); it is destroyed.
    void remove(const HoroscopeEntry* entry);
};

// The scan reads this many bytes of each file: header, name and type.
constexpr std::size_t HoroscopeListingBytes = 83;
// How often (in horoscope files found) the scan reports its progress.
constexpr std::size_t ScanProgressStep = 15;

// Called after every ScanProgressStep-th horoscope file found, with the count so far;
// returning false stops the scan.
using ScanProgress = std::function<bool(std::size_t found)>;

enum class ScanResult {
    Complete,
    Stopped,           // the progress callback asked to stop; the listing holds what was found
    FolderUnreadable,  // the folder cannot be enumerated; the listing is empty
};

// Rebuilds `listing` for `folder`: every regular file matching one of the masks (letter case
// ignored) whose header passes the horoscope header test. Files that cannot be opened or read,
// or that vanish meanwhile, are left out; nothing else stops the scan.
ScanResult ScanFolder(HoroscopeListing& listing, const std::string& folder, const StringTable& strings,
                      const ScanProgress& progress = {});

// Up to `count` bytes from the start of a regular file; nothing when it cannot be opened or
// read, or is no regular file (a folder, a pipe or a device is never opened for reading).
std::optional<std::string> readFileStart(const std::string& path, std::size_t count);
