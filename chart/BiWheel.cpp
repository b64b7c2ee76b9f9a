#include "BiWheel.h"

#include <QPainterPath>
#include <algorithm>

#include "Aspects.h"
#include "ChartColours.h"
#include "ChartFonts.h"
#include "GlyphCodes.h"
#include "RadixWheel.h"
#include "StartSign.h"
#include "WheelSteps.h"

namespace {

bool bodyRowShown(const RadixData& chart, const TOptions& o, int b) {
    const auto& d = o.display;
    const auto i = static_cast<std::size_t>(b);
    return d.plansonchart[i] && chart.available(b) && d.planasps[i] && (b != BodySouthNode || d.colloppasps);
}

bool crossPointShown(const RadixData& points, const TOptions& o, int k, int code) {
    if (!hasAspect(static_cast<std::uint8_t>(code)))
        return false;
    const int t = aspectType(static_cast<std::uint8_t>(code));
    const auto& d = o.display;
    if (t >= AspectTypeCount || !d.aspsonchart[static_cast<std::size_t>(t)])
        return false;
    if (k >= FirstOppositePoint && !d.colloppasps)
        return false;
    const AspectPoint pt = aspectPoint(k);
    switch (pt.kind) {
    case PointKind::Axis:
        return d.axises && d.planasps[DisplayRowAxes];
    case PointKind::Body: {
        const auto j = static_cast<std::size_t>(pt.index);
        return d.plansonchart[j] && d.planasps[j] && points.available(pt.index);
    }
    case PointKind::Cusp:
        return false;
    }
    return false;
}

// The outer ring's own degree scale, ticks standing outward on the zodiac's outer edge so
// that the leaders of the outer bodies point at a degree.
void drawOuterScale(WheelPass& w, const BiWheelLayout& B) {
    // In the filled style the ticks stand on the outer ring's fill, so they take the colour of
    // the labels written on it.
    const ColorRef colour = w.pick(w.o.colors.c2_planet_pos, w.o.colors.frame);
    strokeCircle(w.p, w.cx, w.cy, B.innerRadius, w.L.penScaleCircle, colour);
    std::vector<QLine> thin, thick;
    thin.reserve(324);
    thick.reserve(36);
    for (int k = 0; k < 360; ++k) {
        const int a = w.rot + 4 * k;
        const WheelPoint in = w.at(a, B.innerRadius);
        const WheelPoint out = w.at(a, k % 10 == 0 ? B.tick10 : k % 5 == 0 ? B.tick5 : B.tick1);
        (k % 10 == 0 ? thick : thin).emplace_back(in.x, in.y, out.x, out.y);
    }
    w.p.setPen(flatPen(colour, w.L.penTick));
    w.p.drawLines(thin.data(), static_cast<int>(thin.size()));
    w.p.setPen(flatPen(colour, w.L.penTick10));
    w.p.drawLines(thick.data(), static_cast<int>(thick.size()));
}

// The filled ring behind the outer bodies, or its outline on paper and in the plain style.
void drawOuterRing(WheelPass& w, const BiWheelLayout& B) {
    const ColorRef edge = w.pick(w.o.colors.c2_meter, w.o.colors.frame);
    if (w.style2 && !w.dc.printing) {
        QPainterPath ring;
        ring.addEllipse(QPoint(w.cx, w.cy), B.radius, B.radius);
        ring.addEllipse(QPoint(w.cx, w.cy), B.innerRadius, B.innerRadius);
        w.p.fillPath(ring, toQColor(w.o.colors.c2_fill_planets));
    }
    strokeCircle(w.p, w.cx, w.cy, B.radius, B.penOuterCircle, edge);
}

// The outer chart's Ascendant and MC: axis-coloured lines across the outer ring that stop
// short of its glyphs and labels, each named at the ring's edge where that is clear.
std::vector<std::pair<WheelPoint, WheelPoint>> outerAxisPieces(const WheelPass& w, const BiWheelLayout& B, int k) {
    const int a = w.rot + w.axisQ[static_cast<std::size_t>(k)];
    return segmentsOutside(w.at(a, B.tick10), w.at(a, B.radius), w.obstacles);
}

void drawOuterAxes(WheelPass& w, const BiWheelLayout& B) {
    const ColorRef colour = w.pick(w.o.colors.c2_axis_bar, w.o.colors.axises);
    const int nameHeight = frac(B.radius, 0.036);
    const QFont nameFont = chartFont(FontTemplate::Small, nameHeight);
    for (int k = 0; k < 2; ++k) {
        const int a = w.rot + w.axisQ[static_cast<std::size_t>(k)];
        w.p.setPen(plainPen(colour, w.L.penAxis / 2));
        for (const auto& [from, to] : outerAxisPieces(w, B, k))
            w.p.drawLine(from.x, from.y, to.x, to.y);
        // Beside the line, a little further along the zodiac.
        const WheelPoint at = w.at(a + 12, frac(B.radius, 0.97));
        WheelBox box = glyphBox(at, nameHeight);
        box.left -= nameHeight / 2;
        box.right += nameHeight / 2;
        if (std::any_of(w.obstacles.begin(), w.obstacles.end(), [&](const WheelBox& o) { return o.intersects(box); }))
            continue;
        w.p.setPen(toQColor(colour));
        w.p.setFont(nameFont);
        w.text(at.x, at.y, QString::fromLatin1(axisName(k)));
    }
}

void drawCrossAspects(WheelPass& inner, const WheelPass& outer, const std::vector<CrossAspectLine>& lines, bool radixInside) {
    const int r = inner.L.aspectRadius;
    if (!inner.style2)
        strokeCircle(inner.p, inner.cx, inner.cy, r, inner.L.penAspect, inner.o.colors.frame);
    std::vector<AspectLineEnds> drawn;
    drawn.reserve(lines.size());
    for (const CrossAspectLine& line : lines) {
        const bool bodyInside = line.radixBody == radixInside;
        const WheelPass& bodies = bodyInside ? inner : outer;
        const WheelPass& points = bodyInside ? outer : inner;
        const WheelPoint p1 = inner.at(inner.rot + bodies.lonQ[static_cast<std::size_t>(line.body)], r);
        const WheelPoint p2 = inner.at(inner.rot + points.pointQ(line.point), r);
        inner.p.setPen(aspectLinePen(inner, line.code, r));
        drawAspectLine(inner, p1, p2);
        drawn.push_back({p1, p2, aspectType(static_cast<std::uint8_t>(line.code))});
    }
    // Where the outer bodies meet the circle: a short tick inward in the body's colour, as the
    // inner bodies have their leaders outward.
    if (!inner.o.display.planets)
        return;
    for (int b : outer.placedBodies) {
        if (!inner.o.display.planasps[static_cast<std::size_t>(b)] || (b == BodySouthNode && !inner.o.display.colloppasps))
            continue;
        const int a = inner.rot + outer.lonQ[static_cast<std::size_t>(b)];
        inner.p.setPen(plainPen(outer.bodyColour(b), inner.L.penLeader));
        radialLine(inner.dc, inner.cx, inner.cy, a, r, r - (inner.L.innerLeaderStart - inner.L.innerLeaderEnd));
    }
    if (inner.o.display.aspsymbols)
        drawAspectSymbols(inner, drawn);
}

// The passes of the two charts, bodies placed and obstacles collected, as the drawing and the
// hit tests share them.
struct BiWheelPasses {
    WheelPass inner, outer;
};

BiWheelPasses makeBiWheelPasses(DrawContext& dc, int cx, int cy, const BiWheelLayout& B, const RadixData& radix,
                                const Collation& collation, const TOptions& options) {
    const bool radixInside = !options.display.outerradix;
    const RadixData& innerChart = radixInside ? radix : collation.second;
    const RadixData& outerChart = radixInside ? collation.second : radix;
    const WheelLayout innerLayout = wheelLayout(B.innerRadius, false);
    // The outer chart shares the inner wheel's measures but for its bodies, which stand outside.
    WheelLayout outerLayout = innerLayout;
    outerLayout.outerLeaderStart = B.leaderStart;
    outerLayout.outerLeaderEnd = B.leaderEnd;
    outerLayout.bodyGlyphRadius = B.glyphRadius;
    outerLayout.bodyGlyphSize = B.glyphSize;
    outerLayout.bodyLabelRadius = B.labelRadius;
    outerLayout.bodyLabelHeight = B.labelHeight;
    const int rotation = wheelRotation(options.display.startsign, toQuarterDegrees(innerChart.axis[0]));
    BiWheelPasses passes{makeWheelPass(dc, innerChart, options, innerLayout, cx, cy, rotation),
                         makeWheelPass(dc, outerChart, options, outerLayout, cx, cy, rotation)};
    placeBodies(passes.inner);
    placeBodies(passes.outer);
    collectObstacles(passes.inner);
    collectObstacles(passes.outer);
    return passes;
}

}  // namespace

BiWheelLayout biWheelLayout(int R) {
    BiWheelLayout B;
    B.radius = R;
    B.innerRadius = frac(R, 0.8);
    B.tick1 = frac(R, 0.812);
    B.tick5 = frac(R, 0.82);
    B.tick10 = frac(R, 0.83);
    B.leaderStart = B.tick10;
    B.leaderEnd = frac(R, 0.848);
    B.glyphRadius = frac(R, 0.885);
    B.glyphSize = frac(R, 0.062);
    B.labelRadius = frac(R, 0.952);
    B.labelHeight = frac(R, 0.042);
    B.penOuterCircle = frac(R, 0.004);
    return B;
}

int biWheelOpaqueRadius(int R) { return frac(frac(R, 0.8), 0.87); }

std::vector<CrossAspectLine> biWheelAspectLines(const RadixData& radix, const Collation& collation, const TOptions& o) {
    std::vector<CrossAspectLine> lines;
    const RadixData& second = collation.second;
    const CrossAspectTables& toSecond = collation.aspects.radixToSecond;
    const CrossAspectTables& toRadix = collation.aspects.secondToRadix;
    for (int b = 0; b < BodyCount; ++b) {
        if (!bodyRowShown(radix, o, b))
            continue;
        for (int k = 0; k < AspectPointCount; ++k) {
            const int code = toSecond.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
            if (crossPointShown(second, o, k, code))
                lines.push_back({true, b, k, code});
        }
    }
    // The second chart's bodies against the radix's axes and points; body pairs are drawn above.
    for (int b = 0; b < BodyCount; ++b) {
        if (!bodyRowShown(second, o, b))
            continue;
        for (int k = 0; k < AspectPointCount; ++k) {
            const AspectPoint pt = aspectPoint(k);
            if (pt.kind == PointKind::Body && pt.index < BodyCount)
                continue;
            const int code = toRadix.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
            if (crossPointShown(radix, o, k, code))
                lines.push_back({false, b, k, code});
        }
    }
    return lines;
}

void drawBiWheel(DrawContext& dc, int cx, int cy, int R, const RadixData& radix, const Collation& collation,
                 const TOptions& options) {
    QPainter& p = dc.painter;
    dc.mirrorSign = decodeStartSign(options.display.startsign).mirrored ? -1 : 1;
    if (R <= 0)
        return;
    const bool radixInside = !options.display.outerradix;
    const BiWheelLayout B = biWheelLayout(R);
    BiWheelPasses passes = makeBiWheelPasses(dc, cx, cy, B, radix, collation, options);
    WheelPass& inner = passes.inner;
    WheelPass& outer = passes.outer;
    dc.haloColour = 0;
    p.save();
    const auto& d = options.display;
    const auto& c = options.colors;
    drawOuterRing(outer, B);
    drawScale(inner);
    drawZodiac(inner);
    drawOuterScale(outer, B);
    if (inner.style2)
        drawDiscs(inner, {{0.87, c.c2_fill_planets}, {0.7, c.c2_fill_main}, {0.225, c.c2_fill_houses}, {0.15, c.c2_fill_center}});
    if (d.houses || d.houseexts)
        drawHouseRing(inner);
    if (d.aspects && d.planets)
        drawCrossAspects(inner, outer, biWheelAspectLines(radix, collation, options), radixInside);
    if (d.axises) {
        drawAxes(inner);
        drawOuterAxes(outer, B);
    }
    if (d.planets) {
        drawBodies(inner);
        drawBodies(outer, false);
    }
    drawAxisAndCuspLabels(inner);
    dc.haloColour = 0;
    p.restore();
}

std::vector<std::pair<WheelPoint, WheelPoint>> biWheelOuterAxisPieces(int cx, int cy, int R, const RadixData& radix,
                                                                      const Collation& collation, const TOptions& options) {
    if (R <= 0)
        return {};
    QPainter idle;  // nothing is drawn: the passes only place the glyphs and labels
    DrawContext dc(idle);
    dc.mirrorSign = decodeStartSign(options.display.startsign).mirrored ? -1 : 1;
    const BiWheelLayout B = biWheelLayout(R);
    const BiWheelPasses passes = makeBiWheelPasses(dc, cx, cy, B, radix, collation, options);
    auto pieces = outerAxisPieces(passes.outer, B, 0);
    for (const auto& piece : outerAxisPieces(passes.outer, B, 1))
        pieces.push_back(piece);
    return pieces;
}

BiWheelBody biWheelBodyAt(int cx, int cy, int R, const RadixData& radix, const Collation& collation,
                          const TOptions& options, WheelPoint at) {
    if (R <= 0 || !options.display.planets)
        return {};
    QPainter idle;
    DrawContext dc(idle);
    dc.mirrorSign = decodeStartSign(options.display.startsign).mirrored ? -1 : 1;
    const BiWheelPasses passes = makeBiWheelPasses(dc, cx, cy, biWheelLayout(R), radix, collation, options);
    const bool radixInside = !options.display.outerradix;
    if (const int b = placedBodyAt(passes.inner, at); b >= 0)
        return {radixInside, b};
    if (const int b = placedBodyAt(passes.outer, at); b >= 0)
        return {!radixInside, b};
    return {};
}
