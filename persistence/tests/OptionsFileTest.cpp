#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "Aspects.h"
#include "FixedText.h"
#include "OptionDefaults.h"
#include "OptionsFile.h"
#include "OptionsTestSupport.h"
#include "ProfileFile.h"
#include "ProfileValues.h"

namespace {

// Every stored field of the options block with the precision its encoding keeps (0 for
// non-reals), listed from the file format rather than from the reader.
#define ZDK_STORED_FIELDS(X)                                                                                        \
    X(nodetype, 0) X(housecalc, 0) X(sign_dignities, 0) X(tripv, 0) X(term_type, 0) X(scores, 0) X(precess, 0)      \
    X(dailymax, 0) X(orbises, 2) X(collfactor, 2) X(avgspeed, 4) X(stationary_strict, 0) X(transitfw, 1)             \
    X(transitbw, 1) X(houseexts, 2) X(correvs, 2) X(display.black, 0) X(display.planets, 0) X(display.axises, 0)   \
    X(display.houses, 0) X(display.houseexts, 0) X(display.longitudes, 0) X(display.aspects, 0)                     \
    X(display.aspsymbols, 0) X(display.projasps, 0) X(display.fixstars, 0) X(display.constells, 0)                  \
    X(display.owners, 0) X(display.exalts, 0) X(display.startsign, 0) X(display.outerradix, 0)                      \
    X(display.longitude, 0) X(display.latitude, 0) X(display.rascension, 0) X(display.declination, 0)               \
    X(display.sa, 0) X(display.adl, 0) X(display.md, 0) X(display.ad, 0) X(display.ch, 0) X(display.so, 0)          \
    X(display.decimal, 0) X(display.speed, 0) X(display.distance, 0) X(display.diameter, 0)                         \
    X(display.magnitude, 0) X(display.plansonchart, 0) X(display.planasps, 0) X(display.plans, 0)                   \
    X(display.aspsonchart, 0) X(display.asps, 0) X(display.oppaspsonchart, 0) X(display.oppasps, 0)                 \
    X(display.colloppasps, 0) X(display.fsconjs, 0) X(display.constsonchart, 0) X(display.tablesize, 2)             \
    X(display.chart_style, 0) X(display.aspect_style, 0) X(display.aspect_closing, 0) X(display.table_style, 0)     \
    X(display.antialias, 0) X(display.wine_workaround, 0) X(symbols.bodies, 0) X(symbols.zodiac, 0)                 \
    X(colors.frame, 0) X(colors.zodiac, 0) X(colors.axises, 0) X(colors.axisnames, 0) X(colors.houses, 0)           \
    X(colors.housenums, 0) X(colors.constell, 0) X(colors.dignities, 0) X(colors.aspects, 0)                        \
    X(colors.background, 0) X(colors.deftext, 0) X(colors.table, 0) X(colors.neutral, 0) X(colors.positive, 0)      \
    X(colors.negative, 0) X(colors.c2_fill_back, 0) X(colors.c2_fill_main, 0) X(colors.c2_fill_houses, 0)           \
    X(colors.c2_fill_center, 0) X(colors.c2_fill_planets, 0) X(colors.c2_fill_projasp, 0)                           \
    X(colors.c2_fill_constell, 0) X(colors.c2_meter, 0) X(colors.c2_zodiac, 0) X(colors.c2_house_bar, 0)            \
    X(colors.c2_house_start, 0) X(colors.c2_house_sym, 0) X(colors.c2_house_outersym, 0)                            \
    X(colors.c2_house_outercirc, 0) X(colors.c2_house_pos, 0) X(colors.c2_axis_bar, 0) X(colors.c2_axis_pos, 0)     \
    X(colors.c2_axis_outerpos, 0) X(colors.c2_planet_pos, 0) X(colors.c2_fstar_name, 0)                             \
    X(colors.c2_fstar_arrow, 0) X(colors.c2_constell_frame, 0) X(colors.c2_constell_name, 0)                        \
    X(colors.c2_table_fill_back, 0) X(colors.c2_table_fill_cell_light, 0) X(colors.c2_table_fill_cell_medium, 0)    \
    X(colors.c2_table_fill_cell_dark, 0) X(colors.c2_table_mark, 0) X(aximmetry_path, 0) X(compound_path, 0)        \
    X(directions.significators, 0) X(directions.promissors, 0) X(directions.aspects, 0) X(directions.filter, 0)     \
    X(directions.dispmode, 0) X(secdirs.significators, 0) X(secdirs.promissors, 0) X(secdirs.aspects, 0)            \
    X(secdirs.dispmode, 0) X(dirkeyasgntohoro, 0) X(onequ, 0) X(truesolar, 0) X(angle_int, 0) X(angle_byte, 0)      \
    X(angle_real, 2) X(type, 0) X(glahn.planets, 0) X(glahn.aspects, 0) X(glahn.insigns, 0)                         \
    X(transits.significators, 0) X(transits.promissors, 0) X(transits.aspects, 0) X(transits.dispmode, 0)           \
    X(print_black, 0)

// Random values that the encodings can carry: reals on their decimal grid, texts without
// blanks or quotes at their ends (the profile format trims those).
class Randomizer {
public:
    explicit Randomizer(unsigned seed) : m_rng(seed) {}

    void fill(bool& v, int) { v = m_rng() & 1; }
    void fill(std::uint8_t& v, int) { v = static_cast<std::uint8_t>(m_rng()); }
    void fill(std::int16_t& v, int) { v = static_cast<std::int16_t>(m_rng()); }
    void fill(std::uint32_t& v, int) { v = static_cast<std::uint32_t>(m_rng()); }
    void fill(double& v, int precision) {
        const double scale = precision == 1 ? 10 : precision == 2 ? 100 : 10000;
        v = static_cast<double>(static_cast<int>(m_rng() % 2000001) - 1000000) / scale;
    }
    template <std::size_t N>
    void fill(std::array<char, N>& v, int) {
        const std::size_t length = m_rng() % N;
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            char c = static_cast<char>(33 + m_rng() % 94);
            if (c == '"' || c == '\'')
                c = 'q';
            text += (i % 7 == 3) ? ' ' : c;
        }
        if (!text.empty())
            text.back() = 'z';
        setFixedText(v, text);
    }
    template <class T, std::size_t N>
    void fill(std::array<T, N>& v, int precision) {
        for (auto& item : v)
            fill(item, precision);
    }

private:
    std::mt19937 m_rng;
};

void randomize(TOptions& o, unsigned seed) {
    Randomizer r(seed);
#define ZDK_FILL(field, precision) r.fill(o.field, precision);
    ZDK_STORED_FIELDS(ZDK_FILL)
#undef ZDK_FILL
}

void expectSameStoredFields(const TOptions& a, const TOptions& b) {
#define ZDK_EXPECT(field, precision) EXPECT_TRUE(a.field == b.field) << #field;
    ZDK_STORED_FIELDS(ZDK_EXPECT)
#undef ZDK_EXPECT
}

class OptionsFileTest : public ::testing::Test, public ProgramFolderFixture {};

TEST_F(OptionsFileTest, writeThenRead_reproducesEveryStoredField) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        TOptions written{};
        randomize(written, seed);
        setFixedText(written.secdirs.filter, "kept only in memory");
        setFixedText(written.options_file, optionsPath());
        ASSERT_TRUE(WriteOptions(written));

        TOptions read{};
        ASSERT_TRUE(ReadOptions(read, folder(), strings, optionsPath()));
        expectSameStoredFields(written, read);
        EXPECT_EQ(fixedText(read.secdirs.filter), "");
        EXPECT_EQ(fixedText(read.transits.filter), "");
        const std::array<bool, PrintPageCount> pages = {false, true, true, true};
        EXPECT_EQ(read.print_pages, pages);
    }
}

TEST_F(OptionsFileTest, readOptions_refusesFilesThatAreNotOptionsFiles) {
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no file at all
    } cases[] = {
        {"description differs in its last letter", "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision L\r\n"},
        {"description in other letter case", "[main]\r\ndescription=zodikeon 4.0 options file - revision k\r\n"},
        {"description with a trailing letter", "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision KK\r\n"},
        {"description in another section", "[misc]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n"},
        {"plain text", "Dear diary,\nthe stars were bright tonight.\n"},
        {"empty file", ""},
        {"missing file", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.bytes ? dir.write("options/other.zdo", c.bytes) : optionsPath("none.zdo");
        TOptions o{};
        SetDefaultOptions(o);
        o.housecalc = 4;
        setFixedText(o.options_file, "/kept/current.zdo");
        const TOptions before = o;
        EXPECT_FALSE(ReadOptions(o, folder(), strings, path));
        EXPECT_EQ(std::memcmp(&o, &before, sizeof o), 0);
    }
}

TEST_F(OptionsFileTest, readOptions_withoutPathReadsTheCurrentFileAndKeepsItsName) {
    writeOptions("current.zdo", "[misc]\r\nhousecalc=5\r\n");
    TOptions o{};
    setFixedText(o.options_file, optionsPath("current.zdo"));
    ASSERT_TRUE(ReadOptions(o, folder(), strings));
    EXPECT_EQ(o.housecalc, 5);
    EXPECT_EQ(fixedText(o.options_file), optionsPath("current.zdo"));
    EXPECT_EQ(fixedText(o.dignities_file), folder() + "/data/zdkdigns.csv");
    EXPECT_EQ(fixedText(o.fixed_stars_file), folder() + "/data/ephem/sefstars.txt");
    EXPECT_EQ(fixedText(o.user_towns_file), folder() + "/data/ZDKTOWNS_user.TWD");
}

TEST_F(OptionsFileTest, readOptions_aPathTooLongToRememberIsRefused) {
    TOptions o{};
    EXPECT_FALSE(ReadOptions(o, folder(), strings, "/" + std::string(PathSize, 'a')));
}

TEST_F(OptionsFileTest, thirteenthSymbol_travelsThroughTheEmptyKeyName) {
    TOptions o{};
    SetDefaultOptions(o);
    o.symbols.bodies[12] = 3;
    o.symbols.bodies[11] = 1;
    setFixedText(o.options_file, optionsPath());
    ASSERT_TRUE(WriteOptions(o));
    const std::string text = dir.read("options/test.zdo");
    EXPECT_NE(text.find("snd=1\r\n=3\r\nzodiac=0\r\n"), std::string::npos);

    TOptions read{};
    ASSERT_TRUE(ReadOptions(read, folder(), strings, optionsPath()));
    EXPECT_EQ(read.symbols.bodies[12], 3);

    writeOptions("hand.zdo", "[symbols]\r\n = 4 \r\n");
    ASSERT_TRUE(ReadOptions(read, folder(), strings, optionsPath("hand.zdo")));
    EXPECT_EQ(read.symbols.bodies[12], 4);
}

TEST_F(OptionsFileTest, missingKeys_giveAWorkingSetUpWhateverWasInMemory) {
    // A bare file read over two different random option sets gives the same options: every
    // missing key has a value of its own and nothing of the old memory shows through.
    writeOptions("bare.zdo", "");
    TOptions a{}, b{};
    randomize(a, 99);
    randomize(b, 7);
    ASSERT_TRUE(ReadOptions(a, folder(), strings, optionsPath("bare.zdo")));
    ASSERT_TRUE(ReadOptions(b, folder(), strings, optionsPath("bare.zdo")));
    expectSameStoredFields(a, b);

    // What those values must allow: a normal chart in the default style, with aspects found.
    const TOptions& o = a;
    EXPECT_TRUE(o.display.chart_style == 1 || o.display.chart_style == 2);
    EXPECT_TRUE(o.display.table_style == 1 || o.display.table_style == 2);
    EXPECT_LE(o.display.antialias, 3);
    for (int aspect = 0; aspect < AspectSearchCount; ++aspect)
        for (int orbClass = 0; orbClass <= OrbOther; ++orbClass)
            EXPECT_GE(o.orbises[aspect][orbClass], 0.0) << aspect << " " << orbClass;
    EXPECT_GT(o.orbises[0][OrbSun], 0.0);  // a conjunction with the Sun is found at all
    EXPECT_LT(o.housecalc, 10);            // one of the house systems

    // And the values are a fixed point: written and read again they stay.
    setFixedText(a.options_file, optionsPath("again.zdo"));
    ASSERT_TRUE(WriteOptions(a));
    TOptions again{};
    randomize(again, 5);
    ASSERT_TRUE(ReadOptions(again, folder(), strings, optionsPath("again.zdo")));
    expectSameStoredFields(a, again);
}

TEST_F(OptionsFileTest, writeOptions_encodesEachKindOfValueAsTheFormatSays) {
    TOptions o{};
    SetDefaultOptions(o);
    o.scores[2] = {200, 3};
    o.avgspeed[2] = 1.2176;
    o.transitfw[0] = -2.25;
    o.display.tablesize = 12.345;
    o.colors.frame = 0x00000A;
    o.colors.zodiac = 0x12345678;
    o.angle_int = -5;
    o.angle_byte = 200;
    o.angle_real = 1.255;
    setFixedText(o.aximmetry_path, "C:\\Aximmetry\\bin");
    const std::string text = OptionsFileText(o);
    const char* lines[] = {
        "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n[misc]\r\nnodetype=0\r\n",
        "\r\nsun=-56, 3\r\n",
        "\r\nsunown=............\r\n",
        "\r\ncon=1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00\r\n",
        "\r\navgspeed= 0.0000,  0.0000,  1.2176,  0.0000,",
        "\r\ntransitfw=-2.2,  0.0,",  // printf rounds half to even on the binary value
        "\r\nspeed=yes\r\n",
        "\r\ntablesize=12.35\r\n",
        "\r\nframe=00000A\r\nzodiac=12345678\r\n",
        "\r\naximmetry_path=C:\\Aximmetry\\bin\r\n",
        "\r\nangle=-5 200 1.25\r\n",
        "\r\n[print]\r\nblack=no\r\n",
    };
    for (const char* line : lines)
        EXPECT_NE(text.find(line), std::string::npos) << line;

    std::vector<std::string> sections;
    ProfileFile file;
    for (std::size_t at = text.find("\r\n["); at != std::string::npos; at = text.find("\r\n[", at + 1))
        sections.push_back(text.substr(at + 3, text.find(']', at) - at - 3));
    const std::vector<std::string> expected = {"misc",     "scores",     "dignities", "orbises", "display",
                                               "symbols",  "colors",     "view3D",    "directions", "secdirs",
                                               "glahn",    "transits",   "print"};
    EXPECT_EQ(sections, expected);
}

TEST_F(OptionsFileTest, malformedAndOddValues_readSafely) {
    const struct {
        const char* name;
        std::string body;
        std::function<void(const TOptions&)> check;
    } cases[] = {
        {"number with trailing junk", "[misc]\r\nhousecalc=7abc\r\n", [](const TOptions& o) { EXPECT_EQ(o.housecalc, 7); }},
        {"number that is not one", "[misc]\r\nhousecalc=abc\r\n", [](const TOptions& o) { EXPECT_EQ(o.housecalc, 0); }},
        {"number beyond a byte keeps its low byte", "[scores]\r\nsun=300, -1\r\n",
         [](const TOptions& o) { EXPECT_EQ(o.scores[2], (std::array<std::uint8_t, 2>{44, 255})); }},
        {"huge number", "[misc]\r\nnodetype=99999999999999999999999999\r\n",
         [](const TOptions& o) { EXPECT_EQ(o.nodetype, 255); }},
        {"list with empty items and extra items", "[scores]\r\nmon=,,5,,  6 , 7, 8\r\n",
         [](const TOptions& o) { EXPECT_EQ(o.scores[3], (std::array<std::uint8_t, 2>{5, 6})); }},
        {"short list keeps the rest", "[orbises]\r\ncon=3.5\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.orbises[0][0], 3.5);
             EXPECT_EQ(o.orbises[0][1], 1.0);
         }},
        {"reals that are not finite numbers read as 0", "[orbises]\r\nsex=nan, inf, 1e999, -1e999, x, 2.5e1, .5, 0x10\r\n",
         [](const TOptions& o) {
             const std::array<double, 8> expected = {0, 0, 0, 0, 0, 25, 0.5, 0};
             for (std::size_t i = 0; i < expected.size(); ++i)
                 EXPECT_EQ(o.orbises[3][i], expected[i]) << i;
         }},
        {"colours", "[colors]\r\nconstell=zz, FFFFFFFFFFFF\r\nframe=0x1f\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.colors.constell[0], 0u);
             EXPECT_EQ(o.colors.constell[1], 0xFFFFFFFFu);
             EXPECT_EQ(o.colors.frame, 0x1Fu);
         }},
        {"yes only in small letters", "[display]\r\nplanets=Yes\r\nspeed=YES\r\naxises=yes\r\n",
         [](const TOptions& o) {
             EXPECT_FALSE(o.display.planets);
             EXPECT_FALSE(o.display.speed);
             EXPECT_TRUE(o.display.axises);
         }},
        {"short marks leave the rest", "[display]\r\nconstsonchart=X.x\r\n",
         [](const TOptions& o) {
             EXPECT_TRUE(o.display.constsonchart[0]);
             EXPECT_FALSE(o.display.constsonchart[1]);
             EXPECT_FALSE(o.display.constsonchart[2]);
             EXPECT_TRUE(o.display.constsonchart[3]);  // Aquarius, on by default
         }},
        {"list values are cut at 200 characters",
         "[orbises]\r\ncon=2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2," + std::string(200, ' ') + "2\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.orbises[0][14], 2.0);
             EXPECT_EQ(o.orbises[0][15], 1.0);
         }},
        {"texts are cut to their field", "[directions]\r\nfilter=0123456789012345678901234567890123456789\r\n",
         [](const TOptions& o) { EXPECT_EQ(fixedText(o.directions.filter), "012345678901234567890123456789"); }},
        {"angle stops at its first missing number", "[directions]\r\nangle=12 x 3.5\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.angle_int, 12);
             EXPECT_EQ(o.angle_byte, 0);
             EXPECT_EQ(o.angle_real, 0.0);
         }},
        {"angle keeps the low byte of its second number", "[directions]\r\nangle=-7 300 2.75\r\n",
         [](const TOptions& o) {
             EXPECT_EQ(o.angle_int, -7);
             EXPECT_EQ(o.angle_byte, 44);
             EXPECT_EQ(o.angle_real, 2.75);
         }},
        {"duplicate keys: the first one counts", "[misc]\r\nhousecalc=3\r\nHOUSECALC=4\r\n",
         [](const TOptions& o) { EXPECT_EQ(o.housecalc, 3); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeOptions("odd.zdo", c.body);
        TOptions o{};
        ASSERT_TRUE(ReadOptions(o, folder(), strings, optionsPath("odd.zdo")));
        c.check(o);
    }
}

TEST_F(OptionsFileTest, olderLists_areConverted) {
    const struct {
        const char* name;
        const char* body;
        const char* planasps;
        const char* plans;
    } cases[] = {
        {"planasps of 14 marks moves axes and cusps", "[display]\r\nplanasps=X...........XX\r\n",
         "X.......................XX", "XXXXXXXXXXXX............XX"},
        {"planasps of 14 marks with axes and cusps off", "[display]\r\nplanasps=.X............\r\n",
         ".X........................", "XXXXXXXXXXXX............XX"},
        {"planasps of 15 marks is taken as it is", "[display]\r\nplanasps=............XX.\r\n",
         "............XX..........X.", "XXXXXXXXXXXX............XX"},
        {"plans of a single mark", "[display]\r\nplans=X\r\n", "........................X.",
         "XXXXXXXXXXXX............XX"},
        {"plans of 25 marks gets the classic set on top", "[display]\r\nplans=.............X...........\r\n",
         "........................X.", "XXXXXXXXXXXX.X..........XX"},
        {"plans of 26 marks is taken as it is", "[display]\r\nplans=.............X............\r\n",
         "........................X.", ".............X............"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeOptions("old.zdo", c.body);
        TOptions o{};
        ASSERT_TRUE(ReadOptions(o, folder(), strings, optionsPath("old.zdo")));
        EXPECT_EQ(formatMarks(o.display.planasps), c.planasps);
        EXPECT_EQ(formatMarks(o.display.plans), c.plans);
    }
}

TEST_F(OptionsFileTest, writeOptions_failureIsReportedAndLeavesTheOldFile) {
    TOptions o{};
    SetDefaultOptions(o);
    setFixedText(o.options_file, folder() + "/no such folder/x.zdo");
    EXPECT_FALSE(WriteOptions(o));
    o.options_file = {};
    EXPECT_FALSE(WriteOptions(o));

    // A name so long that no temporary file fits beside it: the old file must survive whole.
    const std::string name(250, 'o');
    writeOptions(name, "[misc]\r\nhousecalc=6\r\n");
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.file("options"));
    setFixedText(o.options_file, name);
    const bool written = WriteOptions(o);
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("options/" + name),
              "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n[misc]\r\nhousecalc=6\r\n");
}

TEST_F(OptionsFileTest, writeOptions_replacesTheWholeFile) {
    const std::string path = writeOptions("old.zdo", "[mine]\r\nnote=1\r\n[misc]\r\nhousecalc=6\r\n");
    TOptions o{};
    SetDefaultOptions(o);
    o.housecalc = 3;
    setFixedText(o.options_file, path);
    ASSERT_TRUE(WriteOptions(o));
    // Nothing of the old file survives: neither a section we do not know nor an old value.
    const std::string text = dir.read("options/old.zdo");
    EXPECT_EQ(text.find("[mine]"), std::string::npos);
    EXPECT_EQ(text.find("note=1"), std::string::npos);
    EXPECT_EQ(text.find("housecalc=6"), std::string::npos);
    TOptions read{};
    ASSERT_TRUE(ReadOptions(read, folder(), strings, path));
    expectSameStoredFields(o, read);
}

}  // namespace
