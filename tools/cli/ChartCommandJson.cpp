#include "ChartCommandJson.h"

#include "ChartJson.h"
#include "ComputedJson.h"
#include "FixedText.h"

void addZoneNote(Json& json, const ClockChange& change) {
    json.set("zoneNote", change.reading == ClockReading::Skipped ? "skipped" : "repeated");
    json.set("zoneOffsets", Json::object()
                                .set("before", offsetText(change.before.minutes))
                                .set("after", offsetText(change.after.minutes))
                                .set("applied", offsetText(change.applied().minutes)));
}

Json chartJson(const RadixData& radix, const LifeEventList& events, const ClockChange& zoneNote,
               const TOptions& options, const StringTable& strings) {
    Json json = personalJson(radix, events, strings);
    if (zoneNote.reading != ClockReading::Normal)
        addZoneNote(json, zoneNote);
    json.set("options", chartOptionsJson(options));
    addComputedJson(json, radix);
    return json;
}
