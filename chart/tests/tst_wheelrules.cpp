// The wheel's rules that decide what is drawn, apart from the drawing: which aspect lines,
// which aspect symbols, which projected aspects, and the wheel's layout and rotation.
#include <QtTest>

#include "ChartColours.h"
#include "RadixWheel.h"

namespace {

RadixData chartWithoutAspects() {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    return r;
}

TOptions wheelOptions() {
    TOptions o{};
    o.display.planets = o.display.aspects = o.display.axises = o.display.houses = true;
    o.display.plansonchart.fill(true);
    o.display.planasps.fill(true);
    o.display.aspsonchart.fill(true);
    return o;
}

}  // namespace

class TestWheelRules : public QObject {
    Q_OBJECT
private slots:
    void aspectLines_data() {
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("opposites");
        QTest::addColumn<int>("housecalc");
        QTest::addColumn<bool>("shown");
        QTest::newRow("trine to the Descendant: it is the sextile to the Ascendant") << 2 << 31 << 6 << false << 0 << false;
        QTest::newRow("quintile to the Descendant: no complement") << 2 << 31 << 4 << false << 0 << true;
        QTest::newRow("trine to the Descendant with opposites on") << 2 << 31 << 6 << true << 0 << true;
        QTest::newRow("no aspect") << 2 << 0 << 0xFF << true << 0 << false;
        QTest::newRow("body column of a later body is never searched") << 2 << 5 << 6 << true << 0 << false;
        QTest::newRow("body column of an earlier body") << 3 << 2 << 6 << true << 0 << true;
        QTest::newRow("Vertex column from any row") << 0 << 26 << 0 << true << 0 << true;
        QTest::newRow("cusp 1 repeats the Ascendant") << 2 << 13 << 6 << true << 0 << false;
        QTest::newRow("cusp 1 with Vehlow houses") << 2 << 13 << 6 << true << 9 << true;
        QTest::newRow("cusp 10 repeats the MC") << 2 << 16 << 6 << true << 0 << false;
        QTest::newRow("cusp 10 with Equal houses") << 2 << 16 << 6 << true << 8 << true;
        QTest::newRow("cusp 2 always") << 2 << 14 << 6 << true << 0 << true;
    }
    void aspectLines() {
        QFETCH(int, body);
        QFETCH(int, column);
        QFETCH(int, code);
        QFETCH(bool, opposites);
        QFETCH(int, housecalc);
        QFETCH(bool, shown);
        RadixData chart = chartWithoutAspects();
        chart.aspectCode[static_cast<std::size_t>(body)][static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(code);
        TOptions o = wheelOptions();
        o.display.oppaspsonchart = opposites;
        o.housecalc = static_cast<std::uint8_t>(housecalc);
        QCOMPARE(wheelShowsAspect(chart, o, body, column), shown);
    }
    void aspectLines_followTheAspectSwitch() {
        RadixData chart = chartWithoutAspects();
        chart.aspectCode[3][2] = 6;
        TOptions o = wheelOptions();
        o.display.aspsonchart[6] = false;
        QVERIFY(!wheelShowsAspect(chart, o, 3, 2));
    }

    void aspectSymbols() {
        const std::vector<AspectLineEnds> lines = {
            {{0, 0}, {1000, 0}, 10},     // opposition: a line, never a symbol
            {{0, 0}, {100, 0}, 6},       // trine at (50, 0)
            {{10, 10}, {110, 10}, 6},    // trine at (60, 10): closer than 40 both ways, dropped
            {{0, 0}, {100, 0}, 5},       // square at (50, 0): other type, drawn
            {{0, 0}, {200, 0}, 6},       // trine at (100, 0): far enough
            {{0, 0}, {100, 100}, 4},     // quintile: 37% from the row's point
            {{0, 0}, {-100, 200}, 14},   // quindecile: 32%
        };
        const std::vector<AspectSymbolPlace> places = placeAspectSymbols(lines, 40);
        QList<QList<int>> got;
        for (const AspectSymbolPlace& p : places)
            got.append({p.type, p.at.x, p.at.y});
        QCOMPARE(got, (QList<QList<int>>{{6, 50, 0}, {5, 50, 0}, {6, 100, 0}, {4, 37, 37}, {14, -32, 64}}));
    }
    void aspectSymbols_rememberTenPerType() {
        // Eleven trines far apart, then one on top of the eleventh: only ten are remembered.
        std::vector<AspectLineEnds> lines;
        for (int i = 0; i < 11; ++i)
            lines.push_back({{i * 1000, 0}, {i * 1000, 0}, 6});
        lines.push_back({{10000, 0}, {10000, 0}, 6});
        lines.push_back({{0, 0}, {0, 0}, 6});
        const std::vector<AspectSymbolPlace> places = placeAspectSymbols(lines, 40);
        QCOMPARE(places.size(), std::size_t(12));
    }

    // Axis lines stop at the edges of glyphs and labels and go on behind them.
    void segmentsOutside_data() {
        QTest::addColumn<QList<QList<int>>>("boxes");  // left, bottom, right, top
        QTest::addColumn<QList<QList<int>>>("pieces");  // x0, y0, x1, y1
        QTest::newRow("nothing in the way") << QList<QList<int>>{{200, 50, 300, 80}}
                                            << QList<QList<int>>{{0, 0, 1000, 0}};
        QTest::newRow("one glyph on the line") << QList<QList<int>>{{200, -50, 300, 50}}
                                               << QList<QList<int>>{{0, 0, 200, 0}, {300, 0, 1000, 0}};
        QTest::newRow("glyph and its label, overlapping")
            << QList<QList<int>>{{600, -20, 700, 30}, {200, -50, 300, 50}, {280, -10, 400, 10}}
            << QList<QList<int>>{{0, 0, 200, 0}, {400, 0, 600, 0}, {700, 0, 1000, 0}};
        QTest::newRow("at the end") << QList<QList<int>>{{900, -50, 1100, 50}} << QList<QList<int>>{{0, 0, 900, 0}};
        QTest::newRow("all covered") << QList<QList<int>>{{-10, -10, 1010, 10}} << QList<QList<int>>{};
    }
    void segmentsOutside() {
        QFETCH(QList<QList<int>>, boxes);
        QFETCH(QList<QList<int>>, pieces);
        std::vector<WheelBox> b;
        for (const QList<int>& x : boxes)
            b.push_back({x[0], x[1], x[2], x[3]});
        QList<QList<int>> got;
        for (const auto& [from, to] : ::segmentsOutside({0, 0}, {1000, 0}, b))
            got.append({from.x, from.y, to.x, to.y});
        QCOMPARE(got, pieces);
    }

    // An aspect symbol never covers a glyph or label: it moves along its line, nearest first,
    // and is left out where the middle of its line is all taken.
    void aspectSymbols_keepOffGlyphsAndLabels() {
        const std::vector<AspectLineEnds> lines = {
            {{0, 0}, {1000, 0}, 6},    // the middle is taken: moved to 470 or 530, the nearer clear point
            {{0, 500}, {1000, 500}, 5},  // everything between 20% and 80% is taken: no symbol
            {{0, -500}, {1000, -500}, 3},  // free: the middle
        };
        const std::vector<WheelBox> obstacles = {{440, -30, 560, 30}, {150, 450, 850, 550}};
        QList<QList<int>> got;
        for (const AspectSymbolPlace& p : placeAspectSymbols(lines, 40, obstacles))
            got.append({p.type, p.at.x, p.at.y});
        QCOMPARE(got, (QList<QList<int>>{{6, 410, 0}, {3, 500, -500}}));
        for (const AspectSymbolPlace& p : placeAspectSymbols(lines, 40, obstacles))
            for (const WheelBox& o : obstacles)
                QVERIFY(!glyphBox(p.at, 40).intersects(o));
    }

    void projectedTypes_firstSevenEnabled() {
        TOptions o{};
        o.display.aspsonchart.fill(true);
        const std::vector<int> types = projectedAspectTypes(o);
        QCOMPARE(QList<int>(types.begin(), types.end()), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
        o.display.aspsonchart.fill(false);
        o.display.aspsonchart[0] = o.display.aspsonchart[10] = o.display.aspsonchart[17] = true;
        const std::vector<int> some = projectedAspectTypes(o);
        QCOMPARE(QList<int>(some.begin(), some.end()), (QList<int>{10, 17}));
    }

    void rotation_data() {
        QTest::addColumn<int>("startsign");
        QTest::addColumn<int>("rotation");
        QTest::newRow("Ascendant at the left") << 0x00 << -400;
        QTest::newRow("mirroring leaves the rotation") << 0x80 << -400;
        QTest::newRow("start of Aries") << 0x01 << 0;
        QTest::newRow("middle of Aries") << 0x41 << -60;
        QTest::newRow("middle of Leo, mirrored") << 0xC5 << -540;
    }
    void rotation() {
        QFETCH(int, startsign);
        QFETCH(int, rotation);
        QCOMPARE(wheelRotation(static_cast<std::uint8_t>(startsign), 400), rotation);
    }

    void layout_minimumSeparations() {
        // About 8.5 degrees between body glyphs and 3 degrees between projected points.
        const WheelLayout compact = wheelLayout(10000, false);
        QCOMPARE(bodyMinSeparation(compact), 33);
        const WheelLayout extended = wheelLayout(10000, true);
        QCOMPARE(projectedMinSeparation(extended), 12);
        QCOMPARE(extended.separatingCircle, 9100);
        QCOMPARE(compact.separatingCircle, 0);
    }

    // The arrowheads of the axes stop short of the zodiac's glyphs: the sign glyphs and the
    // smaller ruler glyphs stand on the same circle.
    void layout_axisTipsStopShortOfTheSignGlyphs() {
        for (bool extended : {false, true}) {
            const WheelLayout l = wheelLayout(10000, extended);
            QVERIFY(l.axisTip < l.signGlyphRadius - l.signGlyphHeight / 2);
            QVERIFY(l.axisTip > l.bodyGlyphRadius);
        }
    }

    // Hovering finds the body whose glyph is under the pointer, where the wheel draws it
    // (after spreading), and nothing between the glyphs; a mirrored wheel mirrors the places.
    void bodyAt_findsTheGlyphUnderThePointer_data() {
        QTest::addColumn<int>("startsign");
        QTest::newRow("Ascendant at the left") << 0;
        QTest::newRow("mirrored") << 0x80;
    }
    void bodyAt_findsTheGlyphUnderThePointer() {
        QFETCH(int, startsign);
        RadixData r = chartWithoutAspects();
        for (std::size_t i = 0; i < r.lon.size(); ++i)
            r.lon[i] = static_cast<double>(i) * 0.26;  // 15 degrees apart: no spreading
        TOptions o = wheelOptions();
        o.display.startsign = static_cast<std::uint8_t>(startsign);
        const int R = 5000, cx = 100, cy = -200;
        const WheelLayout l = wheelLayout(R, false);
        const int mirror = startsign ? -1 : 1;
        const int rotation = wheelRotation(o.display.startsign, 0);
        for (int body : {0, 1, 9}) {
            const WheelPoint g = wheelPoint(cx, cy, rotation + toQuarterDegrees(r.lon[static_cast<std::size_t>(body)]),
                                            l.bodyGlyphRadius, mirror);
            QCOMPARE(wheelBodyAt(r, o, cx, cy, R, g), body);
            QCOMPARE(wheelBodyAt(r, o, cx, cy, R, {g.x + l.bodyGlyphSize / 3, g.y - l.bodyGlyphSize / 3}), body);
        }
        QCOMPARE(wheelBodyAt(r, o, cx, cy, R, {cx, cy}), -1);
        o.display.planets = false;
        const WheelPoint sun = wheelPoint(cx, cy, rotation, l.bodyGlyphRadius, mirror);
        QCOMPARE(wheelBodyAt(r, o, cx, cy, R, sun), -1);
    }

    // Labels keep their colour where it stands out from the ground, else turn black or white.
    void legibleOn_keepsContrast_data() {
        QTest::addColumn<uint>("ink");
        QTest::addColumn<uint>("ground");
        QTest::addColumn<uint>("shown");
        QTest::newRow("dark blue on white stays") << 0x800000u << 0xFFFFFFu << 0x800000u;
        QTest::newRow("pale grey on grey turns black") << 0xC8C8C8u << 0xA0A0A0u << 0x000000u;
        QTest::newRow("yellow on white turns black") << 0x00FFFFu << 0xFFFFFFu << 0x000000u;
        QTest::newRow("dark grey on black turns white") << 0x303030u << 0x000000u << 0xFFFFFFu;
        QTest::newRow("white on black stays") << 0xFFFFFFu << 0x000000u << 0xFFFFFFu;
    }
    void legibleOn_keepsContrast() {
        QFETCH(uint, ink);
        QFETCH(uint, ground);
        QFETCH(uint, shown);
        QCOMPARE(uint(legibleOn(ink, ground)), shown);
    }
};

QTEST_APPLESS_MAIN(TestWheelRules)
#include "tst_wheelrules.moc"
