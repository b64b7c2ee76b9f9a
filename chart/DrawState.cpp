#include "DrawState.h"

int mirrorSign = 1;
ColorRef haloColour = 0;
int printingLevel = 0;
