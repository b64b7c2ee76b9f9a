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

// Multi-byte fields of the packed records are compared as `+field`, a copy: the comparison
// macros bind references, and a reference to an unaligned field is undefined behaviour.
namespace {

const StringTable& english() {
    static const StringTable t = [] {
        StringTable s;
        s.load(LanguageEnglish);
        return s;
    }();
    return t;
}

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
        const std::string path = dir.write("h.hor", row.first + std::string(100, '\0'));
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

TEST(HoroscopeFile, AbsurdLifeEventCountsAreBounded) {
    const Sample s;
    struct Row {
        std::int16_t stored;
        int oldLayout, currentLayout;
    } rows[] = {
        {3, 3, 3}, {10, 10, 10}, {11, 10, 11}, {30, 10, 30}, {31, 10, 30},
        {32767, 10, 30}, {-1, 0, 0}, {-32768, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(+parse(oldLayout(s, false, row.stored, OldEnd::Complete)).blocks.lifeEvents.count, row.oldLayout);
        Sample current;
        current.blocks.lifeEvents.count = row.stored;
        const ReadResult r = parse(current.bytes());
        EXPECT_EQ(+r.blocks.lifeEvents.count, row.currentLayout);
        expectUsable(r.radix, r.blocks);
    }
}

TEST(HoroscopeFile, StoredFieldsAreClampedAndTerminated) {
    Sample s;
    std::string bytes = s.bytes();
    const auto put = [&](std::size_t offset, std::string_view b) { bytes.replace(offset, b.size(), b); };
    const std::size_t moment = 86;
    put(31, std::string(41, 'N'));                                             // name without its zero
    put(72, std::string(11, 'T'));                                             // type without its zero
    put(moment + offsetof(BirthMoment, utDate) + 3, "\x0D");                   // month 13
    put(moment + offsetof(BirthMoment, utTime) + 1, "\x4B");                   // minute 75
    put(moment + offsetof(BirthMoment, localDate) + 1, std::string("\x20\x4E", 2));  // year 20000
    put(moment + offsetof(BirthMoment, timeKind), "\x09");
    put(moment + offsetof(BirthMoment, town), std::string(31, 'X'));           // town and its zero byte
    const double nan = std::nan("");
    put(moment + offsetof(BirthMoment, localTime) + 2, bytesOf(nan));
    put(174, std::string(2001, 'x'));                                          // notes without their zero
    put(2177 + 2 + 1, std::string(31, 'E'));                                   // first event's name
    put(3289, std::string("\x02\x07", 2));                                     // flags that are not 0 or 1

    const ReadResult r = parse(bytes);
    ASSERT_EQ(r.status, HoroscopeRead::Ok);
    expectUsable(r.radix, r.blocks);
    EXPECT_EQ(fixedText(r.radix.name), std::string(40, 'N'));
    EXPECT_EQ(fixedText(r.radix.horType), std::string(10, 'T'));
    EXPECT_EQ(r.radix.moment.utDate.month, 12);
    EXPECT_EQ(r.radix.moment.utTime.minute, 59);
    EXPECT_EQ(+r.radix.moment.localDate.year, MaxYear);
    EXPECT_EQ(+r.radix.moment.localTime.second, 0.0);
    EXPECT_EQ(r.radix.moment.timeKind, TimeGMT);
    EXPECT_EQ(fixedText(r.radix.moment.town), std::string(30, 'X')) << "a full town field is kept";
    EXPECT_EQ(fixedText(r.radix.notes).size(), 2000u);
    EXPECT_EQ(fixedText(r.blocks.lifeEvents.events[0].name), std::string(30, 'E'));
    EXPECT_TRUE(r.blocks.directions.onequ);
    EXPECT_TRUE(r.blocks.directions.truesolar);
    EXPECT_EQ(serializeHoroscopeFile(english(), r.radix, r.blocks).substr(3289, 2), std::string("\x01\x01", 2));
}

// Cut after every byte, a file reads without error: what was there is kept, a field cut short
// keeps zeros, and the blocks that are missing take their defaults.
TEST(HoroscopeFile, TruncatedAtEveryOffsetReadsWhatIsThere) {
    const Sample s;
    const std::string full = s.bytes();
    const std::string old = oldLayout(s, false, 3, OldEnd::Complete);
    for (const std::string* file : {&full, &old}) {
        for (std::size_t cut = 0; cut <= file->size(); ++cut) {
            const ReadResult r = parse(std::string_view(*file).substr(0, cut));
            // The header's zero byte may be missing: missing bytes count as zero.
            if (cut < Header.size() - 1) {
                ASSERT_EQ(r.status, HoroscopeRead::NotHoroscopeFile) << cut;
                continue;
            }
            ASSERT_EQ(r.status, HoroscopeRead::Ok) << cut;
            expectUsable(r.radix, r.blocks);
            if (cut >= 72) {
                ASSERT_EQ(bytesOf(r.radix.name), bytesOf(s.radix.name)) << cut;
            }
            const std::size_t notesEnd = file == &full ? 2175 : 2121;
            if (cut >= notesEnd) {
                ASSERT_EQ(bytesOf(r.radix.notes), bytesOf(s.radix.notes)) << cut;
            }
            if (cut < notesEnd + 2) {
                ASSERT_EQ(+r.blocks.lifeEvents.count, 0) << cut;
            }
            const std::size_t eventsEnd = file == &full ? 3289 : 2123 + 370;
            if (cut < eventsEnd + 14) {
                ASSERT_EQ(bytesOf(r.blocks.directions), bytesOf(optionDirections())) << cut;
                ASSERT_EQ(bytesOf(r.blocks.persons), bytesOf(PersonsBlock{})) << cut;
            } else {
                ASSERT_EQ(bytesOf(r.blocks.directions), bytesOf(s.blocks.directions)) << cut;
            }
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
