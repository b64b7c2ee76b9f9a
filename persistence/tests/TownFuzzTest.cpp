// Town and time-zone files of any content load without crashing or reading out of bounds,
// and what they load can be listed, looked up and applied. Meant to run under the address
// and undefined-behaviour sanitizers as well; the seeds are fixed, so failures repeat.
#include <gtest/gtest.h>

#include <random>

#include "ApplyTown.h"
#include "TempDir.h"
#include "TownFixtures.h"
#include "TownList.h"

using namespace fixtures;

namespace {

std::string randomBytes(std::mt19937& rng, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rng() & 0xFF);
    return bytes;
}

std::string header(const char* text) {
    std::string h = text;
    h.push_back('\0');
    return h;
}

// Uses everything a loaded database offers, so that a damaged record shows up here.
void exercise(TownDatabase& db, std::mt19937& rng) {
    IndexMainTownNames(db);
    for (const ZoneDescriptor& zone : db.mainZones) {
        (void)zone.name.size();
        CalDate date;
        date.year = static_cast<std::int16_t>(rng());
        date.month = static_cast<std::uint8_t>(rng());
        date.day = static_cast<std::uint8_t>(rng());
        date.gregorian = static_cast<std::uint8_t>(rng());
        (void)ruleInForce(zone, date, 12, 0);
    }
    for (const char* search : {"", "a", "\xE1 b", "+ "}) {
        const TownList list = FillTownList(db, search, db.mainTowns.empty() ? nullptr : &db.mainTowns.front());
        for (const TownListItem& item : list.items) {
            BirthMoment moment;
            ApplyTown(db, *item.town, moment, ApplyZoneAlways);
            ASSERT_LE(moment.timeKind, TimeZone);
            ASSERT_LE(moment.longitude.wholeDegrees(), 180);
            ASSERT_LE(moment.latitude.wholeDegrees(), 89);
            (void)FindTown(db, townName(*item.town));
        }
    }
    std::vector<ZoneListItem> zones;
    FillZoneList(zones, db.mainZones, false, nullptr);
}

// Loads `timeBytes` as the main zones and `townBytes` as the main towns, and uses them.
void loadAndUse(const TempDir& dir, const std::string& timeBytes, const std::string& townBytes, std::mt19937& rng) {
    TownFilePaths paths{dir.write("t.TID", timeBytes), dir.file("u.TID"), dir.write("t.TWD", townBytes),
                        dir.file("u.TWD"), dir.file("none.dat")};
    TownDatabase db;
    LoadTownDatabase(db, paths, englishStrings());
    // The same bytes as user zones and towns, the zones through AppendUserZones as an import
    // would bring them.
    if (auto units = LoadTimeFile(paths.times, englishStrings()))
        AppendUserZones(db, std::move(*units));
    if (auto towns = LoadTownFile(db, paths.towns, englishStrings()))
        db.userTowns = std::move(*towns);
    exercise(db, rng);
}

}  // namespace

TEST(TownFileFuzz, randomBodiesAfterEveryHeader) {
    TempDir dir;
    std::mt19937 rng(20240601);
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE(round);
        const std::size_t size = rng() % 3000;
        loadAndUse(dir, header(FileFormat::TimeFileHeader) + randomBytes(rng, size),
                   header(FileFormat::TownFileHeader) + randomBytes(rng, size), rng);
        loadAndUse(dir, randomBytes(rng, size), header(FileFormat::OldTownFileHeader) + randomBytes(rng, size), rng);
        loadAndUse(dir, randomBytes(rng, size), randomBytes(rng, size), rng);
    }
}

TEST(TownFileFuzz, oldTimeFilesWithCountsThatDoNotFit) {
    TempDir dir;
    std::mt19937 rng(7);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        std::string bytes = header(FileFormat::OldTimeFileHeader) + randomBytes(rng, 41 * 2243 + rng() % 2243);
        for (std::size_t r = 0; r < 41; ++r)
            putInt16(bytes, 31 + r * 2243 + 41, static_cast<int>(rng() % 3 == 0 ? 32767 : rng()));
        loadAndUse(dir, bytes, header(FileFormat::TownFileHeader), rng);
    }
}

TEST(TownFileFuzz, validFilesCutAtEveryLength) {
    std::vector<ZoneEntry> units = {rule(1900, 1, 1, 0, 0, TimeZone, "ORPH", 60)};  // before any header
    addZone(units, "Zone", {rule(1, 1, 1, 0, 0, TimeLMT, "LMT", 60), rule(1900, 1, 1, 0, 0, TimeZone, "CET", 60)});
    addZone(units, "Empty");
    addZone(units, "Last", {rule(1, 1, 1, 0, 0, TimeZone, "X", -60)});
    const std::string times = timeFile(units);
    const std::string towns = townFile({town("Aaa", 100, 100, 0), town("Region", 0, 0, RegionEntry),
                                        town("Bbb", -32768, 32767, 2), town("Ccc", 0, 0, UserZoneBase)});
    const std::string oldTowns = oldTownFile({{"Old one", 1, 1, 2}, {"Old two", 1, 1, 39}});
    TempDir dir;
    std::mt19937 rng(3);
    // Every length up to a few records, then lengths around each unit and record boundary.
    for (std::size_t n = 0; n <= std::max(times.size(), towns.size()); n += (n < 140 || n % 17 < 2 || n % 57 < 2) ? 1 : 3) {
        SCOPED_TRACE(n);
        loadAndUse(dir, times.substr(0, n), towns.substr(0, n), rng);
        loadAndUse(dir, times.substr(0, n), oldTowns.substr(0, n), rng);
    }
}

TEST(TownFileFuzz, randomMixesOfHeadersAndEntries) {
    TempDir dir;
    std::mt19937 rng(11);
    for (int round = 0; round < 200; ++round) {
        std::vector<ZoneEntry> units;
        for (int i = rng() % 20; i > 0; --i) {
            if (rng() % 3 == 0) {
                addZone(units, randomBytes(rng, rng() % 60));
            } else {
                ZoneEntry e;
                std::string raw = randomBytes(rng, sizeof e);
                std::memcpy(&e, raw.data(), sizeof e);
                if (e.start.year == 0)
                    e.start.year = 1;
                units.push_back(e);
            }
        }
        if (!units.empty() && rng() % 2)
            units.pop_back();
        std::vector<TownRecord> towns;
        for (int i = rng() % 10; i > 0; --i) {
            TownRecord t;
            std::string raw = randomBytes(rng, sizeof t);
            std::memcpy(&t, raw.data(), sizeof t);
            t.zone = static_cast<std::int16_t>(rng() % 8 == 0 ? UserZoneBase + rng() % 4 : rng() % 12);
            towns.push_back(t);
        }
        loadAndUse(dir, timeFile(units), townFile(towns), rng);
    }
}
