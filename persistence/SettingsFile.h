#pragma once
// The settings file options/zodikeon.ini under the program folder: the settings block of
// TOptions (current options file, autosave, default town, last folder, recent files and
// three window placements), and the recent-files list itself.
#include <string>
#include <string_view>

#include "Options.h"

std::string SettingsFilePath(const std::string& programFolder);
// options/ZODIKEON.ZDO under the program folder.
std::string DefaultOptionsFilePath(const std::string& programFolder);

void SetDefaultOptionsFile(TOptions& options, const std::string& programFolder);

// Clears the settings block and fills it from the settings file; whatever is missing or
// empty takes its default, so a missing or unreadable file yields all defaults.
void ReadSettings(TOptions& options, const std::string& programFolder);

// Writes the settings block (the recent files only when `withLastFiles`); other keys of the
// file are kept. The old file stays untouched unless the new one was written completely;
// false when writing failed.
[[nodiscard]] bool WriteSettings(const TOptions& options, const std::string& programFolder, bool withLastFiles);

// Puts `entry` at the top of the recent files unless an identical entry is already there;
// the oldest entry drops out when all five are in use.
void AddLastFile(TOptions& options, std::string_view entry);
// Removes the entry equal to `entry`, if any.
void RemoveLastFile(TOptions& options, std::string_view entry);

// Placement values: "flags, show, minX, minY, maxX, maxY, left, top, right, bottom".
std::string formatPlacement(const WindowPlacement& placement);
WindowPlacement parsePlacement(std::string_view value);
