#pragma once
// The Qt application that painting text (and a window refilled off screen) needs, created once
// for the whole run, without a display; every benchmark that paints calls this first.
#include <QApplication>

#include "ChartFonts.h"

inline void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "zodikeon_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        loadChartFonts();
        return a;
    }();
    (void)app;
}
