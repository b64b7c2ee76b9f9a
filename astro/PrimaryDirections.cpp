#include "PrimaryDirections.h"

DirectionMethod directionMethodOf(std::uint8_t type) {
    return type < DirectionMethodCount ? DirectionMethod(type) : DirectionMethod::MundaneSemiArc;
}

int chartPointOfPrimaryPromissor(int promissor) {
    return promissor == PrimaryPromissorFortune ? int(PointFortune) : promissor;
}

PrimaryQuery primaryQueryFromSelection(const TDirectionFilter& selection, DirectionMethod method,
                                       const DirectionKey& key, double fromAge, double toAge) {
    PrimaryQuery q;
    for (int i = 0; i < PrimaryPromissorCount; ++i)
        q.promissors[std::size_t(i)] = selection.promissors[std::size_t(i)];
    for (int m = 0; m < SignificatorMarkCount; ++m)
        if (selection.significators[std::size_t(m)])
            q.significators[std::size_t(natalPointOfMark(m))] = true;
    q.aspects = selection.aspects;
    q.method = method;
    q.key = key;
    q.fromAge = fromAge;
    q.toAge = toAge;
    return q;
}

PrimaryResult computePrimaryDirections(const RadixData& natal, const PrimaryQuery& query, const TOptions& options) {
    return computePrimaryDirections(natal, query, makeArcKey(natal, query.key, options, query.toAge));
}

PrimaryResult computePrimaryDirections(const RadixData&, const PrimaryQuery&, const ArcKey&) {
    return {};
}

bool mundanePosition(double, double, double, double, double&) {
    return false;
}
