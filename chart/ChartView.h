#pragma once
// Painting one whole view of a chart (the wheel or one of the table views) at a given size,
// pan offset, zoom and smoothing. The chart windows paint through this, and so does export.
#include <QImage>
#include <QPainter>
#include <QSize>
#include <vector>

#include "ChartViewKind.h"
#include "Collation.h"
#include "DrawContext.h"
#include "Options.h"
#include "PositionRows.h"
#include "RadixData.h"
#include "StringTable.h"
#include "TextShapes.h"


struct ViewRequest {
    ChartView view = ChartView::Wheel;
    // Pan and zoom of the view: offsets in device pixels of the window (the painter multiplies
    // them by the smoothing factor), zoom 1.0 normal.
    int offsetX = 0, offsetY = 0;
    double zoom = 1.0;
    bool parallels = true;  // aspects view: the parallel grid below the aspect grid (natal charts)
    double dpi = 96;        // device resolution that the wheel's 0.1 mm units are measured against
    // Rows of the positions view; when null they are built from the chart (asks the ephemeris).
    const std::vector<PositionRow>* rows = nullptr;
    // Texts of the tables' headings in the interface language; English when null.
    const StringTable* strings = nullptr;
    // The second chart and the cross aspects; the collation views draw nothing without it.
    const Collation* collation = nullptr;
};

// A request for a view at its initial pan and zoom.
ViewRequest viewRequestFor(ChartView view);

// What a paint actually used: the wheel's centre and radius in logical units, or the tables'
// scale. The chart windows use it for mouse zooming.
struct ViewGeometry {
    int wheelX = 0, wheelY = 0, wheelRadius = 0;
    double tableScale = 0;
};

// Where a wheel view puts its wheel on a device of `size` pixels at smoothing factor `factor`:
// the centre and radius in logical units (0.1 mm at the request's resolution, y up).
ViewGeometry wheelViewGeometry(QSize size, int factor, const ViewRequest& request);

// Paints background and view into a device of `size` pixels, scaled for smoothing factor
// `factor` (sizes and offsets are multiplied by it; 0 counts as 1). Leaves the painter's state
// as it found it. With the display option `black`, everything is drawn black on white and the
// options stay untouched.
ViewGeometry paintChartView(DrawContext& dc, QSize size, int factor, const RadixData& chart, const TOptions& options,
                            const ViewRequest& request);

// Buffered and smoothed painting into a screen image: at factor 2 or 4 the view is drawn at
// that multiple of the size into a large image that is kept between paints, then every f x f
// block is averaged into one screen pixel.
class ChartViewRenderer {
public:
    // Renders into `screen` (its size is the view size; it is recreated as 32-bit RGB when it
    // has another format). `factor` is the smoothing factor 0, 1, 2 or 4.
    ViewGeometry render(QImage& screen, int factor, const RadixData& chart, const TOptions& options,
                        const ViewRequest& request);
    // Frees the large image (smoothing switched off).
    void releaseLarge() { m_large = QImage(); }

private:
    QImage m_large;
    TextShapes m_textShapes;
};

// Fills the device rectangle (0, 0, size) with `brush` but for the disc `hole` (device pixels,
// radius 0 for none), give or take the pixels its edge crosses: the rectangles around the disc's
// bounding square as plain rectangles, only the corners of the square as a path (a path over
// the whole view costs the rasterizer a span for every row of it).
void fillAround(QPainter& p, QSize size, const QBrush& brush, QPointF holeCentre, double holeRadius);

// Averages each f x f block of `large` into one pixel of `small` (f = 2 or 4); `small` must be
// large.size() / f, both 32 bits per pixel.
void averageBlocks(const QImage& large, QImage& small, int f);
