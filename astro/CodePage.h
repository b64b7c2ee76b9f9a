#pragma once
// Every 8-bit text of records, files and the string tables is Windows-1250, in both
// languages. These conversions are the only place that knows the code page.
#include <cstddef>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1250 byte; undefined bytes map to U+FFFD.
char32_t decodeCp1250(unsigned char byte);

// The Windows-1250 byte of a code point, or -1 when the code page cannot hold it.
int encodeCp1250(char32_t codePoint);

// Windows-1250 bytes to UTF-8; an embedded NUL ends the text as it would in a record.
std::string cp1250ToUtf8(std::string_view text);

// UTF-8 to Windows-1250. Code points the code page cannot hold become their base letter
// where Latin has one (ñ → n, ø → o, ł → l), otherwise '?'.
// Malformed UTF-8 sequences become '?'.
std::string utf8ToCp1250(std::string_view text);

// Strict variant for our own resources: false, with the byte offset of the first fault,
// when the text is malformed UTF-8 or holds a code point the code page cannot hold.
bool utf8ToCp1250Strict(std::string_view text, std::string& out, std::size_t& faultOffset);

// Base letter of a Latin letter with diacritics (é → e, Ł → L), or 0 when there is none.
char32_t latinBaseLetter(char32_t codePoint);
