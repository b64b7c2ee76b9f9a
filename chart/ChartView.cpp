#include "ChartView.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cstring>
#include <emmintrin.h>
#include <immintrin.h>

#include "BiWheel.h"
#include "ChartColours.h"
#include "ChartTables.h"
#include "CollationGrid.h"
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

}  // namespace

void fillAround(QPainter& p, QSize size, const QBrush& brush, QPointF holeCentre, double holeRadius) {
    const QRect all(QPoint(0, 0), size);
    const QRect square = QRectF(holeCentre.x() - holeRadius, holeCentre.y() - holeRadius, 2 * holeRadius, 2 * holeRadius)
                             .toAlignedRect()
                             .intersected(all);
    if (holeRadius <= 0 || square.isEmpty()) {
        p.fillRect(all, brush);
        return;
    }
    p.fillRect(QRect(0, 0, size.width(), square.top()), brush);
    p.fillRect(QRect(0, square.bottom() + 1, size.width(), size.height() - square.bottom() - 1), brush);
    p.fillRect(QRect(0, square.top(), square.left(), square.height()), brush);
    p.fillRect(QRect(square.right() + 1, square.top(), size.width() - square.right() - 1, square.height()), brush);
    QPainterPath corners;
    corners.addRect(square);
    corners.addEllipse(holeCentre, holeRadius, holeRadius);
    p.fillPath(corners, brush);
}

namespace {

// The background; `hole` (device pixels, radius 0 for none) is an area that an opaque disc
// painted later covers, so the background leaves it out.
void paintBackground(QPainter& p, QSize size, bool wheel, const TOptions& o, QPointF holeCentre, double holeRadius) {
    if (o.display.black) {
        fillAround(p, size, Qt::white, holeCentre, holeRadius);
        return;
    }
    const bool gradient = wheel ? o.display.chart_style == 2 : o.display.table_style == 2;
    if (!gradient) {
        fillAround(p, size, toQColor(o.colors.background), holeCentre, holeRadius);
        return;
    }
    const ColorRef top = wheel ? o.colors.c2_fill_back[0] : o.colors.c2_table_fill_back[0];
    const ColorRef bottom = wheel ? o.colors.c2_fill_back[1] : o.colors.c2_table_fill_back[1];
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, toQColor(top));
    g.setColorAt(1, toQColor(bottom));
    fillAround(p, size, g, holeCentre, holeRadius);
}

}  // namespace

ViewRequest viewRequestFor(ChartView view) {
    ViewRequest request;
    request.view = view;
    request.offsetX = request.offsetY = initialViewPan(view);
    return request;
}

ViewGeometry wheelViewGeometry(QSize size, int factor, const ViewRequest& request) {
    ViewGeometry g;
    const int f = std::max(1, factor);
    const double k = request.dpi / 254.0;  // 0.1 mm per logical unit
    if (k <= 0)
        return g;
    const double deviceX = size.width() / 2.0 + f * request.offsetX, deviceY = size.height() / 2.0 + f * request.offsetY;
    g.wheelX = static_cast<int>(deviceX / k);
    g.wheelY = static_cast<int>(-deviceY / k);
    const double h = std::min(size.width() / 2.0, size.height() / 2.0) / k;
    g.wheelRadius = static_cast<int>(static_cast<int>(h * 0.96 * request.zoom) * 0.99);
    return g;
}

ViewGeometry paintChartView(DrawContext& dc, QSize size, int factor, const RadixData& chart, const TOptions& options,
                            const ViewRequest& request) {
    ViewGeometry g;
    if (size.isEmpty())
        return g;
    const int f = std::max(1, factor);
    const bool wheel = isWheelView(request.view);
    const bool biWheel = request.view == ChartView::Collation;
    QPainter& p = dc.painter;
    p.save();
    p.resetTransform();
    const TOptions black = options.display.black ? blackOnWhite(options) : TOptions{};
    const TOptions& o = options.display.black ? black : options;
    const double k = request.dpi / 254.0;  // 0.1 mm per logical unit
    if (wheel) {
        g = wheelViewGeometry(size, f, request);
        // The filled style covers the wheel's middle with an opaque disc: no background there.
        double hole = 0;
        if (o.display.chart_style == 2 && !dc.printing && g.wheelRadius > 0 && (!biWheel || request.collation)) {
            const int opaque = biWheel ? biWheelOpaqueRadius(g.wheelRadius)
                                       : static_cast<int>(g.wheelRadius * (o.display.projasps ? 0.91 : 0.87));
            hole = opaque * k - 3;
        }
        paintBackground(p, size, true, o, QPointF(g.wheelX * k, -g.wheelY * k), hole);
        p.setTransform(QTransform(k, 0, 0, -k, 0, 0));
        if (!biWheel)
            drawRadixWheel(dc, g.wheelX, g.wheelY, g.wheelRadius, chart, o);
        else if (request.collation)
            drawBiWheel(dc, g.wheelX, g.wheelY, g.wheelRadius, chart, *request.collation, o);
    } else {
        paintBackground(p, size, false, o, {}, 0);
        // 0.1 mm, y up from the panned origin.
        p.setTransform(QTransform(k, 0, 0, -k, f * request.offsetX, f * request.offsetY));
        const double scale = o.display.tablesize * 0.38 * request.zoom * f;
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
            if (request.collation)
                drawCollationPositions(dc, chart, request.rows ? *request.rows : built, *request.collation, scale, o, strings);
            else
                drawPositionTable(dc, chart, request.rows ? *request.rows : built, scale, o, strings);
            break;
        }
        case ChartView::SignsHouses:
            drawSignHouseTables(dc, chart, scale, o, strings);
            break;
        case ChartView::Aspects: {
            const int low = drawAspectGrid(dc, chart, scale, o, false);
            if (request.parallels)
                drawAspectGrid(dc, chart, scale, o, true, low - static_cast<int>(100 * scale));
            break;
        }
        case ChartView::AspectDetails:
            drawAspectDetails(dc, chart, scale, o);
            break;
        case ChartView::Combined:
            drawCombinedTable(dc, chart, scale, o, strings);
            break;
        case ChartView::CollationGrid:
            if (request.collation)
                drawCollationGrid(dc, chart, *request.collation, scale, o, strings);
            break;
        case ChartView::Wheel:
        case ChartView::Collation:
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
    // Only the factors that the block average knows; a large image that cannot be had (too
    // big for memory) falls back to painting directly.
    factor = smoothingFactorOf(factor);
    const QSize large = screen.size() * factor;
    if (factor >= 2 && m_large.size() != large)
        m_large = QImage(large, QImage::Format_RGB32);
    if (factor <= 1 || m_large.isNull()) {
        releaseLarge();
        QPainter p(&screen);
        DrawContext dc(p);
        dc.textShapes = &m_textShapes;
        return paintChartView(dc, screen.size(), std::min(factor, 1), chart, options, request);
    }
    ViewGeometry g;
    {
        QPainter p(&m_large);
        DrawContext dc(p);
        dc.textShapes = &m_textShapes;
        g = paintChartView(dc, large, factor, chart, options, request);
    }
    averageBlocks(m_large, screen, factor);
    return g;
}

namespace {

// The same sums as below, eight source pixels of a row at a time, on processors that have
// AVX2; each 128-bit half does what one SSE2 step does, so the results are identical. Returns
// the number of output pixels written from the row's start.
template <int F>
__attribute__((target("avx2"))) int averageRowAvx2(const std::uint32_t* const* rows, std::uint32_t* dst, int w) {
    constexpr int Shift = F == 4 ? 4 : 2;
    const __m256i zero = _mm256_setzero_si256();
    int x = 0;
    if constexpr (F == 2) {
        // Four output pixels from an 8 x 2 block.
        for (; x + 4 <= w; x += 4) {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[0] + x * 2));
            const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[1] + x * 2));
            __m256i lo = _mm256_add_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero));
            __m256i hi = _mm256_add_epi16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero));
            lo = _mm256_add_epi16(lo, _mm256_srli_si256(lo, 8));
            hi = _mm256_add_epi16(hi, _mm256_srli_si256(hi, 8));
            const __m256i avg = _mm256_srli_epi16(_mm256_unpacklo_epi64(lo, hi), Shift);
            // Each half holds its two output pixels in its low 64 bits.
            const __m256i packed = _mm256_permute4x64_epi64(_mm256_packus_epi16(avg, avg), 0x08);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm256_castsi256_si128(packed));
        }
    } else {
        // Two output pixels from an 8 x 4 block.
        for (; x + 2 <= w; x += 2) {
            __m256i acc = zero;
            for (int dy = 0; dy < F; ++dy) {
                const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[dy] + x * 4));
                acc = _mm256_add_epi16(acc, _mm256_add_epi16(_mm256_unpacklo_epi8(a, zero), _mm256_unpackhi_epi8(a, zero)));
            }
            acc = _mm256_add_epi16(acc, _mm256_srli_si256(acc, 8));
            const __m256i packed = _mm256_packus_epi16(_mm256_srli_epi16(acc, Shift), zero);
            dst[x] = static_cast<std::uint32_t>(_mm256_extract_epi32(packed, 0));
            dst[x + 1] = static_cast<std::uint32_t>(_mm256_extract_epi32(packed, 4));
        }
    }
    return x;
}

// Sums each block's bytes in 16-bit lanes (at most sixteen bytes of 255 each), four pixels
// of a source row at a time.
template <int F>
void averageBlocksOf(const QImage& large, QImage& small) {
    constexpr int Shift = F == 4 ? 4 : 2;
    static const bool avx2 = __builtin_cpu_supports("avx2");
    const int w = small.width(), h = small.height();
    const __m128i zero = _mm_setzero_si128();
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* rows[F];
        for (int dy = 0; dy < F; ++dy)
            rows[dy] = reinterpret_cast<const std::uint32_t*>(large.constScanLine(y * F + dy));
        auto* dst = reinterpret_cast<std::uint32_t*>(small.scanLine(y));
        int x = avx2 ? averageRowAvx2<F>(rows, dst, w) : 0;
        if constexpr (F == 2) {
            // Two output pixels from a 4 x 2 block of source pixels.
            for (; x + 2 <= w; x += 2) {
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[0] + x * 2));
                const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[1] + x * 2));
                __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
                __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
                // lo holds source pixels 0 and 1 of the pair, hi pixels 2 and 3.
                lo = _mm_add_epi16(lo, _mm_srli_si128(lo, 8));
                hi = _mm_add_epi16(hi, _mm_srli_si128(hi, 8));
                const __m128i sum = _mm_unpacklo_epi64(lo, hi);
                const __m128i avg = _mm_srli_epi16(sum, Shift);
                _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + x), _mm_packus_epi16(avg, avg));
            }
        } else {
            // One output pixel from a 4 x 4 block.
            for (; x < w; ++x) {
                __m128i acc = zero;
                for (int dy = 0; dy < F; ++dy) {
                    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[dy] + x * 4));
                    acc = _mm_add_epi16(acc, _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpackhi_epi8(a, zero)));
                }
                acc = _mm_add_epi16(acc, _mm_srli_si128(acc, 8));
                const __m128i avg = _mm_srli_epi16(acc, Shift);
                dst[x] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(avg, avg)));
            }
        }
        for (; x < w; ++x) {
            std::uint32_t rb = 0, ag = 0;
            for (int dy = 0; dy < F; ++dy)
                for (int dx = 0; dx < F; ++dx) {
                    const std::uint32_t px = rows[dy][x * F + dx];
                    rb += px & 0x00FF00FFu;
                    ag += (px >> 8) & 0x00FF00FFu;
                }
            dst[x] = ((rb >> Shift) & 0x00FF00FFu) | (((ag >> Shift) & 0x00FF00FFu) << 8);
        }
    }
}

}  // namespace

void averageBlocks(const QImage& large, QImage& small, int f) {
    if (f == 4)
        averageBlocksOf<4>(large, small);
    else
        averageBlocksOf<2>(large, small);
}
