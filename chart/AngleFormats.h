#pragma once
// The text forms of angles and quantities in the chart tables. Every form has a decimal and a
// degrees-minutes-seconds variant (the display switch `decimal`); minutes and seconds are
// truncated, after a thousandth of an arc second is added so that a value a rounding error
// below a whole second is not shown one second short.
#include <QString>

#include "Options.h"

QString formatUnsignedAngle(double degrees, bool decimal);
QString formatSignedAngle(double degrees, bool decimal);
// The degree part of a longitude within its sign (the sign glyph is drawn separately); `sign`
// receives the sign index 0..11.
QString formatLongitudeInSign(double degrees, bool decimal, int* sign);
// Right ascension as an angle (bit 1 of `rascension`) or as sidereal time "h:mm:ss".
QString formatRightAscension(double degrees, const TOptions& options);
// Daily motion: absolute value followed by the motion letter 'R', 'S' or ' '.
QString formatSpeed(double degreesPerDay, char motionLetter, bool decimal);
QString formatDistance(double au);
// Apparent diameter; empty when unknown or not above 0.
QString formatDiameter(double degrees, bool known, bool decimal);
// Apparent magnitude; empty when exactly 0.
QString formatMagnitude(double magnitude);
// Nutation in longitude: arc seconds with sign, or decimal degrees.
QString formatNutation(double degrees, bool decimal);

// Whole degrees, arc minutes and arc seconds of an absolute angle, truncated.
struct Dms {
    unsigned degrees, minutes, seconds;
};
Dms toDms(double degrees);
