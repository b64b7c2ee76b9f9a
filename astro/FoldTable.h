#pragma once
// Case- and accent-insensitive order of Windows-1250 texts, used to search and sort town and
// horoscope names: a-z become A-Z and accented letters their unaccented capitals.
#include <array>
#include <string>
#include <string_view>

extern const std::array<unsigned char, 256> FoldTable;

inline unsigned char foldByte(char c) {
    return FoldTable[static_cast<unsigned char>(c)];
}

// The folded copy of a text.
std::string foldText(std::string_view text);

// Byte-wise unsigned comparison of the folded texts: negative, zero or positive.
int compareFolded(std::string_view a, std::string_view b);
