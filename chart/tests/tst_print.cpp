// Printed pages: the layout rules as numbers, the print colour mode, and whole documents on a
// PDF writer (page count, cancelling).
#include <QtTest>

#include <QBuffer>
#include <QPdfWriter>
#include <stdexcept>

#include "ChartFonts.h"
#include "ChartTables.h"
#include "PrintColourMode.h"
#include "PrintDocument.h"
#include "EnglishStrings.h"
#include "ShippedData.h"

namespace {

RadixData sampleChart() {
    RadixData r{};
    for (auto& row : r.aspectCode)
        row.fill(0xFF);
    for (auto& row : r.parallelCode)
        row.fill(0xFF);
    r.motion.fill(1);
    for (std::size_t i = 0; i < r.cusp.size(); ++i)
        r.cusp[i] = static_cast<double>(i) * 0.5;
    for (std::size_t i = 0; i < r.lon.size(); ++i)
        r.lon[i] = static_cast<double>(i) * 0.3;
    r.aspectCode[3][2] = 0x80;  // Moon - Sun conjunction within a quarter of the orb
    std::snprintf(r.name.data(), r.name.size(), "Kov\xE1""cs \xC9va");
    std::snprintf(r.horType.data(), r.horType.size(), "radix");
    std::snprintf(r.moment.town.data(), r.moment.town.size(), "+1Budapest");
    std::snprintf(r.notes.data(), r.notes.size(), "First line\r\nSecond line");
    return r;
}

TOptions shipped() {
    TOptions o{};
    SetShippedOptions(o);
    return o;
}

PrintSelection only(std::initializer_list<int> entries) {
    PrintSelection p{};
    for (int e : entries)
        p[static_cast<std::size_t>(e)] = true;
    return p;
}

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(loadChartFonts()); }

    void chartPage_data() {
        QTest::addColumn<PrintSelection>("pages");
        QTest::addColumn<double>("s");
        QTest::addColumn<int>("cx");
        QTest::addColumn<int>("cy");
        QTest::addColumn<int>("radius");
        QTest::newRow("wheel alone") << only({PrintWheel}) << 1.0 << 980 << -1080 << 850;
        QTest::newRow("second distribution tables shrink it") << only({PrintWheel, PrintSignsHouses2}) << 1.0 << 850 << -870
                                                               << 650;
        QTest::newRow("first ones do not") << only({PrintWheel, PrintSignsHouses1, PrintCombined}) << 1.0 << 980 << -1080
                                           << 850;
        QTest::newRow("scaled, truncated") << only({PrintWheel}) << 0.5 << 490 << -540 << 425;
        QTest::newRow("scaled small wheel") << only({PrintWheel, PrintSignsHouses2}) << 0.333 << 283 << -289 << 216;
        QTest::newRow("no wheel") << only({PrintCombined}) << 1.0 << 0 << 0 << 0;
    }
    void chartPage() {
        QFETCH(PrintSelection, pages);
        QFETCH(double, s);
        QFETCH(int, cx);
        QFETCH(int, cy);
        QFETCH(int, radius);
        const ChartPageLayout l = chartPageLayout(pages, s);
        QCOMPARE(l.wheel, radius > 0);
        QCOMPARE(l.wheelCentre, (PagePoint{cx, cy}));
        QCOMPARE(l.wheelRadius, radius);
    }

    void chartPage_tablePositions() {
        const ChartPageLayout l = chartPageLayout(only({PrintCombined, PrintSignsHouses1, PrintSignsHouses2}), 2.0);
        QVERIFY(l.combined && l.signsHouses1 && l.signsHouses2 && !l.wheel);
        QCOMPARE(l.combinedAt, (PagePoint{20, -3300}));
        QCOMPARE(l.table1At, (PagePoint{2010, -4000}));
        QCOMPARE(l.table3At, (PagePoint{2010, -4700}));
        QCOMPARE(l.table2At, (PagePoint{920, -3200}));
        QCOMPARE(l.table4At, (PagePoint{2470, -3000}));
        QCOMPARE(headerLayout(1.0).boxAt, (PagePoint{1460, -210}));
        QCOMPARE(footerLayout(1.0).topLeft, (PagePoint{10, -2680}));
        QCOMPARE(footerLayout(1.0).fontHeight, 30);
    }

    void pageScale_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("A4 whole") << 2100.0 << 2970.0 << 1.0;
        QTest::newRow("A4 with margins: height rules") << 2000.0 << 2800.0 << 2800.0 / 2970;
        QTest::newRow("letter: height rules") << 2159.0 << 2794.0 << 2794.0 / 2970;
        QTest::newRow("narrow paper: width rules") << 1800.0 << 2970.0 << 1800.0 / 2100;
        QTest::newRow("no printable area") << 0.0 << 2970.0 << 0.0;
    }
    void pageScale() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, scale);
        QCOMPARE(printScale(width, height), scale);
        // The whole virtual page fits.
        QVERIFY(VirtualPageWidth * printScale(width, height) <= width + 1e-9);
        QVERIFY(VirtualPageHeight * printScale(width, height) <= height + 1e-9);
    }

    void printedPages_followTheEntriesInPrintOrder() {
        QCOMPARE(printedPages(only({})).size(), std::size_t(0));
        const std::vector<PrintPage> all{PrintPage::Notes, PrintPage::Chart, PrintPage::Positions, PrintPage::Aspects,
                                         PrintPage::Details};
        QVERIFY(printedPages(only({PrintDetails, PrintAspects, PrintPositions, PrintSignsHouses2, PrintNotes})) == all);
        // Any of the four chart entries prints the one chart page; entries 8 and later print nothing.
        for (int e : {PrintWheel, PrintCombined, PrintSignsHouses1, PrintSignsHouses2})
            QVERIFY(printedPages(only({e})) == std::vector<PrintPage>{PrintPage::Chart});
        QVERIFY(printedPages(only({PrintWheel, PrintCombined})).size() == 1);
        QVERIFY(printedPages(only({PrintSpecialPoints, 9, 25})).empty());
    }

    void detailTables_splitTheGridAtTheSeparator() {
        TOptions o = shipped();
        o.display.oppasps = true;
        const TableModel full = aspectGridTable(sampleChart(), o, AspectGridKind::Details);
        const std::vector<int> columns = aspectGridColumns(o);
        const auto separator = static_cast<int>(std::find(columns.begin(), columns.end(), -1) - columns.begin()) + 1;
        const TableModel main = detailTable(full, DetailMode::MainGrid);
        const TableModel second = detailTable(full, DetailMode::CuspsAndPoints);
        QCOMPARE(int(main.columnWidths.size()), separator);
        QCOMPARE(int(second.columnWidths.size()), int(full.columnWidths.size()) - separator);
        QCOMPARE(main.rows.size(), full.rows.size());
        QCOMPARE(second.rows.size(), full.rows.size());
        // The Sun-Moon cell stays in the main grid at its column; the label column in both.
        QCOMPARE(main.cell(2, 3) != nullptr, true);
        QCOMPARE(main.cell(2, 0)->kind, CellKind::Body);
        QCOMPARE(second.cell(2, 0)->kind, CellKind::Body);
        QCOMPARE(main.width() + second.width() - main.columnWidths[0], full.width() - full.columnWidths[separator]);
        QCOMPARE(detailTable(full, DetailMode::Whole).width(), full.width());
    }

    void fittingScale_neverWiderThanTheRoom() {
        QCOMPARE(fittingTableScale(1000, 0.5, 1000), 0.5);
        QCOMPARE(fittingTableScale(4000, 0.5, 1000), 0.25);
        QCOMPARE(fittingTableScale(0, 0.5, 1000), 0.5);
    }

    void headerAndFooterTexts() {
        const std::vector<std::string> lines = pageHeaderLines(sampleChart(), english());
        QCOMPARE(int(lines.size()), 4);
        QCOMPARE(lines[0], std::string("Kov\xE1""cs \xC9va"));
        QCOMPARE(lines[1], std::string("radix"));
        // The two marker characters of a "+" town are not shown.
        QVERIFY(QString::fromStdString(lines[3]).startsWith("Budapest  Long "));
        const FooterTexts f = pageFooterTexts(english(), QDateTime(QDate(2024, 3, 5), QTime(9, 7)));
        QCOMPARE(f.program, QString("Zodikeon Free 4.6.1  ") + QString::fromUtf8("Ephemeris: Swiss Ephemeris © Astrodienst AG"));
        QCOMPARE(f.printed, QString("Printed on March 5, 2024 9:07"));
    }

    void colourMode_black_everyColourBlack() {
        TOptions o = shipped();
        const TColorOptions before = o.colors;
        o.print_black = true;
        bool printing = false;
        {
            const PrintColourMode mode(o, printing);
            QVERIFY(printing);
            const auto* c = reinterpret_cast<const ColorRef*>(&o.colors);
            for (std::size_t i = 0; i < PrintColourCount; ++i)
                QCOMPARE(c[i], ColorRef(0));
        }
        QVERIFY(!printing);
        QVERIFY(std::memcmp(&o.colors, &before, sizeof before) == 0);
    }

    void colourMode_coloured() {
        TOptions o = shipped();
        o.colors.zodiac = 0xFFFFFF;
        o.colors.houses = 0x0000FF;
        o.colors.table = {0x808080, 0xC0C0C0};
        o.colors.c2_fill_main = 0xF0E0D0;
        o.colors.c2_table_mark = 0x123456;
        o.colors.deftext = 0x00FF00;
        const TColorOptions paper = printColours(o.colors, false);
        QCOMPARE(paper.zodiac, ColorRef(0));          // white would vanish on paper
        QCOMPARE(paper.houses, ColorRef(0x0000FF));   // legacy colours keep their values
        QCOMPARE(paper.deftext, ColorRef(0x00FF00));
        QCOMPARE(paper.table[0], ColorRef(0));
        QCOMPARE(paper.table[1], ColorRef(0));
        QCOMPARE(paper.c2_fill_back[0], ColorRef(0));
        QCOMPARE(paper.c2_fill_main, ColorRef(0));    // so tables print framed, not filled
        QCOMPARE(paper.c2_table_mark, ColorRef(0));
        QCOMPARE(paper.aspects, o.colors.aspects);
    }

    void colourMode_restoresAfterAnExceptionAndWhenNested() {
        TOptions o = shipped();
        const TColorOptions before = o.colors;
        bool printing = false;
        try {
            const PrintColourMode outer(o, printing);
            o.print_black = true;
            {
                const PrintColourMode inner(o, printing);
                QVERIFY(printing);
            }
            QVERIFY(printing);  // the outer mode is still on
            QCOMPARE(o.colors.frame, printColours(before, false).frame);
            throw std::runtime_error("printer gone");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(!printing);
        QVERIFY(std::memcmp(&o.colors, &before, sizeof before) == 0);
    }

    void document_onePdfPagePerPrintedPage_data() {
        QTest::addColumn<PrintSelection>("pages");
        QTest::addColumn<int>("count");
        QTest::newRow("default chart page") << only({PrintWheel, PrintCombined, PrintSignsHouses1}) << 1;
        QTest::newRow("all") << only({0, 1, 2, 3, 4, 5, 6, 7, 8}) << 5;
        QTest::newRow("notes and details") << only({PrintNotes, PrintDetails}) << 2;
    }
    void document_onePdfPagePerPrintedPage() {
        QFETCH(PrintSelection, pages);
        QFETCH(int, count);
        TOptions o = shipped();
        o.print_pages = pages;
        const TColorOptions before = o.colors;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        const PrintOutcome outcome = printDocument(pdf, sampleChart(), o, english(), QDateTime::currentDateTime());
        QCOMPARE(outcome.pages, count);
        QVERIFY(!outcome.failed && !outcome.cancelled);
        QCOMPARE(int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r")), count);
        QVERIFY(std::memcmp(&o.colors, &before, sizeof before) == 0);
    }

    void document_cancelStopsBeforeTheNextPage() {
        TOptions o = shipped();
        o.print_pages = only({PrintNotes, PrintWheel, PrintPositions, PrintAspects});
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        bool aborted = false;
        std::vector<int> asked;
        const PrintOutcome outcome = printDocument(
            pdf, sampleChart(), o, english(), QDateTime::currentDateTime(),
            [&](int page, int count) {
                asked.push_back(page);
                return !(page == 2 && count == 4);
            },
            [&] { aborted = true; });
        QCOMPARE(outcome.pages, 2);
        QVERIFY(outcome.cancelled && aborted);
        QVERIFY(asked == (std::vector<int>{0, 1, 2}));
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
