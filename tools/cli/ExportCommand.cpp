// zodikeon-cli export: horoscope files into one AAF or CSV file.
#include <iostream>

#include "AppState.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "ExchangeOptions.h"
#include "HoroscopeFile.h"
#include "HoroscopeReadMessage.h"
#include "ProfileFile.h"
#include "StringIds.h"

namespace {

const char* const ExportUsage =
    "Usage: zodikeon-cli export --out FILE [--format aaf|csv] FILE.hor...\n\n"
    "Writes the charts of the horoscope files into FILE, in UTF-8, as AAF or CSV by its extension\n"
    "unless --format is given, in the order given. Every field the format carries is written, so\n"
    "that 'import' reads back the same moments (to the second) and places (to the arc second).\n"
    "When a horoscope file cannot be read nothing is written.\n";

}  // namespace

int runExport(AppState& state, int argc, char** argv, int first) {
    CliArgs args({"out", "format", "lang"}, {"help"});
    if (const auto end = readCommandArgs(state, args, argc, argv, first, ExportUsage))
        return *end;
    const auto out = args.value("out");
    if (!out || out->empty())
        return cliError(CliUsage, "missing --out");
    if (args.positional().empty())
        return cliError(CliUsage, "missing the horoscope files to export");
    std::optional<ExchangeFormat> format;
    if (const int code = exchangeFormatOption(args, format))
        return code;
    if (!format)
        format = exchangeFormatOf(*out);
    if (!format)
        return cliError(CliUsage, replaced(cp1250ToUtf8(state.Strings[StrId::ExchangeUnknownFormat]), *out) +
                                      " Give --format aaf or --format csv.");

    std::vector<RadixData> charts;
    charts.reserve(args.positional().size());
    for (const std::string& path : args.positional()) {
        RadixData radix;
        ChartBlocks blocks;
        HoroscopeProblem problem;
        const HoroscopeRead read = ReadHoroscopeFile(path, state.Strings, {}, radix, blocks, &problem);
        if (read != HoroscopeRead::Ok) {
            std::string message = path + ": " + cp1250ToUtf8(state.Strings[StrId::FileNotFoundOrCorrupt]);
            if (read == HoroscopeRead::Damaged)
                message += ": " + horoscopeProblemText(problem).toStdString();
            return cliError(CliFailure, message);
        }
        radix.moment.universalToLocal();
        charts.push_back(radix);
    }
    if (!writeFileAtomically(*out, exportText(charts, *format)))
        return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::ExportCannotWrite]), *out));
    std::cout << replaced(cp1250ToUtf8(state.Strings[StrId::ExportChartsWritten]), std::to_string(charts.size()), *out)
              << "\n";
    return CliOk;
}
