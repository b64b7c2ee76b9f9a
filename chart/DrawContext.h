#pragma once
// What the steps of one drawing share besides the options: the painter, whether the wheel is
// mirrored, the halo behind centred labels and whether the drawing goes to paper. A drawing
// makes its own context, so nothing carries over from one drawing to the next.
#include <QPainter>

#include "Options.h"

class TextShapes;

struct DrawContext {
    explicit DrawContext(QPainter& p, bool toPaper = false) : painter(p), printing(toPaper) {}

    QPainter& painter;
    // -1 while a mirrored wheel is drawn, else +1; set by the wheel from `startsign`.
    int mirrorSign = 1;
    // Painted behind centred texts; 0 (black) means none.
    ColorRef haloColour = 0;
    // A page printed or previewed: colours are adapted for paper, halos are white and the
    // filled discs are drawn as outlines.
    bool printing = false;
    // Laid-out texts kept by a view that repaints often; none: each text is laid out afresh.
    TextShapes* textShapes = nullptr;
};

// The halo of one step's labels, cleared again when the step is done.
class HaloScope {
public:
    HaloScope(DrawContext& dc, ColorRef colour) : m_dc(dc) { m_dc.haloColour = colour; }
    ~HaloScope() { m_dc.haloColour = 0; }
    HaloScope(const HaloScope&) = delete;
    HaloScope& operator=(const HaloScope&) = delete;

private:
    DrawContext& m_dc;
};
