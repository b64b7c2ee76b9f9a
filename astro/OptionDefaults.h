#pragma once
// The values an options file leaves in the record for the keys it lacks.
#include "Options.h"

// Indices (0-based, string id - 950) of the constellations drawn on the wheel by default:
// the zodiacal ones and their neighbours along the ecliptic.
extern const std::array<int, 26> DefaultChartConstellations;

// Sets the whole options block to zero and then to the defaults of the options file;
// the settings block and the data paths are left alone.
void SetDefaultOptions(TOptions& options);
