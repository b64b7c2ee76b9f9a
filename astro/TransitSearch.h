#pragma once
// The transit search: every moment within a period at which a transiting body makes an aspect
// exactly to a point of the natal chart, each pass of a retrograde loop on its own, with the
// moments it comes into orb and leaves it. Built on the crossing kernel (LongitudeCrossings.h);
// the transiting bodies are MovingPoints, so progressed bodies can be searched the same way.
//
// The marks of the options' `transits` selection (TDirectionFilter):
// - promissors[0..18] are the transiting bodies in the chart's body order (Sun .. Vesta);
//   promissors[19] is the Part of Fortune, which is not searched as a transiting body (it
//   hangs on the Ascendant of the moment and so circles the zodiac every day); its mark is
//   kept and ignored.
// - significators[0..18] are the natal points in the chart's body order, except that the slots
//   of the two derived points stand for the axes: significators[11] (the South node's slot) is
//   the Ascendant and significators[12] (Lilith's slot) is the MC. The natal South node and
//   Lilith can still be asked for by name (the command line's --natal list); the South node's
//   transits are the North node's under the complementary aspect in any case.
// - aspects[0..17] are the aspects in the order of the aspect table (Conjunction .. Quadnovile).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ChartIndex.h"
#include "LongitudeCrossings.h"
#include "Options.h"

struct RadixData;

// Natal points: the 19 bodies in body order, then the Ascendant and the MC.
enum NatalPoint : int { NatalAscendant = BodyCount, NatalMC = BodyCount + 1 };
constexpr int NatalPointCount = BodyCount + 2;
constexpr int PromissorMarkCount = 20;
constexpr int SignificatorMarkCount = 19;
constexpr int PromissorMarkFortune = 19;
constexpr int SignificatorMarkAscendant = 11;
constexpr int SignificatorMarkMC = 12;

// The natal point of significator mark 0..18, and the mark of natal point 0..20 (-1 for the
// South node and Lilith, which have no mark).
int natalPointOfMark(int mark);
int markOfNatalPoint(int natal);
// The transiting body of promissor mark 0..19 (-1 for mark 19, the Part of Fortune).
int bodyOfPromissorMark(int mark);

// What to search. The period is in UT Julian days; an event belongs to it by its exact moment
// (a stationary event by its station), while its enter and leave moments may lie outside.
struct TransitQuery {
    double fromUT = 0;
    double toUT = 0;
    std::array<bool, BodyCount> transiting{};       // by body index
    std::array<bool, NatalPointCount> natal{};      // by natal point
    std::array<bool, AspectCount> aspects{};        // by aspect index 0..17
};

// A query for a period from the marks of a selection, mapped as described above.
TransitQuery transitQueryFromSelection(const TDirectionFilter& selection, double fromUT, double toUT);

// How the transiting body moves at an event.
enum TransitMotion : int { TransitRetrograde = -1, TransitStationary = 0, TransitDirect = 1 };

// One event of the search.
// - An exact pass: the body stands at natal + or - the aspect angle at `exactUT`. Its motion is
//   direct or retrograde, or stationary where the body (Mercury .. Pluto) is slower there than
//   its `avgspeed` times 10^-`stationary_strict`, the chart's rule for a stationary body.
// - A stationary event (`exactReached` false): the body turns at a station within the orb
//   without reaching the exact aspect. `exactUT` is the station (its closest approach), the
//   motion is stationary, and `deviation` tells how far from exact it turned. A station is
//   never an event where the exact aspect is reached: those passes are events of their own.
// The body is in orb from `entersUT` to `leavesUT`: with the transit orbs of the options the
// orb before exactness (`transitfw` of the body) on the side it comes from and the orb after
// it (`transitbw`) on the side it goes to; where both are zero for the body (and for the bodies
// past Pluto, which have none) the aspect's orb of the two points summed as in a single chart.
// Each pass is bounded by the stations around it: where the body turns within the orb, the pass
// enters or leaves at the station (`entersAtStation`, `leavesAtStation`), so the passes of a
// loop lie end to end and a pass never borrows its neighbour's orb.
struct TransitEvent {
    int transiting = 0;  // body index 0..18
    int natal = 0;       // natal point 0..20
    int aspect = 0;      // aspect index 0..17
    double exactUT = 0;
    double entersUT = 0;
    double leavesUT = 0;
    int motion = TransitDirect;
    bool exactReached = true;
    bool entersAtStation = false;
    bool leavesAtStation = false;
    double deviation = 0;  // degrees from exact at `exactUT`: 0 for a pass
    double longitude = 0;  // of the transiting body at `exactUT`, degrees
};

// Asked now and then during a search with the part done (0..1); returning false cancels it.
using TransitProgress = std::function<bool(double done)>;

enum class TransitStatus : std::uint8_t {
    Ok,
    Cancelled,        // the progress callback returned false; `events` holds what was found so far
    EmptyPeriod,      // the period ends before it begins
    OutsideEphemeris, // a selected body cannot be computed somewhere in the period (`body` tells which)
};

struct TransitResult {
    TransitStatus status = TransitStatus::Ok;
    int body = -1;  // with OutsideEphemeris: the body that could not be computed
    std::vector<TransitEvent> events;  // by exact moment, then transiting body, natal point, aspect
};

// A transiting body for the general search: its body index (for names, orbs and the stationary
// rule), how it moves and its station scan step.
class FittedAngle;
// Fits the angles (the movers' longitudes and the nutation) over the whole stretch a search of
// `query` looks at, before it starts.
void prefitForSearch(const std::vector<FittedAngle*>& fits, const TransitQuery& query);

struct TransitMover {
    int body = 0;
    MovingPoint point;
    double scanStep = 0;
    // Where set, every moment (exact, enter, leave) is settled on this point and `point` only
    // walks the period: a cheap fit of the same longitude that tells where the moments lie.
    MovingPoint settle = {};
    // With `settle`: the library's longitude and speed, on which the stations are settled.
    MovingPoint station = {};
    // Where set, moments are settled on this longitude without its speed (a cheaper call) with
    // the slope of the fit (see settleCrossingOnValues); `settle` then serves only the searches
    // beyond what was walked.
    AngleSample settleValue = {};
    SlopeSample settleSlope = {};
};

// Natal longitudes (degrees) of the natal points, and which of them the chart could compute.
struct NatalPoints {
    std::array<double, NatalPointCount> lon{};
    std::array<bool, NatalPointCount> available{};
};
NatalPoints natalPointsOf(const RadixData& natal);

// Orbs of one transit, in degrees: before and after exactness.
struct TransitOrb {
    double before = 0;
    double after = 0;
};
TransitOrb transitOrb(int transiting, int natal, int aspect, const TOptions& options);

// The fits every search of a chart needs whatever bodies transit (the nutation, and the Sun's
// longitude, which tells how near the Sun a body stands): searches of the same period one body
// at a time (the transits window) pass one of these to each, so that they are built once.
struct SharedTransitFits {
    std::shared_ptr<FittedAngle> nutation, sun;
};

// The search over the chart's transiting bodies (chartBodyMover) against a computed natal chart.
// Natal points the chart could not compute are left out. A transit whose orb is zero still has
// its exact moments (entering and leaving at them).
TransitResult searchTransits(const RadixData& natal, const TransitQuery& query, const TOptions& options,
                             const TransitProgress& progress = {}, SharedTransitFits* shared = nullptr);

// The same search for any moving bodies (the query's `transiting` marks are not read: the
// movers are the transiting bodies).
TransitResult searchTransits(const std::vector<TransitMover>& movers, const NatalPoints& natal,
                             const TransitQuery& query, const TOptions& options,
                             const TransitProgress& progress = {});
