#include "TableCells.h"

#include "Aspects.h"
#include "DrawPrimitives.h"
#include "GlyphCodes.h"

TableCell bodyCell(int column, int body, int motion, const RadixData& chart, const TOptions& o) {
    TableCell c;
    c.column = column;
    c.kind = CellKind::Body;
    c.body = body;
    c.motion = motion;
    c.colour = chosenDignityColour(body, chart.dignityState.data(), o);
    c.fill = CellFill::Light;
    return c;
}

bool aspectShown(int code, const TOptions& o) {
    const auto c = static_cast<std::uint8_t>(code);
    return hasAspect(c) && aspectType(c) < AspectTypeCount && o.display.asps[static_cast<std::size_t>(aspectType(c))];
}

void fillAspectCell(TableCell& c, int code, const TOptions& o) {
    const auto bits = static_cast<std::uint8_t>(code);
    const int t = aspectType(bits);
    const ColorRef colour = o.colors.aspects[static_cast<std::size_t>(t)];
    if (t <= 10)
        c.runs.push_back({FontTemplate::Symbol, TableGlyphHeight, QString(QLatin1Char(aspectGlyph(t))), colour});
    else
        c.runs.push_back({FontTemplate::Small, TableTextHeight, QString::fromLatin1(aspectAbbreviation(t)), colour});
    const bool close = aspectStrength(bits) == AspectStrength::WithinQuarter;
    c.frame = close ? CellFrame::Double : CellFrame::Single;
    c.fill = close ? CellFill::Light : CellFill::Medium;
    c.applying = aspectApplying(bits);
}

