#include "ChartView.h"

#include <cstring>

#include "ChartColours.h"
#include "ChartTables.h"
#include "DrawPrimitives.h"
#include "RadixWheel.h"

namespace {

// The options as the black display option draws them: every colour black on white. The
// filled styles are drawn as the legacy ones then, since their fills would turn black too.
TOptions blackOnWhite(const TOptions& options) {
    TOptions o = options;
    static_assert(sizeof(TColorOptions) % sizeof(ColorRef) == 0);
    std::memset(static_cast<void*>(&o.colors), 0, sizeof o.colors);
    o.colors.background = 0xFFFFFF;
    o.display.chart_style = 1;
    o.display.table_style = 1;
    return o;
}

void paintBackground(QPainter& p, QSize size, bool wheel, const TOptions& o) {
    const QRect all(QPoint(0, 0), size);
    if (o.display.black) {
        p.fillRect(all, Qt::white);
        return;
    }
    const bool gradient = wheel ? o.display.chart_style == 2 : o.display.table_style == 2;
    if (!gradient) {
        p.fillRect(all, toQColor(o.colors.background));
        return;
    }
    const ColorRef top = wheel ? o.colors.c2_fill_back[0] : o.colors.c2_table_fill_back[0];
    const ColorRef bottom = wheel ? o.colors.c2_fill_back[1] : o.colors.c2_table_fill_back[1];
    p.save();
    p.setTransform(QTransform(1, 0, 0, -1, 0, 0));
    fillGradientRect(p, Box{0, 0, size.width(), -size.height()}, top, bottom);
    p.restore();
}

}  // namespace

ViewOffset defaultViewOffset(ChartView view) {
    return view == ChartView::Wheel ? ViewOffset{0, 0, 1.0} : ViewOffset{20, 20, 1.0};
}

int smoothingFactor(ChartView view, const TOptions& o) {
    const int a = o.display.antialias;
    if (view != ChartView::Wheel)
        return a > 0 ? 1 : 0;
    return a == 2 || a == 4 ? a : a == 1 ? 1 : 0;
}

ViewGeometry paintChartView(QPainter& p, QSize size, int factor, const RadixData& chart, const TOptions& options,
                            const ViewRequest& request) {
    ViewGeometry g;
    if (size.isEmpty())
        return g;
    const int f = std::max(1, factor);
    const bool wheel = request.view == ChartView::Wheel;
    p.save();
    p.resetTransform();
    paintBackground(p, size, wheel, options);
    const TOptions black = options.display.black ? blackOnWhite(options) : TOptions{};
    const TOptions& o = options.display.black ? black : options;
    const ViewOffset& off = request.offset;
    if (wheel) {
        // 0.1 mm per logical unit, y up.
        const double k = request.dpi / 254.0;
        p.setTransform(QTransform(k, 0, 0, -k, 0, 0));
        const double deviceX = size.width() / 2.0 + f * off.x, deviceY = size.height() / 2.0 + f * off.y;
        g.wheelX = static_cast<int>(deviceX / k);
        g.wheelY = static_cast<int>(-deviceY / k);
        const double h = std::min(size.width() / 2.0, size.height() / 2.0) / k;
        g.wheelRadius = static_cast<int>(static_cast<int>(h * 0.96 * off.zoom) * 0.99);
        drawRadixWheel(p, g.wheelX, g.wheelY, g.wheelRadius, chart, o);
    } else {
        // 0.1 mm, y up from the panned origin.
        const double k = request.dpi / 254.0;
        p.setTransform(QTransform(k, 0, 0, -k, f * off.x, f * off.y));
        const double scale = o.display.tablesize * 0.38 * off.zoom * f;
        g.tableScale = scale;
        static const StringTable english = [] {
            StringTable t;
            t.load(LanguageEnglish);
            return t;
        }();
        const StringTable& strings = request.strings ? *request.strings : english;
        switch (request.view) {
        case ChartView::Positions: {
            std::vector<PositionRow> built;
            if (!request.rows)
                buildPositionRows(chart, o, built);
            drawPositionTable(p, chart, request.rows ? *request.rows : built, scale, o, strings);
            break;
        }
        case ChartView::SignsHouses:
            drawSignHouseTables(p, chart, scale, o, strings);
            break;
        case ChartView::Aspects: {
            const int low = drawAspectGrid(p, chart, scale, o, false);
            if (request.parallels)
                drawAspectGrid(p, chart, scale, o, true, low - static_cast<int>(100 * scale));
            break;
        }
        case ChartView::AspectDetails:
            drawAspectDetails(p, chart, scale, o);
            break;
        case ChartView::Combined:
            drawCombinedTable(p, chart, scale, o, strings);
            break;
        case ChartView::Wheel:
            break;
        }
    }
    p.restore();
    return g;
}

ViewGeometry ChartViewRenderer::render(QImage& screen, int factor, const RadixData& chart, const TOptions& options,
                                       const ViewRequest& request) {
    if (screen.format() != QImage::Format_RGB32 && !screen.isNull())
        screen = QImage(screen.size(), QImage::Format_RGB32);
    if (screen.isNull())
        return {};
    if (factor <= 1) {
        releaseLarge();
        QPainter p(&screen);
        return paintChartView(p, screen.size(), factor, chart, options, request);
    }
    const QSize large = screen.size() * factor;
    if (m_large.size() != large)
        m_large = QImage(large, QImage::Format_RGB32);
    ViewGeometry g;
    {
        QPainter p(&m_large);
        g = paintChartView(p, large, factor, chart, options, request);
    }
    averageBlocks(m_large, screen, factor);
    return g;
}

void averageBlocks(const QImage& large, QImage& small, int f) {
    const int shift = f == 4 ? 4 : 2;
    const int w = small.width(), h = small.height();
    std::vector<std::uint32_t> rb(static_cast<std::size_t>(w)), ag(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        std::fill(rb.begin(), rb.end(), 0u);
        std::fill(ag.begin(), ag.end(), 0u);
        for (int dy = 0; dy < f; ++dy) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(large.constScanLine(y * f + dy));
            // Two channels per 32-bit lane: sums of up to 16 bytes fit in 16 bits.
            for (int x = 0; x < w; ++x) {
                std::uint32_t a = 0, b = 0;
                for (int dx = 0; dx < f; ++dx) {
                    const std::uint32_t px = src[x * f + dx];
                    a += px & 0x00FF00FFu;
                    b += (px >> 8) & 0x00FF00FFu;
                }
                rb[static_cast<std::size_t>(x)] += a;
                ag[static_cast<std::size_t>(x)] += b;
            }
        }
        auto* dst = reinterpret_cast<std::uint32_t*>(small.scanLine(y));
        for (int x = 0; x < w; ++x)
            dst[x] = ((rb[static_cast<std::size_t>(x)] >> shift) & 0x00FF00FFu) |
                     (((ag[static_cast<std::size_t>(x)] >> shift) & 0x00FF00FFu) << 8);
    }
}
