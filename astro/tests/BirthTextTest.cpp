#include <gtest/gtest.h>

#include "BirthText.h"
#include "CodePage.h"
#include "StringTable.h"
#include "RecordFixtures.h"

namespace {

StringTable strings(std::uint16_t language) {
    StringTable t;
    t.load(language);
    return t;
}

BirthMoment moment(std::uint8_t kind, int zoneHours, int zoneMinutes, bool west) {
    ClockTime t;
    t.hour = 7;
    t.minute = 5;
    t.second = 9.99;
    BirthMoment m(date(1984, 11, 3), t, GeoAngle(19, 2, 30, false), GeoAngle(47, 30, 0, false), kind,
                  static_cast<std::uint8_t>(zoneHours), static_cast<std::uint8_t>(zoneMinutes), west);
    m.localToUniversal();
    return m;
}

}  // namespace

TEST(BirthText, DatesInBothLanguages) {
    const StringTable en = strings(LanguageEnglish), hu = strings(LanguageHungarian);
    struct Row {
        const char* name;
        CalDate d;
        const char* longEn;
        const char* compactEn;
        const char* longHu;  // UTF-8
        const char* compactHu;
    } rows[] = {
        {"modern Gregorian", date(2024, 3, 9), "March 9, 2024 ", "03/09/2024", "2024. március 9.", "2024.03.09."},
        {"Julian", date(1500, 12, 25, false), "December 25, 1500 J", "12/25/1500", "1500. december 25.J",
         "1500.12.25."},
        {"year 0 is 1 BC", date(0, 1, 1, false), "January 1, 1BC J", "01/01/0001BC", "i. e. 1. január 1.J",
         "i. e. 0001.01.01."},
        {"year -99 is 100 BC", date(-99, 3, 1, false), "March 1, 100BC J", "03/01/0100BC",
         "i. e. 100. március 1.J", "i. e. 0100.03.01."},
        {"first year of the range", date(-4999, 7, 4), "July 4, 5000BC ", "07/04/5000BC", "i. e. 5000. július 4.",
         "i. e. 5000.07.04."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(longDateText(row.d, en), row.longEn);
        EXPECT_EQ(compactDateText(row.d, en), row.compactEn);
        EXPECT_EQ(cp1250ToUtf8(longDateText(row.d, hu)), row.longHu);
        EXPECT_EQ(cp1250ToUtf8(compactDateText(row.d, hu)), row.compactHu);
    }
}

TEST(BirthText, AlignmentMarksApplyToTheNextLetterOnly) {
    const StringTable en = strings(LanguageEnglish);
    const CalDate d = date(33, 5, 7);
    EXPECT_EQ(dateText(d, "[+d][-d][+m][-m][+y][-y]", en), "[ 7][7 ][       May][May       ][  33][33  ]");
    EXPECT_EQ(dateText(d, "+Y -M D-x +", en), "0033 05 07-x +");
}

TEST(BirthText, TimesZonesMomentAndPlaceLines) {
    const StringTable en = strings(LanguageEnglish), hu = strings(LanguageHungarian);
    EXPECT_EQ(timeText(moment(TimeGMT, 0, 0, false).localTime), "7:05:09");
    EXPECT_EQ(zoneText(moment(TimeZone, 1, 0, false), en), "+1:00");
    EXPECT_EQ(zoneText(moment(TimeZone, 5, 30, true), en), "-5:30");
    EXPECT_EQ(zoneText(moment(TimeGMT, 5, 30, true), en), "GMT");
    EXPECT_EQ(zoneText(moment(TimeLMT, 0, 0, false), en), "LMT");

    const BirthMoment m = moment(TimeZone, 1, 0, false);
    EXPECT_EQ(momentText(m, en), "November 3, 1984   7:05:09 +1:00");
    EXPECT_EQ(m.text(en), momentText(m, en));
    EXPECT_EQ(cp1250ToUtf8(momentText(m, hu)), "1984. november 3.  7:05:09 +1:00");
    EXPECT_EQ(universalMomentText(m, en), "November 3, 1984   6:05:09 GMT");

    EXPECT_EQ(cp1250ToUtf8(placeText(m)), "Long 19°02'E  Lat 47°30'N");
    BirthMoment south = m;
    south.longitude = GeoAngle::fromDecimal(-73.5);
    south.latitude = GeoAngle::fromDecimal(-33.9);
    EXPECT_EQ(cp1250ToUtf8(placeText(south)), "Long 73°30'W  Lat 33°54'S");
}
