// AAF and CSV files of any content read without crashing or reading out of bounds, and what
// they yield makes charts that write back. Meant to run under the address and undefined-
// behaviour sanitizers as well; the seeds are fixed, so failures repeat.
#include <gtest/gtest.h>

#include <random>

#include "ChartExchange.h"
#include "FixedText.h"
#include "TownFixtures.h"

using namespace fixtures;

namespace {

const char* const Seeds[] = {
    "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel,D\n#B93:*,49n05,8e11,1he,0\n#ZNAM:CET\n#COM:a\nb\n"
    "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix,F\n#B93:2392758.526528,43n31,5e27,0e21:48,m\n",
    "name,date,time,zone,dst,lat,lon,town,jd,notes\n"
    "\"A \"\"B\"\"\",1975-04-12,06:30:10.5,+1:00,1,47n29:55,-19.5,Pest,2442514.5,\"x\ny\"\n"
    "C;D,-0043-03-15,12:00,LMT,,41.9,12.5,,,\n",
};

// Reads `bytes` in both formats and turns every record into a chart and back into text.
void exercise(const std::string& bytes, const TownDatabase& db) {
    for (const ExchangeFormat format : {ExchangeFormat::Aaf, ExchangeFormat::Csv}) {
        std::vector<RadixData> charts;
        ExchangeSink sink{[&](ExchangeRecord&& record) {
                              RadixData radix;
                              const ChartFromRecord made = chartFromRecord(record, &db, englishStrings(), radix);
                              if (!made.refusal)
                                  charts.push_back(radix);
                              for (const RecordIssue& n : made.notices)
                                  (void)recordIssueText(n, englishStrings());
                          },
                          [&](RecordIssue&& issue) {
                              ASSERT_GT(issue.line, 0);
                              (void)recordIssueText(issue, englishStrings());
                          }};
        (void)readExchangeRecords(bytes, format, sink);
        for (const RadixData& r : charts) {
            ASSERT_LE(r.moment.latitude.wholeDegrees(), BirthMoment::MaxLatitude);
            ASSERT_LE(r.moment.longitude.wholeDegrees(), BirthMoment::MaxLongitude);
            ASSERT_LE(r.moment.localTime.hour, 23);
            ASSERT_LE(fixedText(r.notes).size(), RadixData::EnteredNotesLength);
        }
        (void)exportText(charts, ExchangeFormat::Aaf);
        (void)exportText(charts, ExchangeFormat::Csv);
    }
}

}  // namespace

TEST(ExchangeFuzz, randomAndMutatedFilesReadSafely) {
    TownDatabase db;
    std::vector<ZoneEntry> units;
    addZone(units, "Hungary", {rule(1, 1, 1, 0, 0, TimeZone, "CET", 60)});
    fillDatabase(db, units, {town("Pest, Hungary", 1142, 2850, 0), town("Aix, France", 327, 2611, 7)});
    std::mt19937 rng(20261211);
    const std::string alphabet = "#A93B:,.*\n\r\";- 0123456789nsewhmfLEWNS\xC3\xA1\xF5\xE8\x81";
    for (int round = 0; round < 400; ++round) {
        std::string bytes = Seeds[round % std::size(Seeds)];
        const int edits = 1 + static_cast<int>(rng() % 12);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = rng() % bytes.size();
            switch (rng() % 4) {
            case 0: bytes[at] = alphabet[rng() % alphabet.size()]; break;
            case 1: bytes.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
            case 2: bytes.erase(at, 1 + rng() % 8); break;
            default: bytes.resize(at); break;
            }
        }
        exercise(bytes, db);
        std::string noise(rng() % 600, '\0');
        for (char& c : noise)
            c = static_cast<char>(rng());
        exercise(noise, db);
    }
}
