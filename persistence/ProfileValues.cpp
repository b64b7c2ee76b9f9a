#include "ProfileValues.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

template <class T, class F>
std::string joinItems(std::span<const T> items, F format) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out += ", ";
        out += format(items[i]);
    }
    return out;
}

}  // namespace

std::vector<std::string_view> splitListItems(std::string_view value) {
    std::vector<std::string_view> items;
    std::size_t i = 0;
    while (i < value.size()) {
        while (i < value.size() && (value[i] == ',' || value[i] == ' '))
            ++i;
        const std::size_t start = i;
        while (i < value.size() && value[i] != ',' && value[i] != ' ')
            ++i;
        if (i > start)
            items.push_back(value.substr(start, i - start));
    }
    return items;
}

long long parseLeadingInt(std::string_view text, std::size_t* used) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    unsigned long long magnitude = 0;
    constexpr unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        const unsigned digit = static_cast<unsigned>(text[i++] - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit + 1 : magnitude * 10 + digit;
    }
    if (i == digitsStart) {
        if (used)
            *used = 0;
        return 0;
    }
    if (used)
        *used = i;
    if (negative)
        return magnitude > limit ? std::numeric_limits<long long>::min() : -static_cast<long long>(magnitude);
    return magnitude > limit ? std::numeric_limits<long long>::max() : static_cast<long long>(magnitude);
}

std::uint32_t parseLeadingHex(std::string_view text) {
    std::size_t i = skipBlanks(text);
    if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') && hexDigit(text[i + 2]) >= 0)
        i += 2;
    unsigned long long value = 0;
    for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
        value = value * 16 + static_cast<unsigned>(hexDigit(text[i]));
        if (value > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return static_cast<std::uint32_t>(value);
}

double parseLeadingReal(std::string_view text, std::size_t* used) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only plain decimal notation: "inf", "nan" and hexadecimal forms are not numbers here.
    if (i >= text.size() || !((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) {
        if (used)
            *used = 0;
        return 0;
    }
    double value = 0;
    const char* first = text.data() + i;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) {
        if (used)
            *used = ec == std::errc::invalid_argument ? 0 : static_cast<std::size_t>(end - text.data());
        return 0;
    }
    if (used)
        *used = static_cast<std::size_t>(end - text.data());
    return negative ? -value : value;
}

std::string formatReal(double value, int width, int precision) {
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string formatColor(ColorRef color) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 28; shift >= 0; shift -= 4) {
        const unsigned d = (color >> shift) & 0xF;
        if (!text.empty() || d != 0 || shift < 24)
            text += digits[d];
    }
    return text;
}

std::string formatNumbers(std::span<const std::uint8_t> bytes) {
    return joinItems(bytes, [](std::uint8_t b) { return std::to_string(static_cast<int>(static_cast<std::int8_t>(b))); });
}

std::string formatMarks(std::span<const bool> flags) {
    std::string out;
    for (bool f : flags)
        out += f ? 'X' : '.';
    return out;
}

std::string formatReals(std::span<const double> values, int width, int precision) {
    return joinItems(values, [&](double v) { return formatReal(v, width, precision); });
}

std::string formatColors(std::span<const ColorRef> colors) { return joinItems(colors, formatColor); }

void readNumbers(std::string_view value, std::span<std::uint8_t> bytes) {
    const auto items = splitListItems(value);
    for (std::size_t i = 0; i < items.size() && i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(static_cast<unsigned long long>(parseLeadingInt(items[i])) & 0xFF);
}

std::size_t readMarks(std::string_view value, std::span<bool> flags) {
    const std::size_t n = value.size() < flags.size() ? value.size() : flags.size();
    for (std::size_t i = 0; i < n; ++i)
        flags[i] = value[i] == 'X';
    return n;
}

void readReals(std::string_view value, std::span<double> values) {
    const auto items = splitListItems(value);
    for (std::size_t i = 0; i < items.size() && i < values.size(); ++i)
        values[i] = parseLeadingReal(items[i]);
}

void readColors(std::string_view value, std::span<ColorRef> colors) {
    const auto items = splitListItems(value);
    for (std::size_t i = 0; i < items.size() && i < colors.size(); ++i)
        colors[i] = parseLeadingHex(items[i]);
}
