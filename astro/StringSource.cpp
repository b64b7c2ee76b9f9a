#include "StringSource.h"

#include "CodePage.h"

std::string StringSourceError::message() const {
    return file + ":" + std::to_string(line) + ": " + reason;
}

namespace {

bool unescape(std::string_view text, std::string& out, std::string& reason) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size()) {
            reason = "backslash at the end of the line";
            return false;
        }
        switch (text[++i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case '0': out += '\0'; break;
        default:
            reason = std::string("unknown escape \\") + text[i];
            return false;
        }
    }
    return true;
}

}  // namespace

bool parseStringSource(std::string_view source, const std::string& fileName, int idCount,
                       std::map<int, std::string>& out, StringSourceError& error) {
    error = {fileName, 0, {}};
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < source.size()) {
        std::size_t end = source.find('\n', pos);
        if (end == std::string_view::npos)
            end = source.size();
        std::string_view line = source.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        error.line = lineNo;
        if (!line.empty() && line.back() == '\r') {
            error.reason = "carriage return at the end of the line (the sources use LF line ends)";
            return false;
        }
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            error.reason = "no TAB between the id and the text";
            return false;
        }
        const std::string_view idText = line.substr(0, tab);
        if (idText.empty() || idText.size() > 4 || (idText.size() > 1 && idText[0] == '0')) {
            error.reason = "malformed id '" + std::string(idText) + "'";
            return false;
        }
        int id = 0;
        for (const char c : idText) {
            if (c < '0' || c > '9') {
                error.reason = "malformed id '" + std::string(idText) + "'";
                return false;
            }
            id = id * 10 + (c - '0');
        }
        if (id >= idCount) {
            error.reason = "id " + std::to_string(id) + " out of range 0.." + std::to_string(idCount - 1);
            return false;
        }
        if (out.count(id)) {
            error.reason = "id " + std::to_string(id) + " given twice";
            return false;
        }
        std::string utf8;
        if (!unescape(line.substr(tab + 1), utf8, error.reason))
            return false;
        std::string text;
        std::size_t fault = 0;
        if (!utf8ToCp1250Strict(utf8, text, fault)) {
            error.reason = "text not representable in Windows-1250 at byte " + std::to_string(fault);
            return false;
        }
        out.emplace(id, std::move(text));
    }
    return true;
}
