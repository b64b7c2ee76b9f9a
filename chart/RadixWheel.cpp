#include "RadixWheel.h"

#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "ChartColours.h"
#include "ChartFonts.h"
#include "DrawPrimitives.h"
#include "DrawContext.h"
#include "Aspects.h"
#include "GlyphCodes.h"
#include "Houses.h"
#include "QuarterDegrees.h"
#include "SpreadAngles.h"
#include "StartSign.h"

#include "WheelSteps.h"

namespace {

void drawAspects(WheelPass& w) {
    const WheelLayout& L = w.L;
    const int r = L.aspectRadius;
    if (!w.style2)
        strokeCircle(w.p, w.cx, w.cy, r, L.penAspect, w.o.colors.frame);
    std::vector<AspectLineEnds> lines;
    for (int b = 0; b < BodyCount; ++b) {
        if (!w.bodyShown(b) || !w.o.display.planasps[static_cast<std::size_t>(b)])
            continue;
        if (b == BodySouthNode && !w.o.display.oppaspsonchart)
            continue;
        for (int k = 0; k < AspectPointCount; ++k) {
            if (!wheelShowsAspect(w.chart, w.o, b, k))
                continue;
            const int code = w.chart.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
            const WheelPoint p1 = w.at(w.rot + w.lonQ[static_cast<std::size_t>(b)], r);
            const WheelPoint p2 = w.at(w.rot + w.pointQ(k), r);
            w.p.setPen(aspectLinePen(w, code, r));
            drawAspectLine(w, p1, p2);
            lines.push_back({p1, p2, aspectType(static_cast<std::uint8_t>(code))});
        }
    }
    if (w.o.display.aspsymbols)
        drawAspectSymbols(w, lines);
}

void drawProjectedPoints(WheelPass& w) {
    const WheelLayout& L = w.L;
    const std::vector<int> types = projectedAspectTypes(w.o);
    std::vector<int> sources;  // aspect point codes
    if (w.o.display.axises)
        sources.insert(sources.end(), {0, 1});
    for (int b = 0; b <= 9; ++b)
        if (w.bodyShown(b) && w.o.display.planasps[static_cast<std::size_t>(b)])
            sources.push_back(b + 2);
    // The projection list: every type with its positive angle, then 1..17 but the opposition
    // with the negative one.
    std::vector<std::pair<int, int>> projections;  // type, signed angle
    for (int t = 0; t < AspectTypeCount; ++t)
        projections.emplace_back(t, static_cast<int>(aspectAngle(t)));
    for (int t = 1; t < AspectTypeCount; ++t)
        if (t != 10)
            projections.emplace_back(t, -static_cast<int>(aspectAngle(t)));
    struct Projected {
        int source, type, position;
    };
    std::vector<Projected> entries;
    for (int source : sources)
        for (const auto& [t, angle] : projections)
            if (std::find(types.begin(), types.end(), t) != types.end())
                entries.push_back({source, t, normaliseAngle(w.pointQ(source) + 4 * angle)});
    if (entries.empty())
        return;
    const std::size_t n = std::min<std::size_t>(entries.size(), 255);
    std::vector<int> truePos(n), display(n), order(n);
    for (std::size_t i = 0; i < n; ++i)
        truePos[i] = entries[i].position;
    spreadAngles(display, truePos, order, projectedMinSeparation(L));
    const GlyphFonts sourceFonts{chartFont(FontTemplate::Symbol, frac(L.projSourceBase, 1.1)),
                                 chartFont(FontTemplate::Label, frac(L.projSourceBase, 1.1))};
    const QFont aspectFont = chartFont(FontTemplate::Symbol, frac(L.projAspectBase, 1.1));
    const QFont abbrevFont = chartFont(FontTemplate::Small, frac(L.projAspectBase, 1.43));
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_projasp, w.o.colors.background);
    for (std::size_t j = 0; j < n; ++j) {
        const Projected& e = entries[static_cast<std::size_t>(order[j])];
        const int D = w.rot + display[j];
        const WheelPoint src = w.at(D, L.projSourceRadius);
        drawPointGlyph(w.dc, src.x, src.y, e.source, 0, 0, sourceFonts, w.chart.dignityState.data(), nullptr, ColourChart, w.o);
        const ColorRef aspectColour = w.o.colors.aspects[static_cast<std::size_t>(e.type)];
        w.p.setPen(toQColor(adaptChartColour(aspectColour, w.o, w.dc.printing)));
        const WheelPoint g = w.at(D, L.projAspectRadius);
        if (e.type <= 10) {
            w.p.setFont(aspectFont);
            w.text(g.x, g.y, QString(QLatin1Char(aspectGlyph(e.type))));
        } else {
            w.p.setFont(abbrevFont);
            w.text(g.x, g.y, QString::fromLatin1(aspectAbbreviation(e.type)));
        }
        w.p.setPen(plainPen(aspectColour, L.penProjTick));
        const WheelPoint t1 = w.at(w.rot + e.position, L.projTickStart), t2 = w.at(D, L.projTickEnd);
        w.p.drawLine(t1.x, t1.y, t2.x, t2.y);
    }
    w.dc.haloColour = 0;
}

}  // namespace

WheelLayout wheelLayout(int R, bool extended) {
    WheelLayout L;
    L.extended = extended;
    L.radius = R;
    const auto f = [R](double compact, double ext, bool isExt) { return frac(R, isExt ? ext : compact); };
    const bool e = extended;
    L.scaleInner = f(0.87, 0.77, e);
    L.scaleOuter = f(0.9, 0.795, e);
    L.tick1 = f(0.88, 0.779, e);
    L.tick5 = f(0.89, 0.787, e);
    L.tick10 = L.scaleOuter;
    L.signGlyphRadius = frac(R, 0.971);
    L.signGlyphHeight = frac(R, 0.09);
    L.separatingCircle = e ? frac(R, 0.91) : 0;
    L.houseInner = frac(R, 0.15);
    L.houseOuter = frac(R, 0.225);
    L.cuspEnd = f(0.87, 0.77, e);
    L.houseNumberHeight = frac(R, 0.048);
    L.aspectRadius = f(0.69, 0.61, e);
    // The symbol on an aspect line: about the height of a cusp degree label.
    L.aspectSymbolHeight = frac(R, 0.05);
    // The arrowheads stop inside the zodiac ring, short of its sign and ruler glyphs.
    L.axisTip = f(0.92, 0.9, e);
    L.outerLeaderStart = f(0.87, 0.77, e);
    L.outerLeaderEnd = f(0.84, 0.745, e);
    L.bodyGlyphRadius = f(0.785, 0.695, e);
    L.innerLeaderStart = f(0.73, 0.645, e);
    L.innerLeaderEnd = f(0.7, 0.62, e);
    L.bodyGlyphSize = f(0.083, 0.074, e);
    L.bodyLabelRadius = f(0.63, 0.55, e);
    L.bodyLabelHeight = frac(R, 0.054);
    L.cuspLabelRadius = frac(R, 0.35);
    L.cuspLabelHeight = frac(R, 0.045);
    L.axisLabelRadius = frac(R, 0.45);
    L.axisLabelHeight = frac(R, 0.06);
    L.projTickStart = frac(R, 0.795);
    L.projTickEnd = frac(R, 0.82);
    L.projAspectRadius = frac(R, 0.84);
    L.projSourceRadius = frac(R, 0.88);
    L.projAspectBase = frac(R, 0.023);
    L.projSourceBase = frac(R, 0.037);
    L.penScaleCircle = frac(R, 0.004);
    L.penTick = frac(R, 0.005);
    L.penTick10 = frac(R, 0.009);
    L.penZodiac = frac(R, 0.009);
    L.penHouse = frac(R, 0.004);
    L.penAspect = frac(R, 0.003);
    L.penAxis = frac(R, 0.012);
    L.penLeader = frac(R, 0.005);
    L.penProjTick = frac(R, 0.002);
    L.penSeparating = frac(R, 0.004);
    L.penDisc = frac(R, 0.002);
    return L;
}

int wheelRotation(std::uint8_t startsign, int ascendantQ) {
    constexpr int SignQ = FullCircle / SignCount;
    const StartSign s = decodeStartSign(startsign);
    if (s.origin == 0)
        return -ascendantQ;
    int rotation = -(s.origin - 1) * SignQ;
    if (s.centre)
        rotation -= SignQ / 2;
    return rotation;
}

int bodyMinSeparation(const WheelLayout& L) {
    if (L.bodyGlyphRadius <= 0)
        return 1;
    return static_cast<int>(L.bodyGlyphSize * 1.4 / L.bodyGlyphRadius * QuarterDegreesPerRadian);
}

int projectedMinSeparation(const WheelLayout& L) {
    if (L.projSourceRadius <= 0)
        return 1;
    return static_cast<int>(L.projSourceBase * 1.3 / L.projSourceRadius * QuarterDegreesPerRadian);
}

std::vector<int> projectedAspectTypes(const TOptions& o) {
    std::vector<int> types;
    for (int t = 1; t < AspectTypeCount && types.size() < 7; ++t)
        if (o.display.aspsonchart[static_cast<std::size_t>(t)])
            types.push_back(t);
    return types;
}

std::vector<AspectSymbolPlace> placeAspectSymbols(const std::vector<AspectLineEnds>& lines, int s,
                                                  const std::vector<WheelBox>& obstacles) {
    std::vector<AspectSymbolPlace> places;
    std::array<std::vector<WheelPoint>, AspectTypeCount> drawn;
    for (const AspectLineEnds& line : lines) {
        if (line.type == 10 || line.type < 0 || line.type >= AspectTypeCount)
            continue;
        const int percent = line.type == AspectQuintile || line.type == AspectBiquintile ? 37
                            : line.type == 9                 ? 35
                            : line.type == 14                ? 32
                            : line.type == 17                ? 33
                                                             : 50;
        const std::optional<WheelPoint> clear = clearPointOnLine(line.from, line.to, percent, s, obstacles);
        if (!clear)
            continue;  // no room beside the glyphs and labels: the line's colour still tells
        const WheelPoint at = *clear;
        auto& seen = drawn[static_cast<std::size_t>(line.type)];
        const bool crowded = std::any_of(seen.begin(), seen.end(), [&](const WheelPoint& q) {
            return std::abs(q.x - at.x) < s && std::abs(q.y - at.y) < s;
        });
        if (crowded)
            continue;
        if (seen.size() < 10)
            seen.push_back(at);
        places.push_back({at, line.type});
    }
    return places;
}

bool wheelShowsAspect(const RadixData& chart, const TOptions& o, int b, int k) {
    const std::uint8_t code = chart.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
    if (!hasAspect(code))
        return false;
    const int t = aspectType(code);
    if (t >= AspectTypeCount || !o.display.aspsonchart[static_cast<std::size_t>(t)])
        return false;
    if (k >= FirstOppositePoint && !o.display.oppaspsonchart && aspectComplement(t) >= 0)
        return false;
    const AspectPoint pt = aspectPoint(k);
    const auto& d = o.display;
    switch (pt.kind) {
    case PointKind::Axis:
        return d.axises && d.planasps[DisplayRowAxes];
    case PointKind::Body: {
        const int j = pt.index;
        return (j > BodyVesta || j < b) && d.plansonchart[static_cast<std::size_t>(j)] && d.planasps[static_cast<std::size_t>(j)] &&
               chart.available(j);
    }
    case PointKind::Cusp: {
        if (!d.houses || !d.planasps[DisplayRowCusps])
            return false;
        // A cusp that is a copy of an axis would draw the axis's lines a second time.
        return !d.planasps[DisplayRowAxes] || copiedAspectPoint(o.housecalc, k) < 0;
    }
    }
    return false;
}

void drawRadixWheel(DrawContext& dc, int cx, int cy, int R, const RadixData& chart, const TOptions& options) {
    QPainter& p = dc.painter;
    dc.mirrorSign = decodeStartSign(options.display.startsign).mirrored ? -1 : 1;
    if (R <= 0)
        return;
    const bool extended = options.display.projasps;
    const int rotation = wheelRotation(options.display.startsign, toQuarterDegrees(chart.axis[0]));
    WheelPass w = makeWheelPass(dc, chart, options, wheelLayout(R, extended), cx, cy, rotation);
    dc.haloColour = 0;
    placeBodies(w);
    collectObstacles(w);
    p.save();
    const auto& d = options.display;
    const auto& c = options.colors;
    if (extended) {
        if (w.style2)
            drawDiscs(w, {{0.91, c.c2_fill_projasp}, {0.795, c.c2_fill_back[2]}, {0.77, c.c2_fill_planets},
                          {0.62, c.c2_fill_main}, {0.225, c.c2_fill_houses}, {0.15, c.c2_fill_center}});
        drawScale(w);
        drawZodiac(w);
        strokeCircle(p, cx, cy, w.L.separatingCircle, w.L.penSeparating, w.pick(c.c2_fill_houses, c.frame));
    } else {
        drawScale(w);
        drawZodiac(w);
        if (w.style2)
            drawDiscs(w, {{0.87, c.c2_fill_planets}, {0.7, c.c2_fill_main}, {0.225, c.c2_fill_houses}, {0.15, c.c2_fill_center}});
    }
    if (d.houses || d.houseexts)
        drawHouseRing(w);
    if (d.aspects && d.planets)
        drawAspects(w);
    if (d.axises)
        drawAxes(w);
    if (d.planets)
        drawBodies(w);
    if (extended)
        drawProjectedPoints(w);
    drawAxisAndCuspLabels(w);
    dc.haloColour = 0;
    p.restore();
}

int wheelBodyAt(const RadixData& chart, const TOptions& options, int cx, int cy, int R, WheelPoint at) {
    if (R <= 0 || !options.display.planets)
        return -1;
    QPainter idle;  // nothing is drawn: the pass only places the glyphs
    DrawContext dc(idle);
    dc.mirrorSign = decodeStartSign(options.display.startsign).mirrored ? -1 : 1;
    const int rotation = wheelRotation(options.display.startsign, toQuarterDegrees(chart.axis[0]));
    WheelPass w = makeWheelPass(dc, chart, options, wheelLayout(R, options.display.projasps), cx, cy, rotation);
    placeBodies(w);
    return placedBodyAt(w, at);
}
