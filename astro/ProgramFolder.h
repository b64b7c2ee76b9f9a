#pragma once
#include <string>

// Folder of the running executable as a full path, without a trailing separator.
std::string executableFolder();
