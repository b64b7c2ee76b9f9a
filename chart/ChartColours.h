#pragma once
// Colours of the options (0x00BBGGRR) on their way to the painter.
#include <QColor>

#include "Options.h"

inline QColor toQColor(ColorRef c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// Softens the saturated palette colours for the wheel's style: on paper and on the style-2
// (light) background bright colours are darkened; on the legacy background they are toned down.
ColorRef adaptChartColour(ColorRef c, const TOptions& options, bool printing);
// The same rule for the tables, by `table_style`.
ColorRef adaptTableColour(ColorRef c, const TOptions& options, bool printing);

// base + (c - base) * f per channel, truncated: an aspect line faded toward its background.
ColorRef blendColour(ColorRef base, ColorRef c, double f);

// `ink` when it stands out from `ground` (a contrast ratio of at least 3 : 1), else black or
// white, whichever stands out more: labels stay readable whatever colours the user chose.
ColorRef legibleOn(ColorRef ink, ColorRef ground);
