#pragma once
// Puts a table model on a painter in y-up logical units at a table scale.
#include <QPainter>

#include "DrawContext.h"
#include "Options.h"
#include "TableModel.h"

// Whether cells are filled with gradients (table style 2 with a fill colour) or framed.
bool tablesFilled(const TOptions& options);

// Draws the table at its (x, y) shifted by (dx, dy) table units, its colours adapted to the
// ground they are drawn on; returns the lowest y reached, in table units.
int drawTable(DrawContext& dc, const TableModel& table, double scale, const TOptions& options, int dx = 0, int dy = 0);
