#pragma once
// Horoscope files (*.hor): one chart's personal data with the chart window's blocks, in a
// fixed binary layout. The current layout is
//   header (FileFormat::HoroscopeHeader with its zero byte, 31 bytes), name 41, horType 11, "***",
//   moment 88, notes 2001, "BB", life events 1112, direction settings 14, persons 622
// = 3,925 bytes. Two older layouts are read too: without "***" the moment is only its first
// 37 bytes (UT date and time, position) and counts as GMT; without "BB" a life-event count
// and ten events follow the notes. A file may end after the notes, after the life events or
// after the direction settings, never inside a field or block.
// Nothing read is trusted: a file cut inside a block, or holding a date, time, position or
// other value that could never have been entered, is refused as damaged rather than shown as
// a chart that is not the person's; texts are terminated and stored flags made 0 or 1.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ChartBlocks.h"
#include "RadixData.h"

class StringTable;

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
    Damaged,           // a horoscope file cut short or holding impossible values
};

// The part of a horoscope file where a damaged file goes wrong.
enum class HoroscopePart : std::uint8_t {
    // Blocks, in file order: a file can end inside one of them.
    Name,
    Type,
    Moment,
    Notes,
    LifeEvents,
    Directions,
    Persons,
    // Stored values.
    UniversalDate,
    UniversalTime,
    Longitude,
    Latitude,
    ClockKind,
    Zone,
    LocalDate,
    LocalTime,
    Sex,
    LifeEventCount,
    LifeEventDate,
};

// What is wrong with a damaged file.
struct HoroscopeProblem {
    HoroscopePart part = HoroscopePart::Name;
    bool cutShort = false;   // the file ends inside `part`
    std::size_t size = 0;    // the file's length in bytes
    std::size_t needed = 0;  // cut short: the length that would hold `part` completely
    int event = 0;           // LifeEventDate: which event, counted from 1
    std::string value;       // a wrong value as stored, in ASCII: "1984-13-15", "25:61:00", "7"
};

// Reads a horoscope file into `radix` (its personal part) and `blocks`. A block the file does
// not hold gets its default: no life events, an empty persons block and `optionDirections`.
// The moment's UT pair is the master copy: the caller derives the local pair and computes the
// chart. On failure `radix` and `blocks` are left as they were; for a damaged file `problem`
// (when given) says what is wrong.
HoroscopeRead ReadHoroscopeFile(const std::string& path, const StringTable& strings,
                                const ChartDirectionSettings& optionDirections, RadixData& radix,
                                ChartBlocks& blocks, HoroscopeProblem* problem = nullptr);
// The same from the bytes of a file.
HoroscopeRead parseHoroscopeFile(std::string_view bytes, const StringTable& strings,
                                 const ChartDirectionSettings& optionDirections, RadixData& radix,
                                 ChartBlocks& blocks, HoroscopeProblem* problem = nullptr);

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
