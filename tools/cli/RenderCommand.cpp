// zodikeon-cli render: one view of a chart as a PNG, SVG or PDF file, painted exactly as the
// chart window paints it.
#include <QBuffer>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <climits>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "AppState.h"
#include "ChartJob.h"
#include "ChartView.h"
#include "CliCommands.h"
#include "CollationOption.h"
#include "ProfileFile.h"
#include "ViewZoom.h"

namespace {

constexpr int MaxSide = 10000;
// The largest drawing a render may allocate (pixels of the smoothed image): 1 GiB of RGB32.
constexpr long long MaxDrawingPixels = 1LL << 28;

// A zoom limit as the usage states it: 0.2, 10.
std::string zoomText(double zoom) {
    std::ostringstream s;
    s << zoom;
    return s.str();
}

std::string renderUsage() {
    return "Usage: zodikeon-cli render --view VIEW --out FILE [--width PX] [--height PX] [--smoothing 0|1|2|4]\n"
    "              [--zoom FACTOR] [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true]\n"
    "              (--file PATH.hor | BIRTH DATA)\n"
    "              [--with PATH.hor | --transit Y-M-D H:M[:S] | --transit now [--town NAME]]\n\n"
    "VIEW is wheel, positions, signs, aspects, details or combined; with a second chart (--with or\n"
    "--transit, as for 'zodikeon-cli chart') also collation (the bi-wheel) or collationgrid (the\n"
    "collation aspects). The format follows the extension of FILE: .png, .svg (vector, text kept as\n"
    "text) or .pdf (vector). The size defaults to 1200 by 900 pixels, the smoothing to the option\n"
    "'antialias' (PNG only; tables are never smoothed), the zoom to 1 (" + zoomText(MinZoom) + " to " +
           zoomText(MaxZoom) + ", as the chart\n"
    "window's mouse wheel zooms).\n"
    "The chart options (birth data, --file, --options, --house, --node) are those of\n"
    "'zodikeon-cli chart' (see zodikeon-cli chart --help).\n";
}

enum class Format { Png, Svg, Pdf };

bool parseView(const std::string& s, ChartView& view) {
    static const std::pair<const char*, ChartView> views[] = {
        {"wheel", ChartView::Wheel},     {"positions", ChartView::Positions},    {"signs", ChartView::SignsHouses},
        {"aspects", ChartView::Aspects}, {"details", ChartView::AspectDetails}, {"combined", ChartView::Combined},
        {"collation", ChartView::Collation}, {"collationgrid", ChartView::CollationGrid}};
    for (const auto& [name, v] : views)
        if (s == name) {
            view = v;
            return true;
        }
    return false;
}

bool parseFormat(const std::string& path, Format& format) {
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return false;
    QString ext = QString::fromStdString(path.substr(dot + 1)).toLower();
    if (ext == QLatin1String("png"))
        format = Format::Png;
    else if (ext == QLatin1String("svg"))
        format = Format::Svg;
    else if (ext == QLatin1String("pdf"))
        format = Format::Pdf;
    else
        return false;
    return true;
}

bool parseInt(const std::optional<std::string>& text, int& value) {
    if (!text)
        return true;
    char* end = nullptr;
    const long v = std::strtol(text->c_str(), &end, 10);
    if (text->empty() || *end != '\0' || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

QByteArray renderBytes(Format format, QSize size, int smoothing, const RadixData& radix, const TOptions& options,
                       const ViewRequest& request) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == Format::Png) {
        QImage screen(size, QImage::Format_RGB32);
        ChartViewRenderer renderer;
        renderer.render(screen, smoothing, radix, options, request);
        screen.save(&buffer, "PNG");
    } else if (format == Format::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(static_cast<int>(request.dpi));
        svg.setTitle(QStringLiteral("Zodikeon chart"));
        QPainter p(&svg);
        DrawContext dc(p);
        paintChartView(dc, size, 1, radix, options, request);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(static_cast<int>(request.dpi));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageSize(QPageSize(QSizeF(size.width() * 25.4 / request.dpi, size.height() * 25.4 / request.dpi),
                                  QPageSize::Millimeter));
        pdf.setCreator(QStringLiteral("Zodikeon"));
        QPainter p(&pdf);
        DrawContext dc(p);
        paintChartView(dc, size, 1, radix, options, request);
    }
    return bytes;
}

}  // namespace


int runRender(AppState& state, int argc, char** argv, int first) {
    ViewRequest request;
    std::string viewName, out;
    Format format = Format::Png;
    int width = 1200, height = 900, smoothing = -1;
    double zoom = 1.0;
    bool collationView = false;

    ChartJobCommand command;
    command.usage = renderUsage();
    command.valued = {"view", "out", "width", "height", "smoothing", "zoom"};
    command.draws = true;
    command.checkOptions = [&](const CliArgs& args) {
        const auto view = args.value("view");
        if (!view)
            return cliError(CliFailure, "--view is required: wheel, positions, signs, aspects, details, combined, collation or collationgrid");
        viewName = *view;
        if (!parseView(viewName, request.view))
            return cliError(CliFailure, "unknown view '" + viewName + "': use wheel, positions, signs, aspects, details, combined, collation or collationgrid");
        collationView = request.view == ChartView::Collation || request.view == ChartView::CollationGrid;
        out = args.value("out").value_or("");
        if (out.empty())
            return cliError(CliFailure, "--out FILE is required");
        if (!parseFormat(out, format))
            return cliError(CliFailure, "cannot tell the format of '" + out + "': the file name must end in .png, .svg or .pdf");
        if (!parseInt(args.value("width"), width) || width < 16 || width > MaxSide)
            return cliError(CliFailure, "--width must be a number of pixels from 16 to " + std::to_string(MaxSide));
        if (!parseInt(args.value("height"), height) || height < 16 || height > MaxSide)
            return cliError(CliFailure, "--height must be a number of pixels from 16 to " + std::to_string(MaxSide));
        if (!parseInt(args.value("smoothing"), smoothing) ||
            (args.has("smoothing") && smoothing != 0 && smoothing != 1 && smoothing != 2 && smoothing != 4))
            return cliError(CliFailure, "--smoothing must be 0, 1, 2 or 4");
        if (const auto z = args.value("zoom")) {
            char* end = nullptr;
            zoom = std::strtod(z->c_str(), &end);
            if (z->empty() || *end != '\0' || !(zoom >= MinZoom && zoom <= MaxZoom))
                return cliError(CliFailure, "--zoom must be a number from " + zoomText(MinZoom) + " to " + zoomText(MaxZoom));
        }
        return int(CliOk);
    };
    command.checkChart = [&](const CliArgs& args) {
        if (collationView != hasCollation(args))
            return cliError(CliUsage, collationView ? "the " + viewName + " view needs a second chart: --with or --transit"
                                                    : "--with and --transit go with --view collation or collationgrid");
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;

    if (smoothing < 0)
        smoothing = viewSmoothingFactor(request.view, job->options);
    else if (!isWheelView(request.view))
        smoothing = smoothing > 0 ? 1 : 0;
    if (format != Format::Png)
        smoothing = 1;
    if (static_cast<long long>(width) * height * smoothing * smoothing > MaxDrawingPixels)
        return cliError(CliFailure, "the image is too large for smoothing " + std::to_string(smoothing) +
                                        ": choose a smaller size or less smoothing");
    request = viewRequestFor(request.view);
    request.zoom = zoom;
    request.strings = &state.Strings;
    request.collation = job->collation.get();

    const QByteArray bytes = renderBytes(format, QSize(width, height), smoothing, job->radix, job->options, request);
    if (bytes.isEmpty())
        return cliError(CliFailure, "could not draw the " + viewName + " view");
    if (!writeFileAtomically(out, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return cliError(CliFailure, "cannot write '" + out + "': check that the folder exists and is writable");
    return CliOk;
}
