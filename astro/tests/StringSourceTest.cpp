#include <gtest/gtest.h>

#include "StringSource.h"

TEST(StringSource, ParsesIdsTextsAndEscapes) {
    std::map<int, std::string> table;
    StringSourceError error;
    ASSERT_TRUE(parseStringSource("# heading\n\n0\tzero\n331\tA\\r\\n\n7\tx\\ty\\\\z\\0w\n8\tH\xC5\xB1s\n",
                                  "en.txt", 1040, table, error))
        << error.message();
    EXPECT_EQ(table.at(0), "zero");
    EXPECT_EQ(table.at(331), "A\r\n");
    EXPECT_EQ(table.at(7), std::string("x\ty\\z\0w", 7));
    EXPECT_EQ(table.at(8), "H\xFBs");
    EXPECT_EQ(table.size(), 4u);
}

TEST(StringSource, MalformedLinesNameFileAndLine) {
    struct Row {
        const char* name;
        const char* source;
        int line;
        const char* reason;
    } rows[] = {
        {"no tab", "1\tok\n2 missing tab\n", 2, "no TAB"},
        {"letters in id", "1a\tx\n", 1, "malformed id"},
        {"leading zero", "01\tx\n", 1, "malformed id"},
        {"id too large", "1040\tx\n", 1, "out of range"},
        {"duplicate", "5\tx\n5\ty\n", 2, "given twice"},
        {"bad escape", "5\ta\\qb\n", 1, "unknown escape"},
        {"dangling backslash", "5\tab\\\n", 1, "backslash at the end"},
        {"outside code page", "5\t\xE2\x99\x88\n", 1, "Windows-1250"},
        {"crlf line end", "5\tx\r\n", 1, "carriage return"},
        {"empty id", "\tx\n", 1, "malformed id"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::map<int, std::string> table;
        StringSourceError error;
        EXPECT_FALSE(parseStringSource(row.source, "hu.txt", 1040, table, error));
        EXPECT_EQ(error.line, row.line);
        EXPECT_NE(error.message().find("hu.txt:" + std::to_string(row.line) + ": "), std::string::npos);
        EXPECT_NE(error.reason.find(row.reason), std::string::npos) << error.reason;
    }
}
