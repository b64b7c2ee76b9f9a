#include "RadixWheel.h"

#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <numbers>
#include <vector>

#include "ChartColours.h"
#include "ChartFonts.h"
#include "DrawPrimitives.h"
#include "DrawContext.h"
#include "Aspects.h"
#include "GlyphCodes.h"
#include "QuarterDegrees.h"
#include "SpreadAngles.h"

namespace {

constexpr int HouseIndian = 7, HouseEqual = 8, HouseVehlow = 9;

int frac(int R, double f) { return static_cast<int>(R * f); }

// Everything one drawing needs, converted once at its start.
struct Wheel {
    DrawContext& dc;
    QPainter& p;
    const RadixData& chart;
    const TOptions& o;
    WheelLayout L;
    int cx, cy, rot;
    bool style2;
    std::array<int, AxisCount> axisQ{};
    std::array<int, CuspCount> cuspQ{}, startQ{};
    std::array<int, ChartPointCount> lonQ{};

    WheelPoint at(int angle, int r) const { return wheelPoint(cx, cy, angle, r, dc.mirrorSign); }
    ColorRef pick(ColorRef s2, ColorRef legacy) const { return style2 ? s2 : legacy; }
    ColorRef halo(ColorRef s2, ColorRef legacy) const { return dc.printing ? 0xFFFFFF : pick(s2, legacy); }
    bool indian() const { return o.housecalc == HouseIndian; }
    bool bodyShown(int b) const { return o.display.plansonchart[static_cast<std::size_t>(b)] && chart.available(b); }
    int pointQ(int column) const {
        const AspectPoint pt = aspectPoint(column);
        switch (pt.kind) {
        case PointKind::Axis:
            return axisQ[static_cast<std::size_t>(pt.index)];
        case PointKind::Body:
            return lonQ[static_cast<std::size_t>(pt.index)];
        default:
            return cuspQ[static_cast<std::size_t>(pt.index)];
        }
    }
    ColorRef bodyColour(int b) const { return dignityColour(b, chart.dignityState.data(), ColourChart, o, dc.printing); }

    void text(int x, int y, const QString& s) const { drawCentredText(dc, x, y, s, o); }
    void glyphAt(int angle, int r, char c) const {
        const WheelPoint pt = at(angle, r);
        text(pt.x, pt.y, QString(QLatin1Char(c)));
    }
};

// The style-2 discs, largest first, each covering the next. A disc is filled only down to a
// little inside the next one: the same picture with far fewer pixels written.
void drawDiscs(Wheel& w, std::initializer_list<std::pair<double, ColorRef>> discs) {
    const std::vector<std::pair<double, ColorRef>> list(discs);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int r = frac(w.L.radius, list[i].first);
        const int inner = i + 1 < list.size() ? frac(w.L.radius, list[i + 1].first) - w.L.penDisc - 4 : 0;
        if (w.dc.printing || inner <= 0) {
            fillDisc(w.dc, w.cx, w.cy, r, w.L.penDisc, list[i].second);
            continue;
        }
        QPainterPath ring;
        ring.addEllipse(QPoint(w.cx, w.cy), r, r);
        ring.addEllipse(QPoint(w.cx, w.cy), inner, inner);
        w.p.fillPath(ring, toQColor(list[i].second));
    }
}

void drawScale(Wheel& w) {
    const WheelLayout& L = w.L;
    const ColorRef colour = w.pick(w.o.colors.c2_meter, w.o.colors.frame);
    strokeCircle(w.p, w.cx, w.cy, L.scaleInner, L.penScaleCircle, colour);
    strokeCircle(w.p, w.cx, w.cy, L.scaleOuter, L.penScaleCircle, colour);
    // All ticks of one pen go out in one call: a repaint draws hundreds of them.
    std::vector<QLine> thin, thick;
    thin.reserve(324);
    thick.reserve(36);
    for (int k = 0; k < 360; ++k) {
        const int a = w.rot + 4 * k;
        const WheelPoint in = w.at(a, L.scaleInner);
        if (k % 10 == 0) {
            const WheelPoint out = w.at(a, L.scaleOuter);
            thick.emplace_back(in.x, in.y, out.x, out.y);
        } else {
            const WheelPoint out = w.at(a, k % 5 == 0 ? L.tick5 : L.tick1);
            thin.emplace_back(in.x, in.y, out.x, out.y);
        }
    }
    w.p.setPen(flatPen(colour, L.penTick));
    w.p.drawLines(thin.data(), static_cast<int>(thin.size()));
    w.p.setPen(flatPen(colour, L.penTick10));
    w.p.drawLines(thick.data(), static_cast<int>(thick.size()));
}

void drawZodiac(Wheel& w) {
    const WheelLayout& L = w.L;
    const ColorRef colour = w.pick(w.o.colors.c2_zodiac, w.o.colors.frame);
    w.p.setPen(flatPen(colour, L.penZodiac));
    for (int i = 0; i < 12; ++i)
        radialLine(w.dc, w.cx, w.cy, w.rot + 120 * i, L.scaleOuter, L.radius);
    w.p.setPen(toQColor(colour));
    const int h = L.signGlyphHeight;
    const QFont signFont = chartFont(FontTemplate::Symbol, h);
    const QFont ownerFont = chartFont(FontTemplate::Symbol, frac(h, 0.6));
    const QFont exaltFont = chartFont(FontTemplate::Symbol, frac(h, 0.45));
    const QFont plainSignFont = chartFont(FontTemplate::Symbol, frac(h, 0.8));
    auto dignityGlyphs = [&](int sign, int kind, int from, const QFont& font) {
        int bodies[DignityBodyCount];
        int k = 0;
        for (int b = 0; b < DignityBodyCount; ++b)
            if (w.o.sign_dignities[static_cast<std::size_t>(b)][static_cast<std::size_t>(kind)][static_cast<std::size_t>(sign)])
                bodies[k++] = b;
        if (k == 0)
            return;
        const int step = 60 / (k + 1);
        w.p.setFont(font);
        for (int j = 1; j <= k; ++j)
            w.glyphAt(from + j * step, L.signGlyphRadius, bodyGlyph(bodies[j - 1], w.o));
    };
    for (int i = 0; i < 12; ++i) {
        const int A = w.rot + 120 * i, M = A + 60;
        w.p.setFont(signFont);
        w.glyphAt(M, L.signGlyphRadius, signGlyph(i, w.o));
        if (w.o.display.owners)
            dignityGlyphs(i, DignityOwn, M, ownerFont);
        if (w.o.display.exalts) {
            dignityGlyphs(i, DignityExalt, A, exaltFont);
        } else if (w.o.symbols.zodiac != 0) {
            w.p.setFont(plainSignFont);
            w.glyphAt((A + M) / 2, L.signGlyphRadius, signGlyph(i, 0));
        }
    }
}

void drawHouseRing(Wheel& w) {
    const WheelLayout& L = w.L;
    const ColorRef lineColour = w.pick(w.o.colors.c2_house_bar, w.o.colors.houses);
    if (!w.style2) {
        strokeCircle(w.p, w.cx, w.cy, L.houseInner, L.penHouse, lineColour);
        strokeCircle(w.p, w.cx, w.cy, L.houseOuter, L.penHouse, lineColour);
    }
    if (w.o.display.houses) {
        w.p.setPen(plainPen(lineColour, L.penHouse));
        for (int i = 0; i < 12; ++i)
            radialLine(w.dc, w.cx, w.cy, w.rot + w.cuspQ[static_cast<std::size_t>(i)],
                       w.indian() ? L.houseOuter : L.houseInner, L.cuspEnd);
    }
    w.p.setPen(toQColor(w.pick(w.o.colors.c2_house_sym, w.o.colors.housenums)));
    w.p.setFont(chartFont(FontTemplate::Small, L.houseNumberHeight));
    const int numberRadius = (L.houseInner + L.houseOuter) / 2;
    for (int i = 0; i < 12; ++i) {
        const int C = normaliseAngle(w.rot + w.cuspQ[static_cast<std::size_t>(i)]);
        int angle = C;
        if (!w.indian()) {
            const int N = normaliseAngle(w.rot + w.cuspQ[static_cast<std::size_t>((i + 1) % 12)]);
            angle = (C + N) / 2;
            const int off = normaliseAngle(C - angle);
            if (off > 360 && off < 1080)
                angle += 720;
        }
        const WheelPoint pt = w.at(angle, numberRadius);
        w.text(pt.x, pt.y, QString::fromLatin1(houseLabel(i)));
    }
    if (w.o.display.houseexts) {
        w.p.setPen(plainPen(w.pick(w.o.colors.c2_house_start, w.o.colors.axises), L.penHouse / 2));
        for (int i = 0; i < 12; ++i)
            radialLine(w.dc, w.cx, w.cy, w.rot + w.startQ[static_cast<std::size_t>(i)],
                       w.indian() ? L.houseInner : L.houseOuter, L.cuspEnd);
    }
}

void drawAxes(Wheel& w) {
    const WheelLayout& L = w.L;
    const ColorRef colour = w.pick(w.o.colors.c2_axis_bar, w.o.colors.axises);
    const int wd = L.penAxis, t = L.axisTip, s = t - 3 * wd, b = static_cast<int>(s - 1.5 * wd);
    strokeCircle(w.p, w.cx, w.cy, L.houseInner, wd, colour);
    const bool ringDrawn = w.o.display.houses || w.o.display.houseexts;
    for (int k = 0; k < 2; ++k) {
        const int a = w.rot + w.axisQ[static_cast<std::size_t>(k)];
        const WheelPoint tip = w.at(a, t), shaft = w.at(a, s), base = w.at(a, b);
        const int ox = static_cast<int>(0.8 * ((2LL * wd * sineQ(a)) >> 16)) * w.dc.mirrorSign;
        const int oy = -static_cast<int>(0.8 * ((2LL * wd * cosineQ(a)) >> 16));
        const QPoint head[4] = {{tip.x, tip.y}, {base.x + ox, base.y + oy}, {shaft.x, shaft.y}, {base.x - ox, base.y - oy}};
        w.p.setPen(Qt::NoPen);
        w.p.setBrush(toQColor(colour));
        w.p.drawPolygon(head, 4);
        w.p.setBrush(Qt::NoBrush);
        const int h = w.o.housecalc;
        const bool fromOuter = ringDrawn && (h == HouseIndian || h == HouseVehlow || (k == 1 && h == HouseEqual));
        const int r0 = fromOuter ? L.houseOuter : L.houseInner;
        w.p.setPen(plainPen(colour, wd));
        radialLine(w.dc, w.cx, w.cy, a, r0, s);
        radialLine(w.dc, w.cx, w.cy, a + 720, r0, t);
    }
}

// Degree and minute of a longitude beside its anchor: the degree within the sign large, the
// minutes small and raised to its right.
void degreeLabel(Wheel& w, int angle, double longitude, int radius, int height, const QFont& big, const QFont& small) {
    const WheelPoint P = w.at(angle, radius);
    const double v = longitude * 180.0 / std::numbers::pi + 1.0 / 3600000.0;
    const int d = static_cast<int>(v);
    const int minutes = static_cast<int>((v - d) * 60.0);
    w.p.setFont(big);
    w.text(P.x - static_cast<int>(0.35 * height), P.y, QString::asprintf("%2u", static_cast<unsigned>(d % 30)));
    w.p.setFont(small);
    w.text(P.x + static_cast<int>(0.3 * height), P.y + static_cast<int>(0.2 * height),
           QString::asprintf("%02u", static_cast<unsigned>(minutes)));
}

void drawBodies(Wheel& w) {
    const WheelLayout& L = w.L;
    std::vector<int> bodies, truePos;
    for (int i = 0; i < ChartPointCount; ++i)
        if (w.bodyShown(i)) {
            bodies.push_back(i);
            truePos.push_back(w.lonQ[static_cast<std::size_t>(i)]);
        }
    const std::size_t n = bodies.size();
    std::vector<int> display(n), order(n);
    spreadAngles(display, truePos, order, bodyMinSeparation(L));
    const int l = L.bodyGlyphSize;
    const QFont glyphFont = chartFont(FontTemplate::Symbol, frac(l, 1.1));
    const QFont markFont = chartFont(FontTemplate::Small, frac(l, 0.43));
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_planets, w.o.colors.background);
    for (std::size_t j = 0; j < n; ++j) {
        const int b = bodies[static_cast<std::size_t>(order[j])];
        const int T = w.rot + w.lonQ[static_cast<std::size_t>(b)];
        const int D = w.rot + display[j];
        const ColorRef colour = w.bodyColour(b);
        w.p.setPen(toQColor(colour));
        w.p.setFont(glyphFont);
        const WheelPoint g = w.at(D, L.bodyGlyphRadius);
        w.text(g.x, g.y, QString(QLatin1Char(bodyGlyph(b, w.o))));
        const int motion = w.chart.motion[static_cast<std::size_t>(b)];
        if (motion <= 0) {
            w.p.setFont(markFont);
            w.text(g.x + frac(l, 0.6), g.y + frac(l, 0.05), motion < 0 ? QStringLiteral("R") : QStringLiteral("S"));
        }
        w.p.setPen(plainPen(colour, L.penLeader));
        const WheelPoint o1 = w.at(T, L.outerLeaderStart), o2 = w.at(D, L.outerLeaderEnd);
        w.p.drawLine(o1.x, o1.y, o2.x, o2.y);
        if (w.o.display.aspects && w.o.display.planasps[static_cast<std::size_t>(b)] &&
            (b != BodySouthNode || w.o.display.oppaspsonchart)) {
            const WheelPoint i1 = w.at(D, L.innerLeaderStart), i2 = w.at(T, L.innerLeaderEnd);
            w.p.drawLine(i1.x, i1.y, i2.x, i2.y);
        }
    }
    w.dc.haloColour = 0;
    if (!w.o.display.longitudes)
        return;
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_main, w.o.colors.background);
    w.p.setPen(toQColor(w.o.colors.c2_planet_pos));
    const QFont big = chartFont(FontTemplate::Label, L.bodyLabelHeight);
    const QFont small = chartFont(FontTemplate::Label, frac(L.bodyLabelHeight, 0.65));
    for (std::size_t j = 0; j < n; ++j) {
        const int b = bodies[static_cast<std::size_t>(order[j])];
        degreeLabel(w, w.rot + display[j], w.chart.lon[static_cast<std::size_t>(b)], L.bodyLabelRadius, L.bodyLabelHeight,
                    big, small);
    }
    w.dc.haloColour = 0;
}

void drawAxisAndCuspLabels(Wheel& w) {
    const WheelLayout& L = w.L;
    if (!w.o.display.longitudes)
        return;
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_main, w.o.colors.background);
    if (w.o.display.houses) {
        w.p.setPen(toQColor(w.pick(w.o.colors.c2_house_pos, w.o.colors.houses)));
        const QFont big = chartFont(FontTemplate::Label, L.cuspLabelHeight);
        const QFont small = chartFont(FontTemplate::Label, frac(L.cuspLabelHeight, 0.65));
        for (int i : {0, 1, 2, 9, 10, 11}) {
            if (w.o.display.axises && ((i == 0 && w.axisQ[0] == w.cuspQ[0]) || (i == 9 && w.axisQ[1] == w.cuspQ[9])))
                continue;
            degreeLabel(w, w.rot + w.cuspQ[static_cast<std::size_t>(i)] + 24, w.chart.cusp[static_cast<std::size_t>(i)],
                        L.cuspLabelRadius, L.cuspLabelHeight, big, small);
        }
    }
    if (w.o.display.axises) {
        w.p.setPen(toQColor(w.pick(w.o.colors.c2_axis_pos, w.o.colors.axises)));
        const QFont big = chartFont(FontTemplate::Label, L.axisLabelHeight);
        const QFont small = chartFont(FontTemplate::Label, frac(L.axisLabelHeight, 0.65));
        for (int k = 0; k < 2; ++k)
            degreeLabel(w, w.rot + w.axisQ[static_cast<std::size_t>(k)] + 24, w.chart.axis[static_cast<std::size_t>(k)],
                        L.axisLabelRadius, L.axisLabelHeight, big, small);
    }
    w.dc.haloColour = 0;
}

void drawAspects(Wheel& w) {
    const WheelLayout& L = w.L;
    const int r = L.aspectRadius;
    if (!w.style2)
        strokeCircle(w.p, w.cx, w.cy, r, L.penAspect, w.o.colors.frame);
    const int penWidth = L.penAspect;
    // Dash lengths are logical units; Qt counts them in pen widths.
    const double unit = std::max(1, penWidth);
    const QList<qreal> longDash{std::max(1.0, frac(r, 0.1) / unit), std::max(1.0, frac(r, 0.05) / unit)};
    const QList<qreal> shortDash{std::max(1.0, frac(r, 0.02) / unit), std::max(1.0, frac(r, 0.025) / unit)};
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
            const int t = code & 31;
            int kind;  // 0 solid, 1 long dashes, 2 short dashes
            if (w.o.display.aspect_closing)
                kind = (code & 32) ? 0 : 2;
            else
                kind = ((code >> 6) & 3) == 2 ? 0 : ((code >> 6) & 3) == 1 ? 1 : 2;
            const ColorRef c = adaptChartColour(w.o.colors.aspects[static_cast<std::size_t>(t)], w.o, w.dc.printing);
            ColorRef base = w.style2 ? w.o.colors.c2_fill_main : w.o.colors.background;
            if (w.dc.printing)
                base = 0xFFFFFF;
            double f = 0.8;
            bool paleOnly = false;
            if (w.style2 && w.o.display.aspect_style == 0) {
                f = kind == 0 ? 1.0 : kind == 1 ? 0.5 : 0.25;
                paleOnly = true;
            } else if (w.style2) {
                f = 0.6;
            }
            QPen pen = kind == 0 || paleOnly ? plainPen(blendColour(base, c, f), penWidth)
                                             : flatPen(blendColour(base, c, f), std::max(1, penWidth));
            if (kind != 0 && !paleOnly)
                pen.setDashPattern(kind == 1 ? longDash : shortDash);
            const WheelPoint p1 = w.at(w.rot + w.lonQ[static_cast<std::size_t>(b)], r);
            const WheelPoint p2 = w.at(w.rot + w.pointQ(k), r);
            w.p.setPen(pen);
            w.p.drawLine(p1.x, p1.y, p2.x, p2.y);
            lines.push_back({p1, p2, t});
        }
    }
    if (!w.o.display.aspsymbols)
        return;
    const int s = L.aspectSymbolHeight;
    const QFont glyphFont = chartFont(FontTemplate::Symbol, s);
    const QFont abbrevFont = chartFont(FontTemplate::Small, frac(s, 1.15));
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_main, w.o.colors.background);
    for (const AspectSymbolPlace& place : placeAspectSymbols(lines, s)) {
        w.p.setPen(toQColor(adaptChartColour(w.o.colors.aspects[static_cast<std::size_t>(place.type)], w.o, w.dc.printing)));
        if (place.type <= 10) {
            w.p.setFont(glyphFont);
            w.text(place.at.x, place.at.y, QString(QLatin1Char(aspectGlyph(place.type))));
        } else {
            w.p.setFont(abbrevFont);
            w.text(place.at.x, place.at.y, QString::fromLatin1(aspectAbbreviation(place.type)));
        }
    }
    w.dc.haloColour = 0;
}

void drawProjectedPoints(Wheel& w) {
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
    L.axisTip = f(0.96, 0.97, e);
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
    const int s = startsign & 0x3F;
    if (s == 0)
        return -ascendantQ;
    int rotation = -(s - 1) * 120;
    if (startsign & 0x40)
        rotation -= 60;
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

std::vector<AspectSymbolPlace> placeAspectSymbols(const std::vector<AspectLineEnds>& lines, int s) {
    std::vector<AspectSymbolPlace> places;
    std::array<std::vector<WheelPoint>, AspectTypeCount> drawn;
    for (const AspectLineEnds& line : lines) {
        if (line.type == 10 || line.type < 0 || line.type >= AspectTypeCount)
            continue;
        const int percent = line.type == 4 || line.type == 8 ? 37
                            : line.type == 9                 ? 35
                            : line.type == 14                ? 32
                            : line.type == 17                ? 33
                                                             : 50;
        const WheelPoint at{line.from.x + (line.to.x - line.from.x) * percent / 100,
                            line.from.y + (line.to.y - line.from.y) * percent / 100};
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
    const int code = chart.aspectCode[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
    if (code == 0xFF)
        return false;
    const int t = code & 31;
    if (t >= AspectTypeCount || !o.display.aspsonchart[static_cast<std::size_t>(t)])
        return false;
    if (k >= 31 && !o.display.oppaspsonchart && aspectComplement(t) >= 0)
        return false;
    const AspectPoint pt = aspectPoint(k);
    const auto& d = o.display;
    switch (pt.kind) {
    case PointKind::Axis:
        return d.axises && d.planasps[24];
    case PointKind::Body: {
        const int j = pt.index;
        return (j > 18 || j < b) && d.plansonchart[static_cast<std::size_t>(j)] && d.planasps[static_cast<std::size_t>(j)] &&
               chart.available(j);
    }
    case PointKind::Cusp: {
        if (!d.houses || !d.planasps[25])
            return false;
        if (d.planasps[24]) {
            const int h = o.housecalc;
            const bool ascSide = k == 13 || k == 34, mcSide = k == 16 || k == 37;
            if (ascSide && h != HouseIndian && h != HouseVehlow)
                return false;
            if (mcSide && h != HouseIndian && h != HouseEqual && h != HouseVehlow)
                return false;
        }
        return true;
    }
    }
    return false;
}

void drawRadixWheel(DrawContext& dc, int cx, int cy, int R, const RadixData& chart, const TOptions& options) {
    QPainter& p = dc.painter;
    dc.mirrorSign = (options.display.startsign & 0x80) ? -1 : 1;
    if (R <= 0)
        return;
    const bool extended = options.display.projasps;
    Wheel w{dc, p, chart, options, wheelLayout(R, extended), cx, cy, 0, options.display.chart_style == 2};
    for (int i = 0; i < AxisCount; ++i)
        w.axisQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.axis[static_cast<std::size_t>(i)]);
    for (int i = 0; i < CuspCount; ++i) {
        w.cuspQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.cusp[static_cast<std::size_t>(i)]);
        w.startQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.houseStart[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < ChartPointCount; ++i)
        w.lonQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.lon[static_cast<std::size_t>(i)]);
    w.rot = wheelRotation(options.display.startsign, w.axisQ[0]);
    dc.haloColour = 0;
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
