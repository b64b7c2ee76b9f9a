#pragma once
// The per-chart blocks that a chart window keeps beside its RadixData and stores in the
// horoscope file: the person's life events, the chart's direction settings and the persons
// block. Packed and stored byte for byte (little-endian).
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "BirthData.h"

#pragma pack(push, 1)

struct LifeEvent {
    static constexpr std::size_t NameSize = 31;
    static constexpr std::size_t EnteredNameLength = 29;

    std::uint8_t selected = 0;  // 1 = marked for use in a correction
    std::array<char, NameSize> name{};
    CalDate date;
};

struct LifeEventList {
    static constexpr int Capacity = 30;
    // Horoscope files of the older layout hold at most this many events.
    static constexpr int OldCapacity = 10;

    std::int16_t count = 0;  // 0..30; only the first `count` events are meaningful
    std::array<LifeEvent, Capacity> events{};
};

// The direction settings of a chart; the same group of fields as in the options record, which
// supplies them to a chart that has none of its own. `angle*` is the direction key as degrees,
// minutes and seconds.
struct ChartDirectionSettings {
    bool onequ = false;
    bool truesolar = false;
    std::int16_t angleDegrees = 0;
    std::uint8_t angleMinutes = 0;
    double angleSeconds = 0.0;
    std::uint8_t type = 0;

    bool operator==(const ChartDirectionSettings&) const = default;
};

// Person data for features this program does not offer: read, kept with the chart and written
// back unchanged.
struct PersonsBlock {
    std::array<std::uint8_t, 620> data{};
    std::int16_t value = 0;
};

#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<LifeEventList> && std::is_trivially_copyable_v<PersonsBlock>);
static_assert(sizeof(LifeEvent) == 37);
static_assert(offsetof(LifeEvent, selected) == 0);
static_assert(offsetof(LifeEvent, name) == 1);
static_assert(offsetof(LifeEvent, date) == 32);

static_assert(sizeof(LifeEventList) == 1112);
static_assert(offsetof(LifeEventList, count) == 0);
static_assert(offsetof(LifeEventList, events) == 2);

static_assert(sizeof(ChartDirectionSettings) == 14);
static_assert(offsetof(ChartDirectionSettings, onequ) == 0);
static_assert(offsetof(ChartDirectionSettings, truesolar) == 1);
static_assert(offsetof(ChartDirectionSettings, angleDegrees) == 2);
static_assert(offsetof(ChartDirectionSettings, angleMinutes) == 4);
static_assert(offsetof(ChartDirectionSettings, angleSeconds) == 5);
static_assert(offsetof(ChartDirectionSettings, type) == 13);

static_assert(sizeof(PersonsBlock) == 622);
static_assert(offsetof(PersonsBlock, data) == 0);
static_assert(offsetof(PersonsBlock, value) == 620);

// What a chart window keeps with its RadixData and stores in its horoscope file.
struct ChartBlocks {
    LifeEventList lifeEvents;
    ChartDirectionSettings directions;
    PersonsBlock persons;
};
