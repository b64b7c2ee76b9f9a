#include "ChartFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
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

// Em size per unit of cell height; fonts are fixed for the run, so it is measured once each.
double emPerCellHeight(FontTemplate kind) {
    static QHash<int, double> ratios;
    const auto it = ratios.constFind(int(kind));
    if (it != ratios.constEnd())
        return *it;
    QFont probe = baseFont(kind);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    const double ratio = cell > 0 ? 1000.0 / cell : 1.0;
    ratios.insert(int(kind), ratio);
    return ratio;
}

}  // namespace

QFont chartFont(FontTemplate kind, int height) {
    QFont font = baseFont(kind);
    font.setPixelSize(std::max(1, static_cast<int>(height * emPerCellHeight(kind) + 0.5)));
    return font;
}

bool symbolFontHas(char code) {
    static QHash<char, bool> known;
    const auto it = known.constFind(code);
    if (it != known.constEnd())
        return *it;
    const bool has = QFontMetricsF(chartFont(FontTemplate::Symbol, 100)).inFont(QChar(QLatin1Char(code)));
    known.insert(code, has);
    return has;
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
