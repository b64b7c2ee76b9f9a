#pragma once
// The instants that the date fields of the dialogs stand for.
#include <QDate>

// The Julian day UT of 0:00 UT at the start of `date`. The year, month and day a date field
// shows are read as every date of the program: Julian before 15 October 1582, Gregorian from it.
double dayStartUT(const QDate& date);
// The Julian day UT of 12:00 UT on `date`: the instant a progression "for a date" is cast at,
// the same day on every clock of the inhabited world.
double dayNoonUT(const QDate& date);
