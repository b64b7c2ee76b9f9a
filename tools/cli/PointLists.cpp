#include "PointLists.h"

#include <sstream>

#include "Aspects.h"
#include "StringTable.h"

const char* const PointNames[NatalPointCount] = {
    "sun",  "moon",      "mercury", "venus",  "mars",   "jupiter", "saturn", "uranus", "neptune", "pluto", "node",
    "southnode", "lilith", "chiron", "pholus", "ceres", "pallas", "juno", "vesta", "asc", "mc"};

std::vector<std::string> splitList(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const auto b = item.find_first_not_of(' '), e = item.find_last_not_of(' ');
        out.push_back(b == std::string::npos ? std::string() : item.substr(b, e - b + 1));
    }
    return out;
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::vector<std::string> pointNames(int count) {
    return std::vector<std::string>(PointNames, PointNames + count);
}

std::vector<std::string> aspectKeys(const StringTable& s) {
    std::vector<std::string> keys;
    for (int a = 0; a < AspectCount; ++a)
        keys.push_back(lowerAscii(std::string(s[aspectCodeNameId(a)])));
    return keys;
}
