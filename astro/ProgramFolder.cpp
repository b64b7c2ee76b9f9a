#include "ProgramFolder.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "JoinPath.h"

#ifndef ZDK_SHIPPED_RELATIVE
#define ZDK_SHIPPED_RELATIVE "../share/zodikeon"
#endif
#ifndef ZDK_SYSTEM_EPHEMERIS
#define ZDK_SYSTEM_EPHEMERIS "/usr/share/libswe/ephe"
#endif

std::string executableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    std::string path(buf, static_cast<std::size_t>(n));
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

namespace {

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// `relative` ("../share/zodikeon") applied to `folder` without touching the file system.
std::string applyRelative(const std::string& folder, const std::string& relative) {
    return withoutTrailingSlash((std::filesystem::path(folder) / relative).lexically_normal().string());
}

}  // namespace

ProgramFolders resolveProgramFolders(const std::string& exeFolder, const FolderEnvironment& env,
                                     const std::function<bool(const std::string&)>& isDirectory,
                                     const std::string& shippedRelative, const std::string& systemEphemeris) {
    ProgramFolders folders;
    const std::string shipped = applyRelative(exeFolder, shippedRelative);
    if (isDirectory(JoinPath(exeFolder, "options")) || !isDirectory(JoinPath(shipped, "options"))) {
        folders.program = folders.shipped = exeFolder;
        folders.ephemeris = JoinPath(JoinPath(exeFolder, "data"), "ephem");
        return folders;
    }
    folders.perUser = true;
    folders.shipped = shipped;
    folders.ephemeris = systemEphemeris;
    if (!env.xdgDataHome.empty() && env.xdgDataHome.front() == '/')
        folders.program = JoinPath(withoutTrailingSlash(env.xdgDataHome), "zodikeon");
    else if (!env.home.empty() && env.home.front() == '/')
        folders.program = JoinPath(JoinPath(JoinPath(withoutTrailingSlash(env.home), ".local"), "share"), "zodikeon");
    return folders;
}

ProgramFolders currentProgramFolders() {
    FolderEnvironment env;
    if (const char* v = std::getenv("XDG_DATA_HOME"))
        env.xdgDataHome = v;
    if (const char* v = std::getenv("HOME"))
        env.home = v;
    if (env.home.empty()) {
        std::vector<char> buf(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buf.data(), buf.size(), &found) == 0 && found && found->pw_dir)
            env.home = found->pw_dir;
    }
    const auto isDirectory = [](const std::string& path) {
        struct stat st{};
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    };
    return resolveProgramFolders(executableFolder(), env, isDirectory, ZDK_SHIPPED_RELATIVE, ZDK_SYSTEM_EPHEMERIS);
}
