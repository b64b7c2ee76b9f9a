#pragma once
// The five prepared file-dialog filters, in the Windows form: pairs of zero-terminated texts
// (description, pattern) ending in two zero bytes, each in an 81-byte buffer.
#include <array>
#include <string>
#include <vector>

class StringTable;

enum FileFilterKind { FilterHoroscope, FilterOptions, FilterText, FilterTowns, FilterZones, FilterCount };

using FileFilter = std::array<char, 81>;

FileFilter buildFileFilter(const StringTable& strings, int kindStringId, const char* extension);

// The (description, pattern) pairs of a filter, in order.
std::vector<std::pair<std::string, std::string>> fileFilterPairs(const FileFilter& filter);
