#pragma once
// Progressions: the chart of a moment that moves a day for each year (secondary) or for each
// sidereal month (tertiary) of age, its angles directed from the natal ones, compared with the
// natal chart by the cross-aspect search.
#include <cstdint>

#include "Collation.h"
#include "RadixData.h"
#include "StringIds.h"

struct TOptions;

enum class ProgressionKind : std::uint8_t { Secondary = 0, Tertiary = 1 };

// Days of age that one progressed day stands for.
constexpr double TropicalYearDays = 365.242190;
constexpr double SiderealMonthDays = 27.321661;
// Naibod's key: the Sun's mean daily motion, 0°59'08.33", in degrees.
constexpr double NaibodKeyDegrees = (59.0 + 8.33 / 60.0) / 60.0;
// Ptolemy's key: one degree.
constexpr double PtolemyKeyDegrees = 1.0;

constexpr int progressionTypeId(ProgressionKind kind) {
    return kind == ProgressionKind::Secondary ? StrId::TypeSecDir : StrId::TypeTertDir;
}

// How the MC was directed.
enum class ProgressionKey : std::uint8_t {
    TrueSolarArc = 0,  // progressed Sun minus natal Sun
    Angle = 1,         // the key angle for each tropical year of age
    Quotidian = 2,     // the houses of the progressed moment itself at the natal place
};

// The direction settings a progression follows (a chart's own group or the options').
struct DirectionKey {
    bool onequ = false;      // arcs measured in right ascension
    bool truesolar = false;  // the MC moves by the true solar arc
    double keyDegrees = 0;   // the key angle; 0 with `truesolar` off means Naibod's key
};
// Degrees of a key stored as whole degrees, minutes and seconds.
double keyAngleDegrees(int degrees, int minutes, double seconds);
// The key in use: `keyDegrees`, or Naibod's key when it is zero.
double effectiveKeyDegrees(const DirectionKey& key);

struct ProgressionRequest {
    ProgressionKind kind = ProgressionKind::Secondary;
    double targetUT = 0;     // the date of life the progression is for (Julian day UT)
    bool quotidian = false;  // the daily houses instead of directed angles
    DirectionKey key;
};

// The progressed moment: birth plus one day for each year (month) of age between the natal
// moment and the target.
double progressedMoment(double natalUT, double targetUT, ProgressionKind kind);

struct Progression {
    ProgressionRequest request;
    double progressedUT = 0;
    ProgressionKey key = ProgressionKey::TrueSolarArc;
    double keyDegrees = 0;  // with ProgressionKey::Angle: the key used (Naibod's for zero)
    double arc = 0;         // degrees the MC was directed (in RA when `onequ`), may be negative
    // The progressed chart: the natal personal part at the progressed moment at the natal
    // place (horType left to the caller, see progressionTypeId), its houses from the directed
    // MC at the natal latitude.
    RadixData chart{};
    // Progressed against natal with `collfactor`; the natal chart stands still.
    CollationAspects aspects{};
};

// Computes `out` for the computed natal chart. Out-of-ephemeris bodies are marked as
// computeRadix marks them.
void computeProgression(const RadixData& natal, const ProgressionRequest& request, const TOptions& options,
                        Progression& out);
