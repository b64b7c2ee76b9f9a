#include "PositionRows.h"

#include <cmath>

#include "Angles.h"
#include "ChartIndex.h"
#include "Ephemeris.h"
#include "Houses.h"

namespace {

PositionRow endRow() { return PositionRow{}; }

PositionRow lonRow(std::uint8_t code, double lon) {
    PositionRow row;
    row.code = code;
    row.lon = lon;
    return row;
}

void toEquatorial(double lon, double lat, double obliquity, double& ra, double& decl) {
    const double x = std::cos(lat) * std::cos(lon);
    const double y = std::cos(lat) * std::sin(lon) * std::cos(obliquity) - std::sin(lat) * std::sin(obliquity);
    const double z = std::cos(lat) * std::sin(lon) * std::sin(obliquity) + std::sin(lat) * std::cos(obliquity);
    if (x == 0 && y == 0) {
        ra = 0;
        decl = z == 0 ? 0 : std::copysign(std::numbers::pi / 2, z);
        return;
    }
    ra = normalizeRadians(std::atan2(y, x));
    decl = std::atan(z / std::sqrt(x * x + y * y));
}

}  // namespace

void buildPositionRows(const RadixData& chart, const TOptions& options, std::vector<PositionRow>& rows) {
    rows.clear();
    rows.push_back(lonRow(RowAscendant, chart.axis[AxisAscendant]));
    rows.push_back(lonRow(RowMC, chart.axis[AxisMC]));
    rows.push_back(endRow());
    for (int cusp : {0, 1, 2, 9, 10, 11})
        rows.push_back(lonRow(static_cast<std::uint8_t>(RowCusp + cusp), chart.cusp[static_cast<std::size_t>(cusp)]));
    rows.push_back(endRow());
    for (int axis = AxisVertex; axis <= AxisPolarAscendant; ++axis)
        rows.push_back(lonRow(static_cast<std::uint8_t>(RowVertex + axis - AxisVertex), chart.axis[static_cast<std::size_t>(axis)]));
    rows.push_back(endRow());

    const int nodeCode = options.nodetype == 1 ? 11 : 10;
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, nodeCode, 12}) {
        if (code < 0) {
            PositionRow gap;
            gap.code = RowGap;
            rows.push_back(gap);
            continue;
        }
        const EphemerisBody body = ephemerisBody(chart.jdET, code, true);
        if (!isAvailable(body.status))
            continue;
        PositionRow row;
        row.code = static_cast<std::uint8_t>(code);
        row.lon = normalizeRadians(body.x[0] * DegToRad);
        row.lat = body.x[1] * DegToRad;
        row.distance = body.x[2];
        row.speed = body.x[3] * DegToRad;
        toEquatorial(row.lon, row.lat, chart.obliquity, row.ra, row.decl);
        row.house = static_cast<std::uint8_t>(housePosition(row.lon, chart.cusp, chart.houseStart).house);
        row.motion = 1;
        if (code >= 2 && code <= 9) {
            const double limit = options.avgspeed[static_cast<std::size_t>(code)] * std::pow(10.0, -options.stationary_strict);
            const double degreesPerDay = body.x[3];
            row.motion = std::fabs(degreesPerDay) < limit ? 0 : degreesPerDay < 0 ? -1 : 1;
        }
        const EphemerisPhenomena pheno = ephemerisPhenomena(chart.jdET, code);
        if (isAvailable(pheno.status)) {
            row.diameter = pheno.diameter * DegToRad;
            row.magnitude = pheno.magnitude;
        }
        rows.push_back(row);
    }
    rows.push_back(endRow());
    rows.push_back(endRow());
}
