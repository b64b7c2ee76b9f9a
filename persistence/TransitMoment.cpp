#include "TransitMoment.h"

#include <cmath>

#include "ApplyTown.h"
#include "Collation.h"

BirthMoment transitMoment(const TownDatabase& db, const BirthMoment& natal, const TownRecord* town,
                          const TransitWhen& when, ClockChange* note) {
    BirthMoment m = natal;
    m.sex = SexNotSet;
    if (town)
        m.timeKind = TimeZone;  // a town's clock: its zone, summer time included
    // The local reading the zone is chosen at: the entered one, or now on the chart's clock.
    m = when.now ? transitMomentAtUT(m, when.utc) : transitMomentAtLocal(m, when.date, when.time);
    bool applied = false;
    if (town) {
        ApplyTown(db, *town, m, ApplyZoneAlways);
        applied = true;
        if (note && isValidZone(db, town->zone))
            if (const ZoneDescriptor* zone = zoneByNumber(db, town->zone))
                *note = clockChangeAt(*zone, m.localDate, m.localTime.hour, m.localTime.minute, town->longitude);
    } else {
        applied = ApplyHomeClock(db, m);
    }
    if (applied) {
        if (when.now)
            m = transitMomentAtUT(m, when.utc);
        else
            m.localToUniversal();
    }
    return m;
}

double dayStartAtPlace(const TownDatabase& db, const BirthMoment& place, const CalDate& date) {
    TransitWhen when;
    when.date = date;
    return transitMoment(db, place, nullptr, when).julianDayUT();
}

PlaceClock::PlaceClock(const TownDatabase& db, const BirthMoment& place)
    : m_db(db), m_place(place), m_home(HomeClockTown(db, place)) {
    m_place.sex = SexNotSet;
}

BirthMoment PlaceClock::at(double jdUT) const {
    constexpr double UnixEpochJd = 2440587.5;
    constexpr double SecondsPerDay = 86400.0;
    const auto utc = static_cast<std::time_t>(std::llround((jdUT - UnixEpochJd) * SecondsPerDay));
    BirthMoment m = transitMomentAtUT(m_place, utc);
    if (m_home) {
        ApplyHomeClockOf(m_db, *m_home, m);
        m = transitMomentAtUT(m, utc);
    }
    return m;
}
