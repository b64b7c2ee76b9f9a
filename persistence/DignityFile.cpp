#include "DignityFile.h"

#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "DignityDegreeTable.h"
#include "FixedText.h"
#include "ProfileValues.h"
#include "StringIds.h"
#include "WholeFile.h"

namespace {

constexpr int ReasonNumber = 821;
constexpr int ReasonDegree = 822;
constexpr int ReasonKeyword = 823;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// A field that is a decimal integer and nothing else (leading blanks and a sign allowed).
bool wholeNumber(std::string_view field, long long& value) {
    std::size_t used = 0;
    value = parseLeadingInt(field, &used);
    return used > 0 && used == field.size();
}

// Fills "%u" and "%s" (and "%%") of a message template in order with `args`.
std::string fillTemplate(std::string_view format, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char conversion = format[i + 1];
            if (conversion == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (conversion == 'u' || conversion == 's' || conversion == 'd') {
                if (next != args.end())
                    out += *next++;
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

class Reader {
public:
    Reader(TOptions& o, const StringTable& strings) : m_o(o), m_strings(strings) {}

    DignityFileResult read() {
        const std::string path(fixedText(m_o.dignities_file));
        WholeFile file = readWholeFile(path, DignityFileLimit);
        if (!file.ok()) {
            m_result.message = wholeFileMessage(m_strings, file.status, path, DignityFileLimit);
            return m_result;
        }
        const std::string bytes = std::move(file.bytes);

        unsigned number = 0;
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            std::size_t end = bytes.find('\n', pos);
            if (end == std::string::npos)
                end = bytes.size();
            std::string_view line(bytes.data() + pos, end - pos);
            pos = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            ++number;
            if (number == 1)
                continue;  // heading
            if (number == 2) {
                if (!readParameters(line))
                    return m_result;
                continue;
            }
            if (line.empty())
                continue;  // a blank line carries no degree
            if (!readDegree(line, number))
                return m_result;
        }
        m_result.ok = number >= 2;
        return m_result;
    }

private:
    bool fail(unsigned line, unsigned item, std::string_view text, int reason) {
        m_result.line = line;
        m_result.item = item;
        m_result.text = std::string(text);
        m_result.reasonId = reason;
        m_result.message = fillTemplate(m_strings[StrId::DignityFileError], {std::to_string(line), std::to_string(item), m_result.text,
                                                         std::string(m_strings[reason])});
        return false;
    }

    bool readParameters(std::string_view line) {
        const auto fields = split(line, ';');
        for (std::size_t i = 1; i < fields.size() && i <= DignityColumnCount; ++i) {
            long long value = 0;
            if (!wholeNumber(fields[i], value))
                return fail(2, static_cast<unsigned>(i + 1), fields[i], ReasonNumber);
            m_o.dignity_column_params[i - 1] = static_cast<std::uint8_t>(static_cast<unsigned long long>(value) & 0xFF);
        }
        return true;
    }

    bool readDegree(std::string_view line, unsigned number) {
        const auto fields = split(line, ';');
        long long degree = 0;
        if (!wholeNumber(fields[0], degree))
            return fail(number, 1, fields[0], ReasonNumber);
        if (degree < 0 || degree >= 360)
            return fail(number, 1, fields[0], ReasonDegree);
        for (std::size_t i = 1; i < fields.size() && i <= DignityColumnCount; ++i) {
            const int column = static_cast<int>(i) - 1;
            auto& cell = m_o.dignity_degree_table[column][static_cast<std::size_t>(degree)];
            cell.fill(0);  // the field gives the whole cell
            const auto keywords = split(fields[i], ',');
            for (std::size_t k = 0; k < keywords.size() && k < DignitySlotCount; ++k) {
                std::string_view keyword = keywords[k];
                std::uint8_t star = 0;
                if (!keyword.empty() && keyword.back() == '*') {
                    keyword.remove_suffix(1);
                    star = DignityStarBit;
                }
                const int index = findDignityKeyword(column, keyword);
                if (index < 0)
                    return fail(number, static_cast<unsigned>(i + 1), keywords[k], ReasonKeyword);
                cell[k] = static_cast<std::uint8_t>(index | star);
            }
        }
        return true;
    }

    TOptions& m_o;
    const StringTable& m_strings;
    DignityFileResult m_result;
};

}  // namespace

DignityFileResult readDignityFile(TOptions& options, const StringTable& strings) {
    return Reader(options, strings).read();
}
