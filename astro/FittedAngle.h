#pragma once
// An angle of the ephemeris over a long stretch of time, fitted piecewise by Chebyshev series
// to the library's own values. A search that asks for a body's longitude hundreds of thousands
// of times (every transit of a century) then pays for a dozen library calls per piece of a
// month instead of one call per question. Each piece is checked against one more library
// value between its nodes and halved until the fit agrees to far below what a second of the
// slowest planet's motion makes, so roots found on the fit are the ephemeris' own to the second.
#include <functional>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

#include "LongitudeCrossings.h"

struct TOptions;

struct FitSettings {
    double pieceDays;  // length of a piece before halving
    int degree;        // of the Chebyshev series of a piece
    double tolerance;  // degrees: the largest disagreement with the library a piece may show
    double rateError;  // degrees per day: the largest disagreement of its rate with the library's
};

class FittedAngle {
public:
    FittedAngle(AngleSample sample, FitSettings settings);

    // The angle (degrees, continuous within a piece, not reduced to a circle) and its rate in
    // degrees per day at `jdUT`; false where the piece holding it cannot be built because the
    // library cannot compute some of its nodes.
    bool at(double jdUT, double& value, double& rate);
    // The same with the bound of the settings on how far the rate may be from the true rate of
    // the angle the fit was made of, and the rate's change per day.
    bool at(double jdUT, double& value, Slope& slope);

    // Library values taken so far (the fit's cost).
    long samplesTaken() const { return m_samples; }

private:
    struct Series {
        double from = 0, to = 0;
        // Chebyshev coefficients of the angle, its rate and the rate's change, of equal length
        std::vector<double> value, rate, change;
    };
    struct Piece {
        bool usable = false;
        std::vector<Series> series;  // in time order, covering the piece
    };
    const Piece& piece(long index);
    // The series that holds the moment and the moment on its scale of -1 .. 1; null where none could be made.
    const Series* seriesAt(double jdUT, double& x);
    std::vector<double> sampleTimes(double from, double to) const;
    bool fit(double from, double to, int depth, std::vector<Series>& out);
    bool fitValues(double from, double to, int depth, std::vector<double> values, std::vector<Series>& out);
    void store(long index, bool usable, std::vector<Series> series);
    bool sample(double t, double& v);
    friend void prefitAngles(const std::vector<FittedAngle*>& fits, double from, double to);

    AngleSample m_sample;
    FitSettings m_settings;
    std::unordered_map<long, Piece> m_pieces;
    long m_lastIndex = 0;
    const Piece* m_last = nullptr;
    long m_samples = 0;
    // The last moment asked with its answer: the walk and the settling ask the shared nutation
    // again and again at the moment they stand on.
    double m_lastAt = std::numeric_limits<double>::quiet_NaN();
    double m_lastValue = 0, m_lastX = 0;
    const Series* m_lastSeries = nullptr;
    Slope m_lastSlope;
    bool m_lastHasChange = false;
    bool evaluate(double jdUT, bool withChange);
};

// Fits every piece of the angles that [from, to] touches at once, asking the library for all
// their values in time order: the library keeps the stretch of its files it read last (of the
// Moon and the Earth, which every position needs), so values of several bodies taken close
// together in time cost far less than the same values taken body by body.
void prefitAngles(const std::vector<FittedAngle*>& fits, double from, double to);

// A chart body's apparent longitude as chartBodyMover computes it, from a fit of its longitude
// on the mean equinox of date (light bending left out) plus a fit of the nutation in longitude
// (which is the whole difference, and the same for every body, so one nutation fit serves all
// the movers of a search). `walk` answers from the fits alone, to find where crossings and
// stations lie. Moments found on it are settled on `settleValue`: the library's longitude on the
// mean equinox (the cheapest call that bends the light as the chart does) plus the fitted
// nutation, whose slope `settleSlope` takes from the fits with a bound on how far that may be
// off, so that a Newton step from a moment found on the fit usually settles it in one call.
// `exact` is the same longitude with the library's speed (for searches the fits do not cover);
// `station` asks the library for all of it: a station is a root of the speed, which the fitted
// nutation's rate would move by a second or so. Moments outside what the fits cover are asked of
// the library directly.
struct FittedMover {
    MovingPoint walk;
    AngleSample settleValue;
    SlopeSample settleSlope;
    MovingPoint exact;
    MovingPoint station;  // the library's own apparent longitude and speed (for settling stations)
    std::shared_ptr<FittedAngle> fit;  // of the longitude, for prefitAngles
};
std::shared_ptr<FittedAngle> fittedNutation();
// The fit of the Sun's longitude, which also tells how close to the Sun a body stands (its light
// bends faster there).
std::shared_ptr<FittedAngle> fittedSun(const TOptions& options);
FittedMover fittedChartBodyMover(int index, const TOptions& options, const std::shared_ptr<FittedAngle>& nutation,
                                 const std::shared_ptr<FittedAngle>& sun);

// What a fitted mover asks the library (the benchmark counts and replays these calls): the
// fit's samples, the longitude moments are settled on, without and with its speed, and the
// apparent longitude and speed.
struct MoverSources {
    AngleSample smooth;
    AngleSample settled;
    MovingPoint settledWithSpeed;
    MovingPoint direct;
};
// The mover on given sources and fits; `sun` is null for a point whose light does not bend.
FittedMover fittedMover(const MoverSources& sources, const std::shared_ptr<FittedAngle>& fit,
                        const std::shared_ptr<FittedAngle>& nutation, const std::shared_ptr<FittedAngle>& sun);
MoverSources chartBodySources(int index, const TOptions& options);
// Whether the Sun bends the light of chart body `index` (not of itself, the Moon or the
// computed points).
bool lightBends(int index);
// A chart body's longitude on the mean equinox of date, with or without the Sun's bending of
// light (the fit's samples are taken without it).
AngleSample chartBodyLongitudeWithoutNutation(int index, const TOptions& options, bool bendLight);
MovingPoint chartBodyMoverWithoutNutation(int index, const TOptions& options);
AngleSample nutationInLongitude();
FitSettings fitSettingsOf(int index, const TOptions& options);
FitSettings nutationFitSettings();
