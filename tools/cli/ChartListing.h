#pragma once
// The readable listing of a computed chart for `zodikeon-cli chart --text`: positions with
// signs, houses and states, the house cusps and axes, and the aspects. UTF-8.
#include <iosfwd>

struct RadixData;
struct TOptions;
class StringTable;

void printChartListing(std::ostream& out, const RadixData& radix, const TOptions& options,
                       const StringTable& strings);
