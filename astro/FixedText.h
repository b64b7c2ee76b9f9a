#pragma once
// Fixed-width text fields of the stored records: zero-terminated inside the field unless the
// text fills it. Texts are Windows-1250 bytes.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

// The text of a field: up to its first zero byte, or the whole field when it holds none.
template <std::size_t N>
std::string_view fixedText(const std::array<char, N>& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

// Stores at most `maxLength` bytes of `text` (by default leaving room for the terminating
// zero) and fills the rest of the field with zeros, so no stale bytes reach a file.
template <std::size_t N>
void setFixedText(std::array<char, N>& field, std::string_view text, std::size_t maxLength = N - 1) {
    const std::size_t n = std::min({text.size(), maxLength, N});
    std::copy_n(text.data(), n, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), '\0');
}

// Makes a field read from outside end in a zero byte, so nothing reads past it.
template <std::size_t N>
void terminateFixedText(std::array<char, N>& field) {
    field[N - 1] = '\0';
}
