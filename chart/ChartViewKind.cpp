#include "ChartViewKind.h"

int smoothingFactorOf(int antialias) {
    if (antialias <= 0)
        return 0;
    if (antialias >= 4)
        return 4;
    return antialias == 1 ? 1 : 2;
}

int viewSmoothingFactor(ChartView view, const TOptions& o) {
    const int f = smoothingFactorOf(o.display.antialias);
    if (!isWheelView(view))
        return f > 0 ? 1 : 0;
    return f;
}
