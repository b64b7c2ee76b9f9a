#pragma once
// Parser of the string-table sources: UTF-8 text, one string a line as "<id><TAB><text>",
// with the escapes \\ \n \r \t \0; empty lines and lines starting with '#' are comments.
// A malformed line is an error naming the file and the line: strings are never dropped.
#include <map>
#include <string>
#include <string_view>

struct StringSourceError {
    std::string file;
    int line = 0;
    std::string reason;
    std::string message() const;  // "file:line: reason"
};

// Fills `out` with id → Windows-1250 text. Returns false and fills `error` on the first fault.
bool parseStringSource(std::string_view source, const std::string& fileName, int idCount,
                       std::map<int, std::string>& out, StringSourceError& error);
