#pragma once
// One computed chart with the shipped options for the drawing benchmarks, and the Qt
// application that painting text needs, both made once for the whole run.
#include <vector>

#include "BirthData.h"
#include "ChartFonts.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "GuiApplication.h"
#include "PositionRows.h"
#include "ShippedData.h"

namespace bench {

// A Qt application for painting text, created once for the whole run, without a display.
struct Fixture {
    TOptions options{};
    RadixData chart{};
    std::vector<PositionRow> rows;
    Fixture() {
        ensureGuiApplication();
        SetShippedOptions(options);
        startEphemeris(ZDK_EPHEMERIS_DIR);
        // Budapest, 1 July 1980, 12:00 zone time +2.
        chart.moment = BirthMoment(CalDate(1980, 7, 1, true), ClockTime{12, 0, 0.0}, GeoAngle::fromDecimal(19.0402),
                                   GeoAngle::fromDecimal(47.4979), TimeZone, 2, 0, false);
        chart.moment.localToUniversal();
        computeRadix(chart, options);
        buildPositionRows(chart, options, rows);
    }
};

inline Fixture& fixture() {
    static Fixture f;
    return f;
}

}  // namespace bench
