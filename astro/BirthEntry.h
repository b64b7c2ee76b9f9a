#pragma once
// The entry of a birth moment as the user types it, and the checks that turn it into a
// BirthMoment or name the first field group in error.
#include <cstdint>

#include "BirthData.h"

// Message ids of the entry checks, in the order in which they are made.
enum BirthEntryMessage : int {
    EntryValid = 0,
    InvalidYear = 38,
    InvalidDate = 21,
    InvalidTime = 22,
    InvalidLongitude = 19,
    InvalidLatitude = 20,
    InvalidZone = 18,
};

struct BirthEntry {
    // The year as written, counted from 1 in its era; 1 B.C. is astronomical year 0.
    bool beforeChrist = false;
    int year = 0;
    int month = 0;
    int day = 0;  // below 1 is taken as 1
    bool gregorian = true;

    int hour = 0;
    int minute = 0;
    int second = 0;  // whole seconds

    std::uint8_t timeKind = TimeZone;
    char zoneLetter = 'E';  // "E" or "W"
    int zoneHours = 0;
    int zoneMinutes = 0;

    char longitudeLetter = 'E';  // "E" or "W"
    int longitudeDegrees = 0;
    int longitudeMinutes = 0;
    double longitudeSeconds = 0.0;  // the dialog has no field for these: 0
    char latitudeLetter = 'N';      // "N" or "S"
    int latitudeDegrees = 0;
    int latitudeMinutes = 0;
    double latitudeSeconds = 0.0;

    // Sets era and year from an astronomical year (0 is 1 B.C.).
    void setAstronomicalYear(int astronomicalYear);
    // Sets letter, degrees, minutes and seconds from signed decimal degrees.
    void setLongitude(double degrees);
    void setLatitude(double degrees);
};

// Checks the field groups in the order year, date, time, longitude, latitude, zone and returns
// the message id of the first that fails, or EntryValid with `moment` holding the entered local
// date and time (copied into the UT pair as well; convert with localToUniversal), position and
// zone. Town and sex of `moment` are left as they were.
int checkBirthEntry(const BirthEntry& entry, BirthMoment& moment);
