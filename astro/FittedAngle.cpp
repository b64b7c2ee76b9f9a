#include "FittedAngle.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Angles.h"
#include "ChartIndex.h"
#include "Ephemeris.h"
#include "Options.h"

namespace {

constexpr double HalfCircle = 180.0;
constexpr double Pi = 3.14159265358979323846;
// A piece that still disagrees after being halved this often is left to direct library calls.
constexpr int MaxHalvings = 5;
// Where the angle moves, a piece may stray by what it moves in this time (days, about four
// seconds): a root settled from there on the library still takes a single call.
constexpr double CheckDays = 5e-5;

// The fit of a chart body only tells where its crossings and stations lie (each moment is then
// settled on the library), so it may stray by a few thousandths of an arc second, and it leaves
// out the bending of light by the Sun, which changes too sharply for a series when a planet
// passes behind it. Lengths and
// degrees were chosen by the check against the library over two centuries; a piece that needs
// more is halved.
// The bound on the error of a fit's rate is ten times the largest the tests found.
constexpr FitSettings SunFit{192.0, 22, 0, 1.5e-3};
constexpr FitSettings MoonFit{16.0, 18, 0, 5e-4};
constexpr FitSettings MercuryFit{64.0, 22, 0, 1.5e-2};
constexpr FitSettings InnerFit{128.0, 22, 0, 3e-3};   // Venus, Mars, and the bodies past Pluto
constexpr FitSettings OuterFit{128.0, 18, 0, 2e-4};   // Jupiter .. Pluto
constexpr FitSettings TrueNodeFit{4.0, 10, 0, 8e-2};  // turns within days
constexpr double BodyTolerance = 1e-6;  // degrees, 0.0036"
// The nutation is added to the library's longitude of every settled moment, so its fit must be
// far closer: Pluto moves 0.00017" a second. Its shortest terms that still count last under six
// days.
constexpr double NutationPiece = 64.0;
constexpr int NutationDegree = 44;
constexpr double NutationTolerance = 3e-9;  // degrees, 0.00001"

// Chebyshev series: the value at x in [-1, 1] by Clenshaw's recurrence.
double chebyshev(const std::vector<double>& c, double x) {
    double b1 = 0, b2 = 0;
    for (std::size_t k = c.size() - 1; k >= 1; --k) {
        const double b0 = (c[k] - b2) + 2 * x * b1;
        b2 = b1;
        b1 = b0;
    }
    return c[0] + x * b1 - b2;
}

// Two series of the same length at once: each recurrence waits on its own previous step, so
// running them side by side costs little more than one.
void chebyshevPair(const std::vector<double>& c, const std::vector<double>& d, double x, double& vc, double& vd) {
    const double x2 = 2 * x;
    double b1 = 0, b2 = 0, e1 = 0, e2 = 0;
    for (std::size_t k = c.size() - 1; k >= 1; --k) {
        // The terms that do not wait on the last step first: the chain through it is then a
        // multiplication and an addition.
        const double b0 = (c[k] - b2) + x2 * b1;
        const double e0 = (d[k] - e2) + x2 * e1;
        b2 = b1;
        b1 = b0;
        e2 = e1;
        e1 = e0;
    }
    vc = c[0] + x * b1 - b2;
    vd = d[0] + x * e1 - e2;
}

// The series of the derivative (per unit of x).
std::vector<double> derivative(const std::vector<double>& c) {
    const std::size_t n = c.size() - 1;
    std::vector<double> d(n + 2, 0.0);
    for (std::size_t k = n; k >= 1; --k)
        d[k - 1] = d[k + 1] + 2.0 * double(k) * c[k];
    d[0] *= 0.5;
    d.resize(std::max<std::size_t>(n, 1));
    return d;
}

}  // namespace

FittedAngle::FittedAngle(AngleSample sample, FitSettings settings)
    : m_sample(std::move(sample)), m_settings(settings) {}

bool FittedAngle::sample(double t, double& v) {
    ++m_samples;
    return m_sample(t, v);
}

// The moments a piece is fitted at: the Chebyshev extrema (both ends included) in time order,
// then two checks halfway between the two outermost nodes at either end, where such a series
// strays furthest.
std::vector<double> FittedAngle::sampleTimes(double from, double to) const {
    const int n = m_settings.degree;
    const double mid = 0.5 * (from + to), half = 0.5 * (to - from);
    std::vector<double> t;
    for (int i = 0; i <= n; ++i)
        t.push_back(mid - half * std::cos(Pi * i / n));
    t.push_back(mid - half * std::cos(0.5 * Pi / n));
    t.push_back(mid + half * std::cos(0.5 * Pi / n));
    return t;
}

bool FittedAngle::fit(double from, double to, int depth, std::vector<Series>& out) {
    std::vector<double> values;
    for (const double t : sampleTimes(from, to)) {
        double v = 0;
        if (!sample(t, v))
            return false;
        values.push_back(v);
    }
    return fitValues(from, to, depth, values, out);
}

// Interpolates the values at the nodes, then checks the series against the two further values;
// a piece that strays is halved.
bool FittedAngle::fitValues(double from, double to, int depth, std::vector<double> values, std::vector<Series>& out) {
    const int n = m_settings.degree;
    const double mid = 0.5 * (from + to), half = 0.5 * (to - from);
    // Each value continued from the one before across 0/360.
    for (int i = 1; i <= n; ++i)
        values[std::size_t(i)] = values[std::size_t(i - 1)] + signedDegrees(values[std::size_t(i)] - values[std::size_t(i - 1)]);
    // Node j = n - i lies at cos(pi j / n).
    Series s;
    s.from = from;
    s.to = to;
    s.value.assign(std::size_t(n) + 1, 0.0);
    // cos(pi j k / n) repeats with j k modulo 2n.
    std::vector<double> cosine(2 * std::size_t(n));
    for (int m = 0; m < 2 * n; ++m)
        cosine[std::size_t(m)] = std::cos(Pi * m / n);
    for (int k = 0; k <= n; ++k) {
        double sum = 0;
        for (int j = 0; j <= n; ++j) {
            const double w = (j == 0 || j == n) ? 0.5 : 1.0;
            sum += w * values[std::size_t(n - j)] * cosine[std::size_t((j * k) % (2 * n))];
        }
        s.value[std::size_t(k)] = 2.0 / n * sum * ((k == 0 || k == n) ? 0.5 : 1.0);
    }
    s.rate = derivative(s.value);
    for (double& c : s.rate)
        c /= half;
    s.change = derivative(s.rate);
    for (double& c : s.change)
        c /= half;
    // The same length as the values, evaluated together.
    s.rate.resize(s.value.size(), 0.0);
    s.change.resize(s.value.size(), 0.0);
    // Where the angle barely moves (near a station) the fixed tolerance holds.
    for (int c = 0; c < 2; ++c) {
        const double xCheck = (c == 0 ? -1 : 1) * std::cos(0.5 * Pi / n);
        const double check = values[std::size_t(n + 1 + c)];
        const double allowed = std::max(m_settings.tolerance, std::fabs(chebyshev(s.rate, xCheck)) * CheckDays);
        const double off = std::fabs(signedDegrees(check - chebyshev(s.value, xCheck)));
        if (off > allowed) {
            if (depth >= MaxHalvings)
                return false;
            return fit(from, mid, depth + 1, out) && fit(mid, to, depth + 1, out);
        }
    }
    out.push_back(std::move(s));
    return true;
}

void FittedAngle::store(long index, bool usable, std::vector<Series> series) {
    Piece p;
    p.usable = usable;
    if (usable)
        p.series = std::move(series);
    m_pieces[index] = std::move(p);
    m_last = nullptr;
    m_lastAt = std::numeric_limits<double>::quiet_NaN();
}

void prefitAngles(const std::vector<FittedAngle*>& fits, double from, double to) {
    struct Pending {
        FittedAngle* fit;
        long index;
        std::size_t slot;
        double t;
    };
    std::vector<Pending> pending;
    std::vector<std::vector<std::vector<double>>> values(fits.size());
    std::vector<long> firstIndex(fits.size());
    for (std::size_t f = 0; f < fits.size(); ++f) {
        const double w = fits[f]->m_settings.pieceDays;
        const long first = long(std::floor(from / w)), last = long(std::floor(to / w));
        firstIndex[f] = first;
        for (long i = first; i <= last; ++i) {
            // Pieces an earlier search built stay.
            if (fits[f]->m_pieces.count(i)) {
                values[f].emplace_back();
                continue;
            }
            const std::vector<double> times = fits[f]->sampleTimes(double(i) * w, double(i + 1) * w);
            values[f].emplace_back(times.size(), 0.0);
            for (std::size_t k = 0; k < times.size(); ++k)
                pending.push_back(Pending{fits[f], i, k, times[k]});
        }
    }
    // All the library values in time order, whatever they are of.
    std::sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) { return a.t < b.t; });
    std::vector<std::vector<bool>> failed(fits.size());
    for (std::size_t f = 0; f < fits.size(); ++f)
        failed[f].assign(values[f].size(), false);
    for (const Pending& p : pending) {
        const std::size_t f = std::size_t(std::find(fits.begin(), fits.end(), p.fit) - fits.begin());
        const std::size_t piece = std::size_t(p.index - firstIndex[f]);
        double v = 0;
        if (!failed[f][piece] && p.fit->sample(p.t, v))
            values[f][piece][p.slot] = v;
        else
            failed[f][piece] = true;
    }
    for (std::size_t f = 0; f < fits.size(); ++f) {
        const double w = fits[f]->m_settings.pieceDays;
        for (std::size_t piece = 0; piece < values[f].size(); ++piece) {
            const long index = firstIndex[f] + long(piece);
            if (values[f][piece].empty())
                continue;
            std::vector<FittedAngle::Series> series;
            const bool usable = !failed[f][piece] &&
                                fits[f]->fitValues(double(index) * w, double(index + 1) * w, 0, values[f][piece], series);
            fits[f]->store(index, usable, std::move(series));
        }
    }
}

const FittedAngle::Piece& FittedAngle::piece(long index) {
    if (m_last && index == m_lastIndex)
        return *m_last;
    auto it = m_pieces.find(index);
    if (it == m_pieces.end()) {
        std::vector<Series> series;
        const double from = double(index) * m_settings.pieceDays;
        const bool usable = fit(from, from + m_settings.pieceDays, 0, series);
        store(index, usable, std::move(series));
        it = m_pieces.find(index);
    }
    m_lastIndex = index;
    m_last = &it->second;
    return *m_last;
}

const FittedAngle::Series* FittedAngle::seriesAt(double jdUT, double& x) {
    const Piece& p = piece(long(std::floor(jdUT / m_settings.pieceDays)));
    if (!p.usable)
        return nullptr;
    for (const Series& s : p.series) {
        if (jdUT > s.to && &s != &p.series.back())
            continue;
        const double half = 0.5 * (s.to - s.from);
        x = std::clamp((jdUT - s.from) / half - 1.0, -1.0, 1.0);
        return &s;
    }
    return nullptr;
}

bool FittedAngle::evaluate(double jdUT, bool withChange) {
    if (jdUT != m_lastAt) {
        double x = 0;
        const Series* s = seriesAt(jdUT, x);
        if (!s)
            return false;
        chebyshevPair(s->value, s->rate, x, m_lastValue, m_lastSlope.speed);
        m_lastSlope.error = m_settings.rateError;
        m_lastAt = jdUT;
        m_lastX = x;
        m_lastSeries = s;
        m_lastHasChange = false;
    }
    if (withChange && !m_lastHasChange) {
        m_lastSlope.change = chebyshev(m_lastSeries->change, m_lastX);
        m_lastHasChange = true;
    }
    return true;
}

bool FittedAngle::at(double jdUT, double& value, double& rate) {
    if (!evaluate(jdUT, false))
        return false;
    value = m_lastValue;
    rate = m_lastSlope.speed;
    return true;
}

bool FittedAngle::at(double jdUT, double& value, Slope& slope) {
    if (!evaluate(jdUT, true))
        return false;
    value = m_lastValue;
    slope = m_lastSlope;
    return true;
}

AngleSample chartBodyLongitudeWithoutNutation(int index, const TOptions& options, bool bendLight) {
    const bool south = index == BodySouthNode;
    const int body = ephemerisBodyOf(south ? int(BodyNorthNode) : index, options.nodetype);
    return [body, south, bendLight](double jdUT, double& lon) {
        const EphemerisBody b = ephemerisBodyMeanEquinox(jdUT + ephemerisDeltaT(jdUT), body, bendLight);
        if (!isAvailable(b.status))
            return false;
        lon = south ? normalizeDegrees(b.x[0] + HalfCircle) : b.x[0];
        return true;
    };
}

AngleSample nutationInLongitude() {
    return [](double jdUT, double& degrees) {
        degrees = ephemerisNutation(jdUT + ephemerisDeltaT(jdUT)).nutationLongitude;
        return true;
    };
}

FitSettings fitSettingsOf(int index, const TOptions& options) {
    FitSettings f = InnerFit;
    if (index == BodySun)
        f = SunFit;
    else if (index == BodyMoon)
        f = MoonFit;
    else if (index == BodyMercury)
        f = MercuryFit;
    else if (index >= BodyMercury + 3 && index <= BodyPluto)
        f = OuterFit;
    else if ((index == BodyNorthNode || index == BodySouthNode) && options.nodetype == 1)
        f = TrueNodeFit;
    f.tolerance = BodyTolerance;
    return f;
}

FitSettings nutationFitSettings() {
    return {NutationPiece, NutationDegree, NutationTolerance, 0};  // added as it is: its rate is exact
}

std::shared_ptr<FittedAngle> fittedNutation() {
    return std::make_shared<FittedAngle>(nutationInLongitude(), nutationFitSettings());
}

MovingPoint chartBodyMoverWithoutNutation(int index, const TOptions& options) {
    const bool south = index == BodySouthNode;
    const int body = ephemerisBodyOf(south ? int(BodyNorthNode) : index, options.nodetype);
    return [body, south](double jdUT, double& lon, double& speed) {
        const EphemerisBody b = ephemerisBodyMeanEquinox(jdUT + ephemerisDeltaT(jdUT), body, true, true);
        if (!isAvailable(b.status))
            return false;
        lon = south ? normalizeDegrees(b.x[0] + HalfCircle) : b.x[0];
        speed = b.x[3];
        return true;
    };
}

namespace {

// How fast the Sun's bending of a body's light may change (degrees per day) at an elongation of
// `elongation` degrees: the bending is about 0.0041" / tan(E / 2), and its change that times the
// change of E over sin E, with E moving at most 16 degrees a day (the Moon's pace: far above any
// planet's). Checked against the library with a margin of ten and more. Close to the Sun, where
// the library spreads the bending over the disc, it changes faster than any bound worth
// using: there no single step is trusted.
constexpr double BendingScale = 1.6e-7;  // degrees per day
constexpr double NearSunDegrees = 2.0;
double bendingRateBound(double elongation) {
    if (elongation < NearSunDegrees)
        return std::numeric_limits<double>::infinity();
    const double s = std::sin(elongation * Pi / 360.0);
    return BendingScale / (s * s);
}

}  // namespace

FittedMover fittedMover(const MoverSources& sources, const std::shared_ptr<FittedAngle>& fit,
                        const std::shared_ptr<FittedAngle>& nutation, const std::shared_ptr<FittedAngle>& sun) {
    FittedMover m;
    m.fit = fit;
    const MovingPoint direct = sources.direct;
    m.walk = [fit, nutation, direct](double jdUT, double& lon, double& speed) {
        double a = 0, ra = 0, n = 0, rn = 0;
        if (fit->at(jdUT, a, ra) && nutation->at(jdUT, n, rn)) {
            lon = normalizeDegrees(a + n);
            speed = ra + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    const AngleSample settled = sources.settled;
    m.settleValue = [nutation, settled, direct](double jdUT, double& lon) {
        double n = 0, rn = 0, mean = 0;
        if (nutation->at(jdUT, n, rn) && settled(jdUT, mean)) {
            lon = normalizeDegrees(mean + n);
            return true;
        }
        double speed = 0;
        return direct(jdUT, lon, speed);
    };
    // The fitted nutation's own rate is exactly that of what is added to the library's
    // longitude; the body's fitted rate may be off by the fit's error and the bending left out.
    m.settleSlope = [fit, nutation, sun](double jdUT, Slope& slope) {
        double a = 0, n = 0;
        Slope nutationSlope;
        if (!fit->at(jdUT, a, slope) || !nutation->at(jdUT, n, nutationSlope))
            return false;
        slope.speed += nutationSlope.speed;
        slope.change += nutationSlope.change;
        if (sun) {
            double ls = 0, rs = 0;
            if (!sun->at(jdUT, ls, rs))
                return false;
            slope.error += bendingRateBound(std::fabs(signedDegrees(a - ls)));
        }
        return true;
    };
    const MovingPoint withSpeed = sources.settledWithSpeed;
    m.exact = [nutation, direct, withSpeed](double jdUT, double& lon, double& speed) {
        double n = 0, rn = 0, mean = 0, meanSpeed = 0;
        if (nutation->at(jdUT, n, rn) && withSpeed(jdUT, mean, meanSpeed)) {
            lon = normalizeDegrees(mean + n);
            speed = meanSpeed + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    m.station = direct;
    return m;
}

bool lightBends(int index) {
    return index != BodySun && index != BodyMoon && index != BodyNorthNode && index != BodySouthNode &&
           index != BodyLilith;
}

MoverSources chartBodySources(int index, const TOptions& options) {
    return MoverSources{chartBodyLongitudeWithoutNutation(index, options, false),
                        chartBodyLongitudeWithoutNutation(index, options, true),
                        chartBodyMoverWithoutNutation(index, options), chartBodyMover(index, options)};
}

std::shared_ptr<FittedAngle> fittedSun(const TOptions& options) {
    return std::make_shared<FittedAngle>(chartBodyLongitudeWithoutNutation(BodySun, options, false),
                                         fitSettingsOf(BodySun, options));
}

FittedMover fittedChartBodyMover(int index, const TOptions& options, const std::shared_ptr<FittedAngle>& nutation,
                                 const std::shared_ptr<FittedAngle>& sun) {
    const MoverSources sources = chartBodySources(index, options);
    const auto fit = index == BodySun ? sun : std::make_shared<FittedAngle>(sources.smooth, fitSettingsOf(index, options));
    return fittedMover(sources, fit, nutation, lightBends(index) ? sun : nullptr);
}
