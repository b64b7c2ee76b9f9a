#pragma once
// The door to the ephemeris library: only Ephemeris.cpp includes its header. Everything above
// it deals in plain numbers and records.

// Julian day of a calendar date (Julian or Gregorian calendar) at `hours` Universal Time.
double calendarToJulianDay(int year, int month, int day, double hours, bool gregorian);
