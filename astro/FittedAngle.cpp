#include "FittedAngle.h"

#include <algorithm>
#include <cmath>

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
constexpr FitSettings SunFit{192.0, 22, 0};
constexpr FitSettings MoonFit{16.0, 18, 0};
constexpr FitSettings MercuryFit{64.0, 22, 0};
constexpr FitSettings InnerFit{128.0, 22, 0};   // Venus, Mars, and the bodies past Pluto
constexpr FitSettings OuterFit{128.0, 18, 0};   // Jupiter .. Pluto
constexpr FitSettings TrueNodeFit{4.0, 10, 0};  // turns within days
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
        const double b0 = c[k] + 2 * x * b1 - b2;
        b2 = b1;
        b1 = b0;
    }
    return c[0] + x * b1 - b2;
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
    // Where the angle barely moves (near a station) the fixed tolerance holds.
    for (int c = 0; c < 2; ++c) {
        const double xCheck = (c == 0 ? -1 : 1) * std::cos(0.5 * Pi / n);
        const double check = values[std::size_t(n + 1 + c)];
        const double allowed = std::max(m_settings.tolerance, std::fabs(chebyshev(s.rate, xCheck)) * CheckDays);
        if (std::fabs(signedDegrees(check - chebyshev(s.value, xCheck))) > allowed) {
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

bool FittedAngle::at(double jdUT, double& value, double& rate) {
    const Piece& p = piece(long(std::floor(jdUT / m_settings.pieceDays)));
    if (!p.usable)
        return false;
    for (const Series& s : p.series) {
        if (jdUT > s.to && &s != &p.series.back())
            continue;
        const double half = 0.5 * (s.to - s.from);
        const double x = std::clamp((jdUT - s.from) / half - 1.0, -1.0, 1.0);
        value = chebyshev(s.value, x);
        rate = chebyshev(s.rate, x);
        return true;
    }
    return false;
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
    return {NutationPiece, NutationDegree, NutationTolerance};
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

FittedMover fittedMover(const AngleSample& smooth, FitSettings settings, const MovingPoint& withoutNutation,
                        const std::shared_ptr<FittedAngle>& nutation, const MovingPoint& direct) {
    auto body = std::make_shared<FittedAngle>(smooth, settings);
    FittedMover m;
    m.fit = body;
    m.walk = [body, nutation, direct](double jdUT, double& lon, double& speed) {
        double a = 0, ra = 0, n = 0, rn = 0;
        if (body->at(jdUT, a, ra) && nutation->at(jdUT, n, rn)) {
            lon = normalizeDegrees(a + n);
            speed = ra + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    m.exact = [nutation, direct, withoutNutation](double jdUT, double& lon, double& speed) {
        double n = 0, rn = 0, mean = 0, meanSpeed = 0;
        if (nutation->at(jdUT, n, rn) && withoutNutation(jdUT, mean, meanSpeed)) {
            lon = normalizeDegrees(mean + n);
            speed = meanSpeed + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    m.station = direct;
    return m;
}

FittedMover fittedChartBodyMover(int index, const TOptions& options, const std::shared_ptr<FittedAngle>& nutation) {
    return fittedMover(chartBodyLongitudeWithoutNutation(index, options, false), fitSettingsOf(index, options),
                       chartBodyMoverWithoutNutation(index, options), nutation, chartBodyMover(index, options));
}
