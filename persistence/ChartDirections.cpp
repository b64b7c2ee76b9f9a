#include "ChartDirections.h"

#include <algorithm>

DirectionMethod directionMethodOfChart(const ChartDirectionSettings& settings) {
    return directionMethodOf(settings.type);
}

std::vector<MarkedEvent> markedLifeEvents(const LifeEventList& list) {
    std::vector<MarkedEvent> out;
    const int count = std::clamp<int>(list.count, 0, LifeEventList::Capacity);
    for (int i = 0; i < count; ++i) {
        const LifeEvent& e = list.events[std::size_t(i)];
        if (e.selected == 1)
            out.push_back({i, lifeEventMoment(e.date)});
    }
    return out;
}
