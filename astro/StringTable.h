#pragma once
// Texts by id in the current interface language, in the program's code page (Windows-1250).
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum LanguageId : std::uint16_t {
    LanguageEnglish = 1033,
    LanguageHungarian = 1038,
};

class StringTable {
public:
    static constexpr int Size = 2000;

    // The text of `id`; the shared empty text for a missing or out-of-range id.
    const char* operator[](int id) const;
    std::string str(int id) const { return (*this)[id]; }

    // Selects the texts of a language; any id other than Hungarian means English.
    void load(std::uint16_t languageId);
    // Replaces the text of one id (an out-of-range id is ignored); the table keeps the pointer,
    // so the text must outlive it.
    void set(int id, const char* text);

private:
    std::array<const char*, Size> m_texts{};
};

// The texts built into the program, per language; nullptr where an id has no text.
const char* builtInString(std::uint16_t languageId, int id);

// A text with its placeholders "%1" .. "%9" filled from `values` in one pass: a value that itself
// holds "%2" stays as it is, and a placeholder the text leaves out (a translation may) or one
// without a value is simply not filled.
std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values);
