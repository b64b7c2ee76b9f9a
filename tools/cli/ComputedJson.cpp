#include "ComputedJson.h"

#include "Angles.h"
#include "Aspects.h"
#include "ComputeRadix.h"

namespace {

template <typename T, std::size_t N, typename F>
Json arrayOf(const std::array<T, N>& values, F convert) {
    Json a = Json::array();
    for (std::size_t i = 0; i < N; ++i)
        a.push(convert(values[i], static_cast<int>(i)));
    return a;
}

Json degrees(double radians) {
    return radians * RadToDeg;
}

const char* statusName(EphemerisStatus s) {
    switch (s) {
    case EphemerisStatus::Ok: return "ok";
    case EphemerisStatus::Approximate: return "approximate";
    case EphemerisStatus::NoFile: return "noFile";
    case EphemerisStatus::OutOfRange: return "outOfRange";
    case EphemerisStatus::Failed: break;
    }
    return "failed";
}

}  // namespace

void addComputedJson(Json& o, const RadixData& r) {
    const auto angles = [](const auto& values) { return arrayOf(values, [](double v, int) { return degrees(v); }); };
    const auto numbers = [](const auto& values) { return arrayOf(values, [](auto v, int) { return Json(int(v)); }); };
    // Per-body values: null where the body could not be computed.
    const auto bodyAngles = [&r](const auto& values) {
        return arrayOf(values, [&r](double v, int i) { return r.available(i) ? degrees(v) : Json(); });
    };
    const auto bodyNumbers = [&r](const auto& values) {
        return arrayOf(values, [&r](double v, int i) { return r.available(i) ? Json(v) : Json(); });
    };
    const auto bodyInts = [&r](const auto& values) {
        return arrayOf(values, [&r](auto v, int i) { return r.available(i) ? Json(int(v)) : Json(); });
    };
    const auto bodyFlags = [&r](const auto& values) {
        return arrayOf(values, [&r](auto v, int i) { return r.available(i) ? Json(v != 0) : Json(); });
    };

    o.set("jdUT", r.jdUT)
        .set("jdET", r.jdET)
        .set("armc", degrees(r.armc))
        .set("nightChart", r.nightChart != 0)
        .set("geoLatitude", degrees(r.geoLatitude))
        .set("tanGeoLatitude", r.tanGeoLatitude)
        .set("obliquity", degrees(r.obliquity))
        .set("negSinObliquity", r.negSinObliquity)
        .set("cosObliquity", r.cosObliquity)
        .set("nutationLongitude", degrees(r.nutationLongitude))
        .set("nutationObliquity", degrees(r.nutationObliquity))
        .set("ayanamsa", degrees(r.ayanamsa))
        .set("axis", angles(r.axis))
        .set("axisRA", angles(r.axisRA))
        .set("axisDecl", angles(r.axisDecl))
        .set("cusp", angles(r.cusp))
        .set("cuspRA", angles(r.cuspRA))
        .set("cuspDecl", angles(r.cuspDecl))
        .set("houseStart", angles(r.houseStart))
        .set("lon", bodyAngles(r.lon))
        .set("lat", bodyAngles(r.lat))
        .set("ra", bodyAngles(r.ra))
        .set("decl", bodyAngles(r.decl))
        .set("speed", bodyAngles(r.speed))
        .set("obliqueAsc", bodyAngles(r.obliqueAsc))
        .set("poleTangent", bodyNumbers(r.poleTangent))
        .set("westernHalf", bodyFlags(r.westernHalf))
        .set("semiArc", bodyAngles(r.semiArc))
        .set("ascDiff", bodyAngles(r.ascDiff))
        .set("meridianDist", bodyAngles(r.meridianDist))
        .set("ascDiffPole", bodyAngles(r.ascDiffPole))
        .set("poleHeight", bodyAngles(r.poleHeight))
        .set("aboveHorizon", bodyFlags(r.aboveHorizon))
        .set("lonLater", bodyAngles(r.lonLater))
        .set("cuspSign", numbers(r.cuspSign))
        .set("interceptedSign", numbers(r.interceptedSign))
        .set("interceptedOpposite", numbers(r.interceptedOpposite))
        .set("bodySign", bodyInts(r.bodySign))
        .set("bodyHouse", bodyInts(r.bodyHouse))
        .set("housePercent", bodyInts(r.housePercent))
        .set("motion", bodyInts(r.motion))
        .set("dignityState", bodyInts(r.dignityState));

    addAspectTablesJson(o, r.aspectCode, r.separation, r.exactAspect, r.parallelCode, [&r](int k, int i) {
        return aspectPairSearched(k, i) && r.available(k) && aspectPointAvailable(r, i);
    });
    o.set("computed", r.computed != 0)
        .set("houseSystemUsed", int(r.houseSystemUsed))
        .set("ephemerisStatus", arrayOf(r.bodyStatus, [](EphemerisStatus s, int) { return Json(statusName(s)); }));
    Json unavailable = Json::array();
    for (int i : unavailableBodies(r))
        unavailable.push(i);
    o.set("unavailable", std::move(unavailable));
}
