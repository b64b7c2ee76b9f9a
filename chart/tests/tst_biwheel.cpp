// The collation views: which chart the bi-wheel puts inside (found on rendered pixels), which
// cross aspects it draws, the collation aspects grid against the cross-aspect table, and the
// printed chart page of a collation.
#include <QtTest>

#include <QPicture>
#include <functional>

#include <numbers>
#include <set>
#include <tuple>

#include "Aspects.h"
#include "BiWheel.h"
#include "ChartFonts.h"
#include "ChartTables.h"
#include "ChartView.h"
#include "CollationGrid.h"
#include "GlyphCodes.h"
#include "PrintColourMode.h"
#include "PrintPages.h"
#include "RadixWheel.h"
#include "EnglishStrings.h"
#include "ShippedData.h"

namespace {

constexpr int Side = 1000, Centre = 500, Radius = 480;
constexpr double Deg = std::numbers::pi / 180.0;

// A chart with every body at `sunDegrees` + 15 degrees apart, the Ascendant at 0 Aries and
// no aspects.
RadixData chartWithSunAt(double sunDegrees, const char* name) {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    r.motion.fill(1);
    for (int i = 0; i < 12; ++i)
        r.cusp[static_cast<std::size_t>(i)] = r.houseStart[static_cast<std::size_t>(i)] = 30.0 * i * Deg;
    r.axis[1] = 270.0 * Deg;
    for (int i = 0; i < ChartPointCount; ++i)
        r.lon[static_cast<std::size_t>(i)] = std::fmod(sunDegrees + 15.0 * i, 360.0) * Deg;
    std::snprintf(r.name.data(), r.name.size(), "%s", name);
    return r;
}

Collation emptyCollation(const RadixData& second, CollationKind kind = CollationKind::Synastry) {
    Collation c;
    c.kind = kind;
    c.second = second;
    for (CrossAspectTables* t : {&c.aspects.radixToSecond, &c.aspects.secondToRadix})
        for (auto& row : t->aspectCode)
            row.fill(0xFF);
    return c;
}

// Dark pixels in a square of side 2 * half around the centre of a glyph at `degrees` and
// radius `r` (the painter maps one logical unit to a pixel, y up).
int darkAround(const QImage& image, int rotation, double degrees, int r, int half = 10) {
    const WheelPoint at = wheelPoint(Centre, Centre, rotation + toQuarterDegrees(degrees * Deg), r, 1);
    int dark = 0;
    for (int y = Side - at.y - half; y <= Side - at.y + half; ++y)
        for (int x = at.x - half; x <= at.x + half; ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

}  // namespace

class TestBiWheel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadChartFonts()); }

    // Only the Suns are drawn, black on white: the radix's at 100 degrees, the second chart's
    // opposite it, so each glyph's ring tells which chart stands where.
    void outerradix_placesTheRadixSun_data() {
        QTest::addColumn<bool>("outerradix");
        QTest::addColumn<int>("radixSunRadius");
        QTest::addColumn<int>("secondSunRadius");
        const BiWheelLayout B = biWheelLayout(Radius);
        const int inner = wheelLayout(B.innerRadius, false).bodyGlyphRadius;
        QTest::newRow("radix inside") << false << inner << B.glyphRadius;
        QTest::newRow("radix outside") << true << B.glyphRadius << inner;
    }
    void outerradix_placesTheRadixSun() {
        QFETCH(bool, outerradix);
        QFETCH(int, radixSunRadius);
        QFETCH(int, secondSunRadius);
        TOptions o{};
        o.colors.background = 0xFFFFFF;
        o.display.chart_style = 1;
        o.display.planets = true;
        o.display.plansonchart[0] = true;
        o.display.startsign = 1;  // Aries at the left whichever chart is inside
        o.display.outerradix = outerradix;
        const RadixData radix = chartWithSunAt(100, "A");
        const Collation collation = emptyCollation(chartWithSunAt(280, "B"));
        QImage image(Side, Side, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setTransform(QTransform(1, 0, 0, -1, 0, Side));
            DrawContext dc(p);
            drawBiWheel(dc, Centre, Centre, Radius, radix, collation, o);
        }
        const int rot = wheelRotation(o.display.startsign, 0);
        QVERIFY(darkAround(image, rot, 100, radixSunRadius) > 20);
        QVERIFY(darkAround(image, rot, 280, secondSunRadius) > 20);
        QCOMPARE(darkAround(image, rot, 100, secondSunRadius), 0);
        QCOMPARE(darkAround(image, rot, 280, radixSunRadius), 0);
    }

    void collationViews_drawNothingWithoutACollation_data() {
        QTest::addColumn<int>("view");
        QTest::newRow("bi-wheel") << int(ChartView::Collation);
        QTest::newRow("grid") << int(ChartView::CollationGrid);
    }
    void collationViews_drawNothingWithoutACollation() {
        QFETCH(int, view);
        TOptions o{};
        SetShippedOptions(o);
        o.display.chart_style = o.display.table_style = 1;
        o.colors.background = 0xFFFFFF;
        QImage image(400, 300, QImage::Format_RGB32);
        ChartViewRenderer renderer;
        renderer.render(image, 2, chartWithSunAt(100, "A"), o, viewRequestFor(static_cast<ChartView>(view)));
        QImage blank(400, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(image, blank);
    }

    void aspectLines_followTheDisplayOptions_data() {
        QTest::addColumn<bool>("colloppasps");
        QTest::addColumn<bool>("axes");
        QTest::newRow("plain") << false << false;
        QTest::newRow("opposite points") << true << false;
        QTest::newRow("axes") << false << true;
    }
    void aspectLines_followTheDisplayOptions() {
        QFETCH(bool, colloppasps);
        QFETCH(bool, axes);
        TOptions o{};
        o.display.plansonchart.fill(true);
        o.display.planasps.fill(true);
        o.display.aspsonchart.fill(true);
        o.display.aspsonchart[5] = false;
        o.display.colloppasps = colloppasps;
        o.display.axises = axes;
        o.display.houses = true;
        const RadixData radix = chartWithSunAt(0, "A");
        Collation c = emptyCollation(chartWithSunAt(7, "B"));
        auto& toSecond = c.aspects.radixToSecond.aspectCode;
        auto& toRadix = c.aspects.secondToRadix.aspectCode;
        toSecond[0][aspectPointOfBody(1)] = 0x80;            // radix Sun - second Moon: drawn
        toSecond[0][aspectPointOfBody(2)] = 5;               // a type switched off on the wheel
        toSecond[2][33] = 10;                                // radix Mercury - second South node
        toSecond[BodySouthNode][aspectPointOfBody(3)] = 0;  // radix South node - second Venus
        toSecond[3][13] = 0;                                 // radix Venus - second cusp: never
        toSecond[4][0] = 2;                                  // radix Mars - second Ascendant
        toRadix[1][aspectPointOfBody(0)] = 0x80;             // the same pair seen from the other side
        toRadix[5][1] = 3;                                   // second Jupiter - radix MC
        toRadix[6][31] = 1;                                  // second Saturn - radix Descendant
        std::set<std::tuple<bool, int, int>> expected{{true, 0, aspectPointOfBody(1)}};
        if (colloppasps) {
            expected.insert({true, 2, 33});
            expected.insert({true, BodySouthNode, aspectPointOfBody(3)});
        }
        if (axes) {
            expected.insert({true, 4, 0});
            expected.insert({false, 5, 1});
        }
        if (axes && colloppasps)
            expected.insert({false, 6, 31});
        std::set<std::tuple<bool, int, int>> drawn;
        for (const CrossAspectLine& line : biWheelAspectLines(radix, c, o)) {
            const auto& table = line.radixBody ? toSecond : toRadix;
            QCOMPARE(line.code, int(table[static_cast<std::size_t>(line.body)][static_cast<std::size_t>(line.point)]));
            QVERIFY2(drawn.insert({line.radixBody, line.body, line.point}).second, "a line drawn twice");
        }
        QCOMPARE(drawn, expected);
    }

    // Rows are the radix's bodies, columns the second chart's; each cell shows the aspect of
    // its pair from the radix's table with the strength frame and the applying mark.
    void grid_cellsFollowTheCrossAspectTable_data() {
        QTest::addColumn<bool>("colloppasps");
        QTest::newRow("without the South node") << false;
        QTest::newRow("with the South node") << true;
    }
    void grid_cellsFollowTheCrossAspectTable() {
        QFETCH(bool, colloppasps);
        TOptions o{};
        o.display.plans.fill(true);
        o.display.asps.fill(true);
        o.display.asps[4] = false;
        o.display.colloppasps = colloppasps;
        RadixData radix = chartWithSunAt(0, "Kov\xE1""cs \xC9va");
        radix.bodyStatus[BodyChiron] = EphemerisStatus::NoFile;  // Chiron not computed: no row
        Collation c = emptyCollation(chartWithSunAt(7, ""), CollationKind::Transit);
        auto& table = c.aspects.radixToSecond.aspectCode;
        table[0][aspectPointOfBody(1)] = 0x80 | 0x20 | 6;  // strong, applying
        table[1][aspectPointOfBody(0)] = 0x40 | 0;
        table[2][aspectPointOfBody(3)] = 4;               // a type the grid leaves out
        table[BodySouthNode][aspectPointOfBody(BodySouthNode)] = 10;
        table[9][aspectPointOfBody(9)] = 12;
        c.aspects.secondToRadix.aspectCode[0][aspectPointOfBody(1)] = 3;  // not the grid's table
        table[0][0] = 10;  // the Sun opposite the second chart's Ascendant
        auto& separation = c.aspects.radixToSecond.separation;
        separation[0][0] = 178.0 * Deg;
        separation[0][aspectPointOfBody(1)] = (aspectAngle(6) + 1.5) * Deg;
        const TableModel t = collationGridTable(radix, c, o, english());
        QVERIFY(t.rows[0].cells[0].text().contains(QStringLiteral("Kov\u00E1cs \u00C9va")));
        QVERIFY(t.rows[0].cells[0].text().contains(QStringLiteral("Transits")));
        std::vector<int> columns, rows;
        // The second chart's Asc and MC come first, then its bodies.
        QCOMPARE(t.rows[1].cells.at(0).text(), QString("Asc"));
        QCOMPARE(t.rows[1].cells.at(1).text(), QString("MC"));
        for (std::size_t i = 2; i < t.rows[1].cells.size(); ++i)
            columns.push_back(t.rows[1].cells[i].body);
        for (std::size_t r = 2; r < t.rows.size(); ++r)
            rows.push_back(t.rows[r].cells[0].body);
        std::vector<int> secondBodies, radixBodies;
        for (int b = 0; b < BodyCount; ++b) {
            if (b == BodySouthNode && !colloppasps)
                continue;
            if (c.second.available(b))
                secondBodies.push_back(b);
            if (radix.available(b))
                radixBodies.push_back(b);
        }
        QCOMPARE(columns, secondBodies);
        QCOMPARE(rows, radixBodies);
        int cells = 0;
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t k = 0; k < columns.size(); ++k) {
                const int code = table[static_cast<std::size_t>(rows[r])][static_cast<std::size_t>(aspectPointOfBody(columns[k]))];
                const TableCell* cell = t.cell(r + 2, static_cast<int>(k) + 3);
                const bool shown = code != 0xFF && o.display.asps[static_cast<std::size_t>(code & 31)];
                QCOMPARE(cell != nullptr, shown);
                if (!cell)
                    continue;
                ++cells;
                const int type = code & 31;
                QVERIFY(cell->text().startsWith(type <= 10 ? QString(QLatin1Char(aspectGlyph(type))) : QString::fromLatin1(aspectAbbreviation(type))));
                QCOMPARE(cell->frame == CellFrame::Double, (code & 0x80) != 0);
                QCOMPARE(cell->applying, (code & 0x20) != 0);
            }
        QCOMPARE(cells, colloppasps ? 4 : 3);
        // Each aspect shows its orb, as the detailed aspect grid does; the Ascendant has its column.
        QCOMPARE(t.cell(2, 4)->text(), QString(QLatin1Char(aspectGlyph(6))) + "1.5");
        QCOMPARE(t.cell(2, 1)->text(), QString(QLatin1Char(aspectGlyph(10))) + "2.0");
        QVERIFY(t.cell(2, 2) == nullptr);
    }

    // The positions view of a collation: the radix's tables, and the second chart's as wide
    // again beside them, both under a heading row.
    void positions_secondChartBesideTheRadix() {
        TOptions o{};
        SetShippedOptions(o);
        const RadixData radix = chartWithSunAt(0, "A");
        const Collation c = emptyCollation(chartWithSunAt(7, "B"));
        std::vector<PositionRow> rows;
        buildPositionRows(radix, o, rows);
        auto extent = [](const std::function<void(DrawContext&)>& draw) {
            QPicture picture;
            QPainter p(&picture);
            DrawContext dc(p);
            draw(dc);
            p.end();
            return picture.boundingRect();
        };
        const QRect single = extent([&](DrawContext& dc) { drawPositionTable(dc, radix, rows, 1.0, o, english()); });
        const QRect both = extent([&](DrawContext& dc) { drawCollationPositions(dc, radix, rows, c, 1.0, o, english()); });
        QVERIFY2(both.width() > 2 * single.width(), qPrintable(QStringLiteral("%1 %2").arg(both.width()).arg(single.width())));
        QVERIFY(both.height() > single.height());
    }

    // The bi-wheel closes its outer ring with a circle at the full radius, where the single
    // wheel has only the twelve sign lines.
    void printedChartPage_drawsTheBiWheelForACollation_data() {
        QTest::addColumn<bool>("collated");
        QTest::newRow("single chart") << false;
        QTest::newRow("collation") << true;
    }
    void printedChartPage_drawsTheBiWheelForACollation() {
        QFETCH(bool, collated);
        TOptions o{};
        SetShippedOptions(o);
        o.print_pages.fill(false);
        o.print_pages[PrintWheel] = true;
        const RadixData radix = chartWithSunAt(0, "A");
        const Collation c = emptyCollation(chartWithSunAt(7, "B"));
        constexpr double Dpi = 100;
        QImage page(830, 1180, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter p(&page);
            p.setTransform(pageTransform(Dpi, 1.0));
            DrawContext dc(p);
            PrintColourMode mode(o, dc);
            const PrintContent printed{radix, o, english(), QDateTime(QDate(2026, 1, 2), QTime(3, 4)), collated ? &c : nullptr};
            paintPrintPage(dc, PrintPage::Chart, 1.0, printed);
        }
        const PrintContent content{radix, o, english(), QDateTime(QDate(2026, 1, 2), QTime(3, 4)), collated ? &c : nullptr};
        PageItem wheel;
        for (const PageItem& item : layoutPrintPage(PrintPage::Chart, 1.0, content))
            if (item.kind == PageItemKind::Wheel || item.kind == PageItemKind::BiWheel)
                wheel = item;
        QCOMPARE(wheel.kind, collated ? PageItemKind::BiWheel : PageItemKind::Wheel);
        QCOMPARE(wheel.radius, ChartWheelRadius);
        const QTransform toDevice = pageTransform(Dpi, 1.0);
        int onCircle = 0;
        for (int k = 0; k < 36; ++k) {
            const double a = (10.0 * k + 4.0) * Deg;
            const QPointF at = toDevice.map(QPointF(wheel.centre.x + wheel.radius * std::cos(a),
                                                    wheel.centre.y + wheel.radius * std::sin(a)));
            bool dark = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    dark = dark || qGray(page.pixel(qRound(at.x()) + dx, qRound(at.y()) + dy)) < 160;
            onCircle += dark;
        }
        if (collated)
            QVERIFY2(onCircle >= 34, qPrintable(QString::number(onCircle)));
        else
            QVERIFY2(onCircle <= 6, qPrintable(QString::number(onCircle)));
    }
    // The outer chart's Ascendant and MC lines never cross an outer body's degree label, wherever
    // the axis falls against the bodies (labels taken at the bodies' own places: ten bodies 15
    // degrees apart are not spread).
    void outerAxes_keepOffTheDegreeLabels_data() {
        QTest::addColumn<double>("asc");
        QTest::addColumn<int>("startsign");
        QTest::addColumn<bool>("outerradix");
        QTest::newRow("Ascendant on a body") << 37.0 << 0 << false;
        QTest::newRow("Ascendant just past a body") << 39.0 << 0 << false;
        QTest::newRow("Ascendant just before a body") << 34.5 << 0 << false;
        QTest::newRow("Ascendant between bodies") << 44.5 << 0 << false;
        QTest::newRow("mirrored") << 39.0 << 0x80 << false;
        QTest::newRow("Aries at the left") << 129.0 << 1 << false;
        QTest::newRow("radix outside") << 39.0 << 0 << true;
    }
    void outerAxes_keepOffTheDegreeLabels() {
        QFETCH(double, asc);
        QFETCH(int, startsign);
        QFETCH(bool, outerradix);
        TOptions o{};
        SetShippedOptions(o);
        o.display.plansonchart.fill(false);
        std::fill_n(o.display.plansonchart.begin(), 10, true);
        o.display.planets = o.display.longitudes = o.display.axises = true;
        o.display.startsign = static_cast<std::uint8_t>(startsign);
        o.display.outerradix = outerradix;
        RadixData inner = chartWithSunAt(0, "A");
        RadixData outer = chartWithSunAt(7, "B");
        outer.axis[0] = asc * Deg;
        outer.axis[1] = std::fmod(asc + 270.0, 360.0) * Deg;
        const RadixData& radix = outerradix ? outer : inner;
        const Collation c = emptyCollation(outerradix ? inner : outer);
        const BiWheelLayout B = biWheelLayout(Radius);
        const int mirror = startsign & 0x80 ? -1 : 1;
        const int rot = wheelRotation(o.display.startsign, 0);  // the inner chart's Ascendant is at 0 Aries
        std::vector<WheelBox> labels;
        for (int b = 0; b < 10; ++b)
            labels.push_back(degreeLabelBox(
                wheelPoint(Centre, Centre, rot + toQuarterDegrees(outer.lon[static_cast<std::size_t>(b)]), B.labelRadius, mirror),
                B.labelHeight));
        const auto pieces = biWheelOuterAxisPieces(Centre, Centre, Radius, radix, c, o);
        double drawn = 0;
        for (const auto& [from, to] : pieces) {
            drawn += std::hypot(to.x - from.x, to.y - from.y);
            for (int t = 0; t <= 100; ++t) {
                const double x = from.x + (to.x - from.x) * t / 100.0, y = from.y + (to.y - from.y) * t / 100.0;
                for (const WheelBox& l : labels)
                    QVERIFY2(!(x > l.left + 1 && x < l.right - 1 && y > l.bottom + 1 && y < l.top - 1),
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
        // Some of each line is still drawn across the ring.
        QVERIFY2(drawn > 0.2 * (Radius - B.tick10), qPrintable(QString::number(drawn)));
    }

    // Hovering finds the glyph of either chart, inside or outside, and nothing between them.
    void bodyAt_findsTheBodyOfEitherChart_data() {
        QTest::addColumn<bool>("outerradix");
        QTest::newRow("radix inside") << false;
        QTest::newRow("radix outside") << true;
    }
    void bodyAt_findsTheBodyOfEitherChart() {
        QFETCH(bool, outerradix);
        TOptions o{};
        SetShippedOptions(o);
        o.display.planets = true;
        o.display.startsign = 1;
        o.display.outerradix = outerradix;
        const RadixData radix = chartWithSunAt(100, "A");
        const Collation c = emptyCollation(chartWithSunAt(280, "B"));
        const BiWheelLayout B = biWheelLayout(Radius);
        const int innerGlyph = wheelLayout(B.innerRadius, false).bodyGlyphRadius;
        const int rot = wheelRotation(o.display.startsign, 0);
        const auto glyph = [&](double degrees, int r) { return wheelPoint(Centre, Centre, rot + toQuarterDegrees(degrees * Deg), r, 1); };
        const int radixR = outerradix ? B.glyphRadius : innerGlyph, secondR = outerradix ? innerGlyph : B.glyphRadius;
        const BiWheelBody radixSun = biWheelBodyAt(Centre, Centre, Radius, radix, c, o, glyph(100, radixR));
        QVERIFY(radixSun.radix);
        QCOMPARE(radixSun.body, BodySun);
        const BiWheelBody secondMoon = biWheelBodyAt(Centre, Centre, Radius, radix, c, o, glyph(295, secondR));
        QVERIFY(!secondMoon.radix);
        QCOMPARE(secondMoon.body, BodyMoon);
        QCOMPARE(biWheelBodyAt(Centre, Centre, Radius, radix, c, o, glyph(107.5, secondR)).body, -1);
        QCOMPARE(biWheelBodyAt(Centre, Centre, Radius, radix, c, o, {Centre, Centre}).body, -1);
    }
};

QTEST_MAIN(TestBiWheel)
#include "tst_biwheel.moc"
