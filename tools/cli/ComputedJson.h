#pragma once
// The computed part of a chart as JSON, under the field names of RadixData: angles in
// degrees, speeds in degrees per day, per-body arrays in body index order, the aspect tables
// as 19 rows of 40. What was not computed (a body the ephemeris could not compute, a pair the
// search skips) is null rather than a made-up number.
#include "Json.h"
#include "RadixData.h"

// Adds the computed fields to `object` after what it holds, then `houseSystemUsed`,
// `ephemerisStatus` (per body and point: "ok", "approximate", "noFile", "outOfRange",
// "failed") and `unavailable` (the indices that could not be computed).
void addComputedJson(Json& object, const RadixData& radix);
