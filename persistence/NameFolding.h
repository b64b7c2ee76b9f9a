#pragma once
// Case- and accent-insensitive folding of Windows-1250 names, for sorting and searching:
// letters become capitals without their accents (á and Á become A, ő and Ő become O).
// Folded names are compared byte-wise, unsigned.
#include <array>
#include <string>
#include <string_view>

extern const std::array<unsigned char, 256> FoldTable;

// `text` up to its first zero byte, every byte through FoldTable.
std::string foldName(std::string_view text);
