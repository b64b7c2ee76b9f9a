// Renders whose pixels prove where the wheel puts things: the Ascendant's arrow for each
// origin of the zodiac, nothing at all for a radius <= 0, and black on white with `black`.
#include <QtTest>
#include <random>

#include <QGuiApplication>
#include <numbers>

#include "ChartFonts.h"
#include "ChartView.h"
#include "DrawPrimitives.h"
#include "DrawContext.h"
#include "RadixWheel.h"
#include "ShippedData.h"
#include "TextShapes.h"

namespace {

constexpr int Side = 1000, Centre = 500, Radius = 480;
constexpr ColorRef AxisRed = 0x0000FF;

RadixData syntheticChart(double ascendantDegrees) {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    for (auto& row : r.parallelCode)
        row.fill(0xFF);
    r.motion.fill(1);
    const double deg = std::numbers::pi / 180.0;
    r.axis[0] = ascendantDegrees * deg;
    r.axis[1] = std::fmod(ascendantDegrees + 270.0, 360.0) * deg;
    r.axis[6] = std::fmod(ascendantDegrees + 180.0, 360.0) * deg;
    r.axis[7] = std::fmod(ascendantDegrees + 90.0, 360.0) * deg;
    for (int i = 0; i < 12; ++i)
        r.cusp[static_cast<std::size_t>(i)] = r.houseStart[static_cast<std::size_t>(i)] =
            std::fmod(ascendantDegrees + 30.0 * i, 360.0) * deg;
    for (int i = 0; i < ChartPointCount; ++i)
        r.lon[static_cast<std::size_t>(i)] = (15.0 * i + 3.0) * deg;
    return r;
}

// Only the axes, in red, on white.
TOptions axesOnly(std::uint8_t startsign) {
    TOptions o{};
    o.display.axises = true;
    o.display.startsign = startsign;
    o.display.chart_style = 1;
    o.colors.axises = AxisRed;
    o.colors.background = 0xFFFFFF;
    return o;
}

QImage paintWheel(const RadixData& chart, const TOptions& o, int radius = Radius) {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    // One logical unit per pixel, y up.
    p.setTransform(QTransform(1, 0, 0, -1, 0, Side));
    DrawContext dc(p);
    drawRadixWheel(dc, Centre, Centre, radius, chart, o);
    return image;
}

bool isRed(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 0, 0); }

}  // namespace

class TestWheelRender : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadChartFonts()); }

    void ascendantArrow_data() {
        QTest::addColumn<int>("startsign");
        QTest::addColumn<double>("ascendant");
        QTest::addColumn<int>("dx");  // direction of the arrowhead from the centre, in device pixels
        QTest::addColumn<int>("dy");
        QTest::newRow("ascendant origin: left") << 0x00 << 100.0 << -1 << 0;
        QTest::newRow("mirrored: right") << 0x80 << 100.0 << 1 << 0;
        QTest::newRow("Aries at the left, Ascendant in Cancer: below") << 0x01 << 90.0 << 0 << 1;
        QTest::newRow("middle of Aries at the left") << 0x41 << 15.1 << -1 << 0;
        QTest::newRow("Leo at the left, Ascendant at 0 Scorpio: below") << 0x05 << 210.0 << 0 << 1;
        QTest::newRow("mirrored Aries origin, Ascendant in Capricorn: above") << 0x81 << 270.0 << 0 << -1;
        QTest::newRow("middle of Leo, mirrored: Ascendant at 15 Leo on the right") << 0xC5 << 135.0 << 1 << 0;
    }
    void ascendantArrow() {
        QFETCH(int, startsign);
        QFETCH(double, ascendant);
        QFETCH(int, dx);
        QFETCH(int, dy);
        const QImage image = paintWheel(syntheticChart(ascendant), axesOnly(static_cast<std::uint8_t>(startsign)));
        // Near the tip the arrowhead is wider than the shaft: 4 pixels beside the axis it is
        // filled at the arrowhead's end and empty at the opposite end of the line.
        const int r = 424, side = 4;  // between the notch and the tip (0.92 R)
        const int hx = Centre + dx * r, hy = Centre + dy * r;
        const int ox = Centre - dx * r, oy = Centre - dy * r;
        QVERIFY(isRed(image, hx + dy * side, hy + dx * side));
        QVERIFY(isRed(image, hx - dy * side, hy - dx * side));
        QVERIFY(!isRed(image, ox + dy * side, oy + dx * side));
        // The plain end of the line reaches the degree scale's outer ring (0.9 R = 432) and
        // stops there, short of the sign glyphs.
        const int inside = 428, beyond = 437;
        QVERIFY(isRed(image, Centre - dx * inside, Centre - dy * inside));
        QVERIFY(!isRed(image, Centre - dx * beyond, Centre - dy * beyond));
    }

    void nothingDrawnWithoutRadius_data() {
        QTest::addColumn<int>("radius");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -20;
    }
    void nothingDrawnWithoutRadius() {
        QFETCH(int, radius);
        TOptions o{};
        SetShippedOptions(o);
        o.colors.background = 0xFFFFFF;
        QImage blank(Side, Side, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(paintWheel(syntheticChart(100), o, radius), blank);
    }

    void blackOption_drawsBlackOnWhiteAndKeepsTheOptions_data() {
        QTest::addColumn<int>("view");
        QTest::newRow("wheel") << int(ChartView::Wheel);
        QTest::newRow("combined table") << int(ChartView::Combined);
    }
    void blackOption_drawsBlackOnWhiteAndKeepsTheOptions() {
        QFETCH(int, view);
        TOptions o{};
        SetShippedOptions(o);  // the filled styles, gradients and colours
        o.display.black = true;
        o.display.asps.fill(true);
        o.display.aspsonchart.fill(true);
        const TOptions before = o;
        RadixData chart = syntheticChart(100);
        chart.aspectCode[3][2] = 0x86;  // Venus trine the Sun, tight and applying
        chart.aspectCode[5][4] = 0x05;
        QImage image(600, 450, QImage::Format_RGB32);
        ViewRequest request = viewRequestFor(static_cast<ChartView>(view));
        ChartViewRenderer renderer;
        renderer.render(image, 2, chart, o, request);
        QCOMPARE(image.pixel(2, 2), qRgb(255, 255, 255));
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                QVERIFY2(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px),
                         qPrintable(QStringLiteral("coloured pixel at %1,%2").arg(x).arg(y)));
                dark += qRed(px) < 128;
            }
        QVERIFY(dark > 500);
        QVERIFY(std::memcmp(&before.colors, &o.colors, sizeof o.colors) == 0);
    }

    void halo_data() {
        QTest::addColumn<uint>("halo");
        QTest::addColumn<bool>("painted");
        QTest::newRow("red halo") << 0x0000FFu << true;
        QTest::newRow("black means none") << 0x000000u << false;
    }
    void halo() {
        QFETCH(uint, halo);
        QFETCH(bool, painted);
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setTransform(QTransform(1, 0, 0, -1, 0, 100));
            p.setFont(chartFont(FontTemplate::Label, 40));
            p.setPen(Qt::black);
            DrawContext dc(p);
            dc.haloColour = halo;
            drawCentredText(dc, 100, 50, QStringLiteral("28"), TOptions{});
        }
        // Just outside the digits, left of them and above them, inside the halo's ellipse.
        QCOMPARE(isRed(image, 100, 50 - 17), painted);
        QCOMPARE(isRed(image, 100 - 15, 50), painted);
        QVERIFY(!isRed(image, 2, 2));
    }

    // Texts drawn from the kept shapes (outlines of large glyphs, advances of all) give the
    // pixels Qt's own drawing gives, at fractional positions either side of the origin, again
    // when the shapes are reused, and with the same text kept in another font before.
    void keptTextShapes_drawTheSamePixels_data() {
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("outlined");
        QTest::newRow("large body glyph") << int(FontTemplate::Symbol) << 60 << QStringLiteral("Q") << 2.0 << true;
        QTest::newRow("large degree label") << int(FontTemplate::Label) << 50 << QStringLiteral("14 07") << 1.7 << true;
        QTest::newRow("several glyphs at an odd scale") << int(FontTemplate::Symbol) << 35 << QStringLiteral("abQ") << 3.3
                                                       << true;
        QTest::newRow("small mark Qt keeps as images") << int(FontTemplate::Small) << 12 << QStringLiteral("R") << 1.0
                                                       << false;
    }
    void keptTextShapes_drawTheSamePixels() {
        QFETCH(int, font);
        QFETCH(int, height);
        QFETCH(QString, text);
        QFETCH(double, scale);
        QFETCH(bool, outlined);
        const QFont chosen = chartFont(static_cast<FontTemplate>(font), height);
        auto paint = [&](TextShapes* shapes) {
            QImage image(500, 300, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setTransform(QTransform(scale, 0, 0, -scale, 0.3, 299.7));
            DrawContext dc(p);
            dc.textShapes = shapes;
            p.setPen(Qt::darkBlue);
            p.setFont(chartFont(FontTemplate::TableRoman, height));
            drawCentredText(dc, 37, 41, text, TOptions{});
            p.setFont(chosen);
            for (const QPoint at : {QPoint(90, 60), QPoint(151, 93), QPoint(23, 29)})
                drawCentredText(dc, at.x(), at.y(), text, TOptions{});
            return image;
        };
        TextShapes shapes;
        QCOMPARE(shapes.drawnAsOutline(chosen, scale * scale), outlined);
        const QImage qt = paint(nullptr);
        QCOMPARE(paint(&shapes), qt);
        QCOMPARE(paint(&shapes), qt);
    }

    // The background reaches every pixel outside the hole an opaque disc covers later, with the
    // brush's colour there, and leaves the hole alone, wherever the hole lies in the view.
    void fillAround_leavesOutOnlyTheHole_data() {
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");
        QTest::newRow("inside the view") << QPointF(150, 100) << 80.0;
        QTest::newRow("at fractional pixels") << QPointF(100.6, 70.3) << 33.7;
        QTest::newRow("over the top left corner") << QPointF(20, -10) << 60.0;
        QTest::newRow("over the right edge") << QPointF(290, 120) << 50.0;
        QTest::newRow("beyond the view") << QPointF(-500, 50) << 40.0;
        QTest::newRow("larger than the view") << QPointF(150, 100) << 400.0;
        QTest::newRow("none") << QPointF(150, 100) << 0.0;
    }
    void fillAround_leavesOutOnlyTheHole() {
        QFETCH(QPointF, centre);
        QFETCH(double, radius);
        const QSize size(300, 200);
        QLinearGradient gradient(0, 0, 0, size.height());
        gradient.setColorAt(0, QColor(40, 90, 200));
        gradient.setColorAt(1, QColor(220, 180, 20));
        for (const QBrush& brush : {QBrush(QColor(10, 200, 30)), QBrush(gradient)}) {
            QImage expected(size, QImage::Format_RGB32);
            QPainter(&expected).fillRect(expected.rect(), brush);
            const QRgb marker = qRgb(255, 0, 255);
            QImage image(size, QImage::Format_RGB32);
            image.fill(marker);
            {
                QPainter p(&image);
                fillAround(p, size, brush, centre, radius);
            }
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
                    if (d > radius + 1.5 && image.pixel(x, y) != expected.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("background missing at %1, %2").arg(x).arg(y)));
                    if (d < radius - 1.5 && image.pixel(x, y) != marker)
                        QFAIL(qPrintable(QStringLiteral("background inside the hole at %1, %2").arg(x).arg(y)));
                }
        }
    }

    void smoothing_averagesBlocks() {
        QImage large(4, 2, QImage::Format_RGB32);
        large.setPixel(0, 0, qRgb(0, 0, 0));
        large.setPixel(1, 0, qRgb(255, 255, 255));
        large.setPixel(0, 1, qRgb(255, 0, 0));
        large.setPixel(1, 1, qRgb(1, 2, 3));
        for (int x = 2; x < 4; ++x)
            for (int y = 0; y < 2; ++y)
                large.setPixel(x, y, qRgb(200, 100, 50));
        QImage small(2, 1, QImage::Format_RGB32);
        averageBlocks(large, small, 2);
        QCOMPARE(small.pixel(0, 0), qRgb((0 + 255 + 255 + 1) >> 2, (0 + 255 + 0 + 2) >> 2, (0 + 255 + 0 + 3) >> 2));
        QCOMPARE(small.pixel(1, 0), qRgb(200, 100, 50));
    }
    void smoothing_averagesSixteenPixelBlocks() {
        QImage large(12, 4, QImage::Format_RGB32);
        large.fill(qRgb(16, 32, 48));
        large.setPixel(0, 0, qRgb(255, 255, 255));
        large.setPixel(3, 3, qRgb(0, 0, 0));
        large.setPixel(9, 2, qRgb(32, 0, 255));
        QImage small(3, 1, QImage::Format_RGB32);
        averageBlocks(large, small, 4);
        QCOMPARE(small.pixel(0, 0), qRgb((14 * 16 + 255) >> 4, (14 * 32 + 255) >> 4, (14 * 48 + 255) >> 4));
        QCOMPARE(small.pixel(1, 0), qRgb(16, 32, 48));
        QCOMPARE(small.pixel(2, 0), qRgb((15 * 16 + 32) >> 4, (15 * 32) >> 4, (15 * 48 + 255) >> 4));
    }
    void smoothing_matchesPlainSumsAtEveryWidth() {
        // Random pixels, rows from one block to past the widest vector step, so every path of
        // the averaging and every leftover count meets the plain per-channel sum.
        std::mt19937 random(20240601);
        for (const int f : {2, 4}) {
            for (int w = 1; w <= 21; ++w) {
                QImage large(w * f, 2 * f, QImage::Format_RGB32);
                for (int y = 0; y < large.height(); ++y)
                    for (int x = 0; x < large.width(); ++x)
                        large.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
                QImage small(w, 2, QImage::Format_RGB32);
                averageBlocks(large, small, f);
                for (int y = 0; y < 2; ++y)
                    for (int x = 0; x < w; ++x) {
                        int r = 0, g = 0, b = 0;
                        for (int dy = 0; dy < f; ++dy)
                            for (int dx = 0; dx < f; ++dx) {
                                const QRgb px = large.pixel(x * f + dx, y * f + dy);
                                r += qRed(px);
                                g += qGreen(px);
                                b += qBlue(px);
                            }
                        const int n = f * f;
                        QCOMPARE(small.pixel(x, y), qRgb(r / n, g / n, b / n));
                    }
            }
        }
    }
};

QTEST_MAIN(TestWheelRender)
#include "tst_wheelrender.moc"
