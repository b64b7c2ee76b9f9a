#include <gtest/gtest.h>

#include "ChartJson.h"
#include "CodePage.h"
#include "FixedText.h"
#include "StringTable.h"

TEST(ChartJson, LifeEventsListTheMeaningfulOnesInUtf8) {
    LifeEventList list;
    list.count = 2;
    list.events[0].selected = 1;
    setFixedText(list.events[0].name, utf8ToCp1250("Érettségi"));
    list.events[0].date = CalDate(2002, 6, 14, true);
    setFixedText(list.events[1].name, "Move");
    list.events[1].date = CalDate(1700, 2, 29, false);
    setFixedText(list.events[2].name, "not counted");
    EXPECT_EQ(lifeEventsJson(list).dump(-1),
              R"([{"selected":true,"name":"Érettségi","date":{"gregorian":true,"year":2002,"month":6,"day":14}},)"
              R"({"selected":false,"name":"Move","date":{"gregorian":false,"year":1700,"month":2,"day":29}}])");
}

TEST(ChartJson, PersonalPartCarriesTheRecordsFieldsAndLines) {
    StringTable strings;
    strings.load(LanguageEnglish);
    RadixData radix{};
    setFixedText(radix.name, utf8ToCp1250("Tűrő"));
    setFixedText(radix.notes, "a \"quoted\"\r\nline");
    radix.moment = BirthMoment(CalDate(-99, 3, 1, false), ClockTime{}, GeoAngle::fromDecimal(-73.5),
                               GeoAngle::fromDecimal(40.7128), TimeZone, 5, 0, true);
    radix.moment.localToUniversal();
    const Json j = personalJson(radix, LifeEventList{}, strings);
    const std::string text = j.dump(-1);
    EXPECT_EQ(text.rfind(R"({"name":"Tűrő","horType":"","moment":{"utDate":{"gregorian":false,"year":-99,)", 0), 0u)
        << text;
    for (const char* part : {R"("longitude":-73.5,"latitude":40.7128,"timeKind":2,"zoneHours":5,)",
                             R"("zoneWest":true,)", R"("notes":"a \"quoted\"\r\nline")",
                             R"("momentText":"March 1, 100BC J  0:00:00 -5:00")",
                             R"("placeText":"Long 73°30'W  Lat 40°42'N")", R"("lifeEvents":[])"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\nin " << text;
}
