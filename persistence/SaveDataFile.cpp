#include <filesystem>
#include <string>

#include "ProfileFile.h"
#include "TownDatabase.h"

namespace {

// Makes backup the previous version of `path`: a hard link where the file system has them,
// a copy otherwise. A missing file needs no backup.
bool keepBackup(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string backup = path + ".bak";
    std::error_code ec;
    fs::remove(backup, ec);
    if (ec)
        return false;
    if (!fs::exists(path, ec))
        return !ec;
    fs::create_hard_link(path, backup, ec);
    if (!ec)
        return true;
    ec.clear();
    return fs::copy_file(path, backup, ec) && !ec;
}

}  // namespace

bool SaveDataFile(const std::string& path, std::string_view header, const void* records, std::size_t length) {
    std::string bytes(header);
    bytes.push_back('\0');
    const std::size_t bodyStart = bytes.size();
    if (length > 0)
        bytes.append(static_cast<const char*>(records), length);
    scrambleBody(reinterpret_cast<unsigned char*>(bytes.data() + bodyStart), length);
    return keepBackup(path) && writeFileAtomically(path, bytes);
}
