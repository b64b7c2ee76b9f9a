#pragma once
#include <functional>
#include <string>

// Folder of the running executable as a full path, without a trailing separator.
std::string executableFolder();

// Where a run keeps and finds its files.
struct ProgramFolders {
    std::string program;    // the program folder: options/, data/ (the user's files), horo/; written to
    std::string shipped;    // the read-only data shipped with the program (the program folder itself when portable)
    std::string ephemeris;  // the Swiss Ephemeris files
    bool perUser = false;   // `program` is the user's own folder, to be seeded from `shipped`
};

// The environment values that decide the per-user folder.
struct FolderEnvironment {
    std::string xdgDataHome;  // $XDG_DATA_HOME; ignored unless an absolute path
    std::string home;         // $HOME, or the home folder of the user's account when unset
};

// A program folder with options/ beside the executable (the build's folder, a portable copy)
// is used as it is, and so is one with no installed data beside it. An installed executable
// (PREFIX/bin with PREFIX/`shippedRelative` holding the data) keeps the user's files in
// zodikeon/ under the XDG data home (~/.local/share by default) and reads the ephemeris from
// `systemEphemeris`. The program folder is empty when no home folder is known.
ProgramFolders resolveProgramFolders(const std::string& exeFolder, const FolderEnvironment& env,
                                     const std::function<bool(const std::string&)>& isDirectory,
                                     const std::string& shippedRelative, const std::string& systemEphemeris);

// The same for this process: its executable, its environment and the real file system, with
// the installation layout the build was configured for.
ProgramFolders currentProgramFolders();
