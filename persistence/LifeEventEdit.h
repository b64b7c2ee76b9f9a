#pragma once
// Editing a chart's life-event list: the list lines, insertion in date order, removal and
// the correction mark. The list dialog works on a copy of the chart's list with these.
#include <string>

#include "ChartBlocks.h"

class StringTable;

// A fresh event: marked, no name, 1 January 1900 in the Gregorian calendar.
LifeEvent newLifeEvent();

// " -> 05/17/1975   Wedding": the mark ("->" or three spaces), the compact date and the name.
std::string lifeEventLine(const LifeEvent& event, const StringTable& strings);

// Inserts `event` before the first event dated later (year, month, day), so events of the
// same date keep their order of entry. Returns its index, or -1 when the list is full.
int insertLifeEvent(LifeEventList& list, const LifeEvent& event);

// Removes event `index` and returns the index to select next: the event that moved into its
// place, or the new last one; -1 when the list is empty or `index` names no event.
int removeLifeEvent(LifeEventList& list, int index);

// Toggles the correction mark of event `index`; false when there is no such event.
bool toggleLifeEvent(LifeEventList& list, int index);

// The event count of a list read from outside, within 0..Capacity.
int lifeEventCount(const LifeEventList& list);
