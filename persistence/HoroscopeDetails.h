#pragma once
// What the horoscope browser shows of the selected entry, and its file operations.
#include <cstddef>
#include <optional>
#include <string>

class StringTable;

// Windows-1250 texts.
struct HoroscopeDetails {
    std::string moment;  // "<long local date>  <local time> <zone>"
    std::string place;   // "Long 19°02'E  Lat 47°30'N"
    std::string town;    // the birthplace's name, may be empty
    std::string notes;
};

// The birth data and notes of a horoscope file, read as a chart window would read them;
// nothing when the file cannot be read or is no horoscope file (any more).
std::optional<HoroscopeDetails> ReadHoroscopeDetails(const std::string& path, const StringTable& strings);

// Whether the file can still be opened as a horoscope file.
bool CanOpenHoroscope(const std::string& path, const StringTable& strings);

// Deletes a horoscope file. A file that is already gone counts as deleted: what the user
// asked for is done.
[[nodiscard]] bool DeleteHoroscopeFile(const std::string& path);

// The counters of the browser: "--- / listed / found" without a selection (position 0),
// otherwise "position / listed / found" with the position counted from 1.
std::string CountersText(std::size_t position, std::size_t listed, std::size_t found);
