#pragma once
// The option `startsign`, where the zodiac starts on the wheel, in one byte: the low six bits
// hold the origin, 0x40 puts the middle of the origin's sign at the left instead of its start,
// and 0x80 mirrors the wheel.
#include <cstdint>

struct StartSign {
    int origin = 0;        // 0 the Ascendant at the left, 1..12 the sign Aries .. Pisces
    bool centre = false;   // the middle of the sign at the left; nothing for the Ascendant
    bool mirrored = false;  // the zodiac runs clockwise
};

namespace startsign_bits {
constexpr std::uint8_t OriginMask = 0x3F;
constexpr std::uint8_t Centre = 0x40;
constexpr std::uint8_t Mirrored = 0x80;
constexpr int SignsInZodiac = 12;
}  // namespace startsign_bits

// A stored value; origins past Pisces wrap around to Aries, as the wheel has always drawn them.
constexpr StartSign decodeStartSign(std::uint8_t value) {
    using namespace startsign_bits;
    const int s = value & OriginMask;
    return {s == 0 ? 0 : (s - 1) % SignsInZodiac + 1, (value & Centre) != 0, (value & Mirrored) != 0};
}

constexpr std::uint8_t encodeStartSign(const StartSign& s) {
    using namespace startsign_bits;
    return static_cast<std::uint8_t>((s.origin & OriginMask) | (s.centre ? Centre : 0) | (s.mirrored ? Mirrored : 0));
}
