#include "ChartJson.h"

#include <algorithm>
#include <cmath>

#include "BirthText.h"
#include "CodePage.h"
#include "FixedText.h"

namespace {

// Nine decimals (a tenth of a millimetre on the ground) show 19.0402 rather than the
// 19.040200000000002 that the sexagesimal record gives back.
double degrees(const GeoAngle& a) {
    return std::round(a.decimal() * 1e9) / 1e9;
}

}  // namespace

Json dateJson(const CalDate& d) {
    return Json::object()
        .set("gregorian", d.gregorian != 0)
        .set("year", int(d.year))
        .set("month", int(d.month))
        .set("day", int(d.day));
}

Json timeJson(const ClockTime& t) {
    return Json::object().set("hour", int(t.hour)).set("minute", int(t.minute)).set("second", t.second);
}

Json momentJson(const BirthMoment& m) {
    return Json::object()
        .set("utDate", dateJson(m.utDate))
        .set("utTime", timeJson(m.utTime))
        .set("longitude", degrees(m.longitude))
        .set("latitude", degrees(m.latitude))
        .set("timeKind", int(m.timeKind))
        .set("zoneHours", int(m.zoneHours))
        .set("zoneMinutes", int(m.zoneMinutes))
        .set("zoneWest", m.zoneWest != 0)
        .set("localDate", dateJson(m.localDate))
        .set("localTime", timeJson(m.localTime))
        .set("town", cp1250ToUtf8(fixedText(m.town)))
        .set("sex", int(m.sex));
}

Json lifeEventsJson(const LifeEventList& list) {
    Json events = Json::array();
    const int count = std::clamp<int>(list.count, 0, LifeEventList::Capacity);
    for (int i = 0; i < count; ++i) {
        const LifeEvent& e = list.events[static_cast<std::size_t>(i)];
        events.push(Json::object()
                        .set("selected", e.selected != 0)
                        .set("name", cp1250ToUtf8(fixedText(e.name)))
                        .set("date", dateJson(e.date)));
    }
    return events;
}

Json personalJson(const RadixData& radix, const LifeEventList& events, const StringTable& strings) {
    return Json::object()
        .set("name", cp1250ToUtf8(fixedText(radix.name)))
        .set("horType", cp1250ToUtf8(fixedText(radix.horType)))
        .set("moment", momentJson(radix.moment))
        .set("notes", cp1250ToUtf8(fixedText(radix.notes)))
        .set("momentText", cp1250ToUtf8(momentText(radix.moment, strings)))
        .set("placeText", cp1250ToUtf8(placeText(radix.moment)))
        .set("lifeEvents", lifeEventsJson(events));
}

Json chartOptionsJson(const TOptions& o) {
    return Json::object()
        .set("file", std::string(fixedText(o.options_file)))
        .set("housecalc", static_cast<int>(o.housecalc))
        .set("nodetype", static_cast<int>(o.nodetype));
}
