#pragma once
// Letter-case-insensitive equality for ASCII names (profile keys, data-file keywords); bytes
// from 0x80 up compare as they are, as the Windows profile functions do for them.
#include <string_view>

inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}
