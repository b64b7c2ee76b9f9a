#include "TransitTimeLine.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

#include "ChartColours.h"
#include "Ephemeris.h"
#include "JulianMoment.h"

namespace {

constexpr ColorRef White = 0xFFFFFF;
// How far toward white the ends of a bar are faded.
constexpr double EdgeFade = 0.85;
// Share of the row height a bar takes.
constexpr double BarShare = 0.6;
constexpr int MinMonthWidthForName = 26;
constexpr int MinMonthWidthForInitial = 9;
constexpr int MinYearLabelWidth = 40;
// The least room between two lines across the rows, pixels.
constexpr double MinLineGap = 4;
constexpr double DaysPerYear = 365.25;

// The date of the day a Julian day falls in, and the first of a month back, in the calendar of
// that day: the months of the axis are the months the list's dates are told in, Julian before
// 15 October 1582.
void calendarDayOf(double jd, int& y, int& m, int& d) {
    const double midnight = std::floor(jd - 0.5) + 0.5;
    const CalendarDay day = julianDayToCalendarDay(midnight, midnight >= GregorianStartJD);
    y = day.year;
    m = day.month;
    d = day.day;
}

double jdOfDate(int y, int m) { return calendarToJulianDay(y, m, 1, 0.0, isGregorianByDate(y, m, 1)); }

// The smallest of the round numbers of years whose width on the axis is at least `gap` pixels.
int yearStride(double yearWidth, double gap) {
    for (const int stride : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000})
        if (stride * yearWidth >= gap)
            return stride;
    return 10000;
}

// The x of a moment without clamping, for the gradient of a bar cut at the period.
double rawX(const TransitTimeLine& line, const TimeLineMetrics& m, int width, double jd) {
    const double left = m.labelWidth;
    const double span = std::max(1.0, static_cast<double>(width - m.labelWidth - m.margin));
    const double days = line.to > line.from ? line.to - line.from : 1.0;
    return left + (jd - line.from) / days * span;
}

// A colour for the aspect's bars: the options' aspect colour when one is chosen, else one by
// the aspect's nature, so that the default black colours still tell squares from trines.
QColor barColour(int aspect, const TOptions& options, const TimeLineStyle& style) {
    if (style.black)
        return QColor(70, 70, 70);
    const ColorRef chosen = aspect >= 0 && aspect < AspectCount ? options.colors.aspects[static_cast<std::size_t>(aspect)] : 0;
    if (chosen != 0)
        return toQColor(legibleOn(chosen, White));
    switch (aspect) {
    case 0: return QColor(120, 40, 160);                                     // conjunction
    case 1: case 3: case 4: case 6: case 8: return QColor(30, 90, 190);      // easy aspects
    case 2: case 5: case 7: case 9: case 10: return QColor(190, 40, 40);     // hard aspects
    default: return QColor(40, 120, 90);
    }
}

QColor faded(const QColor& c) {
    return QColor(c.red() + static_cast<int>((255 - c.red()) * EdgeFade),
                  c.green() + static_cast<int>((255 - c.green()) * EdgeFade),
                  c.blue() + static_cast<int>((255 - c.blue()) * EdgeFade));
}

}  // namespace

int timeLineHeight(const TimeLineMetrics& m, int count) { return m.axisHeight + std::max(0, count) * m.rowHeight + m.margin; }

double timeLineX(const TransitTimeLine& line, const TimeLineMetrics& m, int width, double jd) {
    return rawX(line, m, width, std::clamp(jd, line.from, std::max(line.from, line.to)));
}

int timeLineRowAt(const TransitTimeLine& line, const TimeLineMetrics& m, int first, int y) {
    if (y < m.axisHeight)
        return -1;
    const int row = first + (y - m.axisHeight) / m.rowHeight;
    return row < static_cast<int>(line.rows.size()) ? row : -1;
}

std::vector<TimeLineTick> timeLineTicks(double from, double to) {
    std::vector<TimeLineTick> ticks;
    if (!(to > from))
        return ticks;
    int y = 0, mo = 0, d = 0;
    calendarDayOf(from, y, mo, d);
    // The first month start at or after the beginning of the period.
    if (jdOfDate(y, mo) < from) {
        if (++mo > 12) {
            mo = 1;
            ++y;
        }
    }
    for (double jd = jdOfDate(y, mo); jd <= to; jd = jdOfDate(y, mo)) {
        ticks.push_back({jd, y, mo});
        if (++mo > 12) {
            mo = 1;
            ++y;
        }
    }
    return ticks;
}

PassSpan passSpan(const TransitTimeLine& line, const std::vector<int>& row, std::size_t k) {
    const auto& events = *line.events;
    const TransitEvent& e = events[static_cast<std::size_t>(row[k])];
    PassSpan span{std::max(e.entersUT, line.from), std::min(e.leavesUT, line.to)};
    if (k > 0) {
        const TransitEvent& before = events[static_cast<std::size_t>(row[k - 1])];
        if (before.leavesUT > e.entersUT)
            span.from = std::max(span.from, (before.exactUT + e.exactUT) / 2);
    }
    if (k + 1 < row.size()) {
        const TransitEvent& after = events[static_cast<std::size_t>(row[k + 1])];
        if (after.entersUT < e.leavesUT)
            span.to = std::min(span.to, (e.exactUT + after.exactUT) / 2);
    }
    return span;
}

void drawTransitTimeLine(QPainter& p, const TransitTimeLine& line, const TimeLineMetrics& m, int width, int first,
                         int count, const TOptions& options, const TimeLineStyle& style,
                         const std::vector<QString>& monthNames) {
    const int rows = std::clamp(static_cast<int>(line.rows.size()) - first, 0, std::max(0, count));
    const int height = timeLineHeight(m, rows);
    const int right = width - m.margin;
    const int left = m.labelWidth;
    const int top = m.axisHeight;
    const int bottom = top + rows * m.rowHeight;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(QRect(0, 0, width, height), Qt::white);

    // Stripes behind every other line.
    for (int r = 0; r < rows; ++r)
        if ((first + r) % 2 == 1)
            p.fillRect(QRect(0, top + r * m.rowHeight, width, m.rowHeight), QColor(242, 242, 242));

    // Months and years: lines across the lines, names above.
    QFont font = p.font();
    font.setPixelSize(std::max(8, m.rowHeight * 11 / 20));
    QFont bold = font;
    bold.setBold(true);
    const QColor ink = Qt::black;
    const QColor monthLine(200, 200, 200);
    // Months on the local clock, placed at the UT moments of their local midnights.
    std::vector<TimeLineTick> ticks = timeLineTicks(line.from + line.clockOffset, line.to + line.clockOffset);
    for (TimeLineTick& t : ticks)
        t.jd -= line.clockOffset;
    const int axisMid = m.axisHeight / 2;
    // Over decades the years get narrow: every how many years one is named, and lines drawn, so
    // that names do not run into each other and lines do not grey the lines over.
    const double yearWidth = rawX(line, m, width, line.from + DaysPerYear) - rawX(line, m, width, line.from);
    const int labelStride = yearStride(yearWidth, MinYearLabelWidth);
    const int lineStride = yearStride(yearWidth, MinLineGap);
    const bool monthLines = yearWidth / 12 >= MinLineGap;
    for (std::size_t i = 0; i <= ticks.size(); ++i) {
        // Each month's stretch: from its tick (or the period's start) to the next.
        const double a = i == 0 ? line.from : ticks[i - 1].jd;
        const double b = i < ticks.size() ? ticks[i].jd : line.to;
        const int xa = static_cast<int>(timeLineX(line, m, width, a));
        const int xb = static_cast<int>(timeLineX(line, m, width, b));
        int year = 0, month = 0, day = 0;
        calendarDayOf(a + line.clockOffset, year, month, day);
        const QString name = month >= 1 && month <= static_cast<int>(monthNames.size()) ? monthNames[static_cast<std::size_t>(month - 1)] : QString();
        p.setFont(font);
        p.setPen(ink);
        const int w = xb - xa;
        if (!name.isEmpty() && w >= MinMonthWidthForInitial) {
            const QString shown = w >= MinMonthWidthForName ? name.left(3) : name.left(1);
            p.drawText(QRect(xa, axisMid, w, axisMid), Qt::AlignCenter, shown);
        }
        // The year at the period's start (unless a new year follows at once) and at every January.
        const bool yearFollows = i == 0 && !ticks.empty() && ticks[0].month == 1 &&
                                 timeLineX(line, m, width, ticks[0].jd) - xa < MinYearLabelWidth;
        const bool named = labelStride == 1 ? (i == 0 && !yearFollows) || (i > 0 && ticks[i - 1].month == 1)
                                            : i > 0 && ticks[i - 1].month == 1 && year % labelStride == 0;
        // A name cut off by the period's end would read as another year.
        const QString yearName = QString::number(year);
        if (named && QFontMetrics(bold).horizontalAdvance(yearName) <= right - xa - 3) {
            p.setFont(bold);
            p.drawText(QRect(xa + 3, 0, right - xa - 3, axisMid), Qt::AlignLeft | Qt::AlignVCenter, yearName);
        }
    }
    for (const TimeLineTick& t : ticks) {
        const bool year = t.month == 1;
        if (year ? t.year % lineStride != 0 : !monthLines)
            continue;
        const double x = timeLineX(line, m, width, t.jd);
        p.setPen(QPen(year ? QColor(110, 110, 110) : monthLine, year ? 1.5 : 1.0));
        // Only a named year's line runs up through the names: the others would cross them.
        const bool tall = year && t.year % labelStride == 0;
        p.drawLine(QPointF(x, tall ? 0 : axisMid), QPointF(x, bottom));
    }
    p.setPen(QPen(ink, 1.0));
    p.drawLine(QPointF(left, top - 0.5), QPointF(right, top - 0.5));
    p.drawLine(QPointF(left, axisMid), QPointF(left, bottom));
    p.drawLine(QPointF(right, axisMid), QPointF(right, bottom));

    // The lines: label, then each pass's bar and exact mark.
    QFont small = font;
    small.setPixelSize(std::max(7, m.rowHeight * 9 / 20));
    small.setBold(true);
    const int barHeight = static_cast<int>(m.rowHeight * BarShare);
    // Only the lines within the painter's clip are drawn: a window shows a few of many.
    const QRectF clip = p.hasClipping() ? p.clipBoundingRect() : QRectF();
    for (int r = 0; r < rows; ++r) {
        const std::size_t row = static_cast<std::size_t>(first + r);
        const int y = top + r * m.rowHeight;
        if (!clip.isEmpty() && (y + m.rowHeight < clip.top() || y > clip.bottom()))
            continue;
        p.setFont(font);
        p.setPen(ink);
        const QString label = row < line.labels.size() ? line.labels[row] : QString();
        p.drawText(QRect(m.margin, y, left - 2 * m.margin, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(font).elidedText(label, Qt::ElideRight, left - 2 * m.margin));
        const QColor colour = barColour(row < line.aspects.size() ? line.aspects[row] : -1, options, style);
        const std::vector<int>& passes = line.rows[row];
        const double barTop = y + (m.rowHeight - barHeight) / 2.0;
        // Where the diamonds of a line stand closer than their width (the Moon over years), their
        // white rims would cover their dark fill and the line would look empty: they go rimless.
        const double diamondWidth = barHeight * 0.55 * 1.4;
        const bool crowded = static_cast<double>(passes.size()) * diamondWidth > right - left;
        for (std::size_t k = 0; k < passes.size(); ++k) {
            const TransitEvent& e = (*line.events)[static_cast<std::size_t>(passes[k])];
            const PassSpan span = passSpan(line, passes, k);
            if (span.to < span.from)
                continue;
            const double xa = timeLineX(line, m, width, span.from);
            const double xb = std::max(xa + 1.0, timeLineX(line, m, width, span.to));
            const double xe = rawX(line, m, width, e.exactUT);
            QLinearGradient shade(rawX(line, m, width, e.entersUT), 0, rawX(line, m, width, e.leavesUT), 0);
            const double at = e.leavesUT > e.entersUT ? std::clamp((e.exactUT - e.entersUT) / (e.leavesUT - e.entersUT), 0.0, 1.0) : 0.5;
            shade.setColorAt(0, faded(colour));
            shade.setColorAt(at, colour);
            shade.setColorAt(1, faded(colour));
            p.fillRect(QRectF(xa, barTop, xb - xa, barHeight), shade);
            p.setPen(QPen(colour, 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(xa, barTop, xb - xa, barHeight));
            if (e.exactUT < line.from || e.exactUT > line.to)
                continue;
            // The exact moment: a dark diamond over the bar, the motion beside it.
            const double half = barHeight * 0.55;
            const double cy = barTop + barHeight / 2.0;
            const QPointF diamond[] = {{xe, cy - half}, {xe + half * 0.7, cy}, {xe, cy + half}, {xe - half * 0.7, cy}};
            const QColor mark = style.black ? QColor(Qt::black) : colour.darker(170);
            if (e.exactReached) {
                p.setPen(crowded ? QPen(Qt::NoPen) : QPen(Qt::white, 0.8));
                p.setBrush(mark);
            } else {
                p.setPen(QPen(mark, 1.5));
                p.setBrush(Qt::white);
            }
            p.drawPolygon(diamond, 4);
            if (e.motion <= 0) {
                p.setFont(small);
                p.setPen(ink);
                p.drawText(QRectF(xe + half * 0.8, y, m.rowHeight, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                           e.motion < 0 ? QStringLiteral("R") : QStringLiteral("S"));
            }
        }
    }
    p.restore();
}
