#include <gtest/gtest.h>

#include "DignityDegreeTable.h"
#include "DignityFile.h"
#include "FixedText.h"
#include "OptionsFile.h"
#include "OptionsTestSupport.h"

namespace {

const std::string Heading = "Degree;Domic;Detrim;Exalt;Fall;Trig;Trip.d;Trip.n;Trip.v;Term.e;Term.L;Face;Decan;Light;Sex;Extra\n";
const std::string Params = "Points;5;5;4;4;3;3;3;3;2;2;1;1;0;0;0\n";

class DignityFileTest : public ::testing::Test, public ProgramFolderFixture {
protected:
    DignityFileResult readFile(const std::string& bytes) {
        setFixedText(o.dignities_file, dir.write("data/zdkdigns.csv", bytes));
        return readDignityFile(o, strings);
    }
    TOptions o{};
};

TEST_F(DignityFileTest, readsParametersKeywordsAndStars) {
    const auto r = readFile(Heading + Params +
                            "12;x;x;x;x;x;x;x;x;mar*;x;x;x;light;male;x\n"
                            "359;Sol;x;x;x;x;ven,jup,sat,plu;x;x;x;x;x;x;DARK;;f,d,p\n");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.message.empty());
    const std::array<std::uint8_t, 15> params = {5, 5, 4, 4, 3, 3, 3, 3, 2, 2, 1, 1, 0, 0, 0};
    EXPECT_EQ(o.dignity_column_params, params);
    using Cell = std::array<std::uint8_t, 3>;
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][12], (Cell{5 | DignityStarBit, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnLight][12], (Cell{1, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnSex][12], (Cell{1, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][359], (Cell{1, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnTripDay][359], (Cell{4, 6, 7}));  // a fourth keyword is ignored
    EXPECT_EQ(o.dignity_degree_table[ColumnLight][359], (Cell{3, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnSex][359], (Cell{0, 0, 0}));
    EXPECT_EQ(o.dignity_degree_table[ColumnExtra][359], (Cell{1, 2, 3}));
}

TEST_F(DignityFileTest, firstErrorStopsWithLineItemTextAndReason) {
    const std::string good = "0;x;x;x;x;x;x;x;x;jup;x;x;x;light;male;x\n";
    const struct {
        const char* name;
        std::string file;
        unsigned line, item;
        const char* text;
        int reason;
    } cases[] = {
        {"degree 360", Heading + Params + good + "360;x\n", 4, 1, "360", 822},
        {"negative degree", Heading + Params + "-1;x\n", 3, 1, "-1", 822},
        {"degree that is not a number", Heading + Params + "12a;x\n", 3, 1, "12a", 821},
        {"empty degree", Heading + Params + ";x\n", 3, 1, "", 821},
        {"parameter that is not a number", "h\nPoints;5;5;x4\n", 2, 4, "x4", 821},
        {"empty parameter", "h\nPoints;5;;4\n", 2, 3, "", 821},
        {"keyword with a leading blank", Heading + Params + good + "1; sol\n", 4, 2, " sol", 823},
        {"unknown keyword in a later slot", Heading + Params + "1;x;x;x;x;x;sol,moon\n", 3, 7, "moon", 823},
        {"empty field outside the Sex column", Heading + Params + "1;x;x;x;x;x;x;x;x;x;x;x;x;;male\n", 3, 14, "", 823},
        {"body keyword in the Light column", Heading + Params + "1;x;x;x;x;x;x;x;x;x;x;x;x;sol\n", 3, 14, "sol", 823},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        o = TOptions{};
        const auto r = readFile(c.file);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.line, c.line);
        EXPECT_EQ(r.item, c.item);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.reasonId, c.reason);
        EXPECT_EQ(r.message, "Error in dignity data file.\n\nLine " + std::to_string(c.line) + ", item " +
                                 std::to_string(c.item) + ": '" + c.text + "': " + strings[c.reason]);
    }
}

TEST_F(DignityFileTest, whatWasReadBeforeTheErrorStays) {
    const auto r = readFile(Heading + Params + "0;x;x;x;x;x;x;x;x;jup\n" + "1;x;x;x;x;x;x;x;x;mer;bad\n" +
                            "2;x;x;x;x;x;x;x;x;ven\n");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][0][0], 6);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][1][0], 3);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][2][0], 0);
}

TEST_F(DignityFileTest, linesOfAnyEndingAndLength) {
    // CRLF endings, no line break after the last line, blank lines, degrees out of order,
    // fields beyond the sixteenth and lines far longer than the old 199-character buffer.
    const std::string longTail = ";x;x;x;light;male;x;" + std::string(500, 'z');
    const auto r = readFile("heading\r\nPoints;1;2\r\n\r\n5;x;x;x;x;x;x;x;x;sat" + longTail + "\r\n3;x;x;x;x;x;x;x;x;mar");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(o.dignity_column_params[0], 1);
    EXPECT_EQ(o.dignity_column_params[1], 2);
    EXPECT_EQ(o.dignity_column_params[2], 0);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][5][0], 7);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][3][0], 5);  // the last character is not lost
}

TEST_F(DignityFileTest, missingFileOrLines_failWithoutMessage) {
    for (const std::string& file : {std::string(), std::string("heading only\n")}) {
        const auto r = readFile(file);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.empty());
    }
    setFixedText(o.dignities_file, dir.file("data/none.csv"));
    const auto r = readDignityFile(o, strings);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.empty());
}

TEST_F(DignityFileTest, readOptions_goesOnWithAFaultyFileAndRebuildsTheDerivedColumns) {
    dir.write("data/zdkdigns.csv", Heading + Params + "0;ven;x;x;x;x;x;x;x;jup\n361;x\n");
    writeOptions("o.zdo", "[dignities]\r\nmrsown=X......X....\r\n");
    std::string message;
    ASSERT_TRUE(ReadOptions(o, folder(), strings, optionsPath("o.zdo"), &message));
    EXPECT_NE(message.find("Line 4, item 1: '361'"), std::string::npos);
    EXPECT_EQ(o.dignity_degree_table[ColumnTermEgyptian][0][0], 6);
    EXPECT_EQ(o.dignity_degree_table[ColumnDomicile][0][0], 5);  // Mars from the options, not Venus from the file
    EXPECT_EQ(o.dignity_degree_table[ColumnDetriment][180][0], 5);
}

}  // namespace
