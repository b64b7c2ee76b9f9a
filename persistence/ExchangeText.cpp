#include "ExchangeText.h"

#include <array>

#include "CodePage.h"

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page defines none.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Bytes that are a common letter in Windows-1250 and a rare one (or a sign) in Windows-1252:
// ő ű Ő Ű ř ě ů ł ą ę ś ć ź ż ľ ť Ł Ś Ż Ř.
constexpr std::string_view CentralVotes = "\xF5\xFB\xD5\xDB\xF8\xEC\xF9\xB3\xB9\xEA\x9C\xE6\x9F\xBF\xBE\x9D\xA3\x8C\xAF\xD8";
// Bytes that are a common letter in Windows-1252 and a rare one in Windows-1250:
// à è ñ ã å æ ø À È Ñ Å Æ Ø ì ò.
constexpr std::string_view WesternVotes = "\xE0\xE8\xF1\xE3\xE5\xE6\xF8\xC0\xC8\xD1\xC5\xC6\xD8\xEC\xF2";

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool isWellFormedUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        char32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            follow = 1;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            follow = 2;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            follow = 3;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(follow) >= bytes.size())
            return false;
        for (int k = 1; k <= follow; ++k) {
            const auto f = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((f & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (f & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((follow == 2 && c < 0x800) || (follow == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
            (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

TextEncoding guessEightBitEncoding(std::string_view bytes) {
    int central = 0, western = 0;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            continue;
        if (b <= 0x9F && Cp1252High[b - 0x80] == 0)
            return TextEncoding::Windows1250;
        if (CentralVotes.find(ch) != std::string_view::npos)
            ++central;
        if (WesternVotes.find(ch) != std::string_view::npos)
            ++western;
    }
    return western > central ? TextEncoding::Windows1252 : TextEncoding::Windows1250;
}

TextEncoding recordEncoding(std::string_view bytes, TextEncoding eightBit) {
    return isWellFormedUtf8(bytes) ? TextEncoding::Utf8 : eightBit;
}

std::string toCp1250(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1250:
        return std::string(bytes);
    case TextEncoding::Utf8:
        return utf8ToCp1250(bytes);
    case TextEncoding::Windows1252: {
        std::string utf8;
        utf8.reserve(bytes.size() + bytes.size() / 4);
        for (const char ch : bytes) {
            const auto b = static_cast<unsigned char>(ch);
            char32_t c = b;
            if (b >= 0x80 && b <= 0x9F)
                c = Cp1252High[b - 0x80] ? Cp1252High[b - 0x80] : U'?';
            appendUtf8(utf8, c);
        }
        return utf8ToCp1250(utf8);
    }
    }
    return std::string(bytes);
}
