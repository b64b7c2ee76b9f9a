// Printed pages: the layout rules as numbers, the print colour mode, and whole documents on a
// PDF writer (page count, cancelling).
#include <QtTest>

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
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

// A chart with every body, spread round the zodiac, and aspects between many of them.
RadixData fullChart(double shift, const char* name) {
    RadixData r = sampleChart();
    for (std::size_t i = 0; i < r.lon.size(); ++i)
        r.lon[i] = std::fmod(shift + 47.0 * static_cast<double>(i), 360.0) * 0.017453292519943295;
    for (std::size_t i = 0; i < r.cusp.size(); ++i)
        r.cusp[i] = r.houseStart[i] = std::fmod(shift + 30.0 * static_cast<double>(i), 360.0) * 0.017453292519943295;
    r.axis[0] = r.cusp[0];
    r.axis[1] = r.cusp[9];
    for (std::size_t b = 0; b < r.aspectCode.size(); ++b)
        for (std::size_t k = 0; k < r.aspectCode[b].size(); ++k)
            r.aspectCode[b][k] = (b + k) % 3 == 0 ? std::uint8_t((b + k) % 11) : std::uint8_t(0xFF);
    r.motion[5] = -1;
    std::snprintf(r.name.data(), r.name.size(), "%s", name);
    return r;
}

Collation fullCollation(const RadixData& second) {
    Collation c;
    c.second = second;
    for (CrossAspectTables* t : {&c.aspects.radixToSecond, &c.aspects.secondToRadix})
        for (std::size_t b = 0; b < t->aspectCode.size(); ++b)
            for (std::size_t k = 0; k < t->aspectCode[b].size(); ++k)
                t->aspectCode[b][k] = (b + k) % 4 == 0 ? std::uint8_t((b + 2 * k) % 11) : std::uint8_t(0xFF);
    return c;
}

const StringTable& hungarianStrings() {
    static const StringTable t = [] {
        StringTable s;
        s.load(LanguageHungarian);
        return s;
    }();
    return t;
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

    // The packing on its own: the wheel alone keeps its full size in the middle; tables that
    // need the room shrink it; nothing ever overlaps or leaves the area.
    void chartPagePacking_data() {
        QTest::addColumn<int>("tables");  // how many tables of 1000 x 800 table units
        QTest::addColumn<bool>("fullWheel");
        QTest::newRow("wheel alone") << 0 << true;
        QTest::newRow("one table fits below") << 1 << true;
        QTest::newRow("five tables shrink it") << 5 << false;
    }
    void chartPagePacking() {
        QFETCH(int, tables);
        QFETCH(bool, fullWheel);
        const PageBox area{10, -330, 1960, -2650};
        const ChartPagePacking p = packChartPage(ChartWheelRadius, std::vector<TableSize>(std::size_t(tables), {1000, 800}),
                                                 0.5, area, PageGap);
        QCOMPARE(p.wheelRadius == ChartWheelRadius, fullWheel);
        if (fullWheel)
            QCOMPARE(p.wheelCentre.x, (area.left + area.right) / 2);
        const int half = static_cast<int>(p.wheelRadius * WheelExtent) + 1;
        std::vector<PageBox> boxes{{p.wheelCentre.x - half, p.wheelCentre.y + half, p.wheelCentre.x + half, p.wheelCentre.y - half}};
        for (const PagePoint& at : p.tableAt)
            boxes.push_back({at.x, at.y, at.x + static_cast<int>(std::ceil(1000 * p.tableScale)),
                             at.y - static_cast<int>(std::ceil(800 * p.tableScale))});
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY(area.contains(boxes[i]));
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                QVERIFY(!boxes[i].intersects(boxes[j]));
        }
    }

    // Every page kind on both papers, in both languages and colourings: no two things the page
    // draws overlap, all lie on the printable paper, and no ink falls outside them.
    void pageItems_keepClearOfEachOther_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<PrintSelection>("pages");
        QTest::addColumn<bool>("collated");
        QTest::addColumn<bool>("oppasps");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<bool>("hungarian");
        QTest::addColumn<bool>("black");
        struct Kind {
            const char* name;
            PrintPage page;
            PrintSelection pages;
            bool collated, oppasps;
        };
        const Kind kinds[] = {
            {"notes", PrintPage::Notes, only({PrintNotes}), false, false},
            {"wheel", PrintPage::Chart, only({PrintWheel}), false, false},
            {"default chart page", PrintPage::Chart, only({PrintWheel, PrintCombined, PrintSignsHouses1}), false, false},
            {"whole chart page", PrintPage::Chart,
             only({PrintWheel, PrintCombined, PrintSignsHouses1, PrintSignsHouses2}), false, false},
            {"wheel and second tables", PrintPage::Chart, only({PrintWheel, PrintSignsHouses2}), false, false},
            {"tables without wheel", PrintPage::Chart, only({PrintCombined, PrintSignsHouses1, PrintSignsHouses2}), false,
             false},
            {"positions", PrintPage::Positions, only({PrintPositions}), false, false},
            {"aspects", PrintPage::Aspects, only({PrintAspects}), false, false},
            {"details in two", PrintPage::Details, only({PrintDetails}), false, true},
            {"details whole", PrintPage::Details, only({PrintDetails}), false, false},
            {"collation chart page", PrintPage::Chart,
             only({PrintWheel, PrintCombined, PrintSignsHouses1, PrintSignsHouses2}), true, false},
            {"collation wheel and grid", PrintPage::Chart, only({PrintWheel, PrintCombined}), true, false},
            {"collation positions", PrintPage::Positions, only({PrintPositions}), true, false},
        };
        for (const Kind& k : kinds)
            for (bool letter : {false, true})
                for (bool hungarian : {false, true})
                    for (bool black : {false, true})
                        QTest::addRow("%s, %s, %s, %s", k.name, letter ? "Letter" : "A4", hungarian ? "hu" : "en",
                                      black ? "black" : "coloured")
                            << int(k.page) << k.pages << k.collated << k.oppasps << letter << hungarian << black;
    }
    void pageItems_keepClearOfEachOther() {
        QFETCH(int, page);
        QFETCH(PrintSelection, pages);
        QFETCH(bool, collated);
        QFETCH(bool, oppasps);
        QFETCH(bool, letter);
        QFETCH(bool, hungarian);
        QFETCH(bool, black);
        TOptions o = shipped();
        o.print_pages = pages;
        o.print_black = black;
        o.display.oppasps = oppasps;
        o.display.plans.fill(true);
        o.display.plansonchart.fill(true);
        const RadixData chart = fullChart(0, "Kov\xE1""cs \xC9va Katalin Erzs\xE9""bet");
        Collation collation = fullCollation(fullChart(97, "Nagy-Szab\xF3 B\xE9la Ferenc"));
        const StringTable& strings = hungarian ? hungarianStrings() : english();
        // The printable area: the whole sheet, as the command line prints it.
        const double width = letter ? 2159 : 2100, height = letter ? 2794 : 2970;
        const double s = printScale(width, height);
        const PageBox paper = printableBox(width, height, s);
        TOptions paperOptions = o;
        const QDateTime when(QDate(2026, 12, 31), QTime(23, 59));
        constexpr double Dpi = 60;
        QImage image(static_cast<int>(width / 254 * Dpi), static_cast<int>(height / 254 * Dpi), QImage::Format_RGB32);
        image.fill(Qt::white);
        std::vector<PageItem> items;
        {
            QPainter p(&image);
            DrawContext dc(p);
            const PrintColourMode colours(paperOptions, dc);
            const PrintContent content{chart, paperOptions, strings, when, collated ? &collation : nullptr};
            items = layoutPrintPage(PrintPage(page), s, content);
            p.setTransform(pageTransform(Dpi, s));
            paintPrintPage(dc, PrintPage(page), s, content);
        }
        auto describe = [](const PageItem& i) {
            return QStringLiteral("%1 (%2, %3)-(%4, %5)").arg(i.name).arg(i.box.left).arg(i.box.top).arg(i.box.right).arg(i.box.bottom);
        };
        QVERIFY(items.size() >= 4);
        for (std::size_t i = 0; i < items.size(); ++i) {
            QVERIFY2(items[i].box.width() > 0 && items[i].box.height() > 0, qPrintable(describe(items[i])));
            QVERIFY2(paper.contains(items[i].box), qPrintable(describe(items[i])));
            for (std::size_t j = i + 1; j < items.size(); ++j)
                QVERIFY2(!items[i].box.intersects(items[j].box),
                         qPrintable(describe(items[i]) + QStringLiteral(" overlaps ") + describe(items[j])));
        }
        // Every inked pixel lies in (or a pixel beside) the box of something the page drew.
        const QTransform toPage = pageTransform(Dpi, s).inverted();
        const double pixel = 254 / Dpi;
        int stray = 0;
        QString where;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 200)
                    continue;
                const QPointF at = toPage.map(QPointF(x + 0.5, y + 0.5));
                const bool inside = std::any_of(items.begin(), items.end(), [&](const PageItem& i) {
                    return at.x() >= i.box.left - 1.5 * pixel && at.x() <= i.box.right + 1.5 * pixel &&
                           at.y() <= i.box.top + 1.5 * pixel && at.y() >= i.box.bottom - 1.5 * pixel;
                });
                if (!inside && stray++ == 0)
                    where = QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y());
            }
        QVERIFY2(stray == 0, qPrintable(QStringLiteral("%1 pixels outside every item, first at %2").arg(stray).arg(where)));
    }

    // A collation prints both charts in the header of the page that shows both, and only the
    // radix on the pages of its own tables.
    void collationHeader_namesBothChartsOnlyWhereBothShow() {
        TOptions o = shipped();
        o.print_pages = only({PrintWheel, PrintPositions});
        RadixData second = fullChart(97, "Nagy B\xE9la");
        std::snprintf(second.moment.town.data(), second.moment.town.size(), "Szeged");
        const Collation collation = fullCollation(second);
        const RadixData radix = fullChart(0, "Kov\xE1""cs \xC9va");
        const PrintContent content{radix, o, english(), QDateTime(), &collation};
        auto headerOf = [&](PrintPage page) {
            for (const PageItem& i : layoutPrintPage(page, 1.0, content))
                if (i.kind == PageItemKind::HeaderLines)
                    return i.lines;
            return std::vector<QString>{};
        };
        const std::vector<QString> chartPage = headerOf(PrintPage::Chart);
        QCOMPARE(int(chartPage.size()), 5);
        QVERIFY(chartPage[0].contains("Nagy B") && chartPage[0].contains("Kov"));
        QVERIFY2(chartPage[4].startsWith(QString::fromUtf8("Nagy Béla: Szeged  Long ")), qPrintable(chartPage[4]));
        const std::vector<QString> positions = headerOf(PrintPage::Positions);
        QCOMPARE(int(positions.size()), 4);
        QVERIFY(!positions[0].contains("Nagy"));
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
