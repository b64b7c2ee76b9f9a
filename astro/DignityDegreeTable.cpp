#include "DignityDegreeTable.h"
#include "AsciiCase.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 13> BodyKeywords = {
    "x", "sol", "lun", "mer", "ven", "mar", "jup", "sat", "ura", "nep", "plu", "dct", "dcd"};
constexpr std::array<std::string_view, 4> LightKeywords = {"empty", "light", "gray", "dark"};
constexpr std::array<std::string_view, 3> SexKeywords = {"", "male", "female"};
constexpr std::array<std::string_view, 4> ExtraKeywords = {"x", "f", "d", "p"};


}  // namespace

std::span<const std::string_view> dignityKeywords(int column) {
    switch (column) {
    case ColumnLight: return LightKeywords;
    case ColumnSex: return SexKeywords;
    case ColumnExtra: return ExtraKeywords;
    default: return (column >= 0 && column < DignityColumnCount) ? std::span<const std::string_view>(BodyKeywords)
                                                                 : std::span<const std::string_view>();
    }
}

int findDignityKeyword(int column, std::string_view keyword) {
    const auto list = dignityKeywords(column);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (equalsIgnoringAsciiCase(list[i], keyword))
            return static_cast<int>(i);
    return -1;
}

void RebuildDignityDegreeTable(TOptions& o) {
    struct Derived {
        int column;
        int kind;
        int signShift;  // 6: the body's dignity lies in the opposite sign
    };
    static constexpr std::array<Derived, 5> derived = {{
        {ColumnDomicile, DignityOwn, 0},
        {ColumnDetriment, DignityOwn, 6},
        {ColumnExaltation, DignityExalt, 0},
        {ColumnFall, DignityExalt, 6},
        {ColumnTriplicity, DignityTrip, 0},
    }};
    for (const Derived& d : derived) {
        auto& column = o.dignity_degree_table[d.column];
        for (auto& cell : column)
            cell.fill(0);
        for (int body = 0; body < DignityBodyCount; ++body) {
            for (int sign = 0; sign < SignCount; ++sign) {
                if (!o.sign_dignities[body][d.kind][(sign + d.signShift) % SignCount])
                    continue;
                for (int degree = sign * 30; degree < sign * 30 + 30; ++degree) {
                    for (auto& slot : column[degree]) {
                        if (slot == 0) {
                            slot = static_cast<std::uint8_t>(body + 1);
                            break;
                        }
                    }
                }
            }
        }
    }
}
