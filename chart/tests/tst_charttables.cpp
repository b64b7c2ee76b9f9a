// What the table views show, checked as data: columns, empty cells and the distribution sums.
#include <QtTest>

#include <QGuiApplication>
#include <tuple>

#include "ChartFonts.h"
#include "ChartTables.h"
#include "ShippedData.h"

namespace {

RadixData emptyChart() {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    for (auto& row : r.parallelCode)
        row.fill(0xFF);
    r.motion.fill(1);
    return r;
}

TOptions shipped() {
    TOptions o{};
    SetShippedOptions(o);
    return o;
}

// The texts of a table's row, cell by cell, by grid column.
QString cellText(const TableModel& t, std::size_t row, int column) {
    const TableCell* c = t.cell(row, column);
    return c ? c->text() : QString();
}

}  // namespace

class TestChartTables : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadChartFonts()); }

    void positionRow_unknownDiameterLeavesDiameterAndMagnitudeEmpty() {
        TOptions o = shipped();
        StringTable strings;
        strings.load(LanguageEnglish);
        PositionRow known;
        known.code = 0;
        known.lat = 0;
        known.speed = 0.017;
        known.diameter = 0.0093;
        known.magnitude = 0;  // exactly 0: not printed
        known.house = 9;
        PositionRow unknown = known;
        unknown.code = 12;
        unknown.diameter = NoValue;
        unknown.magnitude = 3.5;
        std::vector<PositionRow> rows{PositionRow{}, PositionRow{}, PositionRow{}, known, unknown, PositionRow{}, PositionRow{}};
        const std::vector<TableModel> tables = positionTables(emptyChart(), rows, o, strings);
        const TableModel& main = tables.front();
        // Columns with every switch of the shipped options: symbol, longitude, house, latitude,
        // right ascension, declination, speed, distance, diameter, magnitude.
        QCOMPARE(main.columnWidths.size(), std::size_t(10));
        QCOMPARE(cellText(main, 0, 8), QStringLiteral("App. diameter"));
        QCOMPARE(cellText(main, 1, 8), QStringLiteral("31'58.2\""));
        QCOMPARE(cellText(main, 1, 9), QString());
        QVERIFY(main.cell(2, 7) != nullptr);
        QVERIFY(main.cell(2, 8) == nullptr);
        QVERIFY(main.cell(2, 9) == nullptr);
        QCOMPARE(cellText(main, 1, 2), QStringLiteral("X"));
    }

    void positionColumns_followTheSwitches() {
        TOptions o = shipped();
        o.display.latitude = false;
        o.display.speed = false;
        o.display.sa = true;
        StringTable strings;
        strings.load(LanguageEnglish);
        std::vector<PositionRow> rows(3);
        PositionRow sun;
        sun.code = 0;
        rows.push_back(sun);
        rows.push_back(PositionRow{});
        const TableModel main = positionTables(emptyChart(), rows, o, strings).front();
        QStringList headings;
        for (const TableCell& c : main.rows.front().cells)
            headings << c.text();
        QCOMPARE(headings, (QStringList{"Longitude", "Hse", "Right ascension", "Declination", "Distance",
                                        "App. diameter", "Magnitude", "Semiarcus"}));
    }

    void distribution_leavesOutPointsWithoutScores() {
        TOptions o = shipped();
        for (auto& s : o.scores)
            s = {0, 0};
        o.scores[2] = {4, 1};  // Sun
        o.scores[3] = {0, 0};  // Moon: left out
        o.scores[0] = {2, 3};  // Ascendant
        RadixData chart = emptyChart();
        chart.bodySign[0] = 0;   // Sun in Aries: fire, cardinal
        chart.bodySign[1] = 4;   // Moon in Leo
        chart.axis[0] = 0.1;     // Ascendant in Aries
        chart.bodyHouse[0] = 9;  // tenth house
        chart.bodyHouse[1] = 0;
        StringTable strings;
        strings.load(LanguageEnglish);
        const std::vector<TableModel> t = signHouseTables(chart, o, strings);
        QCOMPARE(t.size(), std::size_t(4));
        QCOMPARE(cellText(t[0], 1, 1), QStringLiteral("A Asc"));  // fire cardinal: Sun glyph and Asc
        QCOMPARE(cellText(t[0], 1, 2), QString());                // fire fixed: the Moon is not counted
        QCOMPARE(cellText(t[0], 1, 4), QStringLiteral("6/4"));
        QCOMPARE(cellText(t[0], 5, 4), QStringLiteral("6/4"));    // total
        QCOMPARE(cellText(t[2], 2, 1), QStringLiteral("A"));      // houses: the tenth is earth and angle; no axes
        QCOMPARE(cellText(t[2], 5, 4), QStringLiteral("4/1"));
        QCOMPARE(cellText(t[3], 5, 2), QStringLiteral("4/1"));    // Day: houses 7..12
        QCOMPARE(cellText(t[3], 6, 2), QStringLiteral("0/0"));    // Night
    }

    void aspectGrid_columnsOfOppositesFollowTheSwitch_data() {
        QTest::addColumn<bool>("oppasps");
        QTest::addColumn<QList<int>>("columns");
        // Axes and cusps on, bodies Sun, Moon, the nodes; -1 is the gap before the second grid.
        QTest::newRow("with opposites") << true << QList<int>{0, 1, 31, 32, 2, 3, 12, 33, -1, 13, 14, 15, 37, 38, 39, 34, 35, 36, 16, 17, 18};
        QTest::newRow("without opposites") << false << QList<int>{0, 1, 2, 3, 12, -1, 13, 14, 15, 16, 17, 18};
    }
    void aspectGrid_columnsOfOppositesFollowTheSwitch() {
        QFETCH(bool, oppasps);
        QFETCH(QList<int>, columns);
        TOptions o{};
        o.display.oppasps = oppasps;
        for (int i : {0, 1, 10, 11, 24, 25})
            o.display.plans[static_cast<std::size_t>(i)] = true;
        const std::vector<int> got = aspectGridColumns(o);
        QCOMPARE(QList<int>(got.begin(), got.end()), columns);
    }

    void aspectGrid_lowerTriangleAndSwitchedAspects() {
        TOptions o{};
        o.display.plans[0] = o.display.plans[1] = o.display.plans[2] = true;
        o.display.asps[6] = true;  // trine shown, square not
        RadixData chart = emptyChart();
        chart.aspectCode[1][2] = 6 | 128 | 32;  // Moon trine Sun: tight, applying
        chart.aspectCode[2][2] = 5;             // Mercury square Sun: switched off
        chart.aspectCode[2][3] = 6;             // Mercury trine Moon
        const TableModel t = aspectGridTable(chart, o, AspectGridKind::Aspects);
        QCOMPARE(t.rows.size(), std::size_t(4));  // header, Sun, Moon, Mercury
        QVERIFY(t.rows[1].cells.size() == 1);     // the Sun row has only its glyph
        const TableCell* trine = t.cell(2, 1);
        QVERIFY(trine);
        QCOMPARE(trine->text(), QStringLiteral("S"));
        QCOMPARE(trine->frame, CellFrame::Double);
        QVERIFY(trine->applying);
        QVERIFY(t.cell(3, 1) == nullptr);
        QCOMPARE(t.cell(3, 2)->frame, CellFrame::Single);
    }

    // Parallels show their symbol-font glyph in both grids, not a fallback text.
    void parallels_drawTheirGlyphInTheSymbolFont() {
        TOptions o{};
        o.display.plans[0] = o.display.plans[1] = o.display.plans[2] = true;
        RadixData chart = emptyChart();
        chart.parallelCode[1][2] = 0;  // Moon parallel Sun
        chart.parallelCode[2][3] = 1;  // Mercury contra-parallel Moon
        for (const AspectGridKind kind : {AspectGridKind::Parallels, AspectGridKind::Details}) {
            const TableModel t = aspectGridTable(chart, o, kind);
            for (const auto& [row, column, glyph] : {std::tuple{2, 1, 'X'}, std::tuple{3, 2, 'Y'}}) {
                const TableCell* c = t.cell(std::size_t(row), column);
                QVERIFY(c && !c->runs.empty());
                QCOMPARE(c->runs.back().font, FontTemplate::Symbol);
                QCOMPARE(c->runs.back().text, QString(QLatin1Char(glyph)));
            }
        }
        QVERIFY(aspectGridTable(chart, o, AspectGridKind::Parallels).cell(3, 1) == nullptr);
    }
};

QTEST_MAIN(TestChartTables)
#include "tst_charttables.moc"
