#pragma once
// Horoscope files (*.hor): one chart's personal data with the chart window's blocks, in a
// fixed binary layout. The current layout is
//   header (string 331 with its zero byte, 31 bytes), name 41, horType 11, "***",
//   moment 88, notes 2001, "BB", life events 1112, direction settings 14, persons 622
// = 3,925 bytes. Two older layouts are read too: without "***" the moment is only its first
// 37 bytes (UT date and time, position) and counts as GMT; without "BB" a life-event count
// and ten events follow the notes. A file may end after the notes or after the life events.
// Nothing read is trusted: every field is clamped or terminated before it is used.
#include <cstddef>
#include <string>
#include <string_view>

#include "ChartBlocks.h"
#include "RadixData.h"

class StringTable;

constexpr int HoroscopeHeaderId = 331;  // "ZODIKEON v4.0 Horoscope File\r\n"
constexpr std::size_t HoroscopeFileSize = 3925;

// The header test on the first bytes of a file: "ZODIKEON v", a version not above ours, the
// rest of our header and a zero byte. Missing bytes count as zero.
bool isHoroscopeHeader(std::string_view firstBytes, const StringTable& strings);
// The header test on a file; false when it cannot be read.
bool IsHoroscopeFile(const std::string& path, const StringTable& strings);

enum class HoroscopeRead {
    Ok,
    CannotOpen,        // missing or unreadable
    NotHoroscopeFile,  // fails the header test; nothing was read
};

// Reads a horoscope file into `radix` (its personal part) and `blocks`. A block the file does
// not hold gets its default: no life events, an empty persons block and `optionDirections`.
// The moment's UT pair is the master copy: the caller derives the local pair and computes the
// chart. On failure `radix` and `blocks` are left as they were.
HoroscopeRead ReadHoroscopeFile(const std::string& path, const StringTable& strings,
                                const ChartDirectionSettings& optionDirections, RadixData& radix,
                                ChartBlocks& blocks);
// The same from the bytes of a file.
HoroscopeRead parseHoroscopeFile(std::string_view bytes, const StringTable& strings,
                                 const ChartDirectionSettings& optionDirections, RadixData& radix,
                                 ChartBlocks& blocks);

// The bytes of the current layout.
std::string serializeHoroscopeFile(const StringTable& strings, const RadixData& radix, const ChartBlocks& blocks);
// Writes the current layout to `path` through a temporary file and a rename: false, with any
// old file left as it was, when anything fails (including a full disk).
[[nodiscard]] bool WriteHoroscopeFile(const std::string& path, const StringTable& strings, const RadixData& radix,
                        const ChartBlocks& blocks);

// The file name proposed for a new chart: the person's name (Windows-1250) with accented
// letters turned into their base letters, every other byte from 0x80 up, blank and character
// that a file name cannot hold turned into "_", and ".hor" appended.
std::string DefaultHoroscopeFileName(std::string_view name);
