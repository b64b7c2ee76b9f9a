#include "CodePage.h"

#include <array>
#include <cstdint>

namespace {

// Bytes 0x80..0xFF of Windows-1250; 0xFFFD marks the five undefined bytes.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// Base letters of U+00C0..U+017F (Latin-1 Supplement letters and Latin Extended-A);
// '\0' where the character is no letter with a diacritic.
constexpr std::string_view kBase00C0 = std::string_view(
    "AAAAAAACEEEEIIII"  // C0..CF (Æ → A)
    "DNOOOOO\0OUUUUY\0s"  // D0..DF (× and Þ have none, ß → s)
    "aaaaaaaceeeeiiii"  // E0..EF
    "dnooooo\0ouuuuy\0y"  // F0..FF
    "AaAaAaCcCcCcCcDd"  // 100..10F
    "DdEeEeEeEeEeGgGg"  // 110..11F
    "GgGgHhHhIiIiIiIi"  // 120..12F
    "IiIiJjKkkLlLlLlL"  // 130..13F
    "lLlNnNnNnnNnOoOo"  // 140..14F
    "OoOoRrRrRrSsSsSs"  // 150..15F
    "SsTtTtTtUuUuUuUu"  // 160..16F
    "UuUuWwYyYZzZzZzs", // 170..17F
    192);

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns false for a malformed one.
bool nextCodePoint(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1; cp = b0 & 0x1F; min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2; cp = b0 & 0x0F; min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3; cp = b0 & 0x07; min = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + extra >= text.size()) {
        i = text.size();
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            i += k;
            return false;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

}  // namespace

char32_t decodeCp1250(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : char32_t(kHigh[byte - 0x80]);
}

int encodeCp1250(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    if (cp == 0xFFFD)
        return -1;
    for (std::size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp)
            return static_cast<int>(0x80 + k);
    return -1;
}

char32_t latinBaseLetter(char32_t cp) {
    if (cp >= 0xC0 && cp < 0xC0 + kBase00C0.size()) {
        const char c = kBase00C0[cp - 0xC0];
        return c == '\0' ? 0 : char32_t(c);
    }
    return 0;
}

std::string cp1250ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\0')
            break;
        appendUtf8(out, decodeCp1250(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string utf8ToCp1250(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t cp = 0;
        if (!nextCodePoint(text, i, cp)) {
            out += '?';
            continue;
        }
        int byte = encodeCp1250(cp);
        if (byte < 0) {
            const char32_t base = latinBaseLetter(cp);
            byte = base ? static_cast<int>(base) : '?';
        }
        out += static_cast<char>(byte);
    }
    return out;
}

bool utf8ToCp1250Strict(std::string_view text, std::string& out, std::size_t& faultOffset) {
    out.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        char32_t cp = 0;
        const int byte = nextCodePoint(text, i, cp) ? encodeCp1250(cp) : -1;
        if (byte < 0) {
            faultOffset = start;
            return false;
        }
        out += static_cast<char>(byte);
    }
    return true;
}
