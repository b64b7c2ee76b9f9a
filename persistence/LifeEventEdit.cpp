#include "LifeEventEdit.h"

#include <algorithm>

#include "BirthText.h"
#include "FixedText.h"

namespace {

// Year, then month, then day, as one number (month * 100 + day stays below 10000).
long dateKey(const CalDate& d) {
    return long(d.year) * 10000 + d.month * 100 + d.day;
}

}  // namespace

LifeEvent newLifeEvent() {
    LifeEvent event;
    event.selected = 1;
    event.date.gregorian = 1;
    event.date.year = 1900;
    event.date.month = 1;
    event.date.day = 1;
    return event;
}

std::string lifeEventLine(const LifeEvent& event, const StringTable& strings) {
    std::string line = event.selected == 1 ? " ->" : "    ";
    line += ' ';
    line += compactDateText(event.date, strings);
    line += "   ";
    line += fixedText(event.name);
    return line;
}

int lifeEventCount(const LifeEventList& list) {
    return std::clamp<int>(list.count, 0, LifeEventList::Capacity);
}

int insertLifeEvent(LifeEventList& list, const LifeEvent& event) {
    const int count = lifeEventCount(list);
    if (count >= LifeEventList::Capacity)
        return -1;
    int at = 0;
    while (at < count && dateKey(list.events[static_cast<std::size_t>(at)].date) <= dateKey(event.date))
        ++at;
    auto first = list.events.begin() + at;
    std::move_backward(first, list.events.begin() + count, list.events.begin() + count + 1);
    *first = event;
    list.count = static_cast<std::int16_t>(count + 1);
    return at;
}

int removeLifeEvent(LifeEventList& list, int index) {
    const int count = lifeEventCount(list);
    if (index < 0 || index >= count)
        return -1;
    std::move(list.events.begin() + index + 1, list.events.begin() + count, list.events.begin() + index);
    list.events[static_cast<std::size_t>(count - 1)] = LifeEvent{};
    list.count = static_cast<std::int16_t>(count - 1);
    return count - 1 == 0 ? -1 : std::min(index, count - 2);
}

bool toggleLifeEvent(LifeEventList& list, int index) {
    if (index < 0 || index >= lifeEventCount(list))
        return false;
    LifeEvent& e = list.events[static_cast<std::size_t>(index)];
    e.selected = e.selected == 1 ? 0 : 1;
    return true;
}
