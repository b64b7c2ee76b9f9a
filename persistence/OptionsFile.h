#pragma once
// The options file (*.zdo): the options block of TOptions in profile format, identified by
// its `main`/`description` line. Every path is passed in; nothing here reaches for globals.
#include <string>
#include <string_view>

#include "Options.h"
#include "StringTable.h"

// The identification a file must carry, character for character, to be an options file.
extern const char* const OptionsFileDescription;

// Reads the options block from `path`, or from `options.options_file` when `path` is empty.
// Fails, leaving the record exactly as it was, when the file is missing, unreadable, lacks the
// description, or when `path` is too long for `options_file`. Otherwise the options block is
// reset to its defaults, the data paths are rebuilt under `programFolder` (names from the
// string table), every key present is read, the dignity data file is read (its error
// message, string 820 filled in, goes to `dignityMessage` for the caller to show; a missing
// or faulty dignity file does not make the load fail), the derived dignity columns are
// rebuilt, print pages 2..4 are selected, and a given `path` becomes `options_file`.
// A file refused unread (no regular file, or larger than an options file can be) fails with
// the reason, naming the file, in `refusal`; it stays empty for the other failures.
bool ReadOptions(TOptions& options, const std::string& programFolder, const StringTable& strings,
                 const std::string& path = {}, std::string* dignityMessage = nullptr,
                 std::string* refusal = nullptr);

// Writes the options block to `options.options_file`. The new file is complete before it
// replaces the old one (keys this program does not know are not kept); false when it
// could not be written, and then the old file is untouched.
[[nodiscard]] bool WriteOptions(const TOptions& options);

// The bytes WriteOptions would write.
std::string OptionsFileText(const TOptions& options);
