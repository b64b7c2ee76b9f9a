#pragma once
// The chart document: the personal data of a person, followed by what the chart calculation
// derives from them. The personal fields are stored byte for byte in horoscope files.
#include <array>
#include <cstddef>

#include "BirthData.h"

struct RadixData {
    static constexpr std::size_t NameSize = 41;
    static constexpr std::size_t EnteredNameLength = 39;
    static constexpr std::size_t HorTypeSize = 11;
    static constexpr std::size_t EnteredHorTypeLength = 9;
    static constexpr std::size_t NotesSize = 2001;
    static constexpr std::size_t EnteredNotesLength = 1999;

    // Personal part. Every field has an alignment of one byte, so they lie back to back
    // exactly as in the file without packing the whole record.
    std::array<char, NameSize> name{};        // empty is stored as string 23 "(no name)"
    std::array<char, HorTypeSize> horType{};  // one of strings 102..125 or typed; empty is string 24
    BirthMoment moment;
    std::array<char, NotesSize> notes{};

    // Computed part: filled by the chart calculation, never stored, so it keeps the natural
    // alignment of its fields. It follows here.
};

static_assert(offsetof(RadixData, name) == 0);
static_assert(offsetof(RadixData, horType) == 41);
static_assert(offsetof(RadixData, moment) == 52);
static_assert(offsetof(RadixData, notes) == 140);

// Size of the personal part, which ends the stored data of the record.
constexpr std::size_t RadixPersonalSize = offsetof(RadixData, notes) + RadixData::NotesSize;
static_assert(RadixPersonalSize == 2141);
