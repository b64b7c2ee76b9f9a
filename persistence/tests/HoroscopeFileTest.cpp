#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/resource.h>

#include "CodePage.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "StringTable.h"
#include "TempDir.h"
#include "RecordFixtures.h"
#include "EnglishStrings.h"

// Multi-byte fields of the packed records are compared as `+field`, a copy: the comparison
// macros bind references, and a reference to an unaligned field is undefined behaviour.
namespace {

const std::string Header("ZODIKEON v4.0 Horoscope File\r\n", 31);  // with its zero byte

template <typename T>
std::string bytesOf(const T& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// Árvíz Tűrő, born 15 March 1984 10:30 zone time +1:00 in Budapest, with three life events,
// direction settings of her own and a persons block full of data.
struct Sample {
    RadixData radix{};
    ChartBlocks blocks{};

    Sample() {
        setFixedText(radix.name, utf8ToCp1250("Árvíz Tűrő"));
        setFixedText(radix.horType, "radix");
        ClockTime t;
        t.hour = 10;
        t.minute = 30;
        t.second = 12.5;
        radix.moment = BirthMoment(date(1984, 3, 15), t, GeoAngle(19, 2, 0, false), GeoAngle(47, 30, 0, false),
                                   TimeZone, 1, 0, false);
        radix.moment.localToUniversal();
        setFixedText(radix.moment.town, "Budapest");
        radix.moment.sex = SexFemale;
        setFixedText(radix.notes, utf8ToCp1250("Első sor\r\nMásodik sor"));

        blocks.lifeEvents.count = 3;
        const char* names[] = {"School", "Wedding", "Move"};
        for (int i = 0; i < 3; ++i) {
            LifeEvent& e = blocks.lifeEvents.events[static_cast<std::size_t>(i)];
            e.selected = i != 1;
            setFixedText(e.name, names[i]);
            e.date = date(1990 + 5 * i, i + 1, 10 + i);
        }
        blocks.directions.onequ = true;
        blocks.directions.angleMinutes = 59;
        blocks.directions.angleSeconds = 8.33;
        blocks.directions.type = 2;
        for (std::size_t i = 0; i < blocks.persons.data.size(); ++i)
            blocks.persons.data[i] = static_cast<std::uint8_t>(i * 7);
        blocks.persons.value = -1234;
    }
    std::string bytes() const { return serializeHoroscopeFile(english(), radix, blocks); }
};

ChartDirectionSettings optionDirections() {
    ChartDirectionSettings d;
    d.truesolar = true;
    d.angleDegrees = 1;
    d.type = 5;
    return d;
}

struct ReadResult {
    HoroscopeRead status;
    RadixData radix{};
    ChartBlocks blocks{};
};

ReadResult parse(std::string_view bytes) {
    ReadResult r;
    r.status = parseHoroscopeFile(bytes, english(), optionDirections(), r.radix, r.blocks);
    return r;
}

// A file of an older layout: without "***" (37-byte moment) and/or without "BB" (a count and
// ten events), ending where `end` says.
enum class OldEnd { AfterNotes, AfterEvents, Complete };
std::string oldLayout(const Sample& s, bool momentMarker, std::int16_t count, OldEnd end) {
    std::string out = Header + bytesOf(s.radix.name) + bytesOf(s.radix.horType);
    if (momentMarker)
        out += "***" + bytesOf(s.radix.moment);
    else
        out += bytesOf(s.radix.moment).substr(0, 37);
    out += bytesOf(s.radix.notes);
    if (end == OldEnd::AfterNotes)
        return out;
    out += bytesOf(count);
    for (int i = 0; i < 10; ++i)
        out += bytesOf(s.blocks.lifeEvents.events[static_cast<std::size_t>(i)]);
    if (end == OldEnd::AfterEvents)
        return out;
    return out + bytesOf(s.blocks.directions) + bytesOf(s.blocks.persons);
}

// Everything a reader hands on must be safe to use, whatever the file held.
void expectUsable(const RadixData& r, const ChartBlocks& b) {
    EXPECT_EQ(r.name.back(), '\0');
    EXPECT_EQ(r.horType.back(), '\0');
    EXPECT_EQ(r.notes.back(), '\0');
    EXPECT_EQ(r.moment.townTerminator, 0);
    for (const CalDate* d : {&r.moment.utDate, &r.moment.localDate}) {
        EXPECT_LE(d->gregorian, 1);
        EXPECT_GE(+d->year, MinYear);
        EXPECT_LE(+d->year, MaxYear);
        EXPECT_GE(d->month, 1);
        EXPECT_LE(d->month, 12);
        EXPECT_GE(d->day, 1);
        EXPECT_LE(d->day, d->monthLength());
    }
    for (const ClockTime* t : {&r.moment.utTime, &r.moment.localTime}) {
        EXPECT_LE(t->hour, 23);
        EXPECT_LE(t->minute, 59);
        EXPECT_TRUE(t->second >= 0 && t->second <= 60);
    }
    EXPECT_LE(r.moment.longitude.wholeDegrees(), 180);
    EXPECT_LE(r.moment.latitude.wholeDegrees(), 89);
    EXPECT_TRUE(r.moment.longitude.seconds >= 0 && r.moment.longitude.seconds <= 60);
    EXPECT_LE(r.moment.timeKind, 2);
    EXPECT_LE(r.moment.zoneHours, 23);
    EXPECT_LE(r.moment.zoneMinutes, 59);
    EXPECT_LE(r.moment.zoneWest, 1);
    EXPECT_LE(r.moment.sex, 2);
    EXPECT_GE(+b.lifeEvents.count, 0);
    EXPECT_LE(+b.lifeEvents.count, LifeEventList::Capacity);
    for (int i = 0; i < b.lifeEvents.count; ++i) {
        const LifeEvent& e = b.lifeEvents.events[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.name.back(), '\0');
        EXPECT_GE(e.date.month, 1);
        EXPECT_LE(e.date.month, 12);
        EXPECT_LE(e.date.day, e.date.monthLength());
    }
    EXPECT_TRUE(std::isfinite(b.directions.angleSeconds));
}

}  // namespace

TEST(HoroscopeFile, SaveThenLoad_roundTripInTheCurrentLayout) {
    TempDir dir;
    const Sample s;
    const std::string path = dir.file("chart.hor");
    ASSERT_TRUE(WriteHoroscopeFile(path, english(), s.radix, s.blocks));

    const std::string bytes = dir.read("chart.hor");
    ASSERT_EQ(bytes.size(), 3925u);
    EXPECT_EQ(bytes.substr(0, 31), Header);
    EXPECT_EQ(bytes.substr(31, 41), bytesOf(s.radix.name));
    EXPECT_EQ(bytes.substr(83, 3), "***");
    EXPECT_EQ(bytes.substr(86, 88), bytesOf(s.radix.moment));
    EXPECT_EQ(bytes.substr(174, 2001), bytesOf(s.radix.notes));
    EXPECT_EQ(bytes.substr(2175, 2), "BB");
    EXPECT_EQ(bytes.substr(2177, 1112), bytesOf(s.blocks.lifeEvents));
    EXPECT_EQ(bytes.substr(3289, 14), bytesOf(s.blocks.directions));
    EXPECT_EQ(bytes.substr(3303, 622), bytesOf(s.blocks.persons));

    EXPECT_TRUE(IsHoroscopeFile(path, english()));
    RadixData radix{};
    ChartBlocks blocks{};
    ASSERT_EQ(ReadHoroscopeFile(path, english(), optionDirections(), radix, blocks), HoroscopeRead::Ok);
    EXPECT_EQ(serializeHoroscopeFile(english(), radix, blocks), bytes);
    EXPECT_EQ(cp1250ToUtf8(fixedText(radix.name)), "Árvíz Tűrő");
    EXPECT_EQ(blocks.directions.onequ, true);
    EXPECT_EQ(blocks.directions.truesolar, false) << "the chart's own settings, not the options'";
}

TEST(HoroscopeFile, HeaderTestAcceptsOlderVersionsOnly) {
    struct Row {
        const char* name;
        std::string first;
        bool accepted;
    } rows[] = {
        {"current", Header, true},
        {"version 3.2", "ZODIKEON v3.2 Horoscope File\r\n" + std::string(1, '\0'), true},
        {"version 3.9", "ZODIKEON v3.9 Horoscope File\r\n" + std::string(1, '\0'), true},
        {"version 4.5", "ZODIKEON v4.5 Horoscope File\r\n" + std::string(1, '\0'), false},
        {"version 4.1", "ZODIKEON v4.1 Horoscope File\r\n" + std::string(1, '\0'), false},
        {"version 5.0", "ZODIKEON v5.0 Horoscope File\r\n" + std::string(1, '\0'), false},
        {"no zero byte", "ZODIKEON v4.0 Horoscope File\r\nX", false},
        {"cut in the header", "ZODIKEON v4.0 Horo", false},
        {"other program", "ZODIKEON v4.0 Options File\r\n\0\0\0", false},
        {"lower case", "zodikeon v4.0 Horoscope File\r\n" + std::string(1, '\0'), false},
        {"empty", "", false},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isHoroscopeHeader(row.first, english()), row.accepted);
        const std::string path = dir.write("h.hor", row.first + Sample().bytes().substr(Header.size()));
        EXPECT_EQ(IsHoroscopeFile(path, english()), row.accepted);
        RadixData radix{};
        ChartBlocks blocks{};
        EXPECT_EQ(ReadHoroscopeFile(path, english(), {}, radix, blocks),
                  row.accepted ? HoroscopeRead::Ok : HoroscopeRead::NotHoroscopeFile);
    }
    EXPECT_FALSE(IsHoroscopeFile(dir.file("missing.hor"), english()));
    EXPECT_FALSE(IsHoroscopeFile(dir.path(), english()));
}

TEST(HoroscopeFile, ReadRefusesWhatItCannotReadAndLeavesTheChart) {
    TempDir dir;
    const Sample s;
    RadixData radix = s.radix;
    ChartBlocks blocks = s.blocks;
    EXPECT_EQ(ReadHoroscopeFile(dir.file("missing.hor"), english(), {}, radix, blocks), HoroscopeRead::CannotOpen);
    const std::string text = dir.write("notes.hor", "just some text\n");
    EXPECT_EQ(ReadHoroscopeFile(text, english(), {}, radix, blocks), HoroscopeRead::NotHoroscopeFile);
    EXPECT_EQ(serializeHoroscopeFile(english(), radix, blocks), s.bytes());
}

TEST(HoroscopeFile, OlderLayoutsAreConverted) {
    const Sample s;
    struct Row {
        const char* name;
        bool momentMarker;
        OldEnd end;
        int events;
        bool ownDirections;
    } rows[] = {
        {"no markers, complete", false, OldEnd::Complete, 3, true},
        {"no markers, ends after the events", false, OldEnd::AfterEvents, 3, false},
        {"no markers, ends after the notes", false, OldEnd::AfterNotes, 0, false},
        {"moment marker, old events", true, OldEnd::Complete, 3, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ReadResult r = parse(oldLayout(s, row.momentMarker, 3, row.end));
        ASSERT_EQ(r.status, HoroscopeRead::Ok);
        EXPECT_EQ(fixedText(r.radix.name), fixedText(s.radix.name));
        EXPECT_EQ(fixedText(r.radix.notes), fixedText(s.radix.notes));
        EXPECT_EQ(bytesOf(r.radix.moment.utDate) + bytesOf(r.radix.moment.utTime),
                  bytesOf(s.radix.moment.utDate) + bytesOf(s.radix.moment.utTime));
        EXPECT_EQ(r.radix.moment.longitude.decimal(), s.radix.moment.longitude.decimal());
        if (!row.momentMarker) {
            // Greenwich time: the local pair is the UT pair, no zone, town or sex.
            EXPECT_EQ(r.radix.moment.timeKind, TimeGMT);
            EXPECT_EQ(bytesOf(r.radix.moment.localDate), bytesOf(s.radix.moment.utDate));
            EXPECT_EQ(bytesOf(r.radix.moment.localTime), bytesOf(s.radix.moment.utTime));
            EXPECT_EQ(r.radix.moment.zoneHours, 0);
            EXPECT_EQ(fixedText(r.radix.moment.town), "");
            EXPECT_EQ(r.radix.moment.sex, SexNotSet);
        } else {
            EXPECT_EQ(bytesOf(r.radix.moment), bytesOf(s.radix.moment));
        }
        EXPECT_EQ(+r.blocks.lifeEvents.count, row.events);
        for (int i = 0; i < row.events; ++i)
            EXPECT_EQ(bytesOf(r.blocks.lifeEvents.events[i]), bytesOf(s.blocks.lifeEvents.events[i]));
        EXPECT_EQ(bytesOf(r.blocks.directions), bytesOf(row.ownDirections ? s.blocks.directions : optionDirections()));
        EXPECT_EQ(bytesOf(r.blocks.persons), bytesOf(row.ownDirections ? s.blocks.persons : PersonsBlock{}));

        // Saved again, it is a file of the current layout.
        const std::string again = serializeHoroscopeFile(english(), r.radix, r.blocks);
        EXPECT_EQ(again.size(), HoroscopeFileSize);
        EXPECT_EQ(again.substr(83, 3), "***");
        EXPECT_EQ(again.substr(2175, 2), "BB");
    }
}

// A count that names events the layout cannot hold is damage, not something to guess around.
TEST(HoroscopeFile, LifeEventCountsOutsideTheLayoutAreRefused) {
    // Every slot has a date, so that only the count decides.
    Sample s;
    for (int i = 3; i < LifeEventList::Capacity; ++i)
        s.blocks.lifeEvents.events[static_cast<std::size_t>(i)].date = date(2000, 1, 1);
    struct Row {
        std::int16_t stored;
        bool oldLayoutOk, currentLayoutOk;
    } rows[] = {
        {0, true, true},       {3, true, true},       {10, true, true},   {11, false, true}, {30, false, true},
        {31, false, false},    {32767, false, false}, {-1, false, false}, {-32768, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        const ReadResult old = parse(oldLayout(s, false, row.stored, OldEnd::Complete));
        EXPECT_EQ(old.status, row.oldLayoutOk ? HoroscopeRead::Ok : HoroscopeRead::Damaged);
        Sample current = s;
        current.blocks.lifeEvents.count = row.stored;
        HoroscopeProblem problem;
        ReadResult r;
        r.status = parseHoroscopeFile(current.bytes(), english(), optionDirections(), r.radix, r.blocks, &problem);
        EXPECT_EQ(r.status, row.currentLayoutOk ? HoroscopeRead::Ok : HoroscopeRead::Damaged);
        if (r.status == HoroscopeRead::Ok) {
            EXPECT_EQ(+r.blocks.lifeEvents.count, row.stored);
            expectUsable(r.radix, r.blocks);
        } else {
            EXPECT_EQ(problem.part, HoroscopePart::LifeEventCount);
            EXPECT_EQ(problem.value, std::to_string(row.stored));
        }
    }
}

TEST(HoroscopeFile, TextsAreTerminatedAndFlagsMadeZeroOrOne) {
    Sample s;
    std::string bytes = s.bytes();
    const auto put = [&](std::size_t offset, std::string_view b) { bytes.replace(offset, b.size(), b); };
    put(31, std::string(41, 'N'));                                    // name without its zero
    put(72, std::string(11, 'T'));                                    // type without its zero
    put(86 + offsetof(BirthMoment, town), std::string(31, 'X'));      // town and its zero byte
    put(174, std::string(2001, 'x'));                                 // notes without their zero
    put(2179 + 1, std::string(31, 'E'));                              // first event's name
    put(2179 + 10 * 37 + 32, std::string("\x07\x10\x27\x0D\x40", 5));  // a date in an unused slot
    put(3289, std::string("\x02\x07", 2));                          // flags that are not 0 or 1

    const ReadResult r = parse(bytes);
    ASSERT_EQ(r.status, HoroscopeRead::Ok);
    expectUsable(r.radix, r.blocks);
    EXPECT_EQ(fixedText(r.radix.name), std::string(40, 'N'));
    EXPECT_EQ(fixedText(r.radix.horType), std::string(10, 'T'));
    EXPECT_EQ(fixedText(r.radix.moment.town), std::string(30, 'X')) << "a full town field is kept";
    EXPECT_EQ(fixedText(r.radix.notes).size(), 2000u);
    EXPECT_EQ(fixedText(r.blocks.lifeEvents.events[0].name), std::string(30, 'E'));
    EXPECT_EQ(r.blocks.lifeEvents.events[10].date.month, 12);
    EXPECT_TRUE(r.blocks.directions.onequ);
    EXPECT_TRUE(r.blocks.directions.truesolar);
    EXPECT_EQ(serializeHoroscopeFile(english(), r.radix, r.blocks).substr(3289, 2), std::string("\x01\x01", 2));
}

// A value that no entry could have stored means the file is damaged: it is refused, naming
// the field and the value, and the chart the caller had is left alone.
TEST(HoroscopeFile, ValuesThatCannotBeEnteredAreRefused) {
    const std::size_t m = 86;  // the moment
    const double nan = std::nan("");
    const double tooMany = 61.0;
    struct Row {
        const char* name;
        std::size_t offset;
        std::string bytes;
        HoroscopePart part;
        std::string value;
        int event = 0;
    } rows[] = {
        {"month 13", m + offsetof(BirthMoment, utDate) + 3, "\x0D", HoroscopePart::UniversalDate, "1984-13-15"},
        {"day 0", m + offsetof(BirthMoment, utDate) + 4, std::string(1, '\0'), HoroscopePart::UniversalDate, "1984-03-00"},
        {"30 February", m + offsetof(BirthMoment, utDate) + 3, "\x02\x1E", HoroscopePart::UniversalDate, "1984-02-30"},
        {"year 5001", m + offsetof(BirthMoment, utDate) + 1, "\x89\x13", HoroscopePart::UniversalDate, "5001-03-15"},
        {"year -5000", m + offsetof(BirthMoment, utDate) + 1, "\x78\xEC", HoroscopePart::UniversalDate, "-5000-03-15"},
        {"calendar flag 2", m + offsetof(BirthMoment, utDate), "\x02", HoroscopePart::UniversalDate,
         "1984-03-15 (calendar 2)"},
        {"hour 24", m + offsetof(BirthMoment, utTime), "\x18", HoroscopePart::UniversalTime, "24:30:12.50"},
        {"minute 75", m + offsetof(BirthMoment, utTime) + 1, "\x4B", HoroscopePart::UniversalTime, "09:75:12.50"},
        {"seconds not a number", m + offsetof(BirthMoment, utTime) + 2, bytesOf(nan), HoroscopePart::UniversalTime,
         "09:30:  nan"},
        {"61 seconds", m + offsetof(BirthMoment, utTime) + 2, bytesOf(tooMany), HoroscopePart::UniversalTime,
         "09:30:61.00"},
        {"longitude 181", m + offsetof(BirthMoment, longitude), "\xB5", HoroscopePart::Longitude, "181:02:00.00"},
        {"latitude 90", m + offsetof(BirthMoment, latitude), "\x5A", HoroscopePart::Latitude, "90:30:00.00"},
        {"latitude minutes 60", m + offsetof(BirthMoment, latitude) + 2, "\x3C", HoroscopePart::Latitude,
         "47:60:00.00"},
        {"clock kind 9", m + offsetof(BirthMoment, timeKind), "\x09", HoroscopePart::ClockKind, "9"},
        {"zone 24 hours", m + offsetof(BirthMoment, zoneHours), "\x18", HoroscopePart::Zone, "24:00 E"},
        {"local month 0", m + offsetof(BirthMoment, localDate) + 3, std::string(1, '\0'), HoroscopePart::LocalDate,
         "1984-00-15"},
        {"local minute 60", m + offsetof(BirthMoment, localTime) + 1, "\x3C", HoroscopePart::LocalTime, "10:60:12.50"},
        {"sex 3", m + offsetof(BirthMoment, sex), "\x03", HoroscopePart::Sex, "3"},
        {"second event in month 13", 2179 + 37 + 32 + 3, "\x0D", HoroscopePart::LifeEventDate, "1995-13-11", 2},
    };
    const Sample s;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string bytes = s.bytes();
        bytes.replace(row.offset, row.bytes.size(), row.bytes);
        RadixData radix = s.radix;
        ChartBlocks blocks = s.blocks;
        HoroscopeProblem problem;
        EXPECT_EQ(parseHoroscopeFile(bytes, english(), optionDirections(), radix, blocks, &problem),
                  HoroscopeRead::Damaged);
        EXPECT_EQ(problem.part, row.part);
        EXPECT_FALSE(problem.cutShort);
        EXPECT_EQ(problem.value, row.value);
        EXPECT_EQ(problem.event, row.event);
        EXPECT_EQ(problem.size, HoroscopeFileSize);
        EXPECT_EQ(serializeHoroscopeFile(english(), radix, blocks), s.bytes());
    }
    // The same check on the older layout's moment.
    Sample old;
    old.radix.moment.utDate.month = 13;
    EXPECT_EQ(parse(oldLayout(old, false, 0, OldEnd::AfterNotes)).status, HoroscopeRead::Damaged);
}

// Cut after every byte, a file is read only when it ends where a layout lets it end (after the
// notes, the life events, the direction settings or the persons block); anywhere else it is
// refused, naming the block it ends in and the length that block needs.
TEST(HoroscopeFile, CutAtEveryOffsetIsReadOnlyAtTheEndOfABlock) {
    const Sample s;
    struct Layout {
        const char* name;
        std::string bytes;
        std::size_t momentEnd, notesEnd, eventsEnd;
    } layouts[] = {
        {"current", s.bytes(), 174, 2175, 3289},
        {"older", oldLayout(s, false, 3, OldEnd::Complete), 120, 2121, 2121 + 372},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const std::string& file = layout.bytes;
        const std::size_t directionsEnd = layout.eventsEnd + 14;
        ASSERT_EQ(file.size(), directionsEnd + 622);
        for (std::size_t cut = 0; cut <= file.size(); ++cut) {
            RadixData radix = s.radix;
            ChartBlocks blocks = s.blocks;
            HoroscopeProblem problem;
            const HoroscopeRead status = parseHoroscopeFile(std::string_view(file).substr(0, cut), english(),
                                                            optionDirections(), radix, blocks, &problem);
            // The header's zero byte may be missing: missing bytes count as zero.
            if (cut < Header.size() - 1) {
                ASSERT_EQ(status, HoroscopeRead::NotHoroscopeFile) << cut;
                continue;
            }
            const bool atBlockEnd =
                cut == layout.notesEnd || cut == layout.eventsEnd || cut == directionsEnd || cut == file.size();
            if (!atBlockEnd) {
                ASSERT_EQ(status, HoroscopeRead::Damaged) << cut;
                ASSERT_TRUE(problem.cutShort) << cut;
                ASSERT_EQ(problem.size, cut);
                const HoroscopePart part = cut < 72                    ? HoroscopePart::Name
                                           : cut < 83                  ? HoroscopePart::Type
                                           : cut < layout.momentEnd    ? HoroscopePart::Moment
                                           : cut < layout.notesEnd     ? HoroscopePart::Notes
                                           : cut < layout.eventsEnd    ? HoroscopePart::LifeEvents
                                           : cut < directionsEnd       ? HoroscopePart::Directions
                                                                       : HoroscopePart::Persons;
                ASSERT_EQ(problem.part, part) << cut;
                ASSERT_GT(problem.needed, cut);
                ASSERT_EQ(serializeHoroscopeFile(english(), radix, blocks), s.bytes()) << "left as it was, " << cut;
                continue;
            }
            ASSERT_EQ(status, HoroscopeRead::Ok) << cut;
            expectUsable(radix, blocks);
            EXPECT_EQ(bytesOf(radix.name), bytesOf(s.radix.name));
            EXPECT_EQ(bytesOf(radix.notes), bytesOf(s.radix.notes));
            EXPECT_EQ(+blocks.lifeEvents.count, cut == layout.notesEnd ? 0 : 3);
            EXPECT_EQ(bytesOf(blocks.directions), bytesOf(cut < directionsEnd ? optionDirections() : s.blocks.directions));
            EXPECT_EQ(bytesOf(blocks.persons), bytesOf(cut < file.size() ? PersonsBlock{} : s.blocks.persons));
        }
    }
}

// Any bytes at all: nothing crashes or reads out of bounds (the sanitizer builds watch this
// too), what comes out is usable, and saving it and reading it again changes nothing more.
TEST(HoroscopeFile, RandomBytesNeverYieldAnUnusableChart) {
    std::mt19937 random(20240315);
    const std::string good = Sample().bytes();
    for (int round = 0; round < 1500; ++round) {
        std::string bytes;
        const std::size_t size = random() % 4200;
        if (round % 3 == 0) {
            // The real file with some bytes changed.
            bytes = good.substr(0, std::min(size, good.size()));
            for (int k = static_cast<int>(random() % 64); k > 0 && !bytes.empty(); --k)
                bytes[random() % bytes.size()] = static_cast<char>(random());
        } else {
            bytes.resize(size);
            for (char& c : bytes)
                c = static_cast<char>(random());
        }
        if (round % 2 == 0 && bytes.size() >= Header.size())
            bytes.replace(0, Header.size(), Header);
        SCOPED_TRACE(round);
        const ReadResult r = parse(bytes);
        if (r.status != HoroscopeRead::Ok)
            continue;
        expectUsable(r.radix, r.blocks);
        const std::string saved = serializeHoroscopeFile(english(), r.radix, r.blocks);
        const ReadResult again = parse(saved);
        ASSERT_EQ(again.status, HoroscopeRead::Ok);
        ASSERT_EQ(serializeHoroscopeFile(english(), again.radix, again.blocks), saved);
        if (HasFailure())
            return;
    }
}

TEST(HoroscopeFile, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const Sample s;
    const std::string path = dir.file("chart.hor");
    ASSERT_TRUE(WriteHoroscopeFile(path, english(), s.radix, s.blocks));
    const std::string before = dir.read("chart.hor");

    // A full disk: the file size limit makes every write past 1000 bytes fail.
    Sample changed;
    setFixedText(changed.radix.name, "Someone Else");
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteHoroscopeFile(path, english(), changed.radix, changed.blocks);
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("chart.hor"), before);

    // A folder in the way of the rename.
    std::filesystem::create_directories(dir.file("taken.hor/inside"));
    EXPECT_FALSE(WriteHoroscopeFile(dir.file("taken.hor"), english(), s.radix, s.blocks));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.hor/inside")));

    // A folder that does not exist.
    EXPECT_FALSE(WriteHoroscopeFile(dir.file("no/such/folder/x.hor"), english(), s.radix, s.blocks));

    // No temporary files are left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(HoroscopeFile, DefaultFileNameFoldsAccentsAndReplacesTheRest) {
    struct Row {
        const char* name;  // UTF-8
        const char* expected;
    } rows[] = {
        {"Árvíz Tűrő", "Arviz_Turo.hor"},
        {"ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP", "ARVIZTURO_TUKORFUROGEP.hor"},
        {"Čeněk Šťastný Ödön", "Cenek_Stastny_Odon.hor"},
        {"Straße", "Stra_e.hor"},
        {"€ 100", "__100.hor"},
        {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j.hor"},
        {"tab\there", "tab_here.hor"},
        {"(no name)", "(no_name).hor"},
        {"", ".hor"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DefaultHoroscopeFileName(utf8ToCp1250(row.name)), row.expected);
    }
    // Whatever the name, the result is plain ASCII that a file name can hold.
    for (int c = 1; c < 256; ++c) {
        const std::string name = DefaultHoroscopeFileName(std::string(1, static_cast<char>(c)));
        ASSERT_EQ(name.size(), 5u);
        const unsigned char out = static_cast<unsigned char>(name[0]);
        EXPECT_TRUE(out >= 0x20 && out < 0x80 && std::string_view(" \"<>|:*?\\/").find(name[0]) == std::string::npos)
            << c;
    }
}
