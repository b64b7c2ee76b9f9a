#pragma once
// The direction key of a chart in words, for the dialogs, captions and status bar that name it.
#include <QString>

#include "ChartBlocks.h"

// Naibod's key, the Sun's mean daily motion: the key of a chart whose key angle is zero.
constexpr int NaibodMinutes = 59;
constexpr double NaibodSeconds = 8.33;
// Ptolemy's key: a degree a year.
constexpr int PtolemyDegrees = 1;

// Whether the key in force is Naibod's: the true solar arc is off and the angle is Naibod's
// or zero.
bool isNaibodKey(const ChartDirectionSettings& settings);
// A key angle as degrees, minutes and seconds: 0°59'08.33".
QString keyAngleText(int degrees, int minutes, double seconds);
// The key in force: "true solar arc in right ascension", "true solar arc in longitude",
// "Naibod's key (0°59'08.33" a year)" or "1°00'00.00" a year".
QString directionKeyText(const ChartDirectionSettings& settings);
// The same in a few words, for the status bar: "solar arc in RA", "solar arc", "Naibod",
// "1°00'00.00"".
QString directionKeyShortText(const ChartDirectionSettings& settings);
