#include "BirthEntry.h"

#include <algorithm>
#include <cctype>

namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool validSeconds(double s) {
    return s >= 0.0 && s < 60.0;
}

void splitAngle(double value, char positive, char negative, char& letter, int& degrees, int& minutes,
                double& seconds) {
    const GeoAngle a = GeoAngle::fromDecimal(value);
    letter = a.isNegative() ? negative : positive;
    degrees = a.wholeDegrees();
    minutes = a.minutes;
    seconds = a.seconds;
}

}  // namespace

void BirthEntry::setAstronomicalYear(int astronomicalYear) {
    beforeChrist = astronomicalYear <= 0;
    year = beforeChrist ? 1 - astronomicalYear : astronomicalYear;
}

void BirthEntry::setLongitude(double degrees) {
    splitAngle(degrees, 'E', 'W', longitudeLetter, longitudeDegrees, longitudeMinutes, longitudeSeconds);
}

void BirthEntry::setLatitude(double degrees) {
    splitAngle(degrees, 'N', 'S', latitudeLetter, latitudeDegrees, latitudeMinutes, latitudeSeconds);
}

int checkBirthEntry(const BirthEntry& e, BirthMoment& moment) {
    // Years are written from 1 in either era; the year edit takes no sign.
    if (e.year <= 0)
        return InvalidYear;
    const long astronomical = e.beforeChrist ? 1L - e.year : e.year;
    if (astronomical < MinYear || astronomical > MaxYear)
        return InvalidYear;

    bool clamped = false;
    const CalDate date(static_cast<int>(astronomical), e.month, e.day < 1 ? 1 : e.day, e.gregorian, &clamped);
    if (clamped)
        return InvalidDate;

    // Seconds are checked too: a time of 12:00:75 is not a time.
    if (e.hour < 0 || e.hour > 23 || e.minute < 0 || e.minute > 59 || e.second < 0 || e.second > 59)
        return InvalidTime;

    const char lonLetter = upper(e.longitudeLetter);
    if ((lonLetter != 'E' && lonLetter != 'W') || e.longitudeMinutes < 0 || e.longitudeMinutes > 59 ||
        e.longitudeDegrees < 0 || e.longitudeDegrees > BirthMoment::MaxLongitude ||
        !validSeconds(e.longitudeSeconds))
        return InvalidLongitude;

    const char latLetter = upper(e.latitudeLetter);
    if ((latLetter != 'N' && latLetter != 'S') || e.latitudeMinutes < 0 || e.latitudeMinutes > 59 ||
        e.latitudeDegrees < 0 || e.latitudeDegrees > BirthMoment::MaxLatitude || !validSeconds(e.latitudeSeconds))
        return InvalidLatitude;

    const char zoneLetter = upper(e.zoneLetter);
    if ((zoneLetter != 'E' && zoneLetter != 'W') || e.zoneHours < 0 || e.zoneHours > 23 || e.zoneMinutes < 0 ||
        e.zoneMinutes > 59)
        return InvalidZone;

    ClockTime time;
    time.hour = static_cast<std::uint8_t>(e.hour);
    time.minute = static_cast<std::uint8_t>(e.minute);
    time.second = e.second;
    const GeoAngle lon(e.longitudeDegrees, e.longitudeMinutes, e.longitudeSeconds, lonLetter == 'W');
    const GeoAngle lat(e.latitudeDegrees, e.latitudeMinutes, e.latitudeSeconds, latLetter == 'S');
    BirthMoment entered(date, time, lon, lat, std::min<std::uint8_t>(e.timeKind, TimeZone),
                        static_cast<std::uint8_t>(e.zoneHours), static_cast<std::uint8_t>(e.zoneMinutes),
                        zoneLetter == 'W');
    entered.town = moment.town;
    entered.sex = moment.sex;
    moment = entered;
    return EntryValid;
}
