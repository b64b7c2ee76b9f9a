// zodikeon-cli directions and rectify: the primary and secondary directions of a chart, and the
// birth times around the recorded one ranked by how closely they meet the marked life events.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AppState.h"
#include "ChartDirectionOptions.h"
#include "ChartDirections.h"
#include "ChartJob.h"
#include "CliCommands.h"
#include "JulianMoment.h"
#include "Json.h"
#include "PointLists.h"
#include "Rectification.h"
#include "WhenCharts.h"

namespace {

const char* const DirectionsUsage =
    "Usage: zodikeon-cli directions --file PATH.hor [--primary|--secondary] [--type N]\n"
    "              [--promissors LIST] [--significators LIST] [--aspects LIST]\n"
    "              [--from-age A] [--to-age B] [--json|--csv]\n"
    "       (the chart may also be given by birth data as for 'chart', and [--options PATH.zdo]\n"
    "       [--node mean|true] [--lang en|hu] apply as there)\n\n"
    "Lists the primary directions (--primary), the secondary directions (--secondary), or both,\n"
    "that fall between the ages --from-age and --to-age (years, default 0 and 90, at most 150).\n"
    "Primary directions use the chart's direction type and key (or those of the options for a\n"
    "chart given by birth data); --type overrides the type:\n"
    "  0 mundane by semi-arc proportion, 1 zodiacal without latitude, 2 zodiacal with the\n"
    "  promissor's latitude, 3 mundane under the pole of the significator.\n"
    "Each is listed direct and converse. Secondary directions are the moments at which a\n"
    "progressed body (a day after birth for a year of life) makes an aspect exactly to a natal point.\n"
    "LISTs are comma-separated names:\n"
    "  --promissors:    sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto,\n"
    "                   node, southnode, lilith, chiron, pholus, ceres, pallas, juno, vesta, and\n"
    "                   fortune (primary directions only)\n"
    "  --significators: the same body names, and asc, mc\n"
    "  --aspects:       the aspect keys of the options file: con, ses, seq, sex, qut, qua, tri, ssq,\n"
    "                   bqu, qui, opp, nbe, nb5, nb7, qdc, nov, bnv, qnv\n"
    "A list not given is taken from the options' directions selection (primary) or secdirs\n"
    "selection (secondary).\n"
    "--json prints {\"directions\": [...]} with \"promissor\", \"aspect\", \"significator\", \"arc\"\n"
    "(degrees), \"age\" (years), \"jdUT\", \"method\" (the type number; null for a secondary\n"
    "direction), \"converse\" (true or false) and \"kind\" (primary or secondary), in date order, and\n"
    "\"leftOut\": the points that never rise or set at the birth latitude. --csv prints the same\n"
    "fields with a heading line; otherwise one line of text per direction.\n";

const char* const RectifyUsage =
    "Usage: zodikeon-cli rectify --file PATH.hor --range MINUTES [--step MINUTES] [--json]\n"
    "       ([--options PATH.zdo] [--node mean|true] [--lang en|hu] apply as for 'chart')\n\n"
    "Tries the birth times from --range minutes before to --range minutes after the recorded one,\n"
    "--step minutes apart (default 1), and ranks them by how closely the chart's primary\n"
    "directions (the options' directions selection, the chart's direction type and key) meet the\n"
    "life events marked in the file: first the number of events that have a direction within the\n"
    "correction distance (the options' correvs, a year where it is zero), then the sum of each\n"
    "event's distance to its closest direction. Where the directions selection marks nothing, the\n"
    "Sun to Saturn directed to the Ascendant and the MC in conjunction, square and opposition are\n"
    "used. --json prints {\"ranking\": [...]} with \"offsetMinutes\", \"jdUT\", \"birth\" (the local\n"
    "date and time), \"eventsMet\", \"score\" (years) and \"meanYears\", best first.\n";

const char* const FortuneName = "fortune";

std::vector<std::string> promissorNames() {
    std::vector<std::string> names = pointNames(BodyCount);
    names.push_back(FortuneName);
    return names;
}

std::string promissorName(int promissor) {
    return promissor == PrimaryPromissorFortune ? FortuneName : PointNames[promissor];
}

// A number option: nullopt after telling what is wrong (code set), or the default when absent.
std::optional<double> numberOption(const CliArgs& args, const std::string& name, double fallback, double min,
                                   double max, int& code) {
    const auto text = args.value(name);
    if (!text)
        return fallback;
    char* end = nullptr;
    const double v = std::strtod(text->c_str(), &end);
    if (text->empty() || *end != '\0' || !std::isfinite(v) || v < min || v > max) {
        char range[80];
        std::snprintf(range, sizeof range, "%g to %g", min, max);
        code = cliError(CliUsage, "--" + name + " takes a number from " + range + ", not '" + *text + "'");
        return std::nullopt;
    }
    return v;
}

// Local date and time (the chart's own clock) of a UT moment, to the minute.
std::string localText(const BirthMoment& place, double jdUT) {
    const BirthMoment m = momentAtJulianDay(place, jdUT);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", int(m.localDate.year), int(m.localDate.month),
                  int(m.localDate.day), int(m.localTime.hour), int(m.localTime.minute));
    return text;
}

std::string dateText(const BirthMoment& place, double jdUT) {
    return localText(place, jdUT).substr(0, 10);
}

// The direction settings in force: the file's own, or the options' for a chart given by birth data.
ChartDirectionSettings settingsOf(const ChartJob& job) {
    return job.args.has("file") ? job.blocks.directions : chartDirectionSettings(job.options);
}

struct Row {
    bool primary = true;
    std::string promissor, aspect, significator;
    double arc = 0, age = 0, jdUT = 0;
    int method = 0;
    bool converse = false;
};

}  // namespace

int runDirections(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command;
    command.usage = DirectionsUsage;
    command.valued = {"type", "promissors", "significators", "aspects", "from-age", "to-age"};
    command.flags = {"primary", "secondary", "json", "csv"};
    command.ownNames = {"type"};
    command.checkOptions = [](const CliArgs& args) {
        if (args.has("json") && args.has("csv"))
            return cliError(CliUsage, "--json and --csv cannot be combined");
        if (args.has("primary") && args.has("secondary"))
            return cliError(CliUsage, "--primary and --secondary cannot be combined; give neither for both");
        if (args.has("with") || args.has("transit"))
            return cliError(CliUsage, "directions takes no second chart (--with, --transit)");
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    const CliArgs& args = job->args;
    const TOptions& options = job->options;

    int code = CliOk;
    const auto type = numberOption(args, "type", -1, 0, DirectionMethodCount - 1, code);
    if (!type)
        return code;
    if (*type >= 0 && *type != std::floor(*type))
        return cliError(CliUsage, "--type takes 0, 1, 2 or 3, not '" + *args.value("type") + "'");
    const auto fromAge = numberOption(args, "from-age", 0, 0, MaxDirectionAge, code);
    if (!fromAge)
        return code;
    const auto toAge = numberOption(args, "to-age", 90, 0, MaxDirectionAge, code);
    if (!toAge)
        return code;
    if (*fromAge > *toAge)
        return cliError(CliUsage, "--from-age " + *args.value("from-age") + " is above --to-age " +
                                      args.value("to-age").value_or("90"));

    const bool wantPrimary = !args.has("secondary"), wantSecondary = !args.has("primary");
    const std::vector<std::string> keys = aspectKeys(state.Strings);
    const ChartDirectionSettings settings = settingsOf(*job);
    const DirectionMethod method = *type >= 0 ? DirectionMethod(int(*type)) : directionMethodOfChart(settings);

    PrimaryQuery pq = primaryQueryFromSelection(options.directions, method, directionKeyOf(settings), *fromAge, *toAge);
    SecondaryQuery sq = secondaryQueryFromSelection(options.secdirs, *fromAge, *toAge);
    if (const auto list = args.value("promissors")) {
        if (!readList("promissors", *list, PrimaryPromissorCount, promissorNames(), pq.promissors))
            return CliUsage;
        for (int b = 0; b < BodyCount; ++b)
            sq.promissors[std::size_t(b)] = pq.promissors[std::size_t(b)];
    }
    if (const auto list = args.value("significators")) {
        if (!readList("significators", *list, NatalPointCount, pointNames(NatalPointCount), pq.significators))
            return CliUsage;
        sq.significators = pq.significators;
    }
    if (const auto list = args.value("aspects")) {
        if (!readList("aspects", *list, AspectCount, keys, pq.aspects))
            return CliUsage;
        sq.aspects = pq.aspects;
    }
    auto none = [](const auto& marks) {
        for (bool m : marks)
            if (m)
                return false;
        return true;
    };
    auto checkMarks = [&](const auto& q, const std::string& selection) -> int {
        const std::string what = none(q.promissors) ? "promissors" : none(q.significators) ? "significators" : "aspects";
        if (none(q.promissors) || none(q.significators) || none(q.aspects))
            return cliError(CliFailure, "nothing to direct: the options' " + selection + " selection has no " + what +
                                            " marks; name them with --" + what);
        return CliOk;
    };
    if (wantPrimary)
        if (const int c = checkMarks(pq, "directions"))
            return c;
    if (wantSecondary)
        if (const int c = checkMarks(sq, "secdirs"))
            return c;

    std::vector<Row> rows;
    std::vector<LeftOutPoint> leftOut;
    if (wantPrimary) {
        const PrimaryResult r = computePrimaryDirections(job->radix, pq, options);
        leftOut = r.leftOut;
        for (const PrimaryDirection& d : r.directions)
            rows.push_back({true, promissorName(d.promissor), keys[std::size_t(d.aspect)], PointNames[d.significator],
                            d.arc, d.age, d.jdUT, int(d.method), d.converse});
    }
    if (wantSecondary) {
        const SecondaryResult r = computeSecondaryDirections(job->radix, sq, options);
        if (r.status == TransitStatus::OutsideEphemeris)
            return cliError(CliFailure, "the ages asked for lie outside the ephemeris files for the progressed " +
                                            std::string(PointNames[r.body]));
        if (r.status != TransitStatus::Ok)
            return cliError(CliFailure, "the search for secondary directions failed");
        for (const SecondaryDirection& d : r.directions)
            rows.push_back({false, PointNames[d.promissor], keys[std::size_t(d.aspect)], PointNames[d.significator],
                            d.arc, d.age, d.jdUT, 0, false});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.jdUT < b.jdUT; });

    // Points left out are told on the error stream whatever the format.
    auto leftOutName = [&](const LeftOutPoint& p) {
        std::string name = p.promissor ? promissorName(p.point) : std::string(PointNames[p.point]);
        if (p.aspect >= 0)
            name += std::string(" ") + keys[std::size_t(p.aspect)] + (p.side > 0 ? " east" : p.side < 0 ? " west" : "");
        return name;
    };
    for (const LeftOutPoint& p : leftOut)
        std::cerr << "note: " << leftOutName(p) << " left out: "
                  << (p.reason == LeftOutReason::Circumpolar ? "it never rises or sets at the birth latitude"
                                                             : "the chart could not compute it")
                  << "\n";

    if (args.has("json")) {
        Json list = Json::array();
        for (const Row& r : rows)
            list.push(Json::object()
                          .set("promissor", r.promissor)
                          .set("aspect", r.aspect)
                          .set("significator", r.significator)
                          .set("arc", r.arc)
                          .set("age", r.age)
                          .set("jdUT", r.jdUT)
                          .set("method", r.primary ? Json(r.method) : Json())
                          .set("converse", r.converse)
                          .set("kind", r.primary ? "primary" : "secondary"));
        Json left = Json::array();
        for (const LeftOutPoint& p : leftOut)
            left.push(Json::object()
                          .set("point", leftOutName(p))
                          .set("role", p.promissor ? "promissor" : "significator")
                          .set("reason", p.reason == LeftOutReason::Circumpolar ? "circumpolar" : "not computed"));
        std::cout << Json::object().set("directions", std::move(list)).set("leftOut", std::move(left)).dump() << "\n";
    } else if (args.has("csv")) {
        std::cout << "promissor,aspect,significator,arc,age,jdUT,method,converse,kind\n";
        for (const Row& r : rows) {
            char numbers[96];
            std::snprintf(numbers, sizeof numbers, "%.6f,%.6f,%.6f", r.arc, r.age, r.jdUT);
            std::cout << r.promissor << ',' << r.aspect << ',' << r.significator << ',' << numbers << ','
                      << (r.primary ? std::to_string(r.method) : std::string()) << ','
                      << (r.converse ? "true" : "false") << ',' << (r.primary ? "primary" : "secondary") << "\n";
        }
    } else {
        for (const Row& r : rows) {
            char line[160];
            std::snprintf(line, sizeof line, "%s  age %6.2f  %-9s %s %-9s  arc %8.4f  %s\n",
                          dateText(job->radix.moment, r.jdUT).c_str(), r.age, r.promissor.c_str(), r.aspect.c_str(),
                          r.significator.c_str(), r.arc,
                          r.primary ? (std::string("type ") + std::to_string(r.method) +
                                       (r.converse ? " converse" : " direct"))
                                          .c_str()
                                    : "secondary");
            std::cout << line;
        }
    }
    return CliOk;
}

int runRectify(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command;
    command.usage = RectifyUsage;
    command.valued = {"range", "step"};
    command.flags = {"json"};
    command.checkOptions = [](const CliArgs& args) {
        if (!args.has("file"))
            return cliError(CliUsage, "rectify needs --file: the life events are stored in the horoscope file");
        if (!args.has("range"))
            return cliError(CliUsage, "--range MINUTES is needed (see 'rectify --help')");
        if (args.has("with") || args.has("transit"))
            return cliError(CliUsage, "rectify takes no second chart (--with, --transit)");
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    const CliArgs& args = job->args;
    const TOptions& options = job->options;

    int code = CliOk;
    constexpr double MaxRangeMinutes = 24 * 60;
    const auto range = numberOption(args, "range", DefaultRectificationRangeMinutes, 0, MaxRangeMinutes, code);
    if (!range)
        return code;
    const auto step = numberOption(args, "step", DefaultRectificationStepMinutes, 0, MaxRangeMinutes, code);
    if (!step)
        return code;
    if (*step <= 0)
        return cliError(CliUsage, "--step takes a number of minutes above zero");
    if (*range / *step > MaxRectificationCandidates / 2)
        return cliError(CliUsage, "--range " + *args.value("range") + " with --step " + args.value("step").value_or("1") +
                                      " gives more than " + std::to_string(MaxRectificationCandidates) +
                                      " birth times to try; take a larger step");

    const std::vector<MarkedEvent> events = markedLifeEvents(job->blocks.lifeEvents);
    if (events.empty())
        return cliError(CliFailure, "the chart has no marked life events to rank birth times by");

    const ChartDirectionSettings settings = job->blocks.directions;
    TDirectionFilter selection = options.directions;
    if (!selectionHasMarks(selection)) {
        selection = classicRectificationSelection();
        std::cerr << "note: the options' directions selection marks nothing; ranking by the Sun to Saturn "
                     "directed to the Ascendant and the MC in conjunction, square and opposition\n";
    }
    RectificationQuery q;
    q.rangeMinutes = *range;
    q.stepMinutes = *step;
    q.primaryQuery =
        primaryQueryFromSelection(selection, directionMethodOfChart(settings), directionKeyOf(settings), 0, MaxDirectionAge);
    q.distanceYears = correctionYears(options.correvs);
    const RectificationResult result = rankBirthTimes(job->radix, events, q, options);
    if (result.status == RectificationStatus::NotComputed)
        return cliError(CliFailure, "a birth time within the range cannot be computed (outside the ephemeris files)");
    if (result.status != RectificationStatus::Ok)
        return cliError(CliFailure, "the ranking of birth times failed");

    if (args.has("json")) {
        Json list = Json::array();
        for (const RectificationCandidate& c : result.ranking)
            list.push(Json::object()
                          .set("offsetMinutes", c.offsetMinutes)
                          .set("jdUT", c.jdUT)
                          .set("birth", localText(job->radix.moment, c.jdUT))
                          .set("eventsMet", c.eventsMet)
                          .set("score", c.score)
                          .set("meanYears", c.meanYears));
        std::cout << Json::object().set("ranking", std::move(list)).dump() << "\n";
    } else {
        std::printf("%zu marked events, correction distance %.2f years\n", events.size(), q.distanceYears);
        int rank = 0;
        for (const RectificationCandidate& c : result.ranking) {
            std::printf("%3d  %+7.1f min  %s  %d of %zu events met  mean %.3f years\n", ++rank, c.offsetMinutes,
                        localText(job->radix.moment, c.jdUT).c_str(), c.eventsMet, events.size(), c.meanYears);
        }
    }
    return CliOk;
}
