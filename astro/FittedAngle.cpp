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

// Interpolates at the Chebyshev extrema (both ends included), then checks the series against the
// library near an end of the piece, where such a series strays furthest.
bool FittedAngle::fit(double from, double to, int depth, std::vector<Series>& out) {
    const int n = m_settings.degree;
    const double mid = 0.5 * (from + to), half = 0.5 * (to - from);
    std::vector<double> f(std::size_t(n) + 1);
    // In time order (x from -1 to 1), each value continued from the one before across 0/360.
    double previous = 0;
    for (int i = 0; i <= n; ++i) {
        const double x = -std::cos(Pi * i / n);
        double v = 0;
        if (!sample(mid + half * x, v))
            return false;
        if (i > 0)
            v = previous + signedDegrees(v - previous);
        f[std::size_t(i)] = previous = v;
    }
    // Node j = n - i lies at cos(pi j / n).
    Series s;
    s.from = from;
    s.to = to;
    s.value.assign(std::size_t(n) + 1, 0.0);
    for (int k = 0; k <= n; ++k) {
        double sum = 0;
        for (int j = 0; j <= n; ++j) {
            const double w = (j == 0 || j == n) ? 0.5 : 1.0;
            sum += w * f[std::size_t(n - j)] * std::cos(Pi * j * k / n);
        }
        s.value[std::size_t(k)] = 2.0 / n * sum * ((k == 0 || k == n) ? 0.5 : 1.0);
    }
    // Checked halfway between the two outermost nodes at either end, where such a series strays
    // furthest. Where the angle barely moves (near a station) the fixed tolerance holds.
    s.rate = derivative(s.value);
    for (double& c : s.rate)
        c /= half;
    for (const double xCheck : {-std::cos(0.5 * Pi / n), std::cos(0.5 * Pi / n)}) {
        double check = 0;
        if (!sample(mid + half * xCheck, check))
            return false;
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

const FittedAngle::Piece& FittedAngle::piece(long index) {
    if (m_last && index == m_lastIndex)
        return *m_last;
    auto it = m_pieces.find(index);
    if (it == m_pieces.end()) {
        Piece p;
        const double from = double(index) * m_settings.pieceDays;
        p.usable = fit(from, from + m_settings.pieceDays, 0, p.series);
        if (!p.usable)
            p.series.clear();
        it = m_pieces.emplace(index, std::move(p)).first;
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

FittedMover fittedMover(const AngleSample& smooth, FitSettings settings, const AngleSample& withoutNutation,
                        const std::shared_ptr<FittedAngle>& nutation, const MovingPoint& direct) {
    auto body = std::make_shared<FittedAngle>(smooth, settings);
    FittedMover m;
    m.walk = [body, nutation, direct](double jdUT, double& lon, double& speed) {
        double a = 0, ra = 0, n = 0, rn = 0;
        if (body->at(jdUT, a, ra) && nutation->at(jdUT, n, rn)) {
            lon = normalizeDegrees(a + n);
            speed = ra + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    m.exact = [body, nutation, direct, withoutNutation](double jdUT, double& lon, double& speed) {
        double a = 0, ra = 0, n = 0, rn = 0, mean = 0;
        if (body->at(jdUT, a, ra) && nutation->at(jdUT, n, rn) && withoutNutation(jdUT, mean)) {
            lon = normalizeDegrees(mean + n);
            speed = ra + rn;
            return true;
        }
        return direct(jdUT, lon, speed);
    };
    return m;
}

FittedMover fittedChartBodyMover(int index, const TOptions& options, const std::shared_ptr<FittedAngle>& nutation) {
    return fittedMover(chartBodyLongitudeWithoutNutation(index, options, false), fitSettingsOf(index, options),
                       chartBodyLongitudeWithoutNutation(index, options, true), nutation, chartBodyMover(index, options));
}
