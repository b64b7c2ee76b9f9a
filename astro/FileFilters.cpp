#include "FileFilters.h"

#include "StringIds.h"
#include "StringTable.h"

#include <algorithm>

FileFilter buildFileFilter(const StringTable& strings, int kindStringId, const char* extension) {
    std::string text;
    text += strings[StrId::FilterAllFiles];
    text += '\0';
    text += "*.*";
    text += '\0';
    text += strings[kindStringId];
    text += '\0';
    text += "*.";
    text += extension;
    text += '\0';
    FileFilter filter{};
    // The buffer always keeps its final pair of zero bytes, however long the texts are.
    const std::size_t n = std::min(text.size(), filter.size() - 2);
    std::copy_n(text.begin(), n, filter.begin());
    return filter;
}

std::vector<std::pair<std::string, std::string>> fileFilterPairs(const FileFilter& filter) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t i = 0;
    auto next = [&]() {
        std::string s;
        while (i < filter.size() && filter[i] != '\0')
            s += filter[i++];
        ++i;
        return s;
    };
    while (i < filter.size() && filter[i] != '\0') {
        std::string description = next();
        std::string pattern = next();
        pairs.emplace_back(std::move(description), std::move(pattern));
    }
    return pairs;
}
