#include "ChartFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <array>
#include <QStringList>

namespace {

QStringList families(FontTemplate kind) {
    switch (kind) {
    case FontTemplate::Symbol:
        return {QString::fromLatin1(SymbolFontFamily)};
    case FontTemplate::Label:
    case FontTemplate::Small:
        return {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")};
    case FontTemplate::TableBold:
        return {QStringLiteral("Courier New CE"), QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
    default:
        return {QStringLiteral("Times New Roman CE"), QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
    }
}

QFont baseFont(FontTemplate kind) {
    QFont font;
    font.setFamilies(families(kind));
    switch (kind) {
    case FontTemplate::Symbol:
        font.setStyleStrategy(QFont::NoFontMerging);
        break;
    case FontTemplate::TableItalic:
        font.setWeight(QFont::Light);
        font.setItalic(true);
        break;
    case FontTemplate::TableBold:
        font.setWeight(QFont::Bold);
        font.setStyleHint(QFont::TypeWriter);
        break;
    case FontTemplate::TableLight:
        font.setWeight(QFont::Light);
        break;
    default:
        break;
    }
    font.setKerning(false);
    return font;
}

constexpr int FontTemplateCount = int(FontTemplate::TableLight) + 1;

double measureEmPerCellHeight(FontTemplate kind) {
    QFont probe = baseFont(kind);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    return cell > 0 ? 1000.0 / cell : 1.0;
}

// Em size per unit of cell height; the fonts are fixed for the run, so each is measured once,
// on first use (after the program's fonts are loaded).
double emPerCellHeight(FontTemplate kind) {
    static const std::array<double, FontTemplateCount> ratios = [] {
        std::array<double, FontTemplateCount> r{};
        for (int k = 0; k < FontTemplateCount; ++k)
            r[static_cast<std::size_t>(k)] = measureEmPerCellHeight(static_cast<FontTemplate>(k));
        return r;
    }();
    return ratios[static_cast<std::size_t>(kind)];
}

}  // namespace

QFont chartFont(FontTemplate kind, int height) {
    QFont font = baseFont(kind);
    font.setPixelSize(std::max(1, static_cast<int>(height * emPerCellHeight(kind) + 0.5)));
    return font;
}

bool symbolFontHas(char code) {
    static const std::array<bool, 256> known = [] {
        std::array<bool, 256> has{};
        const QFontMetricsF metrics(chartFont(FontTemplate::Symbol, 100));
        for (int c = 0; c < 256; ++c)
            has[static_cast<std::size_t>(c)] = metrics.inFont(QChar(QLatin1Char(static_cast<char>(c))));
        return has;
    }();
    return known[static_cast<unsigned char>(code)];
}

bool loadChartFonts() {
    Q_INIT_RESOURCE(chartfonts);
    static const bool loaded = [] {
        const QDir folder(QStringLiteral(":/fonts"));
        const QStringList files = folder.entryList({QStringLiteral("*.ttf")}, QDir::Files);
        bool ok = !files.isEmpty();
        for (const QString& file : files)
            ok = QFontDatabase::addApplicationFont(folder.filePath(file)) >= 0 && ok;
        return ok;
    }();
    return loaded;
}
