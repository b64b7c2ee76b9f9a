#pragma once
// The names by which the commands that search a chart (transits, directions) take their lists
// of bodies, natal points and aspects.
#include <array>
#include <string>
#include <vector>

#include "CliArgs.h"
#include "CliCommands.h"
#include "TransitSearch.h"

class StringTable;

// The command-line names of the chart's bodies, in body order, then the axes.
extern const char* const PointNames[NatalPointCount];

std::vector<std::string> splitList(const std::string& text);
std::string lowerAscii(std::string s);
// The first `count` point names.
std::vector<std::string> pointNames(int count);
// The aspect keys of the options file (con, ses, ...), in aspect order.
std::vector<std::string> aspectKeys(const StringTable& strings);

// Reads a list of names into marks; false after telling which name is unknown.
template <std::size_t N>
bool readList(const std::string& option, const std::string& text, int count, const std::vector<std::string>& names,
              std::array<bool, N>& marks) {
    marks.fill(false);
    for (const std::string& item : splitList(text)) {
        int found = -1;
        for (int i = 0; i < count; ++i)
            if (lowerAscii(item) == names[std::size_t(i)])
                found = i;
        if (found < 0) {
            std::string known;
            for (int i = 0; i < count; ++i)
                known += (i ? ", " : "") + names[std::size_t(i)];
            cliError(CliUsage, "--" + option + ": unknown name '" + item + "' (known: " + known + ")");
            return false;
        }
        marks[std::size_t(found)] = true;
    }
    return true;
}
