#pragma once
// The little state that the drawing steps share while one drawing runs (drawing is confined to
// the user-interface thread, and no two drawings overlap).
#include <cstdint>

#include "Options.h"

// -1 while a mirrored wheel is drawn, else +1; set by every wheel drawing.
extern int mirrorSign;
// Halo painted behind centred texts; 0 (black) means none. A ring sets it before its labels
// and resets it to 0 after them.
extern ColorRef haloColour;
// Non-zero while a page is printed or previewed: colours are adapted for paper, halos are white.
extern int printingLevel;
