#pragma once
// Returns: the moments at which a body comes back to its natal longitude, and the type of the
// chart cast at such a moment. A body with retrograde loops (Mercury .. Saturn) can cross its
// natal longitude three times in one loop; every crossing is a return, each with its motion.
#include <cstdint>
#include <vector>

#include "StringIds.h"

struct RadixData;
struct TOptions;

// The bodies that have returns: the first seven of the chart's body order, Sun .. Saturn.
constexpr int ReturnBodyCount = 7;
constexpr bool isReturnBody(int body) { return body >= 0 && body < ReturnBodyCount; }
// String id of the horoscope type of a return chart of `body` ("solar ret" .. "Sat ret").
constexpr int returnTypeId(int body) { return StrId::TypeSolarRet + body; }
static_assert(returnTypeId(ReturnBodyCount - 1) == StrId::TypeSatRet);

// Motion of a body at a return.
enum ReturnMotion : int { ReturnRetrograde = -1, ReturnDirect = 1 };

struct ReturnMoment {
    int body = 0;       // 0..6
    double jdUT = 0;    // the instant the longitude equals the natal one
    int motion = ReturnDirect;
};

enum class ReturnStatus : std::uint8_t {
    Ok,
    UnknownBody,       // not one of the seven return bodies
    NatalUnavailable,  // the natal chart has no position of the body
    OutOfEphemeris,    // the period (or the search for the next return) leaves the ephemeris files or
                       // the years a chart can hold
};

struct ReturnSearch {
    ReturnStatus status = ReturnStatus::Ok;
    std::vector<ReturnMoment> returns;  // ascending
};

// Every return of `body` to its longitude in the computed chart `natal` from `fromUT` to `toUT`
// (Julian days UT), the longitude computed as the chart computes it with `options`.
ReturnSearch findReturns(const RadixData& natal, int body, double fromUT, double toUT, const TOptions& options);

// The first return on or after `fromUT` together with the other crossings of the same
// retrograde loop (one or three crossings in all), ascending.
ReturnSearch nextReturn(const RadixData& natal, int body, double fromUT, const TOptions& options);
