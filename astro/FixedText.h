#pragma once
// Zero-terminated texts in fixed-size record fields: reading never runs past the field,
// writing always leaves room for the terminating zero.
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

template <std::size_t N>
std::string_view textOf(const std::array<char, N>& field) {
    const void* zero = std::memchr(field.data(), 0, N);
    return {field.data(), zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field.data()) : N};
}

// Copies `text` up to its first NUL, cut to N - 1 characters, and fills the rest with zeros.
template <std::size_t N>
void setText(std::array<char, N>& field, std::string_view text) {
    static_assert(N > 0);
    text = text.substr(0, text.find('\0'));
    const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    field.fill(0);
    std::memcpy(field.data(), text.data(), n);
}
