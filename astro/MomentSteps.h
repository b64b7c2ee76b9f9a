#pragma once
// Single steps of a chart's Universal Time, as the radix shifter's buttons and the keypad make
// them. Each returns false, changing nothing, when the date would leave the calendar's range.
#include "BirthData.h"

bool stepHour(BirthMoment& moment, bool forward);
bool stepMinute(BirthMoment& moment, bool forward);
bool stepSecond(BirthMoment& moment, bool forward);

// `count` single minute steps forward (count > 0) or back; a refused step is skipped alone.
void stepMinutes(BirthMoment& moment, int count);
