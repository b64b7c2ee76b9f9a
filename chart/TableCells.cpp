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
    return code != 255 && (code & 31) < AspectTypeCount && o.display.asps[static_cast<std::size_t>(code & 31)];
}

void fillAspectCell(TableCell& c, int code, const TOptions& o) {
    const int t = code & 31;
    const ColorRef colour = o.colors.aspects[static_cast<std::size_t>(t)];
    if (t <= 10)
        c.runs.push_back({FontTemplate::Symbol, TableGlyphHeight, QString(QLatin1Char(aspectGlyph(t))), colour});
    else
        c.runs.push_back({FontTemplate::Small, TableTextHeight, QString::fromLatin1(aspectAbbreviation(t)), colour});
    c.frame = (code & 128) ? CellFrame::Double : CellFrame::Single;
    c.fill = (code & 128) ? CellFill::Light : CellFill::Medium;
    c.applying = code & 32;
}

