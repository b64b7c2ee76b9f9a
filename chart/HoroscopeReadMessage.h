#pragma once
// The message for a horoscope file that does not open as a chart, naming the file and what
// is wrong with it; the same text in the program and in the command-line tool.
#include <QString>

#include "HoroscopeFile.h"

// `path` as the user knows it; `problem` is used for a damaged file. Empty for Ok.
QString horoscopeReadMessage(const QString& path, HoroscopeRead result, const HoroscopeProblem& problem);
// What is wrong with a damaged file, as the second half of a sentence: "it is cut short in
// the notes (...)", "the birth date (UT) holds 1984-13-15, which cannot be entered".
QString horoscopeProblemText(const HoroscopeProblem& problem);
