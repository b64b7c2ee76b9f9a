#pragma once
// The drawing steps of a wheel, shared by the single wheel and the bi-wheel: the state of one
// drawing converted once (`WheelPass`) and the rings drawn from it. Internal to the drawing.
#include <QPen>
#include <QString>
#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "Aspects.h"
#include "ChartColours.h"
#include "ChartIndex.h"
#include "DrawContext.h"
#include "DrawPrimitives.h"
#include "Houses.h"
#include "Options.h"
#include "QuarterDegrees.h"
#include "RadixData.h"
#include "RadixWheel.h"
#include "WheelClearance.h"

inline int frac(int R, double f) { return static_cast<int>(R * f); }

// Everything one drawing needs, converted once at its start.
struct WheelPass {
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
    // The drawn bodies in spread order with their display angles (quarter degrees, unrotated).
    std::vector<int> placedBodies{}, placedAngles{};
    // What axis lines and aspect symbols keep out of: body glyphs and degree labels.
    std::vector<WheelBox> obstacles{};
    // What aspect lines keep out of: the house numbers and the cusp and axis degree labels.
    std::vector<WheelBox> centreLabels{};

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

// A pass over `chart` with layout `layout` centred on (cx, cy), every angle turned by `rotation`
// quarter degrees; the context's mirror must be set already.
WheelPass makeWheelPass(DrawContext& dc, const RadixData& chart, const TOptions& options, const WheelLayout& layout,
                        int cx, int cy, int rotation);

// The style-2 discs, largest first, each covering the next (fractions of the radius).
void drawDiscs(WheelPass& w, std::initializer_list<std::pair<double, ColorRef>> discs);
void drawScale(WheelPass& w);
void drawZodiac(WheelPass& w);
void drawHouseRing(WheelPass& w);
// Where the bodies go: their true positions spread so that the glyphs do not overlap.
void placeBodies(WheelPass& w);
// The placed body whose glyph lies under `at`; -1 where there is none.
int placedBodyAt(const WheelPass& w, WheelPoint at);
// The boxes of everything that lines and symbols must not cross, as the later steps draw it.
void collectObstacles(WheelPass& w);
void drawAxes(WheelPass& w);
// Body glyphs, their leaders and degree labels; `aspectLeaders` adds the leader from a glyph
// in towards the aspect circle.
void drawBodies(WheelPass& w, bool aspectLeaders = true);
void drawAxisAndCuspLabels(WheelPass& w);

// An aspect line from `a` to `b`, broken where it would cross a house number or a cusp or
// axis label.
void drawAspectLine(WheelPass& w, WheelPoint a, WheelPoint b);
// The pen of an aspect line of `code` (aspect type, strength and applying bits) on a circle of
// radius `r`: solid, long or short dashes, paled against the ground as the style wants.
QPen aspectLinePen(const WheelPass& w, int code, int r);
// The symbols on the drawn aspect lines, kept clear of the pass's obstacles.
void drawAspectSymbols(WheelPass& w, const std::vector<AspectLineEnds>& lines);
