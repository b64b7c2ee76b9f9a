#include "StringTable.h"

#include "StringData.h"

namespace {
const char kEmpty[] = "";
}

const char* StringTable::operator[](int id) const {
    if (id < 0 || id >= Size || m_texts[id] == nullptr)
        return kEmpty;
    return m_texts[id];
}

const char* builtInString(std::uint16_t languageId, int id) {
    if (id < 0 || id >= StringTable::Size)
        return nullptr;
    return languageId == LanguageHungarian ? kStringsHungarian[id] : kStringsEnglish[id];
}

void StringTable::set(int id, const char* text) {
    if (id >= 0 && id < Size)
        m_texts[id] = text ? text : kEmpty;
}

void StringTable::load(std::uint16_t languageId) {
    for (int id = 0; id < Size; ++id) {
        const char* text = builtInString(languageId, id);
        m_texts[id] = text ? text : kEmpty;
    }
}

std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = std::size_t(text[i + 1] - '1');
            if (n < values.size()) {
                out += values.begin()[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
