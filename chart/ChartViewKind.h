#pragma once
// The views of a chart window and the rules that depend only on the view.
#include "Options.h"

// View kinds, numbered as the chart windows and the settings number them.
enum class ChartView : int {
    Wheel = 0, Positions = 1, SignsHouses = 2, Aspects = 4, AspectDetails = 5, Combined = 6,
    // The views of a collation window: the bi-wheel and the grid of cross aspects.
    Collation = 7, CollationGrid = 8,
};

// Whether a view draws a wheel (panned from the centre, smoothed by `antialias`).
constexpr bool isWheelView(ChartView view) { return view == ChartView::Wheel || view == ChartView::Collation; }

// Pan offsets are kept per view number; the numbers leave room for views to come.
constexpr int ChartViewSlots = 40;

// The pan of a view before the user moves it: 0 for the wheel, 20 for the tables.
constexpr int initialViewPan(ChartView view) { return isWheelView(view) ? 0 : 20; }

// The smoothing factor (0, 1, 2 or 4) for a stored `antialias`: any value gives one of these,
// so a hand-edited options file cannot ask for a cropped or enormous picture.
int smoothingFactorOf(int antialias);

// The smoothing factor of a view: the wheel by `antialias`; the tables are never supersampled
// (1 when smoothing is on, else 0).
int viewSmoothingFactor(ChartView view, const TOptions& options);
