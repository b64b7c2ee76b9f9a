#pragma once
// The boundary between the program's Windows-1250 texts and Qt's strings.
#include <QString>
#include <string>
#include <string_view>

// Windows-1250 bytes (up to an embedded NUL) as a QString.
QString fromCp1250(std::string_view text);

// A QString in Windows-1250: characters the code page cannot hold become their base
// letter where one exists (by canonical decomposition), otherwise '?'.
std::string toCp1250(const QString& text);

// toCp1250 into a fixed zero-terminated field of `size` bytes, cut to fit.
void toCp1250Field(const QString& text, char* field, std::size_t size);
