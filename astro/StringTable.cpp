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
