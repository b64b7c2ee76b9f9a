// Build-time generator: turns the UTF-8 string-table sources into a C++ source that holds
// the Windows-1250 texts of both languages, and optionally a header that names every id of
// the English table (namespace StrId). A malformed source line stops the build.
//
// Names: each English text gives its id a name of its first words, each capitalised, with
// format items (%s, %u) and other punctuation dropped ("Delete town\n%s?" -> DeleteTown).
// A comment line "#name=Name" right before an entry names that entry explicitly; a comment
// line "#prefix=Word" puts Word in front of the derived names of the entries that follow it
// up to the next empty line. Two ids with one name, or a name that is not an identifier,
// stop the build: the names are used in code and must stay stable.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "StringSource.h"

namespace {

constexpr int kIdCount = 2000;

constexpr std::size_t kNameWords = 4;

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    out = buffer.str();
    return true;
}

bool readSource(const std::string& path, std::map<int, std::string>& out, std::string* text = nullptr) {
    std::string source;
    if (!readFile(path, source))
        return false;
    StringSourceError error;
    if (!parseStringSource(source, path, kIdCount, out, error)) {
        std::cerr << error.message() << "\n";
        return false;
    }
    if (text)
        *text = std::move(source);
    return true;
}

bool isIdentifier(const std::string& name) {
    static const std::set<std::string> keywords = {
        "and", "auto", "bool", "break", "case", "char", "class", "const", "default", "delete", "do",
        "double", "else", "enum", "false", "float", "for", "if", "int", "long", "new", "not", "or",
        "return", "short", "signed", "static", "struct", "switch", "this", "true", "union", "void"};
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_'))
        return false;
    for (const char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return !keywords.count(name);
}

// The first words of a source text (still escaped), each capitalised; escapes, format items
// and characters outside ASCII letters and digits separate words.
std::string derivedName(const std::string& escaped) {
    std::vector<std::string> words;
    std::string word;
    const auto flush = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const auto c = static_cast<unsigned char>(escaped[i]);
        if ((c == '\\' || c == '%') && i + 1 < escaped.size()) {
            flush();
            ++i;  // the escape letter or the format letter belongs to no word
        } else if (std::isalnum(c) && c < 0x80) {
            word += static_cast<char>(word.empty() ? std::toupper(c) : c);
        } else {
            flush();
        }
    }
    flush();
    std::string name;
    for (std::size_t i = 0; i < words.size() && i < kNameWords; ++i)
        name += words[i];
    return name;
}

struct IdName {
    int id;
    std::string name;
    std::string escaped;  // the source text, for the comment
    int line;
};

// Names every entry of the English source; false with a message naming the line on a fault.
bool nameIds(const std::string& source, const std::string& path, std::vector<IdName>& out) {
    std::string pendingName, prefix;
    std::map<std::string, int> taken;  // name -> line
    std::istringstream in(source);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty()) {
            prefix.clear();
            continue;
        }
        if (line.rfind("#name=", 0) == 0) {
            pendingName = line.substr(6);
            continue;
        }
        if (line.rfind("#prefix=", 0) == 0) {
            prefix = line.substr(8);
            continue;
        }
        if (line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');  // the parser has checked the line already
        IdName entry{std::stoi(line.substr(0, tab)), {}, line.substr(tab + 1), lineNo};
        entry.name = pendingName.empty() ? prefix + derivedName(entry.escaped) : pendingName;
        pendingName.clear();
        if (!isIdentifier(entry.name)) {
            std::cerr << path << ":" << lineNo << ": '" << entry.name
                      << "' is not a usable name; put a #name= line before the entry\n";
            return false;
        }
        const auto [it, fresh] = taken.emplace(entry.name, lineNo);
        if (!fresh) {
            std::cerr << path << ":" << lineNo << ": the name " << entry.name << " is also the name of line "
                      << it->second << "; put a #name= line before one of them\n";
            return false;
        }
        out.push_back(std::move(entry));
    }
    if (!pendingName.empty()) {
        std::cerr << path << ": #name=" << pendingName << " names no entry\n";
        return false;
    }
    return true;
}

std::string idHeader(const std::vector<IdName>& names) {
    std::ostringstream out;
    out << "#pragma once\n// Generated from the English string-table source; do not edit.\n"
           "// Names of the string-table ids.\n\nnamespace StrId {\n\n";
    for (const IdName& n : names) {
        std::string shown = n.escaped.size() > 60 ? n.escaped.substr(0, 57) + "..." : n.escaped;
        out << "inline constexpr int " << n.name << " = " << n.id << ";  // \"" << shown << "\"\n";
    }
    out << "\n}  // namespace StrId\n";
    return out.str();
}

// Replaces `path` only when its content changes, so an edited text does not rebuild every
// user of the names.
bool writeIfChanged(const std::string& path, const std::string& content) {
    std::string old;
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::stringstream buffer;
            buffer << in.rdbuf();
            old = buffer.str();
            if (old == content)
                return true;
        }
    }
    const std::string tmp = path + ".tmp";
    {
        std::ofstream file(tmp, std::ios::binary);
        file << content;
        if (!file.flush()) {
            std::cerr << tmp << ": cannot be written\n";
            return false;
        }
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
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
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: zdk-stringgen EN.txt HU.txt OUT.cpp [IDS.h]\n";
        return 2;
    }
    std::map<int, std::string> english, hungarian;
    std::string englishSource;
    if (!readSource(argv[1], english, &englishSource) || !readSource(argv[2], hungarian))
        return 1;
    std::vector<IdName> names;
    if (!nameIds(englishSource, argv[1], names))
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
    if (argc == 5 && !writeIfChanged(argv[4], idHeader(names)))
        return 1;
    return writeIfChanged(argv[3], out.str()) ? 0 : 1;
}
