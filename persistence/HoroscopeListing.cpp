#include "HoroscopeListing.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "HoroscopeFile.h"
#include "JoinPath.h"
#include "FoldTable.h"
#include "RadixData.h"
#include "FileFormat.h"
#include "StringTable.h"

namespace {

std::vector<std::string> splitMasks(std::string_view mask) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= mask.size()) {
        const std::size_t end = std::min(mask.find(';', start), mask.size());
        if (end > start)
            out.emplace_back(mask.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

bool matchesAny(const std::vector<std::string>& masks, const char* name) {
    return std::any_of(masks.begin(), masks.end(),
                       [name](const std::string& m) { return ::fnmatch(m.c_str(), name, FNM_CASEFOLD) == 0; });
}

// Opens `name` (relative to `dirFd`, or a full path with AT_FDCWD) for reading without ever
// blocking: a pipe would wait for a writer, so anything but a regular file is refused.
std::optional<std::string> readStart(int dirFd, const char* name, std::size_t count) {
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<std::string> result;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        std::string bytes(count, '\0');
        std::size_t got = 0;
        bool failed = false;
        while (got < count) {
            const ssize_t n = ::read(fd, bytes.data() + got, count - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                failed = true;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (!failed) {
            bytes.resize(got);
            result = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

// A fixed field of the file's first bytes as text: up to its zero byte, and never more than
// the field's size less one, as the records keep it.
std::string fieldText(std::string_view bytes, std::size_t offset, std::size_t size) {
    if (offset >= bytes.size())
        return {};
    std::string_view field = bytes.substr(offset, std::min(size - 1, bytes.size() - offset));
    return std::string(field.substr(0, field.find('\0')));
}

}  // namespace

std::string HoroscopeListing::pathOf(const HoroscopeEntry& entry) const {
    return JoinPath(folder, entry.fileName);
}

void HoroscopeListing::remove(const HoroscopeEntry* entry) {
    const auto it = std::find_if(entries.begin(), entries.end(), [entry](const auto& e) { return e.get() == entry; });
    if (it != entries.end())
        entries.erase(it);
}

std::optional<std::string> readFileStart(const std::string& path, std::size_t count) {
    return readStart(AT_FDCWD, path.c_str(), count);
}

ScanResult ScanFolder(HoroscopeListing& listing, const std::string& folder, const StringTable& strings,
                      const ScanProgress& progress) {
    listing.folder = folder;
    listing.entries.clear();
    listing.skipped = 0;
    listing.typeColumn = listing.fileColumn = listing.rowWidth = -1;

    const std::vector<std::string> masks = splitMasks(listing.mask);
    DIR* dir = folder.empty() ? nullptr : ::opendir(folder.c_str());
    if (!dir)
        return ScanResult::FolderUnreadable;

    const std::size_t headerSize = sizeof FileFormat::HoroscopeHeader;
    constexpr std::size_t NameOffset = 31;
    constexpr std::size_t TypeOffset = NameOffset + RadixData::NameSize;
    static_assert(TypeOffset + RadixData::HorTypeSize == HoroscopeListingBytes);

    ScanResult result = ScanResult::Complete;
    // The files are collected in the folder's order and sorted once at the end: a stable
    // sort keeps equal names in that order, as inserting each after its equals would.
    while (const dirent* e = ::readdir(dir)) {
        const char* name = e->d_name;
        if (e->d_type == DT_DIR || e->d_type == DT_FIFO || e->d_type == DT_CHR || e->d_type == DT_BLK ||
            e->d_type == DT_SOCK || !matchesAny(masks, name))
            continue;
        const std::optional<std::string> bytes = readStart(::dirfd(dir), name, HoroscopeListingBytes);
        if (!bytes || !isHoroscopeHeader(std::string_view(*bytes).substr(0, headerSize), strings)) {
            ++listing.skipped;
            continue;
        }
        auto entry = std::make_unique<HoroscopeEntry>();
        entry->fileName = name;
        entry->name = fieldText(*bytes, NameOffset, RadixData::NameSize);
        entry->horType = fieldText(*bytes, TypeOffset, RadixData::HorTypeSize);
        entry->folded = foldText(entry->name);
        listing.entries.push_back(std::move(entry));
        if (progress && listing.found() % ScanProgressStep == 0 && !progress(listing.found())) {
            result = ScanResult::Stopped;
            break;
        }
    }
    ::closedir(dir);
    std::stable_sort(listing.entries.begin(), listing.entries.end(),
                     [](const auto& a, const auto& b) { return a->folded < b->folded; });
    return result;
}
