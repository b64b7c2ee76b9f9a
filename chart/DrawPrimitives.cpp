#include "DrawPrimitives.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainterPath>
#include <cmath>

#include "AngleFormats.h"
#include "ChartFonts.h"
#include "ChartColours.h"
#include "GlyphCodes.h"
#include "QuarterDegrees.h"
#include "TextShapes.h"

namespace {

struct TextMetrics {
    double width, ascent, descent;
};

TextMetrics measure(DrawContext& dc, const QString& text) {
    if (dc.textShapes) {
        const TextShapes::Shape& s = dc.textShapes->shape(dc.painter.font(), text, false);
        return {s.width, s.ascent, s.descent};
    }
    const QFontMetricsF metrics(dc.painter.font());
    return {metrics.horizontalAdvance(text), metrics.ascent(), metrics.descent()};
}

// Qt places the glyphs of a text at whole 64ths of a logical unit from its start, which it cuts
// to 64ths toward zero.
double onGlyphGrid(double v) { return static_cast<int>(v * 64) / 64.0; }

// The kept outline of `text` filled as Qt fills the outlines of large glyphs: with the pen's
// brush, smoothed when text is.
void fillTextOutline(QPainter& p, TextShapes& shapes, QPointF baseline, const QString& text) {
    const bool smooth = p.testRenderHint(QPainter::Antialiasing) ||
                        (p.testRenderHint(QPainter::TextAntialiasing) && !(p.font().styleStrategy() & QFont::NoAntialias));
    const bool wasSmooth = p.testRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    const QPainterPath& outline = shapes.shape(p.font(), text, true).outline;
    p.fillPath(outline.translated(onGlyphGrid(baseline.x()), onGlyphGrid(baseline.y())), p.pen().brush());
    p.setRenderHint(QPainter::Antialiasing, wasSmooth);
}

// Draws `text` with its line box centred on the logical point `centre`, upright: the y-up
// world transform is replaced by its translation and absolute scale for the call.
void drawUprightCentred(DrawContext& dc, QPointF centre, const QString& text, const TextMetrics& m) {
    QPainter& p = dc.painter;
    const QTransform saved = p.worldTransform();
    const QPointF at = saved.map(centre);
    const double sx = std::hypot(saved.m11(), saved.m12());
    const double sy = std::hypot(saved.m21(), saved.m22());
    p.setWorldTransform(QTransform(sx, 0, 0, sy, at.x(), at.y()));
    const QPointF baseline(-m.width / 2, (m.ascent - m.descent) / 2);
    const QPaintEngine* engine = p.paintEngine();
    // A vector file cannot rely on the reader having the program's symbol font: its glyphs
    // travel as outlines there, every other text stays text.
    if (engine && engine->type() == QPaintEngine::SVG && p.font().family() == QLatin1String(SymbolFontFamily)) {
        QPainterPath path;
        path.addText(baseline, p.font(), text);
        p.fillPath(path, p.pen().color());
    } else if (dc.textShapes && engine && engine->type() == QPaintEngine::Raster && p.pen().style() != Qt::NoPen &&
               !text.isEmpty() && dc.textShapes->drawnAsOutline(p.font(), sx * sy)) {
        fillTextOutline(p, *dc.textShapes, baseline, text);
    } else {
        p.drawText(baseline, text);
    }
    p.setWorldTransform(saved);
}

bool uprightIsMetric(const QPainter& p) { return p.worldTransform().m22() < 0; }

}  // namespace

QPen plainPen(ColorRef colour, int width) {
    QPen pen(toQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QPen flatPen(ColorRef colour, int width) { return QPen(toQColor(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin); }

void radialLine(DrawContext& dc, int cx, int cy, int angle, int r1, int r2) {
    const WheelPoint a = wheelPoint(cx, cy, angle, r1, dc.mirrorSign);
    const WheelPoint b = wheelPoint(cx, cy, angle, r2, dc.mirrorSign);
    dc.painter.drawLine(a.x, a.y, b.x, b.y);
}

void drawCentredText(DrawContext& dc, int x, int y, const QString& text, const TOptions& options, const Box* box) {
    QPainter& p = dc.painter;
    const TextMetrics metrics = measure(dc, text);
    const double height = metrics.ascent + metrics.descent;
    QPointF centre = box ? QPointF((box->left + box->right) / 2.0, (box->top + box->bottom) / 2.0) : QPointF(x, y);
    // Some Windows-compatible runtimes placed boxed text one font height too low in the metric
    // mode; the option moves every box up by that much to compensate on such systems.
    if (options.display.wine_workaround && uprightIsMetric(p))
        centre.ry() += height;
    const double width = metrics.width;
    if (dc.haloColour != 0) {
        const QPen pen = p.pen();
        const QBrush brush = p.brush();
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(dc.haloColour));
        p.drawEllipse(centre, width / 2 + 1, height / 2 + 1);
        p.setBrush(brush);
        p.setPen(pen);
    }
    drawUprightCentred(dc, centre, text, metrics);
}

ColorRef chosenDignityColour(int body, const std::uint8_t* dignityStates, const TOptions& options) {
    return body <= 10 && dignityStates ? options.colors.dignities[std::min<std::size_t>(dignityStates[body], 6)]
                                       : options.colors.deftext;
}

ColorRef dignityColour(int body, const std::uint8_t* dignityStates, int colourMode, const TOptions& options,
                       bool printing) {
    const ColorRef c = chosenDignityColour(body, dignityStates, options);
    return colourMode == ColourChart ? adaptChartColour(c, options, printing) : adaptTableColour(c, options, printing);
}

void drawBodyGlyph(DrawContext& dc, int x, int y, int body, int dx, int dy, const GlyphFonts& fonts,
                   const std::uint8_t* dignityStates, const std::int8_t* motions, int fixedMotion, const Box* box,
                   int colourMode, const TOptions& options) {
    QPainter& p = dc.painter;
    if (colourMode != ColourNone && dignityStates)
        p.setPen(toQColor(dignityColour(body, dignityStates, colourMode, options, dc.printing)));
    p.setFont(fonts.glyph);
    drawCentredText(dc, x, y, QString(QLatin1Char(bodyGlyph(body, options))), options, box);
    const int motion = motions ? motions[body] : fixedMotion;
    if (motion > 0)
        return;
    if (box) {
        x = box->centreX();
        y = box->centreY();
    }
    p.setFont(fonts.mark);
    // The mark keeps its place beside the glyph whichever way the y axis runs.
    const int my = uprightIsMetric(p) ? y + dy : y - dy;
    drawCentredText(dc, x + dx, my, motion < 0 ? QStringLiteral("R") : QStringLiteral("S"), options);
}

void drawPointGlyph(DrawContext& dc, int x, int y, int code, int dx, int dy, const GlyphFonts& fonts,
                    const std::uint8_t* dignityStates, const Box* box, int colourMode, const TOptions& options) {
    const AspectPoint point = aspectPoint(code & 63);
    if (point.kind == PointKind::Body) {
        drawBodyGlyph(dc, x, y, point.index, dx, dy, fonts, dignityStates, nullptr, (code & 64) ? -1 : 1, box, colourMode,
                      options);
        return;
    }
    const ColorRef colour = colourMode == ColourChart ? adaptChartColour(options.colors.axisnames, options, dc.printing)
                                                      : adaptTableColour(options.colors.deftext, options, dc.printing);
    QPainter& p = dc.painter;
    p.setPen(toQColor(colour));
    p.setFont(fonts.mark);
    const char* label = point.kind == PointKind::Axis ? axisName(point.index) : houseLabel(point.index);
    drawCentredText(dc, x, y, QString::fromLatin1(label), options, box);
}

void strokeCircle(QPainter& p, int cx, int cy, int r, int width, ColorRef colour) {
    p.setPen(plainPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(cx, cy), r, r);
}

void fillDisc(DrawContext& dc, int cx, int cy, int r, int width, ColorRef colour) {
    QPainter& p = dc.painter;
    if (dc.printing) {
        strokeCircle(p, cx, cy, r, width, 0x000000);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(colour));
    p.drawEllipse(QPoint(cx, cy), r, r);
    p.setBrush(Qt::NoBrush);
}

void fillGradientRect(QPainter& p, const Box& box, ColorRef top, ColorRef bottom) {
    QLinearGradient gradient(0, box.top, 0, box.bottom);
    gradient.setColorAt(0, toQColor(top));
    gradient.setColorAt(1, toQColor(bottom));
    p.fillRect(QRect(QPoint(box.left, box.bottom), QPoint(box.right - 1, box.top - 1)), gradient);
}

void drawDegreeSignText(DrawContext& dc, const Box& box, double degrees, const QFont& glyphFont, const TOptions& options) {
    int sign = 0;
    const QString text = formatLongitudeInSign(degrees, options.display.decimal, &sign);
    const QString glyph(QLatin1Char(signGlyph(sign, options)));
    const double glyphWidth = QFontMetricsF(glyphFont).horizontalAdvance(glyph);
    Box textBox = box;
    textBox.right = box.right - static_cast<int>(glyphWidth);
    drawCentredText(dc, 0, 0, text, options, &textBox);
    QPainter& p = dc.painter;
    const QFont textFont = p.font();
    p.setFont(glyphFont);
    Box glyphBox = box;
    glyphBox.left = textBox.right + 1;
    glyphBox.right = glyphBox.left + static_cast<int>(glyphWidth);
    drawCentredText(dc, 0, 0, glyph, options, &glyphBox);
    p.setFont(textFont);
}
