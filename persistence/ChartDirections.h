#pragma once
// What a chart's own blocks tell the directions: its method and key, and its marked life events.
#include <vector>

#include "ChartBlocks.h"
#include "LifeEventMatch.h"
#include "PrimaryDirections.h"

// The method of the chart's direction `type`.
DirectionMethod directionMethodOfChart(const ChartDirectionSettings& settings);
// The marked events of the list (at most `count`, within the list's capacity), in list order.
std::vector<MarkedEvent> markedLifeEvents(const LifeEventList& list);
