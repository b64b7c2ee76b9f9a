#include "TransitMoment.h"

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
