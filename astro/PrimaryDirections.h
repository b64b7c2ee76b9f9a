#pragma once
// Primary directions: the turning of the sky after birth carries each promissor (or the point of
// one of its aspects) to the place of a significator; the arc of that turning, turned into years
// by the chart's key, dates the direction.
//
// Places are measured by the semi-arc quantities of the chart. A point's mundane position is its
// hour angle as a proportion of its semi-arc: 0 at the MC, 90 at the western horizon, 180 at the
// IC, 270 (-90) at the eastern horizon, linear in the hour angle within each quadrant.
// - MundaneSemiArc (type 0): the promissor itself, moved until its mundane position equals the
//   significator's, plus or minus the aspect angle in the same units (a mundane square is a
//   quadrant away). To the MC that is the difference of right ascensions, to the Ascendant the
//   difference of oblique ascensions under the birth latitude.
// - ZodiacalNoLatitude (type 1): the aspect point on the ecliptic (promissor's longitude plus or
//   minus the aspect angle, latitude zero) moved to the significator's mundane position.
// - ZodiacalWithLatitude (type 2): the same with the promissor's ecliptic latitude kept.
// - MundanePole (type 3): the promissor's oblique ascension (descension when the significator
//   stands in the western half) under the significator's pole, less the significator's own, the
//   aspect angle added on the equator. The Ascendant's pole is the birth latitude, the MC's zero.
// A direct direction moves the promissor with the daily turning of the sky (clockwise in the
// wheel); a converse one moves it against it by the same rule. Arcs are in [0, 360) and only
// those whose age falls within the asked span are listed.
// A promissor, aspect point or significator that never rises or never sets at the birth latitude
// has no semi-arc proportion: it is left out and named in `leftOut` instead of given a false arc.
#include <array>
#include <cstdint>
#include <vector>

#include "ChartIndex.h"
#include "DirectionArcKey.h"
#include "Options.h"
#include "TransitSearch.h"

struct RadixData;

enum class DirectionMethod : std::uint8_t {
    MundaneSemiArc = 0,
    ZodiacalNoLatitude = 1,
    ZodiacalWithLatitude = 2,
    MundanePole = 3,
};
constexpr int DirectionMethodCount = 4;
// The method of a stored direction `type`; values past the last method give the default.
DirectionMethod directionMethodOf(std::uint8_t type);

// Promissors of primary directions: the 19 bodies in body order and the Part of Fortune, which
// stands still in the natal chart like any other point (promissor mark 19).
constexpr int PrimaryPromissorCount = PromissorMarkCount;
constexpr int PrimaryPromissorFortune = PromissorMarkFortune;
// The chart point (ChartIndex.h) of primary promissor 0..19.
int chartPointOfPrimaryPromissor(int promissor);

struct PrimaryQuery {
    std::array<bool, PrimaryPromissorCount> promissors{};  // 0..18 bodies, 19 Fortune
    std::array<bool, NatalPointCount> significators{};     // by natal point (TransitSearch.h)
    std::array<bool, AspectCount> aspects{};               // by aspect index 0..17
    DirectionMethod method = DirectionMethod::MundaneSemiArc;
    bool direct = true;
    bool converse = true;
    DirectionKey key;
    double fromAge = 0;   // years
    double toAge = 90;    // years, at most MaxDirectionAge
};

// A query from the marks of a selection (significator marks mapped by natalPointOfMark, so the
// Ascendant and MC stand in the slots 11 and 12), with a method, a key and a span of ages.
PrimaryQuery primaryQueryFromSelection(const TDirectionFilter& selection, DirectionMethod method,
                                       const DirectionKey& key, double fromAge, double toAge);

// An aspect other than the conjunction and opposition is made on either side of the promissor:
// `side` is +1 where the aspect point lies the aspect angle east of the promissor (forward in the
// zodiac, earlier in mundane position or oblique ascension), -1 west of it, 0 for the two aspects
// that have one point only.
struct PrimaryDirection {
    int promissor = 0;     // primary promissor 0..19
    int significator = 0;  // natal point 0..20
    int aspect = 0;        // aspect index 0..17
    int side = 0;
    DirectionMethod method = DirectionMethod::MundaneSemiArc;
    bool converse = false;
    double arc = 0;  // degrees, [0, 360)
    double age = 0;  // years
    double jdUT = 0;
};

// A point the calculation had to leave out, and why.
enum class LeftOutReason : std::uint8_t {
    Circumpolar,   // never rises or never sets at the birth latitude
    NotComputed,   // the chart could not compute it (outside the ephemeris files)
};
struct LeftOutPoint {
    bool promissor = false;  // else a significator
    int point = 0;           // primary promissor 0..19, or natal point 0..20
    int aspect = -1;         // for an aspect point of a promissor: its aspect, else -1
    int side = 0;
    LeftOutReason reason = LeftOutReason::Circumpolar;
};

struct PrimaryResult {
    std::vector<PrimaryDirection> directions;  // by date, then promissor, significator, aspect, side
    std::vector<LeftOutPoint> leftOut;
};

// All directions of the query for a computed natal chart. The key table is made for the span.
PrimaryResult computePrimaryDirections(const RadixData& natal, const PrimaryQuery& query, const TOptions& options);
// The same with a key table made beforehand (makeArcKey), for callers that reuse it.
PrimaryResult computePrimaryDirections(const RadixData& natal, const PrimaryQuery& query, const ArcKey& key);

// Where a point stands in mundane position (degrees, [0, 360): 0 MC, 90 Descendant, 180 IC,
// 270 Ascendant) by its semi-arc quantities; false when it has no semi-arc proportion
// (circumpolar).
bool mundanePosition(double ra, double decl, double armc, double geoLatitude, double& position);
