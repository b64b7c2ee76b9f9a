// zodikeon-cli returns, progress and midtime: the charts that answer "when".
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "AppState.h"
#include "ApplyTown.h"
#include "BirthOptions.h"
#include "BirthText.h"
#include "ChartCommandJson.h"
#include "ChartJob.h"
#include "ChartJson.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "CollationOption.h"
#include "ComputeRadix.h"
#include "Ephemeris.h"
#include "FixedText.h"
#include "JulianMoment.h"
#include "TownList.h"
#include "TransitMoment.h"
#include "WhenCharts.h"

namespace {

const char* const ReturnsUsage =
    "Usage: zodikeon-cli returns --file PATH.hor --body sun|moon|mercury|venus|mars|jupiter|saturn\n"
    "              --from Y-M-D [--to Y-M-D] [--town NAME | --lon DEG --lat DEG] [--json]\n"
    "              [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true] [--lang en|hu]\n\n"
    "The moments at which the body comes back to its longitude in the chart, to a fraction of a\n"
    "second: every return from the start of the day --from to the end of the day --to (on the\n"
    "clock of the chart's place), or without --to the next return from the start of --from with\n"
    "the other crossings of its retrograde loop (Mercury to Saturn may cross three times). Each\n"
    "return chart is cast at the chart's place, or at --town or --lon/--lat (signed decimal\n"
    "degrees, East and North positive), on the clock of that place at the moment (zone and summer\n"
    "time from the town database; a bare position takes the zone of the nearest town, or local\n"
    "mean time far from any).\n"
    "--json prints {\"returns\": [{\"body\", \"jdUT\", \"motion\": \"direct\"|\"retrograde\", \"chart\"}]},\n"
    "where \"chart\" has the fields of 'chart --json'.\n";

const char* const ProgressUsage =
    "Usage: zodikeon-cli progress --file PATH.hor --to Y-M-D [--tertiary] [--quotidian] [--json]\n"
    "              [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true] [--lang en|hu]\n\n"
    "The progressed chart for the start of the date --to on the clock of the chart's place: a day\n"
    "after birth for each tropical year of age (secondary), or with --tertiary for each sidereal\n"
    "month. The MC is directed by the chart's direction settings: the true solar arc (in right\n"
    "ascension when they say so) or the key angle for each year of age (Naibod's key when the\n"
    "angle is zero); the Ascendant and the cusps follow at the natal place. --quotidian takes the\n"
    "houses of the progressed moment instead.\n"
    "--json prints the fields of 'chart --json' for the progressed chart, \"progression\" {\"kind\":\n"
    "\"secondary\"|\"tertiary\", \"jdUT\" (the progressed moment), \"arc\" (degrees the MC was directed),\n"
    "\"key\": \"true solar arc\"|\"angle\"|\"quotidian\"} and \"collation\" (progressed to natal, the\n"
    "fields of 'chart --with').\n";

const char* const MidtimeUsage =
    "Usage: zodikeon-cli midtime --file A.hor --with B.hor [--json]\n"
    "              [--options PATH.zdo] [--house 0..9|NAME] [--node mean|true] [--lang en|hu]\n\n"
    "The chart of the mean of the two charts' Universal Time moments at the midpoint of their\n"
    "places on the great circle, on the clock in force there then (the zone of the nearest town\n"
    "of the town database, or local mean time far from any). --json prints the fields of\n"
    "'chart --json'.\n";

const char* const BodyNames[ReturnBodyCount] = {"sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn"};

std::optional<int> returnBodyOf(const std::string& name) {
    for (int b = 0; b < ReturnBodyCount; ++b)
        if (name == BodyNames[b])
            return b;
    return std::nullopt;
}

const char* motionName(int motion) {
    return motion == ReturnRetrograde ? "retrograde" : "direct";
}

// A date option (Gregorian from 15 October 1582, Julian before). Malformed is a usage error, a
// date that does not exist a failure, as for the birth date.
int dateOption(const CliArgs& args, const std::string& name, CalDate& date) {
    const std::string text = *args.value(name);
    long y = 0, m = 0, d = 0;
    if (!parseDate(text, y, m, d))
        return cliError(CliUsage, "--" + name + " must be a date as Y-M-D, not '" + text + "'");
    const bool gregorian = isGregorianByDate(int(y), int(m), int(d));
    if (y < MinYear || y > MaxYear || m < 1 || m > 12 || d < 1 || d > CalDate::monthLength(int(y), int(m), gregorian))
        return cliError(CliFailure, "--" + name + " " + text + " is not a date of the calendar" + yearRangeNote());
    date = CalDate(int(y), int(m), int(d), gregorian);
    return CliOk;
}


// The moment a date ends on that clock: the start of the next day (or a day after its start on
// the very last day a date can hold).
double dayEnd(const TownDatabase& db, const BirthMoment& place, CalDate date) {
    if (!date.nextDay())
        return dayStartAtPlace(db, place, date) + 1.0;
    return dayStartAtPlace(db, place, date);
}

// Whether the ephemeris gives the body at the moment.
bool inEphemeris(double jdUT, int body) {
    return isAvailable(ephemerisBody(jdUT + ephemerisDeltaT(jdUT), body, false).status);
}

int outsideEphemeris(const std::string& what) {
    return cliError(CliFailure, what + " lies outside the ephemeris files");
}

// A signed decimal number within [-limit, limit].
std::optional<double> degreesOption(const CliArgs& args, const std::string& name, double limit) {
    const auto text = args.value(name);
    if (!text)
        return std::nullopt;
    double v = 0;
    const char* end = text->data() + text->size();
    const auto r = std::from_chars(text->data(), end, v);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v) || std::fabs(v) > limit)
        return std::nullopt;
    return v;
}

std::string utf8(std::string_view cp1250) {
    return cp1250ToUtf8(cp1250);
}

void printChartLines(const AppState& state, const RadixData& r) {
    const StringTable& s = state.Strings;
    std::cout << utf8(fixedText(r.name)) << ", " << utf8(fixedText(r.horType)) << "\n"
              << utf8(momentText(r.moment, s)) << "\n"
              << utf8(universalMomentText(r.moment, s)) << "\n"
              << utf8(placeText(r.moment));
    if (const std::string_view town = fixedText(r.moment.town); !town.empty())
        std::cout << "  " << utf8(town);
    std::cout << "\n";
}

void loadTowns(const AppState& state, TownDatabase& db) {
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
}

std::string placeName(const BirthMoment& m) {
    const std::string_view town = fixedText(m.town);
    return town.empty() ? placeText(m) : utf8(town);
}

// The options every command here shares with chart.
ChartJobCommand whenCommand(const char* usage) {
    ChartJobCommand c;
    c.usage = usage;
    c.flags = {"json"};
    return c;
}

int needFile(const CliArgs& args) {
    if (!args.has("file"))
        return cliError(CliUsage, "--file is needed: the chart to start from");
    if (hasBirthData(args.without("town").without("lon").without("lat")))
        return cliError(CliUsage, "--file cannot be combined with birth-data options");
    return CliOk;
}

// Where a return chart is cast.
struct ReturnPlace {
    const TownRecord* town = nullptr;
    std::optional<GeoPoint> position;
};

int returnPlaceOf(const CliArgs& args, const TownDatabase& db, ReturnPlace& place) {
    if (const auto name = args.value("town")) {
        if (name->find_first_not_of(' ') == std::string::npos)
            return cliError(CliUsage, "--town needs the beginning of a town's name");
        place.town = BestTownMatch(db, utf8ToCp1250(*name));
        if (!place.town)
            return cliError(CliFailure, "no town begins with '" + *name + "' (see 'zodikeon-cli towns')");
        return CliOk;
    }
    if (args.has("lon") || args.has("lat")) {
        const auto lon = degreesOption(args, "lon", BirthMoment::MaxLongitude);
        const auto lat = degreesOption(args, "lat", BirthMoment::MaxLatitude + 59.0 / 60.0);
        if (!lon || !lat)
            return cliError(CliUsage, "--lon and --lat must both be given, as decimal degrees within -180..180 and "
                                      "-89.98..89.98");
        place.position = GeoPoint{*lon, *lat};
    }
    return CliOk;
}

}  // namespace

int runReturns(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command = whenCommand(ReturnsUsage);
    command.valued = {"body", "from", "to"};
    command.placeOptions = true;
    std::optional<int> body;
    CalDate fromDate, toDate;
    command.checkOptions = [&](const CliArgs& args) {
        if (const int code = needFile(args))
            return code;
        if (hasCollation(args))
            return cliError(CliUsage, "returns takes no second chart (--with, --transit)");
        if (!args.has("body") || !args.has("from"))
            return cliError(CliUsage, "--body and --from are needed");
        body = returnBodyOf(*args.value("body"));
        if (!body)
            return cliError(CliUsage, "--body must be sun, moon, mercury, venus, mars, jupiter or saturn, not '" +
                                          *args.value("body") + "'");
        if (args.has("town") && (args.has("lon") || args.has("lat")))
            return cliError(CliUsage, "--town gives the position: leave out --lon and --lat");
        if (const int code = dateOption(args, "from", fromDate))
            return code;
        if (args.has("to")) {
            if (const int code = dateOption(args, "to", toDate))
                return code;
            if (minuteNumber(toDate, 0, 0) < minuteNumber(fromDate, 0, 0))
                return cliError(CliUsage, "--to must not come before --from");
        }
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    const CliArgs& args = job->args;
    const std::string bodyName = *args.value("body");

    TownDatabase db;
    loadTowns(state, db);
    ReturnPlace place;
    if (const int code = returnPlaceOf(args, db, place))
        return code;
    const double from = dayStartAtPlace(db, job->radix.moment, fromDate);
    const double to = args.has("to") ? dayEnd(db, job->radix.moment, toDate) : from;
    if (!inEphemeris(from, *body))
        return outsideEphemeris("--from " + *args.value("from"));
    if (args.has("to") && !inEphemeris(to, *body))
        return outsideEphemeris("--to " + *args.value("to"));

    const ReturnSearch search = args.has("to") ? findReturns(job->radix, *body, from, to, job->options)
                                               : nextReturn(job->radix, *body, from, job->options);
    switch (search.status) {
    case ReturnStatus::Ok:
        break;
    case ReturnStatus::NatalUnavailable:
        return cliError(CliFailure, "the chart has no position of the " + bodyName + " to return to");
    case ReturnStatus::OutOfEphemeris:
        return cliError(CliFailure, "the search for the return of the " + bodyName +
                                        " reaches beyond the ephemeris files or beyond the year " +
                                        std::to_string(MaxYear));
    case ReturnStatus::UnknownBody:
        return cliError(CliUsage, "unknown body " + bodyName);
    }

    Json list = Json::array();
    for (const ReturnMoment& ret : search.returns) {
        ClockChange note;
        RadixData chart;
        if (place.position) {
            chart = RadixData{};
            chart.name = job->radix.name;
            chart.notes = job->radix.notes;
            setFixedText(chart.horType, state.Strings[returnTypeId(ret.body)], RadixData::EnteredHorTypeLength);
            chart.moment = momentAtPosition(db, *place.position, ret.jdUT, &note);
            chart.moment.sex = job->radix.moment.sex;
            computeRadix(chart, job->options);
        } else {
            chart = castReturnChart(db, state.Strings, job->radix, ret, place.town, job->options, &note);
        }
        if (args.has("json")) {
            list.push(Json::object()
                          .set("body", bodyName)
                          .set("jdUT", ret.jdUT)
                          .set("motion", motionName(ret.motion))
                          .set("chart", chartJson(chart, LifeEventList{}, note, job->options, state.Strings)));
        } else {
            std::cout << utf8(momentText(chart.moment, state.Strings)) << "  ("
                      << utf8(universalMomentText(chart.moment, state.Strings)) << ")  " << motionName(ret.motion)
                      << "  " << placeName(chart.moment) << "\n";
        }
    }
    if (args.has("json"))
        std::cout << Json::object().set("returns", std::move(list)).dump() << "\n";
    return CliOk;
}

int runProgress(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command = whenCommand(ProgressUsage);
    command.valued = {"to"};
    command.flags.insert({"tertiary", "quotidian"});
    CalDate targetDate;
    command.checkOptions = [&](const CliArgs& args) {
        if (const int code = needFile(args))
            return code;
        if (hasCollation(args))
            return cliError(CliUsage, "progress takes no second chart (--with, --transit)");
        if (!args.has("to"))
            return cliError(CliUsage, "--to is needed: the date the progression is for");
        return dateOption(args, "to", targetDate);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    const CliArgs& args = job->args;

    TownDatabase db;
    loadTowns(state, db);
    const double target = dayStartAtPlace(db, job->radix.moment, targetDate);
    ProgressionRequest request;
    request.kind = args.has("tertiary") ? ProgressionKind::Tertiary : ProgressionKind::Secondary;
    request.targetUT = target;
    request.quotidian = args.has("quotidian");
    request.key = directionKeyOf(job->blocks.directions);
    const double progressed = progressedMoment(job->radix.jdUT, target, request.kind);
    if (!inEphemeris(progressed, BodySun))
        return outsideEphemeris("the progressed moment");
    const auto progression = std::make_unique<Progression>();
    castProgression(db, state.Strings, job->radix, request, job->options, *progression);
    const Progression& p = *progression;

    static const char* const KeyNames[] = {"true solar arc", "angle", "quotidian"};
    const char* keyName = KeyNames[static_cast<int>(p.key)];
    const char* kindName = request.kind == ProgressionKind::Secondary ? "secondary" : "tertiary";
    if (args.has("json")) {
        Json json = chartJson(p.chart, LifeEventList{}, ClockChange{}, job->options, state.Strings);
        json.set("progression", Json::object()
                                    .set("kind", kindName)
                                    .set("jdUT", p.progressedUT)
                                    .set("arc", p.arc)
                                    .set("key", keyName));
        const auto collation = std::make_unique<Collation>();
        collation->kind = CollationKind::Transit;
        collation->second = p.chart;
        collation->aspects = p.aspects;
        Json cross = collationJson(job->radix, *collation, job->options.collfactor, state.Strings);
        cross.set("kind", "progression");
        json.set("collation", std::move(cross));
        std::cout << json.dump() << "\n";
    } else {
        printChartLines(state, p.chart);
        char arc[64];
        std::snprintf(arc, sizeof arc, "%.6f", p.arc);
        std::cout << kindName << " progression to " << *args.value("to") << ": MC directed " << arc << " degrees by the "
                  << keyName;
        if (p.key == ProgressionKey::Angle) {
            std::snprintf(arc, sizeof arc, "%.6f", p.keyDegrees);
            std::cout << " " << arc << " degrees"
                      << (request.key.keyDegrees == 0 ? " (Naibod's key)" : "");
        }
        std::cout << "\n";
    }
    return CliOk;
}

int runMidtime(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command = whenCommand(MidtimeUsage);
    command.checkOptions = [](const CliArgs& args) {
        if (const int code = needFile(args))
            return code;
        if (!args.has("with") || args.has("transit"))
            return cliError(CliUsage, "--with is needed: the second chart's file");
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    TownDatabase db;
    loadTowns(state, db);
    ClockChange note;
    const auto mid = std::make_unique<RadixData>(
        castMidtimeChart(db, state.Strings, job->radix, job->collation->second, job->options, &note));
    if (!mid->available(BodySun))
        return outsideEphemeris("the midtime moment");
    if (job->args.has("json"))
        std::cout << chartJson(*mid, LifeEventList{}, note, job->options, state.Strings).dump() << "\n";
    else
        printChartLines(state, *mid);
    return CliOk;
}
