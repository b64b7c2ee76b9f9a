#pragma once
// The time line of a period's transits: one line per transit (transiting body, aspect, natal
// point) with a bar for each pass from the moment it comes into orb to the moment it leaves,
// shaded from light at the edges of the orb to full at exactness, the exact moment marked (with
// "R" for a retrograde pass and "S" for a station within the orb), and the months and years of
// the period on the axis above. A station within the orb that does not reach exactness is
// marked by a hollow diamond at the station. One painter draws it on the screen, into files and on paper.
#include <QColor>
#include <QPainter>
#include <QString>
#include <vector>

#include "Options.h"
#include "TransitList.h"

// What one time line shows.
struct TransitTimeLine {
    const std::vector<TransitEvent>* events = nullptr;
    std::vector<std::vector<int>> rows;  // timeLineRows
    std::vector<QString> labels;         // one per row: "Saturn  Square  Sun"
    std::vector<int> aspects;            // one per row: the aspect, for its colour
    double from = 0, to = 0;             // the period, Julian days (UT)
    // Local clock minus UT at the period's start, in days: the months begin at local midnight.
    double clockOffset = 0;
};

// Sizes in the painter's logical units (pixels on the screen).
struct TimeLineMetrics {
    int labelWidth = 230;
    int rowHeight = 20;
    int axisHeight = 40;  // years above, months below
    int margin = 8;
};

// Black: every ink black and the bars in greys, for black-and-white printing.
struct TimeLineStyle {
    bool black = false;
};

// The height the time line needs for rows `first`..`first + count - 1`.
int timeLineHeight(const TimeLineMetrics& m, int count);

// The horizontal position of moment `jd` on a time line of `width` units; the period fills
// the space right of the labels. Moments outside the period are clamped to its ends.
double timeLineX(const TransitTimeLine& line, const TimeLineMetrics& m, int width, double jd);

// The row at vertical position `y`, or -1 (the axis, below the last row).
int timeLineRowAt(const TransitTimeLine& line, const TimeLineMetrics& m, int first, int y);

// Start of each month within the period (Julian days on the clock that `from` and `to` are
// read on), by the calendar of the day: Julian before 15 October 1582, Gregorian from it.
struct TimeLineTick {
    double jd = 0;
    int year = 0;
    int month = 0;  // 1..12
};
std::vector<TimeLineTick> timeLineTicks(double from, double to);

// The part of pass `k` of a row that is drawn: from entering to leaving the orb, cut at the
// period and, where two passes' orbs overlap, halfway between their exact moments.
struct PassSpan {
    double from = 0, to = 0;
};
PassSpan passSpan(const TransitTimeLine& line, const std::vector<int>& row, std::size_t k);

// Draws rows `first`..`first + count - 1` into `width` units at the painter's origin.
// `monthNames` are the twelve short month names of the interface.
void drawTransitTimeLine(QPainter& painter, const TransitTimeLine& line, const TimeLineMetrics& m, int width,
                         int first, int count, const TOptions& options, const TimeLineStyle& style,
                         const std::vector<QString>& monthNames);
