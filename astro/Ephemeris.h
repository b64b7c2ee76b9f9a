#pragma once
// The one door to the Swiss Ephemeris. Only Ephemeris.cpp talks to the library; everything
// above it gets plain structs in degrees and days, and an error value instead of the
// library's texts. The library keeps global state (the ephemeris folder and its caches), so
// all calls belong to one thread.
#include <array>
#include <cstdint>
#include <string>

// What startEphemeris found in the ephemeris folder.
enum class EphemerisFolder : std::uint8_t {
    Ready,         // the folder holds ephemeris files
    Missing,       // the folder does not exist (or is not a folder)
    NoFiles,       // the folder exists but holds no ephemeris files (*.se1)
    PathUnusable,  // the path is too long for the library or contains ':' (its list separator)
};

struct EphemerisStart {
    EphemerisFolder state = EphemerisFolder::Missing;
    std::string folder;
    int fileCount = 0;  // ephemeris files (*.se1) found
};

// Hands the folder to the library (once at start-up) and reports what it holds. Without
// files the library still computes the Sun .. Pluto, the Moon and the nodes from its
// built-in analytical theory (less precise, and only for about 3000 BC .. 3000 AD); the
// minor bodies then cannot be computed at all.
EphemerisStart startEphemeris(const std::string& path);
// Closes the library's files and frees its buffers. The library keeps them per thread, so a
// worker thread that started the ephemeris for itself calls this before it ends.
void closeEphemeris();

// One English sentence for a start that is not Ready, for logs and the command-line tool;
// empty when the folder is ready.
std::string describeEphemerisStart(const EphemerisStart& start);

// How a body came out of the library.
enum class EphemerisStatus : std::uint8_t {
    Ok = 0,           // computed from the ephemeris files
    Approximate = 1,  // files missing: computed from the library's built-in analytical theory
    NoFile = 2,       // not computed: the file that covers the date is missing
    OutOfRange = 3,   // not computed: the date lies outside the range of the body's file
    Failed = 4,       // not computed: any other error of the library
};

inline bool isAvailable(EphemerisStatus s) {
    return s == EphemerisStatus::Ok || s == EphemerisStatus::Approximate;
}

// Why a body is missing or less precise, as an English phrase for logs and the command-line
// tool ("the date lies outside the range of its ephemeris file"); empty for Ok.
const char* describeEphemerisStatus(EphemerisStatus s);

// Longitude, latitude, distance (degrees, degrees, AU) and their daily speeds; all zero
// when the body could not be computed.
struct EphemerisBody {
    std::array<double, 6> x{};
    EphemerisStatus status = EphemerisStatus::Failed;
};

// Ecliptic and nutation, in degrees.
struct EphemerisNutation {
    double trueObliquity = 0;
    double meanObliquity = 0;
    double nutationLongitude = 0;
    double nutationObliquity = 0;
};

// House cusps 1..12 (index 0 unused) and the library's axes: 0 Ascendant, 1 MC, 2 ARMC,
// 3 Vertex, 4 equatorial ascendant, 5 Koch co-ascendant, 6 Munkasey co-ascendant, 7 polar
// ascendant. `porphyryFallback` is set when the library could not use the asked system at
// this latitude and returned Porphyrius cusps instead.
struct EphemerisHouses {
    std::array<double, 13> cusp{};
    std::array<double, 10> ascmc{};
    bool porphyryFallback = false;
};

// Apparent diameter (degrees) and magnitude of a body.
struct EphemerisPhenomena {
    double diameter = 0;
    double magnitude = 0;
    EphemerisStatus status = EphemerisStatus::Failed;
};

// Julian day of a calendar date (Julian or Gregorian calendar) at `hours` Universal Time.
double calendarToJulianDay(int year, int month, int day, double hours, bool gregorian);
// The calendar date of a Julian day (Julian or Gregorian calendar) and the hours UT into it.
struct CalendarDay {
    int year = 0;
    int month = 1;
    int day = 1;
    double hours = 0;
};
CalendarDay julianDayToCalendarDay(double jd, bool gregorian);
// Delta T (ET − UT) in days.
double ephemerisDeltaT(double jdUT);
EphemerisNutation ephemerisNutation(double jdET);
// Apparent sidereal time at Greenwich in hours, for the given true obliquity and nutation in
// longitude (degrees).
double ephemerisSiderealTime(double jdUT, double obliquity, double nutationLongitude);
// Ayanamsa in degrees (the library's default sidereal mode).
double ephemerisAyanamsa(double jdET);
// Houses for a sidereal time given as an angle, a latitude and the true obliquity (degrees);
// `code` is the library's house code ('P', 'K', ...).
EphemerisHouses ephemerisHouses(double armc, double latitude, double obliquity, char code);
// Ecliptic position of an ephemeris body number (0 Sun .. 9 Pluto, 10 mean node, 11 true
// node, 12 mean apogee, 15 Chiron .. 20 Vesta) at a Julian day in Ephemeris Time.
EphemerisBody ephemerisBody(double jdET, int body, bool withSpeed);
// The same position without nutation (on the mean equinox of date): less than half the cost. Its longitude plus the nutation in longitude is the apparent one exactly.
// Without `bendLight` the Sun's bending of the light is left out too: the longitude is then
// smooth even where a planet passes behind the Sun (it differs there by up to 2").
EphemerisBody ephemerisBodyMeanEquinox(double jdET, int body, bool bendLight = true, bool withSpeed = false);
EphemerisPhenomena ephemerisPhenomena(double jdET, int body);
