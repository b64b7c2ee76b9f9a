#include "Rectification.h"

#include "RadixData.h"

RectificationResult rankBirthTimes(const RadixData&, const std::vector<MarkedEvent>&, const RectificationQuery&,
                                   const TOptions&, const RectificationProgress&) {
    return {};
}

RadixData chartAtBirthMoment(const RadixData& natal, double, const TOptions&) {
    return natal;
}
