#include "Collation.h"

#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "JulianMoment.h"
#include "Options.h"

void findCollationAspects(const RadixData& radix, const RadixData& second, const TOptions& options, CollationKind kind,
                          CollationAspects& out) {
    const AspectPointSet radixPoints =
        aspectPointSet(radix, kind == CollationKind::Transit ? PointMotion::StandsStill : PointMotion::Moving);
    const AspectPointSet secondPoints = aspectPointSet(second, PointMotion::Moving);
    const AspectSearch search{options.orbises, options.collfactor, AspectPairs::TwoCharts};
    searchAspects(radixPoints, secondPoints, search, aspectTablesOf(out.radixToSecond));
    searchAspects(secondPoints, radixPoints, search, aspectTablesOf(out.secondToRadix));
}

void computeCollation(const RadixData& radix, Collation& collation, const TOptions& options) {
    computeRadix(collation.second, options);
    refreshCollationAspects(radix, collation, options);
}

void refreshCollationAspects(const RadixData& radix, Collation& collation, const TOptions& options) {
    findCollationAspects(radix, collation.second, options, collation.kind, collation.aspects);
}

BirthMoment transitMomentAtUT(const BirthMoment& place, std::time_t utc) {
    std::tm t{};
    gmtime_r(&utc, &t);
    BirthMoment m = place;
    m.utDate = CalDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, true);
    // The system's calendar runs Gregorian back for ever; a historian's records, and the dates
    // the charts themselves show, are Julian before the reform.
    constexpr double UnixEpochJd = 2440587.5;
    constexpr std::time_t SecondsPerDay = 86400;
    const std::time_t day = utc / SecondsPerDay - (utc % SecondsPerDay < 0 ? 1 : 0);
    if (const double midnight = UnixEpochJd + static_cast<double>(day); midnight < GregorianStartJD) {
        const CalendarDay julian = julianDayToCalendarDay(midnight, false);
        m.utDate = CalDate(julian.year, julian.month, julian.day, false);
    }
    m.utTime.hour = static_cast<std::uint8_t>(t.tm_hour);
    m.utTime.minute = static_cast<std::uint8_t>(t.tm_min);
    m.utTime.second = t.tm_sec > 59 ? 59 : t.tm_sec;
    m.universalToLocal();
    return m;
}

BirthMoment transitMomentAtLocal(const BirthMoment& place, const CalDate& date, const ClockTime& time) {
    BirthMoment m = place;
    m.localDate = date;
    m.localTime = time;
    m.localToUniversal();
    return m;
}
