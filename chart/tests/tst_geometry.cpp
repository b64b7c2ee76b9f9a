// Quarter-degree geometry, label spreading and colour adaptation: the numbers the wheel and
// the tables are built from.
#include <QtTest>

#include "ChartColours.h"
#include "ChartViewKind.h"
#include "DrawContext.h"
#include "QuarterDegrees.h"
#include "SpreadAngles.h"

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    // Any stored antialias value gives a factor the block average knows; anything else would
    // crop the wheel or ask for an enormous image.
    void smoothingFactor_data() {
        QTest::addColumn<int>("antialias");
        QTest::addColumn<int>("wheel");
        QTest::addColumn<int>("tables");
        QTest::newRow("off") << 0 << 0 << 0;
        QTest::newRow("plain") << 1 << 1 << 1;
        QTest::newRow("4x") << 2 << 2 << 1;
        QTest::newRow("hand-edited 3") << 3 << 2 << 1;
        QTest::newRow("16x") << 4 << 4 << 1;
        QTest::newRow("hand-edited 255") << 255 << 4 << 1;
    }
    void smoothingFactor() {
        QFETCH(int, antialias);
        QFETCH(int, wheel);
        QFETCH(int, tables);
        TOptions o;
        o.display.antialias = static_cast<std::uint8_t>(antialias);
        QCOMPARE(viewSmoothingFactor(ChartView::Wheel, o), wheel);
        QCOMPARE(viewSmoothingFactor(ChartView::Aspects, o), tables);
    }
    void sineTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("0 deg") << 0 << 0;
        QTest::newRow("quarter degree") << 1 << 285;
        QTest::newRow("30 deg truncates 32767.99") << 120 << 32767;
        QTest::newRow("60 deg") << 240 << 56755;
        QTest::newRow("90 deg") << 360 << 65536;
        QTest::newRow("180 deg") << 720 << 0;
        QTest::newRow("225 deg toward zero") << 900 << -46340;
        QTest::newRow("270 deg") << 1080 << -65536;
        QTest::newRow("last entry") << 1439 << -285;
    }
    void sineTable() {
        QFETCH(int, index);
        QFETCH(int, value);
        QCOMPARE(SINE_TABLE[static_cast<std::size_t>(index)], value);
    }

    void pointFormula_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("mirror");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // Centre (5000, 3000), radius 1000; y grows upward.
        QTest::newRow("0: left") << 0 << 1 << 4000 << 3000;
        QTest::newRow("90: down") << 360 << 1 << 5000 << 2000;
        QTest::newRow("180: right") << 720 << 1 << 6000 << 3000;
        QTest::newRow("270: up") << 1080 << 1 << 5000 << 4000;
        QTest::newRow("-90 is 270") << -360 << 1 << 5000 << 4000;
        QTest::newRow("450 is 90") << 1800 << 1 << 5000 << 2000;
        QTest::newRow("far outside the circle") << 3 * 1440 + 720 << 1 << 6000 << 3000;
        QTest::newRow("mirrored 0: right") << 0 << -1 << 6000 << 3000;
        QTest::newRow("mirrored 90: down") << 360 << -1 << 5000 << 2000;
        QTest::newRow("mirrored 180: left") << 720 << -1 << 4000 << 3000;
        QTest::newRow("45 deg") << 180 << 1 << 5000 - 707 << 3000 - 707;
    }
    void pointFormula() {
        QFETCH(int, angle);
        QFETCH(int, mirror);
        QFETCH(int, x);
        QFETCH(int, y);
        const WheelPoint p = wheelPoint(5000, 3000, angle, 1000, mirror);
        QCOMPARE(p.x, x);
        QCOMPARE(p.y, y);
    }
    void pointFormula_largeRadiusDoesNotOverflow() {
        const WheelPoint p = wheelPoint(0, 0, 0, 100000, 1);
        QCOMPARE(p.x, -100000);
    }
    void quarterDegrees_truncate() {
        QCOMPARE(toQuarterDegrees(0.0), 0);
        QCOMPARE(toQuarterDegrees(3.14159265358979 / 180.0 * 0.2499), 0);
        QCOMPARE(toQuarterDegrees(3.14159265358979 / 180.0 * 90.1), 360);
    }

    void spreadAngles_data() {
        QTest::addColumn<QList<int>>("truePos");
        QTest::addColumn<QList<int>>("display");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("three equal: -minSep, 0, +minSep in index order")
            << QList<int>{100, 100, 100} << QList<int>{66, 100, 134} << QList<int>{0, 1, 2};
        QTest::newRow("pair across 0 Aries centred on 0")
            << QList<int>{1438, 2} << QList<int>{17, 1423} << QList<int>{1, 0};
        QTest::newRow("apart, also across 0 Aries: unchanged")
            << QList<int>{1420, 700, 20} << QList<int>{20, 700, 1420} << QList<int>{2, 1, 0};
        QTest::newRow("close pair centred on its mean")
            << QList<int>{110, 100} << QList<int>{88, 122} << QList<int>{1, 0};
        QTest::newRow("spread pair meets its neighbour and is laid out again")
            << QList<int>{100, 110, 150, 800} << QList<int>{86, 120, 154, 800} << QList<int>{0, 1, 2, 3};
        QTest::newRow("cluster across 0 Aries joins the first one")
            << QList<int>{1430, 1435, 5, 700} << QList<int>{31, 700, 1403, 1437} << QList<int>{2, 3, 0, 1};
    }
    void spreadAngles() {
        QFETCH(QList<int>, truePos);
        QFETCH(QList<int>, display);
        QFETCH(QList<int>, order);
        std::vector<int> t(truePos.begin(), truePos.end()), d(t.size()), o(t.size());
        ::spreadAngles(d, t, o, 34);
        QCOMPARE(QList<int>(d.begin(), d.end()), display);
        QCOMPARE(QList<int>(o.begin(), o.end()), order);
    }
    void spreadAngles_tooManyStillSpacedAtMinSep() {
        std::vector<int> t(50, 300), d(50), o(50);
        ::spreadAngles(d, t, o, 34);
        for (std::size_t i = 1; i < d.size(); ++i)
            QCOMPARE(normaliseAngle(d[i] - d[i - 1]), 34);
    }

    void colourAdaptation_data() {
        QTest::addColumn<int>("chartStyle");
        QTest::addColumn<int>("printing");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<uint>("adapted");
        QTest::newRow("style 2 green") << 2 << 0 << 0x00FF00u << 0x00A600u;
        QTest::newRow("style 2 yellow") << 2 << 0 << 0x00FFFFu << 0x00A0D8u;
        QTest::newRow("style 2 navy") << 2 << 0 << 0x800000u << 0x000000u;
        QTest::newRow("style 2 blue") << 2 << 0 << 0xFF0000u << 0x800000u;
        QTest::newRow("style 2 cyan") << 2 << 0 << 0xFFFF00u << 0xD8A000u;
        QTest::newRow("style 2 white") << 2 << 0 << 0xFFFFFFu << 0x808080u;
        QTest::newRow("style 2 other") << 2 << 0 << 0x008000u << 0x008000u;
        QTest::newRow("legacy dark green") << 1 << 0 << 0x008000u << 0x006000u;
        QTest::newRow("legacy green") << 1 << 0 << 0x00FF00u << 0x00B000u;
        QTest::newRow("legacy yellow") << 1 << 0 << 0x00FFFFu << 0x00F0F0u;
        QTest::newRow("legacy cyan") << 1 << 0 << 0xFFFF00u << 0xB0B000u;
        QTest::newRow("legacy white") << 1 << 0 << 0xFFFFFFu << 0xFFFFFFu;
        QTest::newRow("legacy while printing") << 1 << 1 << 0x00FF00u << 0x00A600u;
    }
    void colourAdaptation() {
        QFETCH(int, chartStyle);
        QFETCH(int, printing);
        QFETCH(uint, colour);
        QFETCH(uint, adapted);
        TOptions options;
        options.display.chart_style = static_cast<std::uint8_t>(chartStyle);
        options.display.table_style = static_cast<std::uint8_t>(chartStyle == 2 ? 1 : 2);
        QCOMPARE(adaptChartColour(colour, options, printing != 0), adapted);
    }
    void tableAdaptation_followsTableStyle() {
        TOptions options;
        options.display.chart_style = 1;
        options.display.table_style = 2;
        QCOMPARE(adaptTableColour(0x00FF00, options, false), 0x00A600u);
        QCOMPARE(adaptChartColour(0x00FF00, options, false), 0x00B000u);
    }
    void blendColour_truncatesPerChannel() {
        QCOMPARE(blendColour(0xD9CBC2, 0x0000FF, 0.5), 0x6C65E0u);
        QCOMPARE(blendColour(0xD9CBC2, 0x0000FF, 1.0), 0x0000FFu);
        QCOMPARE(blendColour(0xFFFFFF, 0x000000, 0.25), 0xBFBFBFu);
    }
};

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
