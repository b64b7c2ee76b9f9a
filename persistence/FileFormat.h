#pragma once
// Texts that belong to the file formats themselves: the header lines and the names of the
// data files. They are part of the stored bytes, so they never come from the translatable
// string tables; a translation cannot change what is read or written.
#include <cstddef>
#include <string_view>

namespace FileFormat {

// Header lines; each is stored with its terminating zero (sizeof counts it).
inline constexpr char HoroscopeHeader[] = "ZODIKEON v4.0 Horoscope File\r\n";
inline constexpr char TimeFileHeader[] = "ZODIKEON v4.5 Time Data File\r\n";
inline constexpr char TownFileHeader[] = "ZODIKEON v4.5 Town Data File\r\n";
inline constexpr char OldTownFileHeader[] = "ZODIKEON v4.0 Town Data File X\r\n";
inline constexpr char OldTimeFileHeader[] = "ZODIKEON v4.0 Time Data File\r\n";

// A header line with its terminating zero, as it is stored.
template <std::size_t N>
constexpr std::string_view storedHeader(const char (&header)[N]) {
    return {header, N};
}

// Data files in the program's data folder; '\\' separates a subfolder.
inline constexpr char TimesFileName[] = "ZDKTIMES.TID";
inline constexpr char TownsFileName[] = "ZDKTOWNS.TWD";
inline constexpr char UserTimesFileName[] = "ZDKTIMES_user.TID";
inline constexpr char UserTownsFileName[] = "ZDKTOWNS_user.TWD";
inline constexpr char ExclusionsFileName[] = "townimpexcl.dat";
// Other names of the main towns (exonyms, native spellings), one "name<TAB>town index" a line.
inline constexpr char TownAliasesFileName[] = "ZDKTOWNS.ALT";
inline constexpr char DignityFileName[] = "zdkdigns.csv";
inline constexpr char StarsFileName[] = "ephem\\sefstars.txt";
inline constexpr char DescriptionsFileName[] = "zdkdescr.ded";
inline constexpr char TextsFileName[] = "zdktexts.ptx";
inline constexpr char EventTypesFileName[] = "zdkevtyp.etd";
inline constexpr char AreasFileName[] = "zdkareas.ard";
inline constexpr char LabelsFileName[] = "zdketiqu.etq";
// Name pattern of the town files of the old database; X stands for the file's letter.
inline constexpr char OldTownFilePattern[] = "ZDKTWN_X.TWD";

}  // namespace FileFormat
