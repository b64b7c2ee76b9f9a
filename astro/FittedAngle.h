#pragma once
// An angle of the ephemeris over a long stretch of time, fitted piecewise by Chebyshev series
// to the library's own values. A search that asks for a body's longitude hundreds of thousands
// of times (every transit of a century) then pays for a dozen library calls per piece of a
// month instead of one call per question. Each piece is checked against one more library
// value between its nodes and halved until the fit agrees to far below what a second of the
// slowest planet's motion makes, so roots found on the fit are the ephemeris' own to the second.
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "LongitudeCrossings.h"

struct TOptions;

// The value of a smooth angle (degrees) at a UT moment; false where it cannot be computed.
using AngleSample = std::function<bool(double jdUT, double& degrees)>;

struct FitSettings {
    double pieceDays;  // length of a piece before halving
    int degree;        // of the Chebyshev series of a piece
    double tolerance;  // degrees: the largest disagreement with the library a piece may show
};

class FittedAngle {
public:
    FittedAngle(AngleSample sample, FitSettings settings);

    // The angle (degrees, continuous within a piece, not reduced to a circle) and its rate in
    // degrees per day at `jdUT`; false where the piece holding it cannot be built because the
    // library cannot compute some of its nodes.
    bool at(double jdUT, double& value, double& rate);

    // Library values taken so far (the fit's cost).
    long samplesTaken() const { return m_samples; }

private:
    struct Series {
        double from = 0, to = 0;
        std::vector<double> value, rate;  // Chebyshev coefficients of the angle and its rate
    };
    struct Piece {
        bool usable = false;
        std::vector<Series> series;  // in time order, covering the piece
    };
    const Piece& piece(long index);
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
// stations lie; `exact` takes the longitude and speed from the library (on the mean equinox, the
// cheaper call) and only the nutation from its fit, so that a root settled on it is the
// ephemeris' own in one or two calls; `station` asks the library for all of it: a station is a
// root of the speed, which the fitted nutation's rate would move by a second or so. Moments
// outside what the fits cover are asked of the library directly.
struct FittedMover {
    MovingPoint walk;
    MovingPoint exact;
    MovingPoint station;  // the library's own apparent longitude and speed (for settling stations)
    std::shared_ptr<FittedAngle> fit;  // of the longitude, for prefitAngles
};
std::shared_ptr<FittedAngle> fittedNutation();
FittedMover fittedChartBodyMover(int index, const TOptions& options, const std::shared_ptr<FittedAngle>& nutation);

// The same built on given samples (the benchmark counts and replays the library calls): the
// fit is made of `smooth`, the moments are settled on `withoutNutation`.
FittedMover fittedMover(const AngleSample& smooth, FitSettings settings, const MovingPoint& withoutNutation,
                        const std::shared_ptr<FittedAngle>& nutation, const MovingPoint& direct);
// A chart body's longitude on the mean equinox of date without the Sun's bending of light (the
// fit's samples), and with it and its speed (for settling moments).
AngleSample chartBodyLongitudeWithoutNutation(int index, const TOptions& options, bool bendLight);
MovingPoint chartBodyMoverWithoutNutation(int index, const TOptions& options);
AngleSample nutationInLongitude();
FitSettings fitSettingsOf(int index, const TOptions& options);
FitSettings nutationFitSettings();
