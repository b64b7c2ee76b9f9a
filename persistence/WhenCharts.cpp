#include "WhenCharts.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "ApplyTown.h"
#include "ComputeRadix.h"
#include "FixedText.h"
#include "StringTable.h"

namespace {

constexpr int ArcMinutesPerDegree = 60;

int arcMinutes(const GeoAngle& angle) {
    return static_cast<int>(std::lround(angle.decimal() * ArcMinutesPerDegree));
}

// Minutes east of Greenwich of a rule; local mean time at the given longitude.
int ruleOffsetMinutes(const ZoneEntry& rule, int longitudeArcMinutes) {
    switch (rule.timeKind) {
    case TimeGMT:
        return 0;
    case TimeLMT:
        return static_cast<int>(std::lround(longitudeArcMinutes * 4 / 60.0));
    default:
        return (rule.zoneHours * 60 + rule.zoneMinutes) * (rule.west ? -1 : 1);
    }
}

// The rule of `zone` in force at a UT instant: each change starts at a reading of the clock of
// the rule before it, so in Universal Time it starts that rule's offset earlier.
const ZoneEntry* ruleAtInstant(const ZoneDescriptor& zone, const BirthMoment& ut, int longitudeArcMinutes) {
    if (zone.empty())
        return nullptr;
    const auto rules = zone.rules();
    const std::int64_t at = minuteNumber(ut.utDate, ut.utTime.hour, ut.utTime.minute);
    const ZoneEntry* inForce = &rules[0];
    for (std::size_t i = 1; i < rules.size(); ++i) {
        const ZoneEntry& rule = rules[i];
        const std::int64_t start =
            minuteNumber(rule.start, rule.hour, rule.minute) - ruleOffsetMinutes(rules[i - 1], longitudeArcMinutes);
        if (start <= at)
            inForce = &rule;
    }
    return inForce;
}

// Puts `m` (its UT pair set) on the clock of `zone` at its instant.
void applyZoneAtInstant(const ZoneDescriptor& zone, int longitudeArcMinutes, BirthMoment& m, ClockChange* note) {
    const ZoneEntry* rule = ruleAtInstant(zone, m, longitudeArcMinutes);
    if (!rule || rule->timeKind > TimeZone)
        return;  // a damaged rule changes nothing
    m.timeKind = rule->timeKind;
    m.zoneHours = std::min<std::uint8_t>(rule->zoneHours, 23);
    m.zoneMinutes = std::min<std::uint8_t>(rule->zoneMinutes, 59);
    m.zoneWest = rule->west != 0;
    m.universalToLocal();
    if (note)
        *note = clockChangeAt(zone, m.localDate, m.localTime.hour, m.localTime.minute, longitudeArcMinutes);
}

// The town the stored town field names, as the transit charts find it.
const TownRecord* townOfMoment(const TownDatabase& db, const BirthMoment& m) {
    const std::string_view stored(m.town.data(), strnlen(m.town.data(), m.town.size()));
    if (stored.empty())
        return nullptr;
    return stored.starts_with("+ ") ? FindTown(db, stored) : FindExistingTown(db, stored);
}

// The nearest town of the atlas that has a zone, and its distance in degrees.
const TownRecord* nearestTown(const TownDatabase& db, GeoPoint at, double& distance) {
    const TownRecord* best = nullptr;
    distance = std::numeric_limits<double>::infinity();
    auto consider = [&](const TownRecord& town) {
        if (town.isRegion() || !isValidZone(db, town.zone))
            return;
        const GeoPoint p{town.longitude / double(ArcMinutesPerDegree), town.latitude / double(ArcMinutesPerDegree)};
        const double d = greatCircleDegrees(at, p);
        if (d < distance) {
            distance = d;
            best = &town;
        }
    };
    for (const TownRecord& town : db.mainTowns)
        consider(town);
    for (const TownRecord& town : db.userTowns)
        consider(town);
    return best;
}

void copyPersonalPart(const RadixData& from, RadixData& to) {
    to.name = from.name;
    to.notes = from.notes;
}

void setType(RadixData& r, const StringTable& strings, int typeId) {
    setFixedText(r.horType, strings[typeId], RadixData::EnteredHorTypeLength);
}

}  // namespace

BirthMoment momentAtUT(const TownDatabase& db, const BirthMoment& place, const TownRecord* town, double jdUT,
                       ClockChange* note) {
    if (note)
        *note = ClockChange{};
    BirthMoment m = momentAtJulianDay(place, jdUT);
    if (town) {
        ApplyTown(db, *town, m, ApplyNoZone);
        if (const ZoneDescriptor* zone = isValidZone(db, town->zone) ? zoneByNumber(db, town->zone) : nullptr)
            applyZoneAtInstant(*zone, town->longitude, m, note);
        else
            m.universalToLocal();
        return m;
    }
    if (const TownRecord* home = townOfMoment(db, m))
        if (const ZoneDescriptor* zone = zoneByNumber(db, home->zone))
            applyZoneAtInstant(*zone, arcMinutes(m.longitude), m, note);
    return m;
}

BirthMoment momentAtPosition(const TownDatabase& db, GeoPoint position, double jdUT, ClockChange* note) {
    if (note)
        *note = ClockChange{};
    BirthMoment m;
    constexpr double MaxLatitude = BirthMoment::MaxLatitude + 59.0 / 60.0;
    m.longitude = GeoAngle::fromDecimal(position.longitude);
    position.latitude = std::clamp(position.latitude, -MaxLatitude, MaxLatitude);
    m.latitude = GeoAngle::fromDecimal(position.latitude);
    m.timeKind = TimeLMT;
    m = momentAtJulianDay(m, jdUT);
    double distance = 0;
    const TownRecord* town = nearestTown(db, position, distance);
    if (town && distance <= MaxZoneTownDegrees) {
        const GeoAngle lon = m.longitude, lat = m.latitude;
        ApplyTown(db, *town, m, ApplyNoZone);
        m.longitude = lon;
        m.latitude = lat;
        if (const ZoneDescriptor* zone = zoneByNumber(db, town->zone))
            applyZoneAtInstant(*zone, arcMinutes(m.longitude), m, note);
    }
    return m;
}

DirectionKey directionKeyOf(const ChartDirectionSettings& s) {
    DirectionKey key;
    key.onequ = s.onequ;
    key.truesolar = s.truesolar;
    key.keyDegrees = keyAngleDegrees(s.angleDegrees, s.angleMinutes, s.angleSeconds);
    return key;
}

RadixData castReturnChart(const TownDatabase& db, const StringTable& strings, const RadixData& natal,
                          const ReturnMoment& ret, const TownRecord* town, const TOptions& options, ClockChange* note) {
    RadixData r{};
    copyPersonalPart(natal, r);
    setType(r, strings, returnTypeId(ret.body));
    r.moment = momentAtUT(db, natal.moment, town, ret.jdUT, note);
    computeRadix(r, options);
    return r;
}

void castProgression(const TownDatabase& db, const StringTable& strings, const RadixData& natal,
                     const ProgressionRequest& request, const TOptions& options, Progression& out) {
    computeProgression(natal, request, options, out);
    setType(out.chart, strings, progressionTypeId(request.kind));
    // Only the clock the moment is shown in changes: the UT pair stays.
    const BirthMoment shown = momentAtUT(db, out.chart.moment, nullptr, out.progressedUT);
    out.chart.moment.timeKind = shown.timeKind;
    out.chart.moment.zoneHours = shown.zoneHours;
    out.chart.moment.zoneMinutes = shown.zoneMinutes;
    out.chart.moment.zoneWest = shown.zoneWest;
    out.chart.moment.universalToLocal();
}

RadixData castMidtimeChart(const TownDatabase& db, const StringTable& strings, const RadixData& a,
                           const RadixData& b, const TOptions& options, ClockChange* note) {
    RadixData r{};
    const std::string name = std::string(fixedText(a.name)) + " / " + std::string(fixedText(b.name));
    setFixedText(r.name, name, RadixData::EnteredNameLength);
    setType(r, strings, StrId::TypeMidtime);
    const GeoPoint pa{a.moment.longitude.decimal(), a.moment.latitude.decimal()};
    const GeoPoint pb{b.moment.longitude.decimal(), b.moment.latitude.decimal()};
    r.moment = momentAtPosition(db, greatCircleMidpoint(pa, pb), midtimeUT(a.jdUT, b.jdUT), note);
    computeRadix(r, options);
    return r;
}
