#pragma once
// The per-user program folder of an installed program: created at the first start and kept
// complete from the shipped data at every start.
#include <string>

struct AppState;

// Creates `userFolder` (private to the user) with options/, data/ and horo/, and adds what is
// missing: a copy of each shipped options file (the user changes them), a link to each shipped
// data file and to the shipped doc/ folder (read-only; they follow updates of the installation
// and cost no space). The user's own files are never touched; a link left by another
// installation is pointed at this one. Empty on success, else the first failure with its path.
std::string seedUserFolder(const std::string& userFolder, const std::string& shippedFolder);

// Sets the program and ephemeris folders of `state` for this run: `folder` as it is when given
// (tests), else the folders of this executable, with a per-user folder seeded. Empty on
// success, else why the program cannot keep its files.
std::string prepareProgramFolder(AppState& state, const std::string& folder = {});
