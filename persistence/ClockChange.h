#pragma once
// Whether a local clock reading at a place existed: at a change to summer time (or to a
// larger standard offset) the clock skips an hour, at the change back it repeats one. A
// town's zone history tells which readings are affected and which offsets apply to them.
#include <cstdint>
#include <optional>
#include <string>

#include "TownDatabase.h"

// One clock rule as an offset: minutes east of Greenwich, the kind of clock and its
// abbreviation ("CEST"; empty for local mean time and old rules).
struct ClockOffset {
    int minutes = 0;
    std::uint8_t timeKind = 0;  // TimeKind
    std::string abbreviation;

    bool operator==(const ClockOffset&) const = default;
};

enum class ClockReading {
    Normal,    // the reading occurred once
    Skipped,   // the clock jumped over it: it never occurred
    Repeated,  // the clock was turned back over it: it occurred twice
};

struct ClockChange {
    ClockReading reading = ClockReading::Normal;
    // For a skipped or repeated reading, the offsets before and after the change.
    ClockOffset before;
    ClockOffset after;

    // The offset the town's rule in force gives (what ApplyTown applies): the new one for a
    // skipped reading, the earlier one for a repeated reading.
    const ClockOffset& applied() const { return reading == ClockReading::Repeated ? before : after; }
    // The other offset a repeated reading can mean: the one after the change.
    const ClockOffset& other() const { return reading == ClockReading::Repeated ? after : before; }
};

// How the local reading `date`, `hour`:`minute` fares in `zone`. Local mean time is taken at
// `longitudeArcMinutes` (East positive). A reading within a skipped or repeated stretch gives
// that stretch's change; every other reading, and an empty zone, is Normal.
ClockChange clockChangeAt(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute,
                          int longitudeArcMinutes);

// Whether summer time is in force in `zone` at the local reading: the rule in force then
// gives more than the rules in force half a year before and half a year after, so a lasting
// change of the standard offset is not taken for summer time. The offset in force when it is.
std::optional<ClockOffset> summerTimeAt(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute,
                                        int longitudeArcMinutes);

// "+01:00" for 60 minutes, "-03:30" for -210.
std::string offsetText(int minutes);
