#include "SecondaryDirections.h"

SecondaryQuery secondaryQueryFromSelection(const TDirectionFilter& selection, double fromAge, double toAge) {
    SecondaryQuery q;
    for (int m = 0; m < PromissorMarkCount; ++m) {
        const int body = bodyOfPromissorMark(m);
        if (body >= 0 && selection.promissors[std::size_t(m)])
            q.promissors[std::size_t(body)] = true;
    }
    for (int m = 0; m < SignificatorMarkCount; ++m)
        if (selection.significators[std::size_t(m)])
            q.significators[std::size_t(natalPointOfMark(m))] = true;
    q.aspects = selection.aspects;
    q.fromAge = fromAge;
    q.toAge = toAge;
    return q;
}

MovingPoint progressedBodyMover(int, double, const TOptions&) {
    return {};
}

SecondaryResult computeSecondaryDirections(const RadixData&, const SecondaryQuery&, const TOptions&,
                                           const TransitProgress&) {
    return {};
}
