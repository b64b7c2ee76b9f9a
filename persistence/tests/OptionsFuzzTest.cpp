#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "DignityDegreeTable.h"
#include "DignityFile.h"
#include "FixedText.h"
#include "OptionsFile.h"
#include "OptionsLoader.h"
#include "OptionsTestSupport.h"
#include "SettingsFile.h"
#include "ShippedData.h"

namespace {

// Whatever a file held, the record must stay well-formed: bools 0 or 1, texts terminated
// within their fields, counts within their arrays, reals finite.
template <std::size_t N>
void expectTerminated(const std::array<char, N>& field, const char* name) {
    EXPECT_NE(std::memchr(field.data(), 0, N), nullptr) << name;
}

void expectBoolByte(const bool& b) {
    unsigned char byte;
    std::memcpy(&byte, &b, 1);
    EXPECT_LE(byte, 1u);
}

void expectWellFormed(const TOptions& o) {
    expectTerminated(o.options_file, "options_file");
    expectTerminated(o.default_town, "default_town");
    expectTerminated(o.last_directory, "last_directory");
    for (const auto& entry : o.lastfiles)
        expectTerminated(entry, "lastfiles");
    expectTerminated(o.aximmetry_path, "aximmetry_path");
    expectTerminated(o.compound_path, "compound_path");
    expectTerminated(o.directions.filter, "directions.filter");
    EXPECT_GE(o.lastfile_count, 0);
    EXPECT_LE(o.lastfile_count, LastFileCount);
    expectBoolByte(o.autosave);
    for (const auto& row : o.sign_dignities)
        for (const auto& kind : row)
            for (const bool& b : kind)
                expectBoolByte(b);
    for (const bool& b : o.display.constsonchart)
        expectBoolByte(b);
    for (const bool& b : o.display.plans)
        expectBoolByte(b);
    expectBoolByte(o.display.speed);
    for (const auto& row : o.orbises)
        for (double v : row)
            EXPECT_TRUE(std::isfinite(v));
    for (double v : o.avgspeed)
        EXPECT_TRUE(std::isfinite(v));
    EXPECT_TRUE(std::isfinite(o.display.tablesize));
    EXPECT_TRUE(std::isfinite(o.angle_real));
}

class OptionsFuzzTest : public ::testing::Test, public ProgramFolderFixture {
protected:
    std::mt19937 rng{20240611};

    std::string randomBytes(std::size_t maxLength) {
        std::string s(rng() % maxLength, '\0');
        for (char& c : s)
            c = static_cast<char>(rng());
        return s;
    }
    // Pieces that parsers trip over, glued at random.
    std::string randomValue() {
        static const char* pieces[] = {"X", ".", ",", " ", "-", "99999999999999999999", "1e308", "nan", "0x",
                                       "FFFFFFFFFFFF", "yes", "=", "[", "]", "\t", "\"", ";", "*", "\xE9", "0"};
        std::string s;
        for (unsigned n = rng() % 40; n > 0; --n)
            s += pieces[rng() % (sizeof pieces / sizeof *pieces)];
        return s;
    }
};

TEST_F(OptionsFuzzTest, anyOptionsFileContent_loadsSafely) {
    const std::string valid = ShippedOptionsFileText();
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        std::string text;
        switch (round % 5) {
        case 0:  // random bytes after a valid identification
            text = "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n" + randomBytes(4000);
            break;
        case 1: {  // the shipped file with random values put in
            text = valid;
            for (int n = 0; n < 30; ++n) {
                const std::size_t at = text.find('=', rng() % text.size());
                if (at != std::string::npos && at > text.find("description=") + 60)
                    text.insert(at + 1, randomValue());
            }
            break;
        }
        case 2: {  // lists with thousands of items and duplicate keys
            text = "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n[orbises]\r\n";
            std::string items;
            for (int n = 0; n < 5000; ++n)
                items += std::to_string(static_cast<int>(rng())) + ", ";
            text += "con=" + items + "\r\ncon=1\r\n[display]\r\nconstsonchart=" + std::string(5000, 'X') +
                    "\r\n[directions]\r\nangle=" + items + "\r\nfilter=" + std::string(5000, 'f') + "\r\n";
            text += "[view3D]\r\naximmetry_path=" + std::string(5000, 'p') + "\r\n[symbols]\r\n=" + items + "\r\n";
            break;
        }
        case 3: {  // sections cut away at random
            text = valid.substr(0, valid.size() * (rng() % 100) / 100);
            break;
        }
        default:  // lines shuffled, so sections and keys come in any order and twice
            text = valid + valid.substr(rng() % valid.size());
            std::swap(text[rng() % text.size()], text[rng() % text.size()]);
            break;
        }
        const std::string path = dir.write("options/fuzz.zdo", text);
        TOptions o{};
        SetDefaultOptionsFile(o, folder());
        ReadOptions(o, folder(), strings, path);
        expectWellFormed(o);
    }
}

TEST_F(OptionsFuzzTest, anySettingsFileContent_loadsSafely) {
    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE(round);
        std::string text;
        if (round % 2 == 0) {
            text = randomBytes(3000);
        } else {
            text = "[config]\r\noptions=" + randomValue() + std::string(rng() % 600, 'o') + "\r\nwindow=" + randomValue() +
                   "\r\nautosave=" + randomValue() + "\r\ndefault_town=" + std::string(rng() % 100, 't') +
                   "\r\n[lastfiles]\r\n";
            for (int n = 0; n < 300; ++n)
                text += std::to_string(rng() % 8) + "=" + std::string(rng() % 200, 'e') + "\r\n";
        }
        dir.write("options/zodikeon.ini", text);
        TOptions o{};
        ReadSettings(o, folder());
        expectWellFormed(o);
        AddLastFile(o, std::string(2000, 'n'));
        RemoveLastFile(o, fixedText(o.lastfiles[2]));
        expectWellFormed(o);
        EXPECT_TRUE(WriteSettings(o, folder(), round % 3 == 0));
    }
}

TEST_F(OptionsFuzzTest, anyDignityFileContent_stopsAtAnErrorOrReadsToTheEnd) {
    const std::string valid = ShippedDignityFileText();
    for (int round = 0; round < 100; ++round) {
        SCOPED_TRACE(round);
        std::string text = valid;
        if (round % 2 == 0) {
            text = randomBytes(5000);
        } else {
            for (int n = 0; n < 5; ++n)
                text[rng() % text.size()] = static_cast<char>(rng());
        }
        TOptions o{};
        setFixedText(o.dignities_file, dir.write("data/zdkdigns.csv", text));
        const DignityFileResult r = readDignityFile(o, strings);
        if (!r.ok && r.line > 0) {
            EXPECT_FALSE(r.message.empty());
            EXPECT_GE(r.item, 1u);
            EXPECT_LE(r.item, 16u);
        }
        for (const auto& column : o.dignity_degree_table)
            for (const auto& cell : column)
                for (std::uint8_t slot : cell)
                    EXPECT_LE(slot & 0x3F, 12);
    }
}

}  // namespace
