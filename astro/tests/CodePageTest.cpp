#include <gtest/gtest.h>

#include "CodePage.h"

TEST(CodePage, EveryDefinedByteRoundTripsThroughUnicode) {
    for (int b = 1; b < 256; ++b) {
        const char32_t cp = decodeCp1250(static_cast<unsigned char>(b));
        if (cp == 0xFFFD)
            continue;  // the five bytes Windows-1250 leaves undefined
        EXPECT_EQ(encodeCp1250(cp), b) << "byte " << b;
    }
}

TEST(CodePage, ConvertsBetweenUtf8AndCp1250) {
    struct Row {
        const char* name;
        const char* utf8;
        const char* cp1250;
    } rows[] = {
        {"ascii", "Budapest", "Budapest"},
        {"hungarian double acute", "Árvíz Tűrő Ő", "\xC1rv\xEDz T\xFBr\xF5 \xD5"},
        {"czech and polish", "Łódź Žižkov", "\xA3\xF3\x64\x9F \x8Ei\x9Ekov"},
        {"base letter for letters outside the code page", "Ñandú Øresund", "Nand\xFA Oresund"},
        {"no base letter", "日本 €", "?? \x80"},
        {"malformed utf-8", "a\xFF" "b\xC3", "a?b?"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(utf8ToCp1250(row.utf8), row.cp1250);
    }
    EXPECT_EQ(cp1250ToUtf8("\xC1rv\xEDz T\xFBr\xF5"), "Árvíz Tűrő");
}

TEST(CodePage, Cp1250ToUtf8StopsAtNulLikeARecordField) {
    EXPECT_EQ(cp1250ToUtf8(std::string_view("ab\0cd", 5)), "ab");
}

TEST(CodePage, StrictConversionReportsTheFirstFault) {
    std::string out;
    std::size_t fault = 99;
    EXPECT_TRUE(utf8ToCp1250Strict("Szűz", out, fault));
    EXPECT_EQ(out, "Sz\xFBz");
    EXPECT_FALSE(utf8ToCp1250Strict("ab♈c", out, fault));
    EXPECT_EQ(fault, 2u);
    EXPECT_FALSE(utf8ToCp1250Strict("ab\xE2\x99", out, fault));  // truncated sequence
    EXPECT_EQ(fault, 2u);
}
