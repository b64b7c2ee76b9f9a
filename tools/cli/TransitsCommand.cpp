// zodikeon-cli transits: every exact transit to a chart within a period, as JSON, CSV or text.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "AppState.h"
#include "Aspects.h"
#include "BirthOptions.h"
#include "ChartJob.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "Json.h"
#include "JulianMoment.h"
#include "PointLists.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TownDatabase.h"
#include "TransitMoment.h"
#include "TransitSearch.h"

namespace {

const char* const TransitsUsage =
    "Usage: zodikeon-cli transits --file PATH.hor --from Y-M-D --to Y-M-D\n"
    "              [--transiting LIST] [--natal LIST] [--aspects LIST] [--json|--csv]\n"
    "       (the chart may also be given by birth data as for 'chart', and [--options PATH.zdo]\n"
    "       [--node mean|true] [--lang en|hu] apply as there)\n\n"
    "Lists every moment from the start of the day --from to the end of the day --to, on the clock\n"
    "of the chart's place, at which a transiting body makes an aspect exactly to a natal point,\n"
    "each pass of a retrograde loop on its own, with the moments it comes into orb and leaves it.\n"
    "Dates, given and printed, are Julian before 15 October 1582 and Gregorian from it.\n"
    "LISTs are comma-separated names:\n"
    "  --transiting: sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto, node,\n"
    "                southnode, lilith, chiron, pholus, ceres, pallas, juno, vesta\n"
    "  --natal:      the same names, and asc, mc\n"
    "  --aspects:    the aspect keys of the options file: con, ses, seq, sex, qut, qua, tri, ssq,\n"
    "                bqu, qui, opp, nbe, nb5, nb7, qdc, nov, bnv, qnv\n"
    "A list not given is taken from the transits selection of the options file. The orbs are the\n"
    "options' transit orbs (before and after exactness), or the aspect orbs where those are zero.\n"
    "--json prints {\"events\": [...]} with \"transiting\", \"natal\", \"aspect\", \"jdUT\" (the exact\n"
    "moment), \"exact\", \"enters\", \"leaves\" (local date and time) and \"motion\" (1 direct,\n"
    "-1 retrograde, 0 stationary), in date order; a station within the orb that does not reach the\n"
    "exact aspect is an event at the station with motion 0. --csv prints the same as comma-separated\n"
    "values with a heading line; otherwise one line of text per event.\n";

// "Y-M-D H:M:S" on the clock of the chart's place at a UT moment, to the nearest second.
std::string localText(const PlaceClock& clock, double jdUT) {
    const BirthMoment m = clock.at(jdUT);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", int(m.localDate.year), int(m.localDate.month),
                  int(m.localDate.day), int(m.localTime.hour), int(m.localTime.minute),
                  int(std::lround(std::floor(m.localTime.second))));
    return text;
}

std::optional<CalDate> dateOption(const CliArgs& args, const std::string& name, const StringTable& s, int& code) {
    const auto text = args.value(name);
    long year = 0, month = 0, day = 0;
    if (!text) {
        code = cliError(CliUsage, "--" + name + " Y-M-D is needed (see 'transits --help')");
        return std::nullopt;
    }
    if (!parseDate(*text, year, month, day)) {
        code = cliError(CliUsage, "--" + name + " takes a date, Y-M-D, not '" + *text + "'");
        return std::nullopt;
    }
    bool clamped = false;
    // Read as every date of the program: Julian before 15 October 1582, Gregorian from it.
    const CalDate date = civilDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), &clamped);
    if (clamped || year < MinYear || year > MaxYear) {
        code = cliError(CliFailure, cp1250ToUtf8(s[StrId::InvalidDate]) + ": " + *text + yearRangeNote());
        return std::nullopt;
    }
    return date;
}

}  // namespace

int runTransits(AppState& state, int argc, char** argv, int first) {
    ChartJobCommand command;
    command.usage = TransitsUsage;
    command.valued = {"from", "to", "transiting", "natal", "aspects"};
    command.flags = {"json", "csv"};
    command.checkOptions = [](const CliArgs& args) {
        if (args.has("json") && args.has("csv"))
            return cliError(CliUsage, "--json and --csv cannot be combined");
        if (args.has("with") || args.has("transit"))
            return cliError(CliUsage, "transits takes no second chart (--with, --transit)");
        return int(CliOk);
    };
    const auto job = std::make_unique<ChartJob>();
    if (const int code = loadChartJob(state, argc, argv, first, command, *job); code || job->stage == ChartJobStage::Help)
        return code;
    const CliArgs& args = job->args;
    const StringTable& s = state.Strings;

    // The selection: the lists given, the options' marks for the others.
    TransitQuery query = transitQueryFromSelection(job->options.transits, 0, 0);
    if (const auto list = args.value("transiting"); list && !readList("transiting", *list, BodyCount, pointNames(BodyCount), query.transiting))
        return CliUsage;
    if (const auto list = args.value("natal"); list && !readList("natal", *list, NatalPointCount, pointNames(NatalPointCount), query.natal))
        return CliUsage;
    if (const auto list = args.value("aspects"); list && !readList("aspects", *list, AspectCount, aspectKeys(s), query.aspects))
        return CliUsage;
    auto none = [](const auto& marks) {
        for (bool m : marks)
            if (m)
                return false;
        return true;
    };
    if (none(query.transiting) || none(query.natal) || none(query.aspects)) {
        const std::string what = none(query.transiting) ? "transiting" : none(query.natal) ? "natal" : "aspects";
        return cliError(CliFailure, "nothing to search: the options' transits selection has no " + what +
                                        " marks; name them with --" + what);
    }

    TownDatabase db;
    LoadTownDatabase(db, townFilePaths(state.ProgramFolder, s), s);
    int code = CliOk;
    const auto from = dateOption(args, "from", s, code);
    if (!from)
        return code;
    auto to = dateOption(args, "to", s, code);
    if (!to)
        return code;
    query.fromUT = dayStartAtPlace(db, job->radix.moment, *from);
    CalDate end = *to;
    const bool lastDay = !end.nextDay();
    query.toUT = dayStartAtPlace(db, job->radix.moment, end) + (lastDay ? 1.0 : 0.0);
    if (query.fromUT >= query.toUT)
        return cliError(CliUsage, "--from " + *args.value("from") + " is after --to " + *args.value("to"));

    const TransitResult result = searchTransits(job->radix, query, job->options);
    if (result.status == TransitStatus::OutsideEphemeris)
        return cliError(CliFailure, "the period lies outside the ephemeris files for " +
                                        std::string(PointNames[result.body]) + " (" + *args.value("from") + " to " +
                                        *args.value("to") + ")");
    if (result.status != TransitStatus::Ok)
        return cliError(CliFailure, "the transit search failed");

    const std::vector<std::string> keys = aspectKeys(s);
    const PlaceClock place(db, job->radix.moment);
    if (args.has("json")) {
        Json events = Json::array();
        for (const TransitEvent& e : result.events)
            events.push(Json::object()
                            .set("transiting", PointNames[e.transiting])
                            .set("natal", PointNames[e.natal])
                            .set("aspect", keys[std::size_t(e.aspect)])
                            .set("jdUT", e.exactUT)
                            .set("exact", localText(place, e.exactUT))
                            .set("enters", localText(place, e.entersUT))
                            .set("leaves", localText(place, e.leavesUT))
                            .set("motion", e.motion));
        std::cout << Json::object().set("events", std::move(events)).dump() << "\n";
    } else if (args.has("csv")) {
        std::cout << "transiting,natal,aspect,jdUT,exact,enters,leaves,motion\n";
        for (const TransitEvent& e : result.events) {
            char jd[32];
            std::snprintf(jd, sizeof jd, "%.6f", e.exactUT);
            std::cout << PointNames[e.transiting] << ',' << PointNames[e.natal] << ',' << keys[std::size_t(e.aspect)]
                      << ',' << jd << ',' << localText(place, e.exactUT) << ','
                      << localText(place, e.entersUT) << ',' << localText(place, e.leavesUT) << ','
                      << e.motion << "\n";
        }
    } else {
        auto motionMark = [](int motion) {
            return motion == TransitRetrograde ? "R" : motion == TransitStationary ? "S" : " ";
        };
        for (const TransitEvent& e : result.events)
            std::cout << localText(place, e.exactUT) << "  " << PointNames[e.transiting] << ' '
                      << keys[std::size_t(e.aspect)] << ' ' << PointNames[e.natal] << ' ' << motionMark(e.motion)
                      << "  from "
                      << localText(place, e.entersUT) << " to " << localText(place, e.leavesUT) << "\n";
    }
    return CliOk;
}
