#include "JoinPath.h"

#include <algorithm>

std::string JoinPath(std::string_view folder, std::string_view tail) {
    std::string out(folder);
    const std::size_t n = out.size();
    const bool colonAtEnd = n >= 1 && (out[n - 1] == ':' || (n >= 2 && out[n - 2] == ':'));
    if (n > 1 && !colonAtEnd)
        out += '/';
    out += tail;
    return out;
}

std::string nativeSeparators(std::string_view path) {
    std::string out(path);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}
