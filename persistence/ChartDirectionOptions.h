#pragma once
// The direction settings that a chart carries and that the options supply to a chart
// without its own (and take back from the active chart while `dirkeyasgntohoro` is on).
#include "ChartBlocks.h"
#include "Options.h"

ChartDirectionSettings chartDirectionSettings(const TOptions& options);
void setChartDirectionSettings(TOptions& options, const ChartDirectionSettings& settings);
