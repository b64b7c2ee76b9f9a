#include "UserFolder.h"

#include <filesystem>
#include <system_error>

#include "AppState.h"
#include "ProgramFolder.h"

namespace fs = std::filesystem;

namespace {

std::string failure(const fs::path& path, const std::error_code& ec) {
    return path.string() + ": " + ec.message();
}

// A link at `link` to `target`, unless a file of the user's own (not a link) stands there.
std::string ensureLink(const fs::path& link, const fs::path& target) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(link, ec);
    if (fs::exists(st) && !fs::is_symlink(st))
        return {};
    if (fs::is_symlink(st)) {
        if (fs::read_symlink(link, ec) == target && !ec)
            return {};
        fs::remove(link, ec);
        if (ec)
            return failure(link, ec);
    }
    if (fs::is_directory(target, ec))
        fs::create_directory_symlink(target, link, ec);
    else
        fs::create_symlink(target, link, ec);
    return ec ? failure(link, ec) : std::string();
}

}  // namespace

std::string seedUserFolder(const std::string& userFolder, const std::string& shippedFolder) {
    const fs::path user(userFolder);
    const fs::path shipped(shippedFolder);
    std::error_code ec;
    if (!fs::is_directory(user, ec)) {
        fs::create_directories(user, ec);
        if (ec)
            return failure(user, ec);
        // Nobody else reads a user's charts and settings.
        fs::permissions(user, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    for (const char* sub : {"options", "data", "horo"}) {
        fs::create_directory(user / sub, ec);
        if (ec)
            return failure(user / sub, ec);
    }

    for (fs::directory_iterator it(shipped / "options", ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file())
            continue;
        const fs::path own = user / "options" / it->path().filename();
        std::error_code statEc;
        if (fs::exists(fs::symlink_status(own, statEc)))
            continue;
        fs::copy_file(it->path(), own, ec);
        if (ec)
            return failure(own, ec);
        // Shipped files are read-only; the user's copy is written when options are saved.
        fs::permissions(own, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    }
    if (ec)
        return failure(shipped / "options", ec);

    for (fs::directory_iterator it(shipped / "data", ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file())
            continue;
        if (std::string error = ensureLink(user / "data" / it->path().filename(), it->path()); !error.empty())
            return error;
    }
    if (ec)
        return failure(shipped / "data", ec);
    if (fs::is_directory(shipped / "doc", ec))
        return ensureLink(user / "doc", shipped / "doc");
    return {};
}

std::string prepareProgramFolder(AppState& state, const std::string& folder) {
    if (!folder.empty()) {
        SetProgramFolder(state, folder);
        return {};
    }
    const ProgramFolders folders = currentProgramFolders();
    if (folders.perUser) {
        if (folders.program.empty())
            return "HOME is not set";
        if (std::string error = seedUserFolder(folders.program, folders.shipped); !error.empty())
            return error;
    }
    state.ProgramFolder = folders.program;
    state.EphemerisPath = folders.ephemeris;
    return {};
}
