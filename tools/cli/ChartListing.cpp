#include "ChartListing.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

#include "Angles.h"
#include "Aspects.h"
#include "CodePage.h"
#include "DignityState.h"
#include "Houses.h"
#include "Options.h"
#include "RadixData.h"
#include "StringTable.h"

namespace {

const char* const SignNames[12] = {"Ari", "Tau", "Gem", "Cnc", "Leo", "Vir", "Lib", "Sco", "Sgr", "Cap", "Aqr", "Psc"};
const char* const AxisNames[AxisCount] = {"Asc", "MC", "Vertex", "East Point", "Co-asc.", "Polar Asc.", "Desc", "IC"};

std::string text(const StringTable& strings, int id) {
    return cp1250ToUtf8(strings[id]);
}

// "15°23'45\" Leo": degrees within the sign, cut to the arc second after a thousandth of one is
// added, as the chart window shows them, so the two never differ by a second.
std::string zodiacText(double radians) {
    const int sign = signOf(radians);
    const double degrees = normalizeDegrees(radians * RadToDeg) + 1.0 / 3600000.0;
    long seconds = static_cast<long>(std::floor(degrees * 3600.0)) - sign * 30L * 3600L;
    seconds = std::max(0L, std::min(seconds, 30L * 3600L - 1));
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%2ld°%02ld'%02ld\" %s", seconds / 3600, seconds / 60 % 60, seconds % 60,
                  SignNames[sign]);
    return buffer;
}

std::string padded(std::string s, std::size_t width) {
    // Width in characters, not bytes: UTF-8 continuation bytes take no room.
    std::size_t chars = 0;
    for (unsigned char c : s)
        chars += (c & 0xC0) != 0x80;
    if (chars < width)
        s.append(width - chars, ' ');
    return s;
}

std::string pointName(const StringTable& strings, int point) {
    if (point == 0 || point == 1)
        return AxisNames[point];
    if (point == 31 || point == 32)
        return AxisNames[AxisDescendant + point - 31];
    if ((point >= 13 && point <= 18) || point >= 34) {
        static const int cusps[12] = {1, 2, 3, 10, 11, 12, 7, 8, 9, 4, 5, 6};
        return "Cusp " + std::to_string(cusps[point <= 18 ? point - 13 : point - 28]);
    }
    if (point >= 26 && point <= 30)
        return text(strings, chartPointNameId(PointVertex + point - 26));
    const int body = bodyOfAspectPoint(point);
    return text(strings, chartPointNameId(body)) + (body == BodySouthNode ? " (S)" : body == BodyNorthNode ? " (N)" : "");
}

std::string bodyName(const StringTable& strings, int index) {
    std::string name = text(strings, chartPointNameId(index));
    if (index == BodyNorthNode)
        name += " (N)";
    else if (index == BodySouthNode)
        name += " (S)";
    return name;
}

}  // namespace

void printChartListing(std::ostream& out, const RadixData& r, const TOptions& options, const StringTable& strings) {
    out << "\nPositions\n";
    for (int i = 0; i < ChartPointCount; ++i) {
        out << "  " << padded(bodyName(strings, i), 18);
        if (!r.available(i)) {
            out << "not computed: " << describeEphemerisStatus(r.bodyStatus[i]) << "\n";
            continue;
        }
        out << zodiacText(r.lon[i]);
        if (i < BodyCount) {
            out << (r.motion[i] < 0 ? " R" : r.motion[i] == 0 ? " S" : "  ");
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "  house %2d %3d%%", r.bodyHouse[i] + 1, r.housePercent[i]);
            out << buffer;
            if (i < DignityStateCount && r.dignityState[i] != DignityNone)
                out << "  " << text(strings, dignityLabelId(r.dignityState[i]));
        }
        if (r.bodyStatus[i] == EphemerisStatus::Approximate)
            out << "  (approximate)";
        out << "\n";
    }

    out << "\nHouses (" << text(strings, houseSystemNameId(r.houseSystemUsed));
    if (r.houseSystemUsed != options.housecalc && options.housecalc < HouseSystemCount)
        out << "; " << text(strings, houseSystemNameId(options.housecalc)) << " has no cusps at this latitude";
    out << ")\n";
    for (int c = 0; c < CuspCount; ++c) {
        out << "  " << padded(std::to_string(c + 1), 4) << zodiacText(r.cusp[c]);
        if (c < 6 && r.interceptedSign[c] != 255)
            out << "  intercepted " << SignNames[r.interceptedSign[c]];
        else if (c >= 6 && r.interceptedOpposite[c - 6] != 255)
            out << "  intercepted " << SignNames[r.interceptedOpposite[c - 6]];
        out << "\n";
    }
    out << "\nAxes\n";
    for (int a = 0; a < AxisCount; ++a)
        out << "  " << padded(AxisNames[a], 12) << zodiacText(r.axis[a]) << "\n";

    out << "\nAspects\n";
    for (int k = 0; k < BodyCount; ++k) {
        for (int i = 0; i < AspectPointCount; ++i) {
            if (!aspectPairSearched(k, i))
                continue;
            const std::uint8_t code = r.aspectCode[k][i];
            const std::uint8_t parallel = r.parallelCode[k][i];
            if (code != AspectNone) {
                const int aspect = code & AspectIndexMask;
                const double deviation = r.separation[k][i] * RadToDeg - aspectAngle(aspect);
                char buffer[64];
                std::snprintf(buffer, sizeof buffer, " %s %+6.2f°%s%s", text(strings, aspectCodeNameId(aspect)).c_str(),
                              deviation, code & AspectApplying ? " applying" : " separating",
                              r.exactAspect[k][i] ? ", exact" : "");
                out << "  " << padded(bodyName(strings, k), 18) << padded(buffer, 30) << " " << pointName(strings, i)
                    << "\n";
            }
            if (parallel != NoParallel) {
                out << "  " << padded(bodyName(strings, k), 18) << " "
                    << padded(text(strings, aspectCodeNameId(AspectParallel + parallel)), 29) << " "
                    << pointName(strings, i) << "\n";
            }
        }
    }
}
