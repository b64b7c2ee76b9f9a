#pragma once
// AAF, the astrological exchange format of the 1990s: a text file of records, each a "#A93:"
// line (name, first name, sex, day.month.year, hour:minute, place, country) followed by other
// lines ("chunks"): "#B93:" (Julian day in UT or "*", latitude "49n05", longitude "8e11", zone
// "1he", "8hw00" or a local mean time offset "0e21:48", summer time 0 or 1), "#ZNAM:", "#COM:",
// "#SRC:" and so on; a line that does not begin with "#" continues the chunk before it, and
// "#:" lines are comments. "*" is an unknown field.
// Reading keeps the annotation chunks in the chart's notes: the text of "#COM:" as it is, every
// other chunk as its own line ("#SRC:1*,Standesamt"); the computed chunks (#LPOS, #BPOS, #ZPOS,
// #GVAL, #HPOS, #ASP) are left out, as the program computes the chart itself. A zone of 0 hours
// without summer time is read as Greenwich time. Writing turns that back: the notes' chunk lines
// become chunks again and the rest "#COM:" chunks.
#include <functional>
#include <string>
#include <string_view>

#include "ExchangeRecord.h"

// Where a reader hands what it read, record by record in file order.
struct ExchangeSink {
    std::function<void(ExchangeRecord&&)> record;
    std::function<void(RecordIssue&&)> refused;
};

// Reads the records of an AAF file. Texts are read as ExchangeText.h describes.
void readAaf(std::string_view bytes, const ExchangeSink& sink);

// One chart as an AAF record (UTF-8, lines ending in LF): #A93, #B93 and the notes. The Julian
// day is written to the millionth of a day, times and positions to the whole second.
std::string aafRecord(const RadixData& radix);
