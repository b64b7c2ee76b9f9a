#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "DignityDegreeTable.h"
#include "FixedText.h"
#include "OptionsFile.h"
#include "OptionsLoader.h"
#include "OptionsTestSupport.h"
#include "ShippedData.h"

namespace {

std::string readSource(const std::string& relative) {
    const char* source = std::getenv("ZDK_SOURCE_DIR");
    std::ifstream in(std::string(source ? source : ".") + "/" + relative, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ShippedData, distCopiesAreWhatTheGeneratorMakes) {
    // After changing the shipped data, run: build/tools/shipgen/zdk-shipgen dist
    EXPECT_TRUE(readSource("dist/options/ZODIKEON.ZDO") == ShippedOptionsFileText());
    EXPECT_TRUE(readSource("dist/data/zdkdigns.csv") == ShippedDignityFileText());
}

class ShippedOptionsTest : public ::testing::Test, public ProgramFolderFixture {
protected:
    void SetUp() override {
        dir.write("options/ZODIKEON.ZDO", ShippedOptionsFileText());
        dir.write("data/zdkdigns.csv", ShippedDignityFileText());
    }
};

TEST_F(ShippedOptionsTest, loadsAtStartUpWithoutAnyMessage) {
    TOptions o{};
    const OptionsLoadResult r = LoadStartupOptions(o, folder(), strings);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.dignityMessage, "");
    EXPECT_EQ(fixedText(o.options_file), folder() + "/options/ZODIKEON.ZDO");

    // What a chart shows on first start: planets, nodes, Lilith, axes, houses and aspects.
    const TDisplayOptions& d = o.display;
    EXPECT_TRUE(d.planets && d.axises && d.houses && d.aspects && d.longitudes);
    for (int b = 0; b <= 12; ++b) {
        EXPECT_TRUE(d.plansonchart[b]) << b;
        EXPECT_TRUE(d.plans[b]) << b;
    }
    EXPECT_TRUE(d.planasps[0] && d.planasps[9] && d.planasps[24]);
    EXPECT_TRUE(d.plans[24] && d.plans[25]);
    for (int a : {0, 3, 5, 6, 10, 1, 2, 7, 9})
        EXPECT_TRUE(d.aspsonchart[a] && d.asps[a]) << a;
    EXPECT_GE(d.tablesize, 1.0);
    EXPECT_EQ(d.chart_style, 2);
    EXPECT_EQ(d.table_style, 2);
    EXPECT_EQ(d.antialias, 2);

    // Orbs: the lights widest, majors wider than minors.
    const auto& con = o.orbises[0];
    EXPECT_GT(con[2], con[4]);
    EXPECT_GT(con[3], con[11]);
    EXPECT_GT(o.orbises[6][2], o.orbises[9][2]);
    EXPECT_GT(o.orbises[6][4], o.orbises[3][4]);

    // Mean daily motion: the Moon fastest, then the inner planets, Pluto slowest.
    EXPECT_NEAR(o.avgspeed[0], 0.9856, 1e-4);
    EXPECT_NEAR(o.avgspeed[1], 13.18, 0.01);
    for (int b = 2; b < 9; ++b)
        EXPECT_GT(o.avgspeed[b], o.avgspeed[b + 1]) << b;
    EXPECT_GT(o.avgspeed[9], 0);

    // Every aspect family has a colour of its own.
    const auto& c = o.colors.aspects;
    EXPECT_NE(c[6], c[5]);   // trine, square
    EXPECT_NE(c[5], c[9]);   // square, quincunx
    EXPECT_NE(c[0], c[6]);   // conjunction, trine
    EXPECT_NE(c[4], c[9]);   // quintile, quincunx

    // Domicile of the Sun in Leo, Mars and Pluto in Scorpio, Saturn's fall in Aries.
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][130][0], 1);
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][220], (std::array<std::uint8_t, 3>{5, 10, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnFall][10][0], 7);
}

TEST_F(ShippedOptionsTest, dignityTableFollowsTheTraditionalTables) {
    TOptions o{};
    ASSERT_TRUE(ReadOptions(o, folder(), strings, optionsPath("ZODIKEON.ZDO")));
    const auto& t = o.dignity_degree_table;
    auto body = [&](int column, int degree) { return t[column][degree][0]; };
    // Each sign has five terms, one of each of the five planets, in both systems; the
    // Egyptian terms give each planet its classical number of degrees.
    std::map<int, int> egyptianDegrees;
    for (int column : {ColumnTermEgyptian, ColumnTermLilly}) {
        for (int sign = 0; sign < 12; ++sign) {
            std::map<int, int> seen;
            int previous = -1;
            for (int degree = sign * 30; degree < sign * 30 + 30; ++degree) {
                const int b = body(column, degree);
                ASSERT_TRUE(b >= 3 && b <= 7) << column << " " << degree;
                if (b != previous)
                    ++seen[b];
                previous = b;
                if (column == ColumnTermEgyptian)
                    ++egyptianDegrees[b];
            }
            EXPECT_EQ(seen.size(), 5u) << column << " " << sign;
            for (auto [b, runs] : seen)
                EXPECT_EQ(runs, 1) << column << " " << sign << " " << b;
        }
    }
    const std::map<int, int> classical = {{3, 76}, {4, 82}, {5, 66}, {6, 79}, {7, 57}};
    EXPECT_EQ(egyptianDegrees, classical);

    EXPECT_EQ(body(ColumnTripDay, 0), 1);            // fire by day: Sun
    EXPECT_EQ(body(ColumnTripNight, 95), 5);         // water by night: Mars
    EXPECT_EQ(body(ColumnTripParticipating, 65), 6);  // air: Jupiter
    EXPECT_EQ(body(ColumnFace, 0), 5);               // first face of Aries: Mars
    EXPECT_EQ(body(ColumnFace, 359), 5);             // and the last of Pisces: Mars again
    EXPECT_EQ(body(ColumnFace, 30), 3);              // Taurus: Mercury
    EXPECT_EQ(body(ColumnDecan, 10), 1);             // second decan of Aries: Sun
    EXPECT_EQ(t[ColumnDecan][350], (std::array<std::uint8_t, 3>{5, 10, 0}));  // Pisces III: Mars, Pluto
    int light = 0, male = 0;
    for (int degree = 0; degree < 360; ++degree) {
        light += body(ColumnLight, degree) == 1;
        male += body(ColumnSex, degree) == 1;
        EXPECT_NE(body(ColumnSex, degree), 0) << degree;
    }
    EXPECT_GT(light, 100);
    EXPECT_GT(male, 100);
    EXPECT_EQ(t[ColumnExtra][36][0], 2);  // 7 Taurus: deficient
    const std::array<std::uint8_t, 15> points = {5, 5, 4, 4, 3, 3, 3, 3, 2, 2, 1, 1, 0, 0, 0};
    EXPECT_EQ(o.dignity_column_params, points);
}

TEST_F(ShippedOptionsTest, startUpFallsBackToTheDefaultFileOnce) {
    dir.write("options/zodikeon.ini", "[config]\r\noptions=" + folder() + "/options/gone.zdo\r\n");
    TOptions o{};
    OptionsLoadResult r = LoadStartupOptions(o, folder(), strings);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(fixedText(o.options_file), folder() + "/options/ZODIKEON.ZDO");

    std::filesystem::remove(dir.file("options/ZODIKEON.ZDO"));
    r = LoadStartupOptions(o, folder(), strings);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, strings[608]);
}

TEST_F(ShippedOptionsTest, chartOptions_takeAFileAndOverrides) {
    TOptions o{};
    OptionsLoadResult r = loadChartOptions(folder(), strings, "", 4, 1, o);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(o.housecalc, 4);
    EXPECT_EQ(o.nodetype, 1);

    writeOptions("koch.zdo", "[misc]\r\nhousecalc=4\r\n");
    r = loadChartOptions(folder(), strings, optionsPath("koch.zdo"), -1, -1, o);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(o.housecalc, 4);
    EXPECT_EQ(o.nodetype, 0);

    dir.write("options/notes.txt", "nothing to see");
    r = loadChartOptions(folder(), strings, dir.file("options/notes.txt"), -1, -1, o);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Selected file is not a ZODIKEON v4.x options file");
}

}  // namespace
