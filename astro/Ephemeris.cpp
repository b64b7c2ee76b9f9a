#include "Ephemeris.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include <swephexp.h>

namespace {

// The library replaces longer paths by its built-in default folder without a word.
constexpr std::size_t MaxLibraryPathLength = AS_MAXCH - 1 - 13;

// The library reports a failure only as text; its wording tells a missing file from a date
// that the body's file does not cover.
EphemerisStatus classifyError(const char* serr) {
    if (std::strstr(serr, "not found"))
        return EphemerisStatus::NoFile;
    if (std::strstr(serr, "restricted") || std::strstr(serr, "outside") || std::strstr(serr, "range"))
        return EphemerisStatus::OutOfRange;
    return EphemerisStatus::Failed;
}

int countEphemerisFiles(const std::filesystem::path& folder) {
    int count = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".se1" && it->is_regular_file(ec))
            ++count;
    }
    return count;
}

EphemerisBody bodyWithFlags(double jdET, int body, int flags) {
    EphemerisBody b;
    char serr[AS_MAXCH] = "";
    const int rc = swe_calc(jdET, body, flags, b.x.data(), serr);
    if (rc < 0) {
        b.x = {};
        b.status = classifyError(serr);
    } else {
        b.status = (rc & SEFLG_MOSEPH) ? EphemerisStatus::Approximate : EphemerisStatus::Ok;
    }
    return b;
}

}  // namespace

void closeEphemeris() { swe_close(); }

EphemerisStart startEphemeris(const std::string& path) {
    EphemerisStart start;
    start.folder = path;
    if (path.size() > MaxLibraryPathLength || path.find(':') != std::string::npos) {
        start.state = EphemerisFolder::PathUnusable;
        // An empty folder rather than the library's own default: no files is reported, not guessed.
        swe_set_ephe_path("/nonexistent/zodikeon-ephemeris");
        return start;
    }
    swe_set_ephe_path(path.c_str());
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) {
        start.state = EphemerisFolder::Missing;
        return start;
    }
    start.fileCount = countEphemerisFiles(path);
    start.state = start.fileCount > 0 ? EphemerisFolder::Ready : EphemerisFolder::NoFiles;
    return start;
}

std::string describeEphemerisStart(const EphemerisStart& start) {
    const std::string consequence =
        ": the Sun, Moon and planets come from the library's less precise built-in theory "
        "(3000 BC to 3000 AD only) and the minor bodies cannot be computed";
    switch (start.state) {
    case EphemerisFolder::Ready:
        return {};
    case EphemerisFolder::Missing:
        return "the ephemeris folder '" + start.folder + "' does not exist" + consequence;
    case EphemerisFolder::NoFiles:
        return "the ephemeris folder '" + start.folder + "' holds no ephemeris files (*.se1)" + consequence;
    case EphemerisFolder::PathUnusable:
        return "the ephemeris folder '" + start.folder +
               "' cannot be used (the path is too long or contains ':')" + consequence;
    }
    return {};
}

const char* describeEphemerisStatus(EphemerisStatus s) {
    switch (s) {
    case EphemerisStatus::Ok:
        return "";
    case EphemerisStatus::Approximate:
        return "computed from the library's less precise built-in theory (its ephemeris file is missing)";
    case EphemerisStatus::NoFile:
        return "its ephemeris file is missing";
    case EphemerisStatus::OutOfRange:
        return "the date lies outside the range of its ephemeris file";
    case EphemerisStatus::Failed:
        break;
    }
    return "the ephemeris library could not compute it";
}

double calendarToJulianDay(int year, int month, int day, double hours, bool gregorian) {
    return swe_julday(year, month, day, hours, gregorian ? SE_GREG_CAL : SE_JUL_CAL);
}

CalendarDay julianDayToCalendarDay(double jd, bool gregorian) {
    CalendarDay c;
    swe_revjul(jd, gregorian ? SE_GREG_CAL : SE_JUL_CAL, &c.year, &c.month, &c.day, &c.hours);
    return c;
}

double ephemerisDeltaT(double jdUT) {
    return swe_deltat(jdUT);
}

EphemerisNutation ephemerisNutation(double jdET) {
    double x[6] = {};
    char serr[AS_MAXCH] = "";
    swe_calc(jdET, SE_ECL_NUT, 0, x, serr);
    return {x[0], x[1], x[2], x[3]};
}

double ephemerisSiderealTime(double jdUT, double obliquity, double nutationLongitude) {
    return swe_sidtime0(jdUT, obliquity, nutationLongitude);
}

double ephemerisAyanamsa(double jdET) {
    return swe_get_ayanamsa(jdET);
}

EphemerisHouses ephemerisHouses(double armc, double latitude, double obliquity, char code) {
    EphemerisHouses h;
    char serr[AS_MAXCH] = "";
    const int rc = swe_houses_armc_ex2(armc, latitude, obliquity, code, h.cusp.data(), h.ascmc.data(),
                                       nullptr, nullptr, serr);
    // Placidus and Koch have no cusps inside the polar circles; the library then returns
    // Porphyrius cusps with an error code.
    h.porphyryFallback = rc < 0 && code != 'O';
    return h;
}

EphemerisBody ephemerisBody(double jdET, int body, bool withSpeed) {
    return bodyWithFlags(jdET, body, withSpeed ? SEFLG_SPEED : 0);
}

EphemerisBody ephemerisBodyMeanEquinox(double jdET, int body, bool bendLight, bool withSpeed) {
    return bodyWithFlags(jdET, body,
                         SEFLG_NONUT | (bendLight ? 0 : SEFLG_NOGDEFL) | (withSpeed ? SEFLG_SPEED : 0));
}

EphemerisPhenomena ephemerisPhenomena(double jdET, int body) {
    EphemerisPhenomena p;
    double attr[20] = {};
    char serr[AS_MAXCH] = "";
    const int rc = swe_pheno(jdET, body, 0, attr, serr);
    if (rc < 0) {
        p.status = classifyError(serr);
        return p;
    }
    p.diameter = attr[3];
    p.magnitude = attr[4];
    p.status = (rc & SEFLG_MOSEPH) ? EphemerisStatus::Approximate : EphemerisStatus::Ok;
    return p;
}
