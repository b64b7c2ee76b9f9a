#pragma once
// Cells that several chart tables share: a body's glyph and an aspect of a grid cell.
#include "Options.h"
#include "RadixData.h"
#include "TableModel.h"

// A body's glyph in its dignity colour with its motion mark.
TableCell bodyCell(int column, int body, int motion, const RadixData& chart, const TOptions& options);

// Whether the aspect grids show an aspect `code` (an aspect found, of a type switched on).
bool aspectShown(int code, const TOptions& options);

// The aspect of one grid cell, as the aspect grid shows it: the symbol (or the short name) in
// the aspect's colour, a double frame and light fill when strong, the applying mark.
void fillAspectCell(TableCell& c, int code, const TOptions& options);
