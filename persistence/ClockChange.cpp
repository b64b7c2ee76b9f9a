#include "ClockChange.h"

#include <cstdio>
#include <cstdlib>
#include <span>

#include "ApplyTown.h"
#include "FixedText.h"

namespace {

ClockOffset offsetOf(const ZoneEntry& rule, int longitudeArcMinutes) {
    ClockOffset offset;
    offset.timeKind = rule.timeKind;
    switch (rule.timeKind) {
    case TimeGMT:
        break;
    case TimeLMT:
        // Four minutes of time per degree, so a tenth of the arc minutes, rounded.
        offset.minutes = (longitudeArcMinutes * 4 + (longitudeArcMinutes < 0 ? -30 : 30)) / 60;
        break;
    default:
        offset.minutes = (rule.zoneHours * 60 + rule.zoneMinutes) * (rule.west ? -1 : 1);
        offset.abbreviation = std::string(fixedText(rule.abbreviation));
        break;
    }
    return offset;
}

// The rule in force at a minute number: the last that starts no later, or the first.
const ZoneEntry& ruleAt(std::span<const ZoneEntry> rules, std::int64_t at) {
    const ZoneEntry* inForce = &rules.front();
    for (const ZoneEntry& rule : rules.subspan(1))
        if (minuteNumber(rule.start, rule.hour, rule.minute) <= at)
            inForce = &rule;
    return *inForce;
}

constexpr std::int64_t HalfYearMinutes = 182 * 24 * 60;

}  // namespace

std::optional<ClockOffset> summerTimeAt(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute,
                                        int longitudeArcMinutes) {
    if (zone.empty())
        return std::nullopt;
    const auto rules = zone.rules();
    const std::int64_t at = minuteNumber(date, hour, minute);
    const ClockOffset now = offsetOf(ruleAt(rules, at), longitudeArcMinutes);
    if (now.timeKind != TimeZone)
        return std::nullopt;
    const int before = offsetOf(ruleAt(rules, at - HalfYearMinutes), longitudeArcMinutes).minutes;
    const int after = offsetOf(ruleAt(rules, at + HalfYearMinutes), longitudeArcMinutes).minutes;
    if (now.minutes > before && now.minutes > after)
        return now;
    return std::nullopt;
}

ClockChange clockChangeAt(const ZoneDescriptor& zone, const CalDate& date, int hour, int minute,
                          int longitudeArcMinutes) {
    ClockChange change;
    const std::int64_t at = minuteNumber(date, hour, minute);
    const auto rules = zone.rules();
    // Each change starts at a reading of the earlier clock; the later clock then reads that
    // reading moved by the difference of the offsets.
    for (std::size_t i = 1; i < rules.size(); ++i) {
        const ZoneEntry& rule = rules[i];
        const std::int64_t start = minuteNumber(rule.start, rule.hour, rule.minute);
        const ClockOffset before = offsetOf(rules[i - 1], longitudeArcMinutes);
        const ClockOffset after = offsetOf(rule, longitudeArcMinutes);
        const int jump = after.minutes - before.minutes;
        if (jump > 0 && at >= start && at < start + jump)
            change.reading = ClockReading::Skipped;
        else if (jump < 0 && at >= start + jump && at < start)
            change.reading = ClockReading::Repeated;
        else
            continue;
        change.before = before;
        change.after = after;
        return change;
    }
    return change;
}

std::string offsetText(int minutes) {
    char text[16];
    const int magnitude = std::abs(minutes);
    std::snprintf(text, sizeof text, "%c%02d:%02d", minutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
    return text;
}
