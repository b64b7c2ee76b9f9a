#include "TownRecords.h"

#include <algorithm>
#include <cstring>

namespace {

// The key repeats every 256 bytes.
constexpr std::array<unsigned char, 256> makeKey() {
    std::array<unsigned char, 256> key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<unsigned char>(25 + 17 * i);
    return key;
}
constexpr std::array<unsigned char, 256> kKey = makeKey();

}  // namespace

void scrambleBody(unsigned char* data, std::size_t size, std::size_t firstIndex) {
    for (std::size_t i = 0; i < size; ++i)
        data[i] ^= kKey[(firstIndex + i) & 0xFF];
}

void setPatternText(char* field, std::size_t size, std::string_view text) {
    if (size == 0)
        return;
    const std::size_t n = std::min(text.size(), size - 1);
    if (n > 0)
        std::memcpy(field, text.data(), n);
    field[n] = '\0';
    fillAfterText(field, size);
}

void fillAfterText(char* field, std::size_t size) {
    const auto* zero = static_cast<const char*>(std::memchr(field, 0, size));
    if (!zero)
        return;
    unsigned char value = static_cast<unsigned char>(field[0]);
    for (std::size_t i = static_cast<std::size_t>(zero - field) + 1; i < size; ++i) {
        field[i] = static_cast<char>(value);
        value = static_cast<unsigned char>(value + 13);
    }
}

std::string_view fieldText(const char* field, std::size_t size) {
    const auto* zero = static_cast<const char*>(std::memchr(field, 0, size));
    return std::string_view(field, zero ? static_cast<std::size_t>(zero - field) : size);
}
