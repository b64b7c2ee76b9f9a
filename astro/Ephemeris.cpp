#include "Ephemeris.h"

#include <swephexp.h>

double calendarToJulianDay(int year, int month, int day, double hours, bool gregorian) {
    return swe_julday(year, month, day, hours, gregorian ? SE_GREG_CAL : SE_JUL_CAL);
}
