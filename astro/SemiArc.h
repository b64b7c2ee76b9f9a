#pragma once
// Semi-arc quantities of a point of the sky: where it stands between horizon and meridian
// and under which pole. Angles in radians.

struct SemiArc {
    double ascDiff = 0;       // |ascensional difference| for the geographic latitude
    double semiArc = 0;       // diurnal when above the horizon, else nocturnal
    double meridianDist = 0;  // from the MC above the horizon, from the IC below
    double ascDiffPole = 0;   // ascensional difference under the point's own pole
    double poleTangent = 0;
    double poleHeight = 0;
    double obliqueAsc = 0;    // oblique ascension (eastern half) or descension (western half)
    bool westernHalf = false;
    bool aboveHorizon = false;
    bool circumpolar = false;  // never rises or never sets at this latitude
};

// From right ascension, declination, the sidereal time as an angle and the geographic latitude.
// A point that never sets has a diurnal semi-arc of 180° (and stands above the horizon), one
// that never rises a nocturnal semi-arc of 180°; a point on the celestial equator takes the
// limit of the pole tangent. The result never holds NaN or infinity. The oblique ascension is
// α − AD with AD signed by declination and latitude together, so it holds south of the
// equator too (the Ascendant's is armc + 90° everywhere).
SemiArc semiArcOf(double ra, double decl, double armc, double geoLatitude);
