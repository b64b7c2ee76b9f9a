// zodikeon-cli import: the charts of an AAF or CSV file into a folder of horoscope files.
#include <filesystem>
#include <iostream>

#include "AppState.h"
#include "ChartDirectionOptions.h"
#include "ChartJob.h"
#include "ChartLoading.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "ExchangeOptions.h"
#include "JoinPath.h"
#include "StringIds.h"
#include "TownDatabase.h"

namespace {

const char* const ImportUsage =
    "Usage: zodikeon-cli import FILE [--into FOLDER] [--format aaf|csv] [--options PATH.zdo]\n\n"
    "Writes one horoscope file per record of FILE (AAF or CSV, by its extension unless --format\n"
    "is given) into FOLDER, by default the program's charts folder, which is made when missing.\n"
    "Files are named after the person; a name already taken gets _2, _3... and no existing file\n"
    "is replaced. A record without coordinates is placed through the town database when its\n"
    "place (and country) names exactly one town. The paths written are printed, one per line,\n"
    "then their number; every refused record is listed on standard error with its line and\n"
    "the reason, and so are the records imported with a note (a Julian day that disagreed with\n"
    "the civil time decides the moment). Exit 0 when at least one chart was written, 1 when\n"
    "the file cannot be read or holds no usable record. See the manual for the formats.\n";

}  // namespace

int runImport(AppState& state, int argc, char** argv, int first) {
    CliArgs args({"into", "format", "lang", "options"}, {"help"});
    if (const auto end = readCommandArgs(state, args, argc, argv, first, ImportUsage))
        return *end;
    if (args.positional().size() != 1)
        return cliError(CliUsage, args.positional().empty() ? "missing the file to import (see --help)"
                                                            : "one file at a time: '" + args.positional()[1] + "'");
    std::optional<ExchangeFormat> format;
    if (const int code = exchangeFormatOption(args, format))
        return code;
    const std::string file = args.positional().front();
    if (!format && !exchangeFormatOf(file))
        return cliError(CliUsage, replaced(cp1250ToUtf8(state.Strings[StrId::ExchangeUnknownFormat]), file) +
                                      " Give --format aaf or --format csv.");
    TOptions options{};
    if (const int code = loadChartOptionsFromArgs(state, args, options))
        return code;

    const std::string folder = args.value("into").value_or(JoinPath(state.ProgramFolder, "horo"));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec))
        return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::ImportFolderUnwritable]), folder));

    TownDatabase atlas;
    LoadTownDatabase(atlas, townFilePaths(state.ProgramFolder, state.Strings), state.Strings);
    ChartBlocks blocks{};
    blocks.directions = chartDirectionSettings(options);
    const ImportReport report = importCharts(file, format, folder, &atlas, state.Strings, blocks);
    switch (report.status) {
    case ImportStatus::CannotRead:
        return cliError(CliFailure, cp1250ToUtf8(report.message));
    case ImportStatus::UnknownFormat:
        return cliError(CliUsage, replaced(cp1250ToUtf8(state.Strings[StrId::ExchangeUnknownFormat]), file));
    case ImportStatus::NoHeader:
        return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::CsvNoHeader]), file));
    case ImportStatus::Ok:
    case ImportStatus::NoRecord:
        break;
    }
    for (const std::string& path : report.written)
        std::cout << path << "\n";
    std::cout << replaced(cp1250ToUtf8(state.Strings[StrId::ImportChartsWritten]), std::to_string(report.written.size()),
                          folder)
              << "\n";
    tellRecordIssues(file, report.refused, state.Strings);
    tellRecordIssues(file, report.notices, state.Strings);
    for (const std::string& name : report.unwritable)
        cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::ExportCannotWrite]), cp1250ToUtf8(name)));
    if (report.status == ImportStatus::NoRecord)
        return cliError(CliFailure, replaced(cp1250ToUtf8(state.Strings[StrId::ImportNoRecord]), file));
    return CliOk;
}
