#include "SecondaryDirections.h"

#include "Angles.h"
#include "DirectionArcKey.h"
#include "Progression.h"
#include "RadixData.h"

namespace {
// An aspect exact this close to birth is one of the natal chart itself, such as a body at its
// own place or the South node opposite the North node.
constexpr double BirthInstantDays = 1e-3;
}  // namespace

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

MovingPoint progressedBodyMover(int body, double birthUT, const TOptions& options) {
    return [base = chartBodyMover(body, options), birthUT](double jdUT, double& lon, double& speed) {
        if (!base(progressedMoment(birthUT, jdUT, ProgressionKind::Secondary), lon, speed))
            return false;
        speed /= TropicalYearDays;
        return true;
    };
}

SecondaryResult computeSecondaryDirections(const RadixData& natal, const SecondaryQuery& q, const TOptions& options,
                                           const TransitProgress& progress) {
    SecondaryResult out;
    if (!natal.computed || q.toAge < q.fromAge)
        return out;

    std::vector<TransitMover> movers;
    for (int b = 0; b < BodyCount; ++b) {
        if (!q.promissors[std::size_t(b)])
            continue;
        // A day of the body's stations lasts a year of life.
        movers.push_back({b, progressedBodyMover(b, natal.jdUT, options),
                          stationScanStep(b, options) * TropicalYearDays});
    }
    TransitQuery tq;
    tq.fromUT = momentOfAge(natal.jdUT, q.fromAge);
    tq.toUT = momentOfAge(natal.jdUT, q.toAge);
    tq.natal = q.significators;
    tq.aspects = q.aspects;
    const TransitResult found = searchTransits(movers, natalPointsOf(natal), tq, options, progress);
    out.status = found.status;
    out.body = found.body;

    for (const TransitEvent& e : found.events) {
        if (!e.exactReached)
            continue;  // a progressed station short of the aspect is no direction
        if (e.exactUT - natal.jdUT < BirthInstantDays)
            continue;  // exact at birth: an aspect of the natal chart (a body to its own place)
        SecondaryDirection d;
        d.promissor = e.transiting;
        d.significator = e.natal;
        d.aspect = e.aspect;
        d.jdUT = e.exactUT;
        d.age = ageAtMoment(natal.jdUT, e.exactUT);
        d.progressedUT = progressedMoment(natal.jdUT, e.exactUT, ProgressionKind::Secondary);
        d.motion = e.motion;
        d.longitude = e.longitude;
        const double natalLon = natal.available(e.transiting) ? natal.lon[std::size_t(e.transiting)] * RadToDeg : 0;
        double arc = normalizeDegrees(e.longitude - natalLon);
        if (arc > 180.0)
            arc -= 360.0;
        d.arc = arc;
        out.directions.push_back(d);
    }
    return out;
}
