#pragma once
// Secondary directions: the moments of life at which a progressed body (a day after birth for a
// year of life) makes an aspect exactly to a natal point. The transit search finds them, with the
// progressed bodies plugged in as its moving points.
#include <array>
#include <vector>

#include "ChartIndex.h"
#include "Options.h"
#include "TransitSearch.h"

struct RadixData;

struct SecondaryQuery {
    std::array<bool, BodyCount> promissors{};          // progressed bodies, by body index
    std::array<bool, NatalPointCount> significators{};  // natal points
    std::array<bool, AspectCount> aspects{};
    double fromAge = 0;  // years
    double toAge = 90;
};

// A query from the marks of a selection (promissor mark 19, the Part of Fortune, is not a
// progressed body and is ignored; significators mapped by natalPointOfMark).
SecondaryQuery secondaryQueryFromSelection(const TDirectionFilter& selection, double fromAge, double toAge);

struct SecondaryDirection {
    int promissor = 0;     // progressed body 0..18
    int significator = 0;  // natal point 0..20
    int aspect = 0;        // aspect index 0..17
    double jdUT = 0;       // the moment of life
    double age = 0;        // years
    double progressedUT = 0;  // the progressed moment: birth plus a day for each year
    int motion = TransitDirect;  // of the progressed body: direct, retrograde or stationary
    // The progressed body's distance from its natal place by then (the arc of the direction),
    // degrees in (-180, 180]: negative where it stands behind it.
    double arc = 0;
    double longitude = 0;  // progressed longitude, degrees
};

struct SecondaryResult {
    TransitStatus status = TransitStatus::Ok;
    int body = -1;  // with OutsideEphemeris: the body that could not be computed
    std::vector<SecondaryDirection> directions;  // by date
};

// The progressed body `body` as a moving point of the moment of life: its place at
// birth + (t - birth) / TropicalYearDays, its speed per day of life.
MovingPoint progressedBodyMover(int body, double birthUT, const TOptions& options);

// All secondary directions of the query for a computed natal chart.
SecondaryResult computeSecondaryDirections(const RadixData& natal, const SecondaryQuery& query,
                                           const TOptions& options, const TransitProgress& progress = {});
