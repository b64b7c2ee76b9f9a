#pragma once
// The midtime chart of two charts: the mean of their Universal Time instants at the midpoint of
// their places on the great circle between them.
struct GeoPoint {
    double longitude = 0;  // degrees, East positive, -180..180
    double latitude = 0;   // degrees, North positive
};

// The mean of two Julian days.
double midtimeUT(double jdA, double jdB);

// The midpoint of the shorter great-circle arc between two places. Two antipodal places have
// no single shortest arc; the midpoint of the one that leaves `a` northwards along its
// meridian is taken (the southward one from the North Pole).
GeoPoint greatCircleMidpoint(GeoPoint a, GeoPoint b);

// Great-circle distance in degrees.
double greatCircleDegrees(GeoPoint a, GeoPoint b);
