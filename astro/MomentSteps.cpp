#include "MomentSteps.h"

namespace {

void advanceMinute(ClockTime& t) {
    if (t.minute >= 59) {
        t.minute = 0;
        t.hour = t.hour >= 23 ? 0 : t.hour + 1;
    } else {
        ++t.minute;
    }
}

void retreatMinute(ClockTime& t) {
    if (t.minute == 0) {
        t.minute = 59;
        t.hour = t.hour == 0 ? 23 : t.hour - 1;
    } else {
        --t.minute;
    }
}

}  // namespace

bool stepHour(BirthMoment& m, bool forward) {
    ClockTime& t = m.utTime;
    if (forward) {
        if (t.hour >= 23 && !m.utDate.nextDay())
            return false;
        t.hour = t.hour >= 23 ? 0 : t.hour + 1;
    } else {
        if (t.hour == 0 && !m.utDate.previousDay())
            return false;
        t.hour = t.hour == 0 ? 23 : t.hour - 1;
    }
    return true;
}

bool stepMinute(BirthMoment& m, bool forward) {
    ClockTime& t = m.utTime;
    if (forward) {
        if (t.hour >= 23 && t.minute >= 59 && !m.utDate.nextDay())
            return false;
        advanceMinute(t);
    } else {
        if (t.hour == 0 && t.minute == 0 && !m.utDate.previousDay())
            return false;
        retreatMinute(t);
    }
    return true;
}

bool stepSecond(BirthMoment& m, bool forward) {
    ClockTime& t = m.utTime;
    if (forward) {
        if (t.hour >= 23 && t.minute >= 59 && t.second >= 59 && !m.utDate.nextDay())
            return false;
        if (t.second < 59) {
            t.second += 1;
        } else {
            t.second = 0;
            advanceMinute(t);
        }
    } else {
        if (t.hour == 0 && t.minute == 0 && t.second == 0 && !m.utDate.previousDay())
            return false;
        if (t.second > 0) {
            // Seconds carry a fraction: never step below zero.
            t.second = t.second >= 1 ? t.second - 1 : 0;
        } else {
            t.second = 59;
            retreatMinute(t);
        }
    }
    return true;
}

void stepMinutes(BirthMoment& m, int count) {
    for (int i = 0; i < (count < 0 ? -count : count); ++i)
        stepMinute(m, count > 0);
}
