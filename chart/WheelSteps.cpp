#include "WheelSteps.h"

#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <numbers>

#include "ChartColours.h"
#include "ChartFonts.h"
#include "GlyphCodes.h"
#include "Houses.h"
#include "SpreadAngles.h"

// A disc is filled only down to a little inside the next one: the same picture with far fewer
// pixels written.
void drawDiscs(WheelPass& w, std::initializer_list<std::pair<double, ColorRef>> discs) {
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

void drawScale(WheelPass& w) {
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

void drawZodiac(WheelPass& w) {
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

namespace {

// Where the number of house i stands: in the middle of its sector of the house ring, or on the
// cusp in the Indian system.
WheelPoint houseNumberPoint(const WheelPass& w, int i) {
    const int C = normaliseAngle(w.rot + w.cuspQ[static_cast<std::size_t>(i)]);
    int angle = C;
    if (!w.indian()) {
        const int N = normaliseAngle(w.rot + w.cuspQ[static_cast<std::size_t>((i + 1) % 12)]);
        angle = (C + N) / 2;
        const int off = normaliseAngle(C - angle);
        if (off > 360 && off < 1080)
            angle += 720;
    }
    return w.at(angle, (w.L.houseInner + w.L.houseOuter) / 2);
}

}  // namespace

void drawHouseRing(WheelPass& w) {
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
    // Numbers that would vanish into the ring's fill are written in black or white instead.
    const ColorRef ring = w.style2 ? w.o.colors.c2_fill_houses : w.o.colors.background;
    w.p.setPen(toQColor(legibleOn(w.pick(w.o.colors.c2_house_sym, w.o.colors.housenums), w.dc.printing ? 0xFFFFFF : ring)));
    w.p.setFont(chartFont(FontTemplate::Small, L.houseNumberHeight));
    for (int i = 0; i < 12; ++i) {
        const WheelPoint pt = houseNumberPoint(w, i);
        w.text(pt.x, pt.y, QString::fromLatin1(houseLabel(i)));
    }
    if (w.o.display.houseexts) {
        w.p.setPen(plainPen(w.pick(w.o.colors.c2_house_start, w.o.colors.axises), L.penHouse / 2));
        for (int i = 0; i < 12; ++i)
            radialLine(w.dc, w.cx, w.cy, w.rot + w.startQ[static_cast<std::size_t>(i)],
                       w.indian() ? L.houseInner : L.houseOuter, L.cuspEnd);
    }
}

namespace {

std::vector<std::pair<WheelPoint, WheelPoint>> axisLinePieces(const WheelPass& w, int a, int r0, int end, int opposite,
                                                               int oppositeEnd) {
    auto pieces = segmentsOutside(w.at(a, r0), w.at(a, end), w.obstacles);
    for (const auto& piece : segmentsOutside(w.at(opposite, r0), w.at(opposite, oppositeEnd), w.obstacles))
        pieces.push_back(piece);
    return pieces;
}

}  // namespace

void placeBodies(WheelPass& w) {
    std::vector<int> bodies, truePos;
    for (int i = 0; i < ChartPointCount; ++i)
        if (w.bodyShown(i)) {
            bodies.push_back(i);
            truePos.push_back(w.lonQ[static_cast<std::size_t>(i)]);
        }
    const std::size_t n = bodies.size();
    std::vector<int> display(n), order(n);
    spreadAngles(display, truePos, order, bodyMinSeparation(w.L));
    w.placedBodies.resize(n);
    w.placedAngles = display;
    for (std::size_t j = 0; j < n; ++j)
        w.placedBodies[j] = bodies[static_cast<std::size_t>(order[j])];
}

namespace {

bool cuspLabelShown(const WheelPass& w, int i) {
    return !(w.o.display.axises && ((i == 0 && w.axisQ[0] == w.cuspQ[0]) || (i == 9 && w.axisQ[1] == w.cuspQ[9])));
}

constexpr int LabelledCusps[] = {0, 1, 2, 9, 10, 11};

}  // namespace

int placedBodyAt(const WheelPass& w, WheelPoint at) {
    const int reach = frac(w.L.bodyGlyphSize, 0.7);
    for (std::size_t j = 0; j < w.placedBodies.size(); ++j) {
        const WheelPoint g = w.at(w.rot + w.placedAngles[j], w.L.bodyGlyphRadius);
        if (std::abs(g.x - at.x) <= reach && std::abs(g.y - at.y) <= reach)
            return w.placedBodies[j];
    }
    return -1;
}

void collectObstacles(WheelPass& w) {
    const WheelLayout& L = w.L;
    const auto& d = w.o.display;
    if (d.houses || d.houseexts)
        for (int i = 0; i < 12; ++i) {
            // Roman numerals run up to three glyphs wide.
            WheelBox box = glyphBox(houseNumberPoint(w, i), L.houseNumberHeight);
            box.left -= L.houseNumberHeight / 2;
            box.right += L.houseNumberHeight / 2;
            w.centreLabels.push_back(box);
        }
    if (d.longitudes && d.houses)
        for (int i : LabelledCusps)
            if (cuspLabelShown(w, i))
                w.centreLabels.push_back(degreeLabelBox(
                    w.at(w.rot + w.cuspQ[static_cast<std::size_t>(i)] + 24, L.cuspLabelRadius), L.cuspLabelHeight));
    if (d.longitudes && d.axises)
        for (int k = 0; k < 2; ++k)
            w.centreLabels.push_back(degreeLabelBox(
                w.at(w.rot + w.axisQ[static_cast<std::size_t>(k)] + 24, L.axisLabelRadius), L.axisLabelHeight));
    const int l = L.bodyGlyphSize;
    if (d.planets) {
        for (std::size_t j = 0; j < w.placedBodies.size(); ++j) {
            const int b = w.placedBodies[j];
            const WheelPoint g = w.at(w.rot + w.placedAngles[j], L.bodyGlyphRadius);
            w.obstacles.push_back(glyphBox(g, frac(l, 1.1)));
            if (w.chart.motion[static_cast<std::size_t>(b)] <= 0)
                w.obstacles.push_back(glyphBox({g.x + frac(l, 0.6), g.y + frac(l, 0.05)}, frac(l, 0.43)));
            if (d.longitudes)
                w.obstacles.push_back(
                    degreeLabelBox(w.at(w.rot + w.placedAngles[j], L.bodyLabelRadius), L.bodyLabelHeight));
        }
    }
    if (!d.longitudes)
        return;
    if (d.houses)
        for (int i : LabelledCusps)
            if (cuspLabelShown(w, i))
                w.obstacles.push_back(degreeLabelBox(
                    w.at(w.rot + w.cuspQ[static_cast<std::size_t>(i)] + 24, L.cuspLabelRadius), L.cuspLabelHeight));
    if (d.axises)
        for (int k = 0; k < 2; ++k)
            w.obstacles.push_back(degreeLabelBox(w.at(w.rot + w.axisQ[static_cast<std::size_t>(k)] + 24, L.axisLabelRadius),
                                                 L.axisLabelHeight));
}

void drawAxes(WheelPass& w) {
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
        // The lines stop short of every body glyph and degree label on their way; the
        // Descendant and IC ends stop at the degree scale's outer ring.
        for (const auto& [from, to] : axisLinePieces(w, a, r0, s, a + 720, L.scaleOuter))
            w.p.drawLine(from.x, from.y, to.x, to.y);
    }
}

namespace {

// Degree and minute of a longitude beside its anchor: the degree within the sign large, the
// minutes small and raised to its right.
void degreeLabel(WheelPass& w, int angle, double longitude, int radius, int height, const QFont& big, const QFont& small) {
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

}  // namespace

void drawBodies(WheelPass& w, bool aspectLeaders) {
    const WheelLayout& L = w.L;
    const std::size_t n = w.placedBodies.size();
    const std::vector<int>& display = w.placedAngles;
    const int l = L.bodyGlyphSize;
    const QFont glyphFont = chartFont(FontTemplate::Symbol, frac(l, 1.1));
    const QFont markFont = chartFont(FontTemplate::Small, frac(l, 0.43));
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_planets, w.o.colors.background);
    for (std::size_t j = 0; j < n; ++j) {
        const int b = w.placedBodies[j];
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
        if (aspectLeaders && w.o.display.aspects && w.o.display.planasps[static_cast<std::size_t>(b)] &&
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
        const int b = w.placedBodies[j];
        degreeLabel(w, w.rot + display[j], w.chart.lon[static_cast<std::size_t>(b)], L.bodyLabelRadius, L.bodyLabelHeight,
                    big, small);
    }
    w.dc.haloColour = 0;
}

void drawAxisAndCuspLabels(WheelPass& w) {
    const WheelLayout& L = w.L;
    if (!w.o.display.longitudes)
        return;
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_main, w.o.colors.background);
    if (w.o.display.houses) {
        w.p.setPen(toQColor(legibleOn(w.pick(w.o.colors.c2_house_pos, w.o.colors.houses), w.dc.haloColour)));
        const QFont big = chartFont(FontTemplate::Label, L.cuspLabelHeight);
        const QFont small = chartFont(FontTemplate::Label, frac(L.cuspLabelHeight, 0.65));
        for (int i : LabelledCusps) {
            if (!cuspLabelShown(w, i))
                continue;
            degreeLabel(w, w.rot + w.cuspQ[static_cast<std::size_t>(i)] + 24, w.chart.cusp[static_cast<std::size_t>(i)],
                        L.cuspLabelRadius, L.cuspLabelHeight, big, small);
        }
    }
    if (w.o.display.axises) {
        w.p.setPen(toQColor(legibleOn(w.pick(w.o.colors.c2_axis_pos, w.o.colors.axises), w.dc.haloColour)));
        const QFont big = chartFont(FontTemplate::Label, L.axisLabelHeight);
        const QFont small = chartFont(FontTemplate::Label, frac(L.axisLabelHeight, 0.65));
        for (int k = 0; k < 2; ++k)
            degreeLabel(w, w.rot + w.axisQ[static_cast<std::size_t>(k)] + 24, w.chart.axis[static_cast<std::size_t>(k)],
                        L.axisLabelRadius, L.axisLabelHeight, big, small);
    }
    w.dc.haloColour = 0;
}

WheelPass makeWheelPass(DrawContext& dc, const RadixData& chart, const TOptions& options, const WheelLayout& layout,
                        int cx, int cy, int rotation) {
    WheelPass w{dc, dc.painter, chart, options, layout, cx, cy, rotation, options.display.chart_style == 2};
    for (int i = 0; i < AxisCount; ++i)
        w.axisQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.axis[static_cast<std::size_t>(i)]);
    for (int i = 0; i < CuspCount; ++i) {
        w.cuspQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.cusp[static_cast<std::size_t>(i)]);
        w.startQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.houseStart[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < ChartPointCount; ++i)
        w.lonQ[static_cast<std::size_t>(i)] = toQuarterDegrees(chart.lon[static_cast<std::size_t>(i)]);
    return w;
}

QPen aspectLinePen(const WheelPass& w, int code, int r) {
    const int penWidth = w.L.penAspect;
    // Dash lengths are logical units; Qt counts them in pen widths.
    const double unit = std::max(1, penWidth);
    const auto bits = static_cast<std::uint8_t>(code);
    const int t = aspectType(bits);
    int kind;  // 0 solid, 1 long dashes, 2 short dashes
    if (w.o.display.aspect_closing)
        kind = aspectApplying(bits) ? 0 : 2;
    else
        kind = aspectStrength(bits) == AspectStrength::WithinQuarter         ? 0
               : aspectStrength(bits) == AspectStrength::WithinThreeQuarters ? 1
                                                                             : 2;
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
        pen.setDashPattern(kind == 1 ? QList<qreal>{std::max(1.0, frac(r, 0.1) / unit), std::max(1.0, frac(r, 0.05) / unit)}
                                     : QList<qreal>{std::max(1.0, frac(r, 0.02) / unit), std::max(1.0, frac(r, 0.025) / unit)});
    return pen;
}

void drawAspectSymbols(WheelPass& w, const std::vector<AspectLineEnds>& lines) {
    const int s = w.L.aspectSymbolHeight;
    const QFont glyphFont = chartFont(FontTemplate::Symbol, s);
    const QFont abbrevFont = chartFont(FontTemplate::Small, frac(s, 1.15));
    w.dc.haloColour = w.halo(w.o.colors.c2_fill_main, w.o.colors.background);
    std::vector<WheelBox> keepOut = w.obstacles;
    keepOut.insert(keepOut.end(), w.centreLabels.begin(), w.centreLabels.end());
    for (const AspectSymbolPlace& place : placeAspectSymbols(lines, s, keepOut)) {
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

void drawAspectLine(WheelPass& w, WheelPoint a, WheelPoint b) {
    for (const auto& [from, to] : segmentsOutside(a, b, w.centreLabels))
        w.p.drawLine(from.x, from.y, to.x, to.y);
}
