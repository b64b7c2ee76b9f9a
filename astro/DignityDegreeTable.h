#pragma once
// The degree-by-degree dignity table: the keywords of its columns, and the five columns
// that are derived from the sign dignities.
#include <span>
#include <string_view>

#include "Options.h"

constexpr std::uint8_t DignityStarBit = 0x40;  // the keyword was marked with "*"
constexpr std::uint8_t DignityKeywordMask = 0x3F;

// Column indices of the table (0-based).
enum DignityColumn : int {
    ColumnDomicile, ColumnDetriment, ColumnExaltation, ColumnFall, ColumnTriplicity,
    ColumnTripDay, ColumnTripNight, ColumnTripParticipating, ColumnTermEgyptian, ColumnTermLilly,
    ColumnFace, ColumnDecan, ColumnLight, ColumnSex, ColumnExtra,
};

// The keywords of a column, index 0 first. Body columns: "x" (none), "sol" .. "plu", "dct"
// and "dcd" (ascending and descending node), so a body's keyword index is its dignity body
// number + 1.
std::span<const std::string_view> dignityKeywords(int column);

// Index of `keyword` in the list of `column`, ignoring letter case; -1 when it is not there.
int findDignityKeyword(int column, std::string_view keyword);

// Rebuilds columns 0..4 (domicile, detriment, exaltation, fall, triplicity) from
// `sign_dignities`: each cell of a sign gets the numbers (1 = Sun .. 11 = node) of the bodies
// that have the column's kind in that sign (or, for detriment and fall, the opposite sign),
// in body order, as long as its three slots last.
void RebuildDignityDegreeTable(TOptions& options);
