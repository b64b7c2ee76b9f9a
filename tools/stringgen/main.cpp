// Build-time generator: turns the UTF-8 string-table sources into a C++ source that holds
// the Windows-1250 texts of both languages. A malformed source line stops the build.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "StringSource.h"

namespace {

constexpr int kIdCount = 1040;

bool readSource(const std::string& path, std::map<int, std::string>& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    StringSourceError error;
    if (!parseStringSource(buffer.str(), path, kIdCount, out, error)) {
        std::cerr << error.message() << "\n";
        return false;
    }
    return true;
}

std::string literal(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += ch;
        } else {
            // Octal escapes never swallow a following digit beyond three, unlike hex escapes.
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

void writeTable(std::ostream& out, const char* name, const std::map<int, std::string>& table) {
    out << "const char* const " << name << "[" << kIdCount << "] = {\n";
    for (int id = 0; id < kIdCount; ++id) {
        const auto it = table.find(id);
        out << "    /* " << id << " */ " << (it == table.end() ? "nullptr" : literal(it->second)) << ",\n";
    }
    out << "};\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: zdk-stringgen EN.txt HU.txt OUT.cpp\n";
        return 2;
    }
    std::map<int, std::string> english, hungarian;
    if (!readSource(argv[1], english) || !readSource(argv[2], hungarian))
        return 1;
    for (const auto& [id, text] : english)
        if (!hungarian.count(id)) {
            std::cerr << argv[2] << ": id " << id << " has an English text but no Hungarian one\n";
            return 1;
        }
    for (const auto& [id, text] : hungarian)
        if (!english.count(id)) {
            std::cerr << argv[1] << ": id " << id << " has a Hungarian text but no English one\n";
            return 1;
        }
    std::ostringstream out;
    out << "// Generated from the string-table sources; do not edit.\n#include \"StringData.h\"\n\n";
    writeTable(out, "kStringsEnglish", english);
    writeTable(out, "kStringsHungarian", hungarian);
    const std::string tmp = std::string(argv[3]) + ".tmp";
    {
        std::ofstream file(tmp, std::ios::binary);
        file << out.str();
        if (!file.flush()) {
            std::cerr << tmp << ": cannot be written\n";
            return 1;
        }
    }
    return std::rename(tmp.c_str(), argv[3]) == 0 ? 0 : 1;
}
