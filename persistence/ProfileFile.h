#pragma once
// A profile ("ini") file with the observable behaviour of the Windows profile functions:
// section and key names match regardless of letter case, reads fall back to a default and
// are cut to the caller's buffer, writes replace a value in place or append the key to its
// section or a new section to the file, and everything this program does not know is kept.
// Changes stay in memory until flush(), which replaces the file atomically.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "WholeFile.h"

class ProfileFile {
public:
    ProfileFile() = default;
    // Loads `path` if it exists; a missing or unreadable file reads as empty, and so does one
    // refused unread (no regular file, or larger than ProfileFileLimit): see readStatus().
    explicit ProfileFile(std::string path);

    const std::string& path() const { return m_path; }
    bool existed() const { return m_existed; }
    // How reading the file went; Missing for a file made in memory.
    WholeFileStatus readStatus() const { return m_readStatus; }

    // The value of `key` in `section`, without surrounding blanks and one pair of matching
    // quotes, cut at the first NUL and to `bufferSize - 1` characters; `def` (cut likewise)
    // when the key is missing. A key line without "=" has the empty value.
    std::string getString(std::string_view section, std::string_view key, std::string_view def,
                          std::size_t bufferSize) const;
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void deleteKey(std::string_view section, std::string_view key);
    void deleteSection(std::string_view section);
    // Forgets every line, as if the file had been deleted; flush() then writes only new lines.
    void clear();

    // Writes the whole file to a temporary file beside it and renames that over the old file,
    // so a crash or a full disk never leaves a half-written file. Nothing to write is success.
    [[nodiscard]] bool flush();
    bool dirty() const { return m_dirty; }

    // The file's bytes as flush() would write them.
    std::string serialize() const;

private:
    struct Line {
        std::string text;     // the line as read or written, without its line end
        std::string key;      // trimmed key name (key lines only)
        std::string value;    // trimmed value (key lines only)
        bool isSection = false;
        bool isKey = false;
        bool hasValue = false;  // the line holds "="
    };
    void parse(std::string_view bytes);
    // Index of the header line of `section`, or -1; the nameless start of the file is -1 too.
    long findSection(std::string_view section) const;
    // End (exclusive) of the section starting at `header`.
    std::size_t sectionEnd(std::size_t header) const;
    long findKey(std::string_view section, std::string_view key) const;

    std::string m_path;
    std::vector<Line> m_lines;
    bool m_existed = false;
    WholeFileStatus m_readStatus = WholeFileStatus::Missing;
    bool m_dirty = false;
};

// Writes `bytes` to `path` through a temporary file in the same folder and a rename.
// Returns false, leaving any old file untouched, when anything fails.
[[nodiscard]] bool writeFileAtomically(const std::string& path, std::string_view bytes);
