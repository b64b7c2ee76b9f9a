#include "HoroscopeDetails.h"

#include <cerrno>
#include <unistd.h>

#include "BirthText.h"
#include "ChartBlocks.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "HoroscopeListing.h"
#include "RadixData.h"
#include "FileFormat.h"
#include "StringTable.h"

std::optional<HoroscopeDetails> ReadHoroscopeDetails(const std::string& path, const StringTable& strings,
                                                     HoroscopeRead* result, HoroscopeProblem* problem) {
    HoroscopeRead read = HoroscopeRead::CannotOpen;
    const std::optional<std::string> bytes = readFileStart(path, HoroscopeFileSize);
    RadixData radix;
    ChartBlocks blocks;
    if (bytes)
        read = parseHoroscopeFile(*bytes, strings, ChartDirectionSettings{}, radix, blocks, problem);
    if (result)
        *result = read;
    if (read != HoroscopeRead::Ok)
        return std::nullopt;
    // The UT pair is the master copy; a chart window shows the local pair derived from it.
    radix.moment.universalToLocal();
    HoroscopeDetails d;
    d.moment = momentText(radix.moment, strings);
    d.place = placeText(radix.moment);
    d.town = std::string(fixedText(radix.moment.town));
    d.notes = std::string(fixedText(radix.notes));
    return d;
}

bool CanOpenHoroscope(const std::string& path, const StringTable& strings) {
    const std::optional<std::string> bytes = readFileStart(path, sizeof FileFormat::HoroscopeHeader);
    return bytes && isHoroscopeHeader(*bytes, strings);
}

bool DeleteHoroscopeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

std::string CountersText(std::size_t position, std::size_t listed, std::size_t found) {
    const std::string tail = " / " + std::to_string(listed) + " / " + std::to_string(found);
    return (position == 0 ? std::string("---") : std::to_string(position)) + tail;
}
