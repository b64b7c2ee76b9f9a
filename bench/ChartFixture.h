#pragma once
// One computed chart with the shipped options for the drawing benchmarks, and the Qt
// application that painting text needs, both made once for the whole run.
#include <QGuiApplication>
#include <vector>

#include "BirthData.h"
#include "ChartFonts.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "PositionRows.h"
#include "ShippedData.h"

namespace bench {

// A Qt application for painting text, created once for the whole run, without a display.
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "zodikeon_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QGuiApplication(argc, argv);
        loadChartFonts();
        return a;
    }();
    (void)app;
}

struct Fixture {
    TOptions options{};
    RadixData chart{};
    std::vector<PositionRow> rows;
    Fixture() {
        ensureApplication();
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
