#pragma once
// The texts of chart exchange files (AAF, CSV) come from other programs in UTF-8 or in an
// 8-bit Windows code page: Windows-1250 (Central Europe) or Windows-1252 (Western Europe).
// A record whose bytes are well-formed UTF-8 is read as UTF-8; the other records of a file are
// read in the one 8-bit code page the whole file's bytes point to (see guessEightBitEncoding).
// Everything is turned into Windows-1250, the code page of the chart records.
#include <string>
#include <string_view>

enum class TextEncoding { Utf8, Windows1250, Windows1252 };

// Whether `bytes` is well-formed UTF-8 (plain ASCII is).
bool isWellFormedUtf8(std::string_view bytes);

// The 8-bit code page of a file's bytes. The two code pages agree on ASCII and on the letters
// of German, Hungarian á é í ó ö ú ü and many more; where a byte is a letter in one and a rare
// sign or letter in the other (0xF5 ő or õ, 0xE8 č or è), each byte votes for the code page in
// which it is the more common letter, and the majority wins. A byte that Windows-1252 leaves
// undefined settles it for Windows-1250; a tie, or no such bytes, is Windows-1250.
TextEncoding guessEightBitEncoding(std::string_view bytes);

// The encoding of one record: UTF-8 when its bytes are well-formed UTF-8, else `eightBit`.
TextEncoding recordEncoding(std::string_view bytes, TextEncoding eightBit);

// `bytes` in `encoding` as Windows-1250; letters the code page lacks become their base letter
// (ñ → n), other characters "?".
std::string toCp1250(std::string_view bytes, TextEncoding encoding);
