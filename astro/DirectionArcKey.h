#pragma once
// The key of a primary direction: how many degrees of arc stand for a year of life. Either a
// fixed angle per year (Naibod's when none is given, Ptolemy's one degree, or any other), or the
// true solar arc: the distance the secondary progressed Sun (a day for a year) has gone from its
// natal place, in right ascension when arcs are measured on the equator (`onequ`), else in
// longitude.
#include <vector>

#include "Progression.h"
#include "RadixData.h"

struct TOptions;

// The longest life a key table covers, in years.
constexpr double MaxDirectionAge = 150.0;

struct ArcKey {
    DirectionKey key;
    double birthUT = 0;
    double degreesPerYear = 0;  // with an angle key: the key in use
    // With the true solar arc: the arc of whole progressed days 0, 1, 2, ... (degrees, rising).
    std::vector<double> solarArc;
};

// The key of a computed natal chart for ages up to `maxAge` years (at most MaxDirectionAge). An
// angle key that is not a positive angle is taken as Naibod's.
ArcKey makeArcKey(const RadixData& natal, const DirectionKey& key, const TOptions& options,
                  double maxAge = MaxDirectionAge);

// Years of age at which an arc (degrees, >= 0) is reached; a negative value when the arc lies
// beyond the ages the key covers.
double ageOfArc(const ArcKey& key, double arcDegrees);
// The arc (degrees) of an age (years, 0 .. the key's ages).
double arcOfAge(const ArcKey& key, double ageYears);

// The moment (Julian day UT) of an age in years counted from the birth moment, a tropical year
// a year, and back.
double momentOfAge(double birthUT, double ageYears);
double ageAtMoment(double birthUT, double jdUT);
