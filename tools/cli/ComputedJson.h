#pragma once
// The computed part of a chart as JSON, under the field names of RadixData: angles in
// degrees, speeds in degrees per day, per-body arrays in body index order, the aspect tables
// as 19 rows of 40. What was not computed (a body the ephemeris could not compute, a pair the
// search skips) is null rather than a made-up number.
#include "Angles.h"
#include "ChartIndex.h"
#include "Json.h"
#include "RadixData.h"

// Adds the computed fields to `object` after what it holds, then `houseSystemUsed`,
// `ephemerisStatus` (per body and point: "ok", "approximate", "noFile", "outOfRange",
// "failed") and `unavailable` (the indices that could not be computed).
void addComputedJson(Json& object, const RadixData& radix);

// The four aspect tables [body][aspect point] under their record names, `aspectCode`,
// `separation` (degrees), `exactAspect` and `parallelCode`; the separation is null where
// `computed(k, i)` says the pair was not searched.
template <typename Codes, typename Separations, typename Computed>
void addAspectTablesJson(Json& object, const Codes& codes, const Separations& separations, const Codes& exact,
                         const Codes& parallels, Computed computed) {
    Json c = Json::array(), s = Json::array(), e = Json::array(), p = Json::array();
    for (int k = 0; k < BodyCount; ++k) {
        Json cRow = Json::array(), sRow = Json::array(), eRow = Json::array(), pRow = Json::array();
        for (int i = 0; i < AspectPointCount; ++i) {
            cRow.push(int(codes[k][i]));
            sRow.push(computed(k, i) ? Json(separations[k][i] * RadToDeg) : Json());
            eRow.push(int(exact[k][i]));
            pRow.push(int(parallels[k][i]));
        }
        c.push(std::move(cRow));
        s.push(std::move(sRow));
        e.push(std::move(eRow));
        p.push(std::move(pRow));
    }
    object.set("aspectCode", std::move(c))
        .set("separation", std::move(s))
        .set("exactAspect", std::move(e))
        .set("parallelCode", std::move(p));
}
