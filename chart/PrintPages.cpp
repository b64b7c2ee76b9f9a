#include "PrintPages.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cstring>

#include "AngleFormats.h"
#include "BirthText.h"
#include "ChartColours.h"
#include "ChartFonts.h"
#include "BiWheel.h"
#include "ChartTables.h"
#include "CollationGrid.h"
#include "DrawPrimitives.h"
#include "PositionRows.h"
#include "QtText.h"
#include "RadixWheel.h"
#include "StringIds.h"
#include "TableRenderer.h"

namespace {

constexpr int ProgramNameId = 733, VersionId = 730, CreditId = 734, ContactId = 662, PrintedOnId = 648;

QString str(const StringTable& strings, int id) { return fromCp1250(strings[id]); }

// Text drawn the way a page reads it: from a top-left corner downward, in a y-up painter.
void drawPageText(QPainter& p, const QRectF& downward, int flags, const QString& text, const QPointF& topLeft) {
    p.save();
    p.translate(topLeft);
    p.scale(1, -1);
    p.drawText(downward, flags, text);
    p.restore();
}

// The tables' text colour on paper.
ColorRef tableInk(const TOptions& o) { return adaptTableColour(o.colors.deftext, o, true); }

int tableScaleWidth(const std::vector<TableModel>& tables) {
    int w = 0;
    for (const TableModel& t : tables)
        w = std::max(w, t.x + t.width());
    return w;
}

void paintHeader(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const HeaderLayout l = headerLayout(s);
    const std::vector<std::string> lines = c.collation ? collationHeaderLines(c.chart, *c.collation, c.strings)
                                                       : pageHeaderLines(c.chart, c.strings);
    p.setFont(chartFont(FontTemplate::TableRoman, static_cast<int>(l.lineHeight * 0.9)));
    p.setPen(toQColor(tableInk(c.options)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QPointF at(l.linesAt.x, l.linesAt.y - static_cast<double>(i) * l.lineHeight);
        drawPageText(p, QRectF(0, 0, 1400 * s, l.lineHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fromCp1250(lines[i]), at);
    }
    // The two-row box: house system and sidereal time.
    const double t = 0.5 * s;
    TableModel box;
    box.columnWidths = {700, 300};
    const ColorRef ink = tableInk(c.options);
    const int house = std::min<int>(c.options.housecalc, 9);
    box.rows.push_back({{textCell(0, str(c.strings, StrId::HouseCalcMethod), ink, FontTemplate::TableRoman, CellAlign::Left),
                         textCell(1, str(c.strings, StrId::HouseSystemZodikeon + house), ink)}});
    box.rows.push_back({{textCell(0, str(c.strings, StrId::SiderealTimeRAMC), ink, FontTemplate::TableRoman, CellAlign::Left),
                         textCell(1, formatRightAscension(c.chart.armc * 57.29577951308232, c.options), ink)}});
    p.save();
    p.translate(l.boxAt.x, l.boxAt.y);
    drawTable(dc, box, t, c.options);
    p.restore();
}

void paintFooter(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const FooterLayout l = footerLayout(s);
    const FooterTexts texts = pageFooterTexts(c.strings, c.printedAt);
    p.setFont(chartFont(FontTemplate::TableItalic, l.fontHeight));
    p.setPen(toQColor(tableInk(c.options)));
    const QRectF box(0, 0, l.bottomRight.x - l.topLeft.x, l.topLeft.y - l.bottomRight.y);
    const QPointF corner(l.topLeft.x, l.topLeft.y);
    drawPageText(p, box, Qt::AlignLeft | Qt::AlignTop, texts.program + QLatin1Char('\n') + texts.contact, corner);
    drawPageText(p, box, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, texts.printed, corner);
}

void paintChartPage(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const ChartPageLayout l = chartPageLayout(c.options.print_pages, s);
    const double t = 0.5 * s;
    if (l.wheel && c.collation)
        drawBiWheel(dc, l.wheelCentre.x, l.wheelCentre.y, l.wheelRadius, c.chart, *c.collation, c.options);
    else if (l.wheel)
        drawRadixWheel(dc, l.wheelCentre.x, l.wheelCentre.y, l.wheelRadius, c.chart, c.options);
    if (l.combined && c.collation) {
        // The bi-wheel fills its square to the edge, so the grid goes below it, above the footer.
        const int top = l.wheel ? std::min(l.combinedAt.y, l.wheelCentre.y - l.wheelRadius - static_cast<int>(40 * s))
                                : l.combinedAt.y;
        const int bottom = footerLayout(s).topLeft.y + static_cast<int>(20 * s);
        p.save();
        p.translate(l.combinedAt.x, top);
        const TableModel grid = collationGridTable(c.chart, *c.collation, c.options, c.strings);
        const int room = l.signsHouses1 ? l.table1At.x - l.combinedAt.x : static_cast<int>(1950 * s);
        double scale = fittingTableScale(grid.width(), t, room);
        if (grid.height() > 0 && grid.height() * scale > top - bottom)
            scale = double(top - bottom) / grid.height();
        drawTable(dc, grid, scale, c.options);
        p.restore();
    } else if (l.combined) {
        p.save();
        p.translate(l.combinedAt.x, l.combinedAt.y);
        // Beside the first distribution tables the combined table keeps to the left half.
        const TableModel combined = combinedTable(c.chart, c.options, c.strings);
        const int room = l.signsHouses1 ? l.table1At.x - l.combinedAt.x : static_cast<int>(1950 * s);
        drawTable(dc, combined, fittingTableScale(combined.width(), t, room), c.options);
        p.restore();
    }
    if (l.signsHouses1 || l.signsHouses2) {
        const std::vector<TableModel> tables = signHouseTables(c.chart, c.options, c.strings);
        auto place = [&](std::size_t index, PagePoint at) {
            TableModel table = tables[index];
            table.x = table.y = 0;
            p.save();
            p.translate(at.x, at.y);
            drawTable(dc, table, t, c.options);
            p.restore();
        };
        if (l.signsHouses1) {
            place(0, l.table1At);
            place(2, l.table3At);
        }
        if (l.signsHouses2) {
            place(1, l.table2At);
            place(3, l.table4At);
        }
    }
}

void paintNotesPage(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const HeaderLayout h = headerLayout(s);
    const int left = h.linesAt.x, top = static_cast<int>(-330 * s);
    const int right = static_cast<int>(1360 * s), bottom = static_cast<int>(-2630 * s);
    const int heading = static_cast<int>(110 * s);
    p.setPen(plainPen(0, static_cast<int>(4 * s)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(left, bottom), QPoint(right, top)));
    p.drawLine(left, top - heading, right, top - heading);
    p.setPen(toQColor(tableInk(c.options)));
    p.setFont(chartFont(FontTemplate::TableRoman, static_cast<int>(70 * s)));
    drawPageText(p, QRectF(0, 0, right - left, heading), Qt::AlignCenter | Qt::TextSingleLine,
                 str(c.strings, StrId::Notes), QPointF(left, top));
    p.setFont(chartFont(FontTemplate::TableBold, static_cast<int>(40 * s)));
    const double margin = 20 * s;
    QString notes = fromCp1250(std::string_view(c.chart.notes.data()));
    notes.remove(QLatin1Char('\r'));
    drawPageText(p, QRectF(0, 0, right - left - 2 * margin, top - heading - bottom - 2 * margin),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes, QPointF(left + margin, top - heading - margin));
}

void paintPositionsPage(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    std::vector<PositionRow> rows;
    buildPositionRows(c.chart, c.options, rows);
    const double t = fittingTableScale(tableScaleWidth(positionTables(c.chart, rows, c.options, c.strings)), 0.5 * s, 1950 * s);
    p.save();
    p.translate(headerLayout(s).linesAt.x, tablesTop(s));
    drawPositionTable(dc, c.chart, rows, t, c.options, c.strings);
    p.restore();
}

void paintAspectsPage(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const double t = fittingTableScale(aspectGridTable(c.chart, c.options, AspectGridKind::Aspects).width(), 0.5 * s, 1950 * s);
    p.save();
    p.translate(headerLayout(s).linesAt.x, tablesTop(s));
    const int low = drawAspectGrid(dc, c.chart, t, c.options, false);
    drawAspectGrid(dc, c.chart, t, c.options, true, low - static_cast<int>(100 * t));
    p.restore();
}

void paintDetailsPage(DrawContext& dc, double s, const PrintContent& c) {
    QPainter& p = dc.painter;
    const TableModel full = aspectGridTable(c.chart, c.options, AspectGridKind::Details);
    const double reduced = 0.92 * 0.5 * s;
    p.save();
    p.translate(headerLayout(s).linesAt.x, 0);
    if (c.options.display.oppasps) {
        const TableModel first = detailTable(full, DetailMode::MainGrid);
        const TableModel second = detailTable(full, DetailMode::CuspsAndPoints);
        const double t = fittingTableScale(std::max(first.width(), second.width()), reduced, 1950 * s);
        p.translate(0, detailsTop(s));
        const int low = static_cast<int>(drawTable(dc, first, t, c.options) * t);
        p.translate(0, low - static_cast<int>(100 * t));
        drawTable(dc, second, t, c.options);
    } else {
        const TableModel whole = detailTable(full, DetailMode::Whole);
        const double t = fittingTableScale(whole.width(), reduced, 1950 * s);
        p.translate(0, tablesTop(s));
        drawTable(dc, whole, t, c.options);
    }
    p.restore();
}

}  // namespace

QTransform pageTransform(double dotsPerInch, double s) {
    const double k = dotsPerInch / 254.0;
    return QTransform(k, 0, 0, -k, PageMargin * s * k, PageMargin * s * k);
}

std::vector<std::string> pageHeaderLines(const RadixData& chart, const StringTable& strings) {
    std::string town(chart.moment.town.data(), strnlen(chart.moment.town.data(), chart.moment.town.size()));
    if (!town.empty() && town[0] == '+')
        town = town.size() > 2 ? town.substr(2) : std::string();
    std::string place = placeText(chart.moment);
    if (!town.empty())
        place = town + "  " + place;
    return {std::string(chart.name.data(), strnlen(chart.name.data(), chart.name.size())),
            std::string(chart.horType.data(), strnlen(chart.horType.data(), chart.horType.size())),
            momentText(chart.moment, strings), place};
}

std::vector<std::string> collationHeaderLines(const RadixData& radix, const Collation& collation,
                                              const StringTable& strings) {
    std::vector<std::string> lines = pageHeaderLines(radix, strings);
    const std::string second = toCp1250(secondChartName(collation, strings));
    lines[0] += "  \x96  " + second;
    const std::string moment = momentText(collation.second.moment, strings);
    lines[1] = lines[1].empty() ? second + ": " + moment : lines[1] + "  \x96  " + second + ": " + moment;
    return lines;
}

FooterTexts pageFooterTexts(const StringTable& strings, const QDateTime& when) {
    FooterTexts f;
    f.program = QStringLiteral("%1 %2  %3").arg(str(strings, ProgramNameId), str(strings, VersionId), str(strings, CreditId));
    f.contact = str(strings, ContactId);
    const QDate d = when.date();
    const CalDate date(d.year(), d.month(), d.day(), true);
    const QTime t = when.time();
    f.printed = QStringLiteral("%1 %2 %3").arg(str(strings, PrintedOnId), fromCp1250(longDateText(date, strings)).trimmed(),
                                               QString::asprintf("%u:%02u", unsigned(t.hour()), unsigned(t.minute())));
    return f;
}

void paintPrintPage(DrawContext& dc, PrintPage page, double s, const PrintContent& c) {
    if (s <= 0)
        return;
    QPainter& p = dc.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintHeader(dc, s, c);
    switch (page) {
    case PrintPage::Notes: paintNotesPage(dc, s, c); break;
    case PrintPage::Chart: paintChartPage(dc, s, c); break;
    case PrintPage::Positions: paintPositionsPage(dc, s, c); break;
    case PrintPage::Aspects: paintAspectsPage(dc, s, c); break;
    case PrintPage::Details: paintDetailsPage(dc, s, c); break;
    }
    paintFooter(dc, s, c);
    p.restore();
}
