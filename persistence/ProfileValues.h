#pragma once
// The value encodings of the options and settings files. Parsing is independent of the
// C locale and never fails: a malformed number reads as 0 (conversion stops at the first
// character that does not belong), a number too large for its type saturates, and a real
// that is not finite reads as 0, so nothing read from a file can make later arithmetic
// undefined.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Options.h"

// Items of a list value: split on commas and spaces; runs of separators count as one.
std::vector<std::string_view> splitListItems(std::string_view value);

// A decimal integer at the start of `text` (after blanks, with an optional sign); 0 when
// there is none. `used` receives the number of characters consumed (0 when none).
long long parseLeadingInt(std::string_view text, std::size_t* used = nullptr);
// A hexadecimal number at the start of `text` (optional "0x"), saturated to 32 bits.
std::uint32_t parseLeadingHex(std::string_view text);
// A real number at the start of `text`; 0 when there is none or it is not finite.
double parseLeadingReal(std::string_view text, std::size_t* used = nullptr);

// "%*.*lf" without the locale's decimal comma.
std::string formatReal(double value, int width, int precision);
// "%06lX".
std::string formatColor(ColorRef color);

// Lists as written: items joined with ", ".
std::string formatNumbers(std::span<const std::uint8_t> bytes);
std::string formatMarks(std::span<const bool> flags);
std::string formatReals(std::span<const double> values, int width, int precision);
std::string formatColors(std::span<const ColorRef> colors);

// Lists as read: items beyond the field are ignored, missing items keep what the field holds.
void readNumbers(std::string_view value, std::span<std::uint8_t> bytes);
// Returns the number of characters applied.
std::size_t readMarks(std::string_view value, std::span<bool> flags);
void readReals(std::string_view value, std::span<double> values);
void readColors(std::string_view value, std::span<ColorRef> colors);
