#pragma once
// The moment of a transit chart: now, or a date and time read on the clock of a place, at the
// natal chart's place (with its town's clock at that date when the town is known) or at a town.
#include <ctime>
#include <optional>

#include "BirthData.h"
#include "ClockChange.h"
#include "TownDatabase.h"

struct TransitWhen {
    bool now = false;         // the computer's clock
    std::time_t utc = 0;      // with `now`: the moment
    CalDate date;             // otherwise: the local date and time entered
    ClockTime time;
};

// `natal` gives the place and clock unless `town` (a record of `db`) is given. A town's clock is
// its zone in force at the moment; `note` (when given) tells a local time that was skipped or
// repeated there. The result has its UT and local pairs consistent and no sex set.
BirthMoment transitMoment(const TownDatabase& db, const BirthMoment& natal, const TownRecord* town,
                          const TransitWhen& when, ClockChange* note = nullptr);

// The UT Julian day at which `date` begins on the clock of `place` (its town's zone then, when
// the atlas knows the town): how the periods of transits, returns and progressions read a day.
double dayStartAtPlace(const TownDatabase& db, const BirthMoment& place, const CalDate& date);

// The clock of a chart's place for many UT moments (the moments of a list of transits), as
// transitMoment gives them with no town and `now` at each moment rounded to the second: the
// chart's own town is looked up in the atlas once, not at every moment.
class PlaceClock {
public:
    PlaceClock(const TownDatabase& db, const BirthMoment& place);
    BirthMoment at(double jdUT) const;

private:
    const TownDatabase& m_db;
    BirthMoment m_place;
    const TownRecord* m_home;
};
