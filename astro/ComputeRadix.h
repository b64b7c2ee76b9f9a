#pragma once
// The chart calculation: from the personal part of a RadixData (the UT moment and the place)
// to its whole computed part, aspects included.
#include <vector>

struct RadixData;
struct TOptions;

// Computes the chart in place with the options' house system, node type, house scopes,
// stationary settings, dignities and orbs. The ephemeris folder must have been handed to the
// library (startEphemeris). It does not fail: what the ephemeris cannot compute is marked
// in `bodyStatus` (and its values stay zero), and a house system the library cannot use at
// the latitude is replaced by Porphyrius and recorded in `houseSystemUsed`.
void computeRadix(RadixData& r, const TOptions& options);

// computeRadix with the houses, axes and semi-arcs taken from the given ARMC (degrees) instead
// of the sidereal time of the moment at the chart's place: directed angles.
void computeRadixAtArmc(RadixData& r, const TOptions& options, double armcDegrees);

// Indices 0..23 of the bodies and points that could not be computed, in index order.
std::vector<int> unavailableBodies(const RadixData& r);
