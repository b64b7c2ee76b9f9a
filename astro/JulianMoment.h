#pragma once
// From a Julian day back to the date and clock time a birth moment holds.
#include "BirthData.h"

// The first Julian day (UT) of the Gregorian calendar, 15 October 1582; days before it are
// given in the Julian calendar, as the birth data enter them.
constexpr double GregorianStartJD = 2299160.5;

// Whether a day given by year, month and day is in the Gregorian calendar by the reform date
// (15 October 1582): the calendar of a date typed without saying, as moments are shown.
bool isGregorianByDate(int year, int month, int day);
// That day as a date of the calendar it is in by the reform date; `clamped` as for CalDate.
CalDate civilDate(int year, int month, int day, bool* clamped = nullptr);

// The first and the last Julian day (UT) a birth moment can hold: 1 January of MinYear (Julian
// calendar) 0:00 and the end of 31 December of MaxYear. Moments outside cannot be cast.
double firstHeldJulianDay();
double lastHeldJulianDay();
bool isHeldJulianDay(double jdUT);

// The calendar date and clock time of a Julian day UT (Gregorian from 15 October 1582, Julian
// before). A year outside the range a date can hold is clamped.
void julianDayToCalendar(double jdUT, CalDate& date, ClockTime& time);

// `place` with its UT pair set to `jdUT` and its local pair derived on its own clock.
BirthMoment momentAtJulianDay(const BirthMoment& place, double jdUT);
